#pragma once

#include <QWidget>

class QApplication;

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

// Shows a window that is open already on top and active, restored if it
// was minimised.
void bringForward(QWidget *window);

// The window of kind W that `owner` has open (the last opened, if it has
// several), or none.
template<typename W>
W *openWindowOf(QWidget *owner)
{
    if (!owner)
        return nullptr;
    const QList<W *> windows = owner->findChildren<W *>(Qt::FindDirectChildrenOnly);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if ((*it)->isVisible())
            return *it;
    }
    return nullptr;
}

} // namespace playfair
