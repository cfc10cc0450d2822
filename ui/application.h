#pragma once

class QApplication;

namespace playfair {

// Gives the application its names, its icon and the classic widget style the
// window was drawn for, the same on every platform.
void setUpApplication(QApplication &app);

} // namespace playfair
