// The toolkit's floor for startup_window: the same QApplication set-up, less
// the program's language (a bare window shows none of its texts), but a plain
// QWidget of the window's size, 504 x 424, shown the same way. Built
// with the same flags and the same libraries. Run by bench_startup.

#include "startupprobe.h"

#include "ui/application.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    playfair::bench::StartupProbe probe;
    probe.mark(probe.CommandLine); // none to read
    QApplication app(argc, argv);
    probe.mark(probe.Application);
    playfair::setUpApplicationBasics(app);
    probe.mark(probe.SetUp);

    QWidget window;
    window.setFixedSize(504, 424);
    probe.mark(probe.Window);
    probe.quitAfterFirstPaint(app);
    window.show();
    probe.mark(probe.Shown);
    return QApplication::exec();
}
