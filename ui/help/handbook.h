#pragma once

#include <QString>

class QMenu;
class QWidget;

namespace playfair {

// The handbook: the Markdown pages of docs/handbook/, in the program's
// language, shown in a window of their own. The window, and the resource
// that holds the pages and their pictures, are made only when the handbook
// is first opened, so that the program's start-up pays for none of it: a
// window gains an F1 shortcut, and its menu a "Помощ" entry made when the
// menu opens.

// F1 in `window` opens the handbook at the window's page.
void addHelpShortcut(QWidget *window);

// Adds "Помощ" (Help, F1) to a window's menu; it opens the handbook at the
// page of `window`.
void addHelpAction(QMenu *menu, QWidget *window);

// Opens the handbook (or brings it forward) at the page of the window that
// `from` belongs to. The handbook belongs to the first window of the chain
// of owners, so that it closes with the main window.
void showHandbook(QWidget *from);

// The page of the handbook that tells of `window`: its "handbookPage"
// property where it sets one, else the page of its kind, else the contents.
QString handbookPageOf(const QWidget *window);

} // namespace playfair
