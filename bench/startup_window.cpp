// The program's start-up as app/main.cpp does it - QApplication,
// setUpApplication, MainWindow, show() - with a probe that reports the time
// stamps of each step and quits after the first paint. Run by bench_startup.

#include "startupprobe.h"

#include "ui/application.h"
#include "ui/main/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    playfair::bench::StartupProbe probe;
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
