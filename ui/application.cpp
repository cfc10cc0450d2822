#include "application.h"

#include "app/version.h"
#include "translations.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace playfair {

void setUpApplication(QApplication &app)
{
    setUpApplicationBasics(app);
    showLanguage(startLanguage());
}

void setUpApplicationBasics(QApplication &app)
{
    app.setApplicationName(QStringLiteral("playfair"));
    app.setApplicationVersion(QString::fromLatin1(applicationVersion));
    // The desktop file and the AppStream metainfo are named after this id.
    app.setDesktopFileName(QStringLiteral(PLAYFAIR_APP_ID));
    app.setWindowIcon(QIcon(QStringLiteral(":/playfair/playfair.png")));
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Windows")))
        app.setStyle(style);
}

void showCentred(QWidget *window, QWidget *owner)
{
    const QRect screen = window->screen()->availableGeometry();
    QRect place = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(),
                                      owner ? owner->frameGeometry() : screen);
    place.moveLeft(qBound(screen.left(), place.left(), qMax(screen.left(), screen.right() - place.width())));
    place.moveTop(qBound(screen.top(), place.top(), qMax(screen.top(), screen.bottom() - place.height())));
    window->move(place.topLeft());
    window->show();
    window->raise();
    window->activateWindow();
}

void bringForward(QWidget *window)
{
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
}

} // namespace playfair
