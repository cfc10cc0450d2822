// Saves a part of the X screen as a PNG: grabscreen <file.png> [x y width height].
// Used by scripts/screenshot to picture the running program under Xvfb.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2 && args.size() != 6) {
        std::fprintf(stderr, "usage: grabscreen <file.png> [x y width height]\n");
        return 2;
    }
    QScreen *screen = QGuiApplication::primaryScreen();
    const QPixmap picture = args.size() == 6
        ? screen->grabWindow(0, args[2].toInt(), args[3].toInt(), args[4].toInt(), args[5].toInt())
        : screen->grabWindow(0);
    if (!picture.save(args[1], "PNG")) {
        std::fprintf(stderr, "grabscreen: cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}
