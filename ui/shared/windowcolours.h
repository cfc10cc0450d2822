#pragma once

#include <QColor>

namespace playfair {

// The main window's colours, which every window of the program shares.
inline const QColor windowColour(192, 192, 255);  // the client area
inline const QColor captionColour(255, 192, 128); // the title bar inside the window
inline const QColor numberColour(128, 128, 255);  // the square's row and column numbers
inline const QColor cellColour(255, 128, 0);      // the square's cells

} // namespace playfair
