// The toolkit's floor for a window that shows any text: startup_bare with one
// QLabel in the default font, so the font system (fontconfig, Qt's font
// database, glyph rendering) starts as in every window with text. Run by
// bench_startup beside startup_window and startup_bare.

#include "startupprobe.h"

#include "ui/application.h"

#include <QApplication>
#include <QLabel>
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
    auto *label = new QLabel(QStringLiteral("Playfair"), &window);
    label->move(8, 8);
    probe.mark(probe.Window);
    probe.quitAfterFirstPaint(app);
    window.show();
    probe.mark(probe.Shown);
    return QApplication::exec();
}
