// The break window while a search runs, on whatever platform Qt is given
// (QT_QPA_PLATFORM=offscreen, or xcb under Xvfb):
//
//   - how late the window's thread handles input: a timer due every 10 ms
//     stands for the user's events, and the longest gap between two of its
//     ticks, less the 10 ms, is the longest the window would keep a key
//     press waiting; the same with no search running gives the floor;
//   - how often the window repaints while the search reports;
//   - how long Stop and closing the window take to return, and to end the
//     search's thread.
//
// The ciphertext is 2000 letters drawn at random, so that the search never
// becomes sure and runs until it is stopped, and the window lays out and
// marks a long plaintext at every report (a random square stands for the
// known key). The search uses every core.
//
//     bench_break [--header] [seconds]      (default 5 s of search)
//
// Prints Markdown table rows (with --header, the table head first).

#include "benchutil.h"

#include "ui/application.h"
#include "ui/break/breakjob.h"
#include "ui/break/breakwindow.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

#include <cstring>
#include <thread>

namespace {

using namespace playfair::bench;

QString noise(int letters)
{
    QRandomGenerator random(11);
    QString text;
    while (text.size() < letters * 3 / 2) {
        const QChar first(u'A' + random.bounded(26));
        const QChar second(u'A' + random.bounded(26));
        if (first != u'J' && second != u'J' && first != second)
            text += QString(first) + second + u' ';
    }
    return text;
}

playfair::BreakInput input()
{
    playfair::BreakInput input;
    input.ciphertext = noise(2000);
    QString square = QStringLiteral("ABCDEFGHIKLMNOPQRSTUVWXYZ");
    QRandomGenerator random(5);
    for (qsizetype i = square.size() - 1; i > 0; --i)
        std::swap(square[i], square[random.bounded(int(i + 1))]);
    input.trueSquare = square;
    return input;
}

// Counts the window's repaints: one update request per painted frame.
class RepaintCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::UpdateRequest)
            ++count;
        return false;
    }
};

struct Ticks
{
    double longestGap = 0; // beyond the 10 ms interval
    std::vector<double> gaps;
};

// Runs the event loop for `seconds` with a 10 ms timer and records its gaps.
Ticks tick(double seconds)
{
    Ticks ticks;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(10);
    Clock::time_point last = Clock::now();
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const Clock::time_point now = Clock::now();
        const double late = secondsBetween(last, now) - 0.010;
        ticks.gaps.push_back(late > 0 ? late : 0);
        ticks.longestGap = std::max(ticks.longestGap, late);
        last = now;
    });
    timer.start();
    QTest::qWait(int(seconds * 1000));
    return ticks;
}

double percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(share * double(values.size())))];
}

// Waits, without running the event loop, for the search's thread to end.
double untilTheThreadEnds(Clock::time_point from)
{
    while (playfair::BreakJob::running() > 0)
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    return secondsBetween(from, Clock::now());
}

bool waitForReports(playfair::BreakWindow &window)
{
    auto *status = window.findChild<QLabel *>(QStringLiteral("status"));
    return QTest::qWaitFor([status] { return !status->text().contains(QStringLiteral(" 0 ключа")); }, 10000);
}

// The offscreen platform says at every new window what it cannot do.
void quietPlatform(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg)
        std::abort();
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(quietPlatform);
    const bool header = argc > 1 && std::strcmp(argv[1], "--header") == 0;
    const int searchSeconds = header ? iterationsFrom(argc - 1, argv + 1, 5) : iterationsFrom(argc, argv, 5);

    int qtArgc = 1; // the program name only: the arguments are ours
    QApplication app(qtArgc, argv);
    playfair::setUpApplication(app);
    const std::string platform = QGuiApplication::platformName().toStdString();

    playfair::BreakWindow window(input());
    window.resize(1000, 720);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "bench_break: the window was never shown\n");
        return 1;
    }
    auto *start = window.findChild<QPushButton *>(QStringLiteral("start"));
    auto *stop = window.findChild<QPushButton *>(QStringLiteral("stop"));
    auto *timeLimit = window.findChild<QWidget *>(QStringLiteral("timeLimit"));
    if (!start || !stop || !timeLimit) {
        std::fprintf(stderr, "bench_break: the window has no start, stop or timeLimit\n");
        return 1;
    }
    QTest::qWait(200);

    const Ticks idle = tick(1.0);

    RepaintCounter repaints;
    window.installEventFilter(&repaints);
    QTest::mouseClick(start, Qt::LeftButton);
    if (!waitForReports(window)) {
        std::fprintf(stderr, "bench_break: the search never reported\n");
        return 1;
    }
    repaints.count = 0;
    const Ticks searching = tick(searchSeconds);
    const double repaintsPerSecond = repaints.count / double(searchSeconds);
    window.removeEventFilter(&repaints);

    std::vector<double> stopReturns;
    std::vector<double> stopEnds;
    for (int run = 0; run < 10; ++run) {
        if (run > 0) {
            QTest::mouseClick(start, Qt::LeftButton);
            waitForReports(window);
            QTest::qWait(200);
        }
        const Clock::time_point t0 = Clock::now();
        QTest::mouseClick(stop, Qt::LeftButton);
        stopReturns.push_back(secondsBetween(t0, Clock::now()));
        stopEnds.push_back(untilTheThreadEnds(t0));
        if (!QTest::qWaitFor([start] { return start->isEnabled(); }, 5000))
            return 1;
    }

    std::vector<double> closeReturns;
    std::vector<double> closeEnds;
    for (int run = 0; run < 10; ++run) {
        playfair::BreakWindow *opened = playfair::openBreakWindow(input());
        if (!QTest::qWaitForWindowExposed(opened))
            return 1;
        QTest::mouseClick(opened->findChild<QPushButton *>(QStringLiteral("start")), Qt::LeftButton);
        waitForReports(*opened);
        QTest::qWait(200);
        const Clock::time_point t0 = Clock::now();
        opened->close();
        closeReturns.push_back(secondsBetween(t0, Clock::now()));
        closeEnds.push_back(untilTheThreadEnds(t0));
        QTest::qWait(50); // the window and the job delete themselves
    }

    if (header) {
        std::printf("| Break window, %u cores, search on all of them | Platform | Median | 99th percentile | Longest |\n",
                    std::thread::hardware_concurrency());
        std::printf("|---|---|---:|---:|---:|\n");
    }
    const auto row = [&](const std::string &what, const std::vector<double> &values) {
        std::printf("| %s | %s | %s | %s | %s |\n", what.c_str(), platform.c_str(),
                    formatSeconds(median(values)).c_str(), formatSeconds(percentile(values, 0.99)).c_str(),
                    formatSeconds(*std::max_element(values.begin(), values.end())).c_str());
    };
    row("Input delay (a 10 ms timer's lateness), window idle, 1 s", idle.gaps);
    row("Input delay while a search runs, " + std::to_string(searchSeconds) + " s", searching.gaps);
    row("Stop: the click returns (10 runs)", stopReturns);
    row("Stop: … the search's thread has ended", stopEnds);
    row("Close: close() returns (10 runs)", closeReturns);
    row("Close: … the search's thread has ended", closeEnds);
    std::printf("| Repaints per second while the search reports | %s | %.1f | | |\n", platform.c_str(),
                repaintsPerSecond);
    std::fflush(stdout);
    return 0;
}
