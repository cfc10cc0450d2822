#include "ui/application.h"
#include "ui/commandline.h"
#include "ui/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Read first: help, the version and mistakes need no display.
    const playfair::CommandLine commandLine = playfair::parseCommandLine(playfair::argumentsOf(argc, argv));
    if (commandLine.finished)
        return playfair::finishCommandLine(commandLine);

    QApplication app(argc, argv);
    playfair::setUpApplication(app);

    playfair::MainWindow window;
    window.show();
    return QApplication::exec();
}
