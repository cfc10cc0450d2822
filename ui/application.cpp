#include "application.h"

#include "app/version.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

namespace playfair {

void setUpApplication(QApplication &app)
{
    app.setApplicationName(QStringLiteral("playfair"));
    app.setApplicationVersion(QString::fromLatin1(applicationVersion));
    // The desktop file and the AppStream metainfo are named after this id.
    app.setDesktopFileName(QStringLiteral(PLAYFAIR_APP_ID));
    app.setWindowIcon(QIcon(QStringLiteral(":/playfair/playfair.png")));
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Windows")))
        app.setStyle(style);
}

} // namespace playfair
