#include "ui/application.h"
#include "ui/break/breakwindow.h"
#include "ui/byhand/byhandwindow.h"
#include "ui/commandline.h"
#include "ui/main/mainwindow.h"
#include "ui/practice/classsetcommand.h"
#include "ui/practice/practicewindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Read first: help, the version and mistakes need no display.
    const playfair::CommandLine commandLine = playfair::parseCommandLine(playfair::argumentsOf(argc, argv));
    if (commandLine.finished)
        return playfair::finishCommandLine(commandLine);
    // A class set is written without a window.
    if (commandLine.classSet)
        return playfair::writeClassSetOf(commandLine, argc, argv);

    QApplication app(argc, argv);
    playfair::setUpApplication(app);

    switch (commandLine.window) {
    case playfair::CommandLine::Window::Practice:
        playfair::openPracticeWindow();
        return QApplication::exec();
    case playfair::CommandLine::Window::Break:
        playfair::openBreakWindow(commandLine.file.isEmpty() ? playfair::BreakInput()
                                                             : playfair::BreakInput::fromFile(commandLine.file));
        return QApplication::exec();
    case playfair::CommandLine::Window::ByHand:
        if (commandLine.file.isEmpty())
            playfair::openByHandWindow();
        else
            playfair::openByHandWindowOn(commandLine.file);
        return QApplication::exec();
    case playfair::CommandLine::Window::Main:
        break;
    }
    playfair::MainWindow window;
    window.show();
    return QApplication::exec();
}
