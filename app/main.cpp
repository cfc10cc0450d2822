#include "ui/application.h"
#include "ui/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    playfair::setUpApplication(app);

    playfair::MainWindow window;
    window.show();
    return QApplication::exec();
}
