#pragma once

class QApplication;
class QWidget;

namespace playfair {

// Gives the application its names, its icon and the classic widget style the
// window was drawn for, the same on every platform, and shows it in the
// language the user chose or else the system's (see translations.h).
void setUpApplication(QApplication &app);

// The same without the language: all a window needs that shows none of the
// program's texts (the start-up benchmark's bare windows).
void setUpApplicationBasics(QApplication &app);

// Shows a top-level window centred on its owner (or on the screen when it
// has none), kept on the screen, raised and active.
void showCentred(QWidget *window, QWidget *owner);

} // namespace playfair
