#include "application.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

namespace playfair {

void setUpApplication(QApplication &app)
{
    app.setApplicationName(QStringLiteral("playfair"));
    app.setDesktopFileName(QStringLiteral("playfair"));
    app.setWindowIcon(QIcon(QStringLiteral(":/playfair/playfair.png")));
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Windows")))
        app.setStyle(style);
}

} // namespace playfair
