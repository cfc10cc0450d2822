#pragma once

class QMenu;

namespace playfair {

// Adds the "Език" ("Language") submenu to a window's menu: Български and
// English, each in its own language, the one shown checked. Choosing one
// shows every open window in it at once and remembers it for the next start.
void addLanguageMenu(QMenu *menu);

} // namespace playfair
