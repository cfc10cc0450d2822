// The program's start-up as app/main.cpp does it - the command line,
// QApplication, setUpApplication, MainWindow, show() - with a probe that
// reports the time stamps of each step and quits after the first paint. Run
// by bench_startup.

#include "startupprobe.h"

#include "ui/application.h"
#include "ui/commandline.h"
#include "ui/main/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    playfair::bench::StartupProbe probe;
    const playfair::CommandLine commandLine = playfair::parseCommandLine(playfair::argumentsOf(argc, argv));
    if (commandLine.finished || commandLine.window != playfair::CommandLine::Window::Main)
        return 2; // the benchmark starts the main window only
    probe.mark(probe.CommandLine);
    QApplication app(argc, argv);
    probe.mark(probe.Application);
    playfair::setUpApplication(app);
    probe.mark(probe.SetUp);

    playfair::MainWindow window;
    probe.mark(probe.Window);
    probe.quitAfterFirstPaint(app);
    window.show();
    probe.mark(probe.Shown);
    return QApplication::exec();
}
