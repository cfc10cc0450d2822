#include "ui/mainwindow.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("playfair"));
    QApplication::setDesktopFileName(QStringLiteral("playfair"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/playfair/playfair.png")));
    // The classic look the window was drawn for, the same on every platform.
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(style);

    playfair::MainWindow window;
    window.show();
    return QApplication::exec();
}
