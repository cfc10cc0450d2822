#pragma once

#include <QKeySequence>
#include <QShortcut>
#include <QString>
#include <QWidget>

class QMenu;

namespace playfair {

// The handbook: the Markdown pages of docs/handbook/, in the program's
// language, shown in a window of their own. The window, and the resource
// that holds the pages and their pictures, are made only when the handbook
// is first opened, so that the program's start-up pays for none of it: a
// window gains an F1 shortcut, and its menu a "Помощ" entry made when the
// menu opens.

// Opens the handbook (or brings it forward) at the page of the window that
// `from` belongs to. The handbook belongs to the first window of the chain
// of owners, so that it closes with the main window.
void showHandbook(QWidget *from);

// F1 in `window` opens the handbook at the window's page. Inline, so that
// the main window's start-up runs none of the handbook's code, whose pages
// then stay unmapped.
inline void addHelpShortcut(QWidget *window)
{
    auto *shortcut = new QShortcut(QKeySequence(Qt::Key_F1), window);
    shortcut->setObjectName(QStringLiteral("helpShortcut"));
    QObject::connect(shortcut, &QShortcut::activated, window, [window] { showHandbook(window); });
}

// Adds "Помощ" (Help, F1) to a window's menu; it opens the handbook at the
// page of `window`.
void addHelpAction(QMenu *menu, QWidget *window);

// The page of the handbook that tells of `window`: its "handbookPage"
// property where it sets one, else the page of its kind, else the contents.
QString handbookPageOf(const QWidget *window);

} // namespace playfair
