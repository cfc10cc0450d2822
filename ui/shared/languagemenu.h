#pragma once

#include <QList>

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace playfair {

// Adds the "Език" ("Language") submenu to a window's menu: Български and
// English, each in its own language, the one shown checked. Choosing one
// shows every open window in it at once and remembers it for the next start.
void addLanguageMenu(QMenu *menu);

// Shows a window's own menu at `globalPos`, in the window's font: its
// `actions`, then the language and zoom submenus and the handbook ("Помощ").
// Returns when the menu closes.
void execWindowMenu(QWidget *window, const QList<QAction *> &actions, const QPoint &globalPos);

} // namespace playfair
