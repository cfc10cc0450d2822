// A full Encrypt press on the window: a mouse click on the Encrypt button
// (Command1_0), which runs the handler and render(), then a synchronous
// repaint() of the whole window. Runs on whatever platform Qt is given
// (QT_QPA_PLATFORM=offscreen, or xcb under Xvfb).
//
//     bench_click [--header] [iterations]      (default 500)
//
// Every press appends a trace line to the explanation box, so before each
// timed press the explanation is set back to its start text and the window
// is repainted, outside the timing: the figures are those of one press in a
// freshly opened window. A second row gives presses in a row without that
// reset, as a pupil pressing again and again would see them.
//
// Prints Markdown table rows (with --header, the table head first).

#include "benchutil.h"

#include "ui/application.h"
#include "ui/main/mainwindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstring>

namespace {

using namespace playfair::bench;

// Back to the start text in the explanation box, painted, outside any timing.
void resetExplanation(playfair::MainWindow &window)
{
    window.workspace().Text1[0] = playfair::Workspace::explanation();
    window.render();
    window.repaint();
    QCoreApplication::processEvents();
}

std::vector<double> press(playfair::MainWindow &window, QPushButton *encrypt, int iterations, bool reset)
{
    std::vector<double> times;
    times.reserve(std::size_t(iterations));
    for (int i = 0; i < iterations; ++i) {
        if (reset)
            resetExplanation(window);
        const auto t0 = Clock::now();
        QTest::mouseClick(encrypt, Qt::LeftButton);
        window.repaint();
        const auto t1 = Clock::now();
        times.push_back(secondsBetween(t0, t1));
        QCoreApplication::processEvents();
    }
    return times;
}

} // namespace

int main(int argc, char **argv)
{
    const bool header = argc > 1 && std::strcmp(argv[1], "--header") == 0;
    const int iterations = header ? iterationsFrom(argc - 1, argv + 1, 500) : iterationsFrom(argc, argv, 500);

    int qtArgc = 1; // the program name only: the arguments are ours
    QApplication app(qtArgc, argv);
    playfair::setUpApplication(app);

    playfair::MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "bench_click: the window was never shown\n");
        return 1;
    }

    auto *key = window.findChild<QLineEdit *>(QStringLiteral("Text2_0"));
    auto *message = window.findChild<QLineEdit *>(QStringLiteral("Text2_1"));
    auto *encrypt = window.findChild<QPushButton *>(QStringLiteral("Command1_0"));
    if (!key || !message || !encrypt) {
        std::fprintf(stderr, "bench_click: the window has no Text2_0, Text2_1 or Command1_0\n");
        return 1;
    }
    key->setText(QStringLiteral("PLAYFAIR EXAMPLE"));
    message->setText(QStringLiteral("HIDETHEGOLDINTHETREESTUMPNEARTHEOLDMILLS"));

    press(window, encrypt, 20, true); // warm-up
    if (window.workspace().List1[1].ListCount() == 0) {
        std::fprintf(stderr, "bench_click: the press gave no cipher digraphs\n");
        return 1;
    }
    const std::vector<double> fresh = press(window, encrypt, iterations, true);
    resetExplanation(window);
    const std::vector<double> inARow = press(window, encrypt, iterations, false);

    const std::string platform = QGuiApplication::platformName().toStdString();
    if (header)
        printTimingHeader();
    printTimingRow("Encrypt click on the window + repaint()", platform, summarise(fresh));
    printTimingRow("… the same, " + std::to_string(iterations) + " presses in a row (no reset)", platform,
                   summarise(inARow));
    return 0;
}
