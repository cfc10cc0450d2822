// The solver at work: it breaks ciphertexts made from the held-out book,
// keeps to a crib, repeats itself on one thread, reports progress at its
// pace and stops when asked. One thread and fixed seeds keep it repeatable.

#include "analysis/solver.h"
#include "analysis/squarealignment.h"
#include "engine/textbook.h"
#include "heldouttext.h"

#include <QTest>

#include <chrono>
#include <thread>

using namespace playfair;
using namespace playfair::analysis;
using namespace std::chrono_literals;

namespace {

// How soon the solver stops when asked: ThreadSanitizer runs the search some
// twenty times slower.
#if defined(__SANITIZE_THREAD__)
constexpr auto stopsWithin = 1000ms;
constexpr auto climbingTime = 30s;
#else
constexpr auto stopsWithin = 50ms;
constexpr auto climbingTime = 3s;
#endif

} // namespace

namespace {

SolverOptions oneThread(std::uint64_t seed, Language language = Language::English)
{
    SolverOptions options;
    options.language = language;
    options.threads = 1;
    options.seed = seed;
    // A safety net only: the searches agree after a fixed number of keys,
    // which takes seconds here and minutes under AddressSanitizer.
    options.timeLimit = 300s;
    return options;
}

// Solves until the first square is found (one that holds the crib, if there
// is one), then stops: however fast the machine, the result has a square.
SolverResult solveUntilFound(const std::vector<Letter> &cipher, SolverOptions options)
{
    std::stop_source stop;
    options.onProgress = [&stop](const SolverReport &report) {
        if (report.found)
            stop.request_stop();
    };
    return solve(cipher, options, stop.get_token());
}

} // namespace

class TestSolver : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void solvesHeldOutText_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("length");

        QTest::newRow("English, 200 letters") << "en" << 5000 << 200;
        QTest::newRow("English, 200 letters elsewhere") << "en" << 90000 << 200;
        QTest::newRow("English, 664 letters") << "en" << 40000 << 664;
        QTest::newRow("Bulgarian in Latin letters, 200 letters") << "bg" << 30000 << 200;
        // The language left to the solver: it is found, and the searches
        // of the other language do not keep the text from being solved.
        QTest::newRow("English, 100 letters, language found") << "en?" << 5000 << 100;
        QTest::newRow("English, 90 letters, language found") << "en?" << 61000 << 90;
        QTest::newRow("Bulgarian in Latin letters, 100 letters, language found") << "bg?" << 30000 << 100;
    }

    void solvesHeldOutText()
    {
        QFETCH(QString, language);
        QFETCH(int, offset);
        QFETCH(int, length);

        const bool languageLeft = language.endsWith(u'?');
        const Language named = language.startsWith(QLatin1String("bg")) ? Language::Bulgarian : Language::English;
        const testing::CipherCase c = testing::cipherCase(language.left(2).toStdString(), std::size_t(offset),
                                                          std::size_t(length), 7);
        SolverOptions options = oneThread(11, named);
        if (languageLeft)
            options.language.reset();
        // The measuring hook sees the answer offered to the chooser.
        int answerOffered = 0;
        options.onCandidate = [&](const Square &square) {
            answerOffered += playfair::transformedPairs(squareToText(square), c.cipherText, -1) == c.plain;
        };
        const SolverResult result = solve(c.cipher, options);
        QVERIFY(result.found);
        QCOMPARE(result.language, named);
        QCOMPARE(result.languageFound, languageLeft);
        QVERIFY(answerOffered > 0);
        // A language found is one the searches settled on; a named one is never settled.
        QCOMPARE(result.settledLanguage, languageLeft ? std::optional(named) : std::nullopt);
        QCOMPARE(result.plaintext, c.plain);
        QCOMPARE(result.stopped, StopReason::Confident);
        QVERIFY(result.settled || result.agreeing >= agreementNeeded(std::size_t(length)));
        QVERIFY(!result.shortText);
        Square found;
        Square truth;
        QVERIFY(squareFromText(result.squareText, found));
        QVERIFY(squareFromText(c.square, truth));
        QCOMPARE(alignedSquare(found, truth).count, 25);
    }

    // One search on each core, sharing the best square.
    void solvesOnEveryThread()
    {
        const testing::CipherCase c = testing::cipherCase("en", 12000, 200, 9);
        SolverOptions options = oneThread(4);
        options.threads = 0;
        const SolverResult result = solve(c.cipher, options);
        QCOMPARE(result.plaintext, c.plain);
        QCOMPARE(result.stopped, StopReason::Confident);
    }

    void sameSeedSameResult()
    {
        const testing::CipherCase c = testing::cipherCase("en", 20000, 160, 3);
        const SolverResult first = solve(c.cipher, oneThread(5));
        const SolverResult second = solve(c.cipher, oneThread(5));
        QCOMPARE(first.stopped, StopReason::Confident);
        QCOMPARE(second.squareText, first.squareText);
        QCOMPARE(second.plaintext, first.plaintext);
        // The keys tested may differ by the few the search tries after it is
        // told to halt; the finished searches may not.
        QCOMPARE(second.restarts, first.restarts);
    }

    // Every square returned holds the crib, at its place when one is given,
    // even when the text is too short to be solved without it.
    void keepsToTheCrib_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("cribAt");
        QTest::addColumn<int>("cribLength");
        QTest::addColumn<bool>("placeGiven");

        QTest::newRow("a 6-letter crib at its place in 60 letters") << 60 << 20 << 6 << true;
        QTest::newRow("a 5-letter crib anywhere in 60 letters") << 60 << 31 << 5 << false;
        QTest::newRow("a crib at the very start") << 50 << 0 << 6 << true;
    }

    void keepsToTheCrib()
    {
        QFETCH(int, length);
        QFETCH(int, cribAt);
        QFETCH(int, cribLength);
        QFETCH(bool, placeGiven);

        const testing::CipherCase c = testing::cipherCase("en", 70000, std::size_t(length), 21);
        SolverOptions options = oneThread(8);
        options.crib = c.plain.substr(std::size_t(cribAt), std::size_t(cribLength));
        if (placeGiven)
            options.cribPosition = std::size_t(cribAt);
        const SolverResult result = solveUntilFound(c.cipher, options);
        QVERIFY(result.found);
        const std::size_t at = result.plaintext.find(options.crib);
        QVERIFY2(at != std::string::npos, result.plaintext.c_str());
        if (placeGiven)
            QCOMPARE(result.plaintext.substr(std::size_t(cribAt), std::size_t(cribLength)), options.crib);
    }

    void refusesACribThatCannotStand()
    {
        const testing::CipherCase c = testing::cipherCase("en", 3000, 100, 2);
        SolverOptions options = oneThread(1);
        options.crib = c.cipherText.substr(10, 4); // letters never encrypt to themselves
        options.cribPosition = 10;
        QVERIFY_THROWS_EXCEPTION(CribError, solve(c.cipher, options));
    }

    void warnsOfShortTexts()
    {
        const testing::CipherCase c = testing::cipherCase("en", 3000, 30, 2);
        const SolverResult result = solveUntilFound(c.cipher, oneThread(1));
        QVERIFY(result.shortText);
        QVERIFY(result.found);
    }

    // Progress comes at most every interval, from the thread that called
    // solve(), with the keys tested growing.
    void reportsProgressAtItsPace()
    {
        const testing::CipherCase c = testing::cipherCase("en", 3000, 40, 2);
        SolverOptions options = oneThread(1);
        // The first search of a run reads the language tables before its
        // threads start; the pace is the searching's, so they are read first.
        options.timeLimit = 1ms;
        solve(c.cipher, options);
        options.timeLimit = 600ms;
        std::vector<std::chrono::steady_clock::time_point> times;
        std::vector<std::uint64_t> keys;
        const std::thread::id caller = std::this_thread::get_id();
        bool onCaller = true;
        options.onProgress = [&](const SolverReport &report) {
            times.push_back(std::chrono::steady_clock::now());
            keys.push_back(report.keysTested);
            onCaller = onCaller && std::this_thread::get_id() == caller;
        };
        const SolverResult result = solve(c.cipher, options);
        QCOMPARE(result.stopped, StopReason::TimeLimit);
        QVERIFY(onCaller);
        QVERIFY(times.size() >= 3);
        for (std::size_t i = 1; i < times.size(); ++i) {
            QVERIFY(times[i] - times[i - 1] >= 49ms);
            QVERIFY(keys[i] >= keys[i - 1]);
        }
        QVERIFY(keys.back() > 0);
    }

    // The general search on every thread with the language to be found:
    // the threads climb the two languages, share the best square of each
    // and settle the language (run under ThreadSanitizer too).
    void climbsBothLanguagesOnEveryThread()
    {
        const testing::CipherCase c = testing::cipherCase("en", 26000, 60, 4);
        SolverOptions options;
        options.threads = 2;
        options.seed = 3;
        options.squares = SquareKind::Random;
        options.timeLimit = climbingTime;
        const SolverResult result = solve(c.cipher, options);
        QVERIFY(result.found);
        QVERIFY(result.languageFound);
        // The two threads start on different languages: two searches climb both.
        QVERIFY2(result.restarts >= 2, qPrintable(QString::number(result.restarts)));
    }

    void stopsWhenAsked_data()
    {
        QTest::addColumn<bool>("hunt");
        QTest::newRow("a time limit of two minutes") << false;
        QTest::newRow("no time limit: a hunt") << true;
    }

    void stopsWhenAsked()
    {
        QFETCH(bool, hunt);
        using Clock = std::chrono::steady_clock;
        const testing::CipherCase c = testing::cipherCase("en", 3000, 40, 2);
        // The searches halt within a few milliseconds; then the answer is
        // made ready (its key word looked up in every list), and the
        // solver returns. Other work on a loaded machine may delay any one
        // stop: the fastest of three shows what the solver itself takes, and
        // none is slow.
        auto fastest = Clock::duration::max();
        for (std::uint64_t seed = 1; seed <= 3; ++seed) {
            SolverOptions options;
            options.threads = 2;
            options.seed = seed;
            options.timeLimit = hunt ? noTimeLimit : 120s;
            std::atomic<bool> found{false};
            options.onProgress = [&](const SolverReport &report) { found = found || report.found; };
            std::stop_source stop;
            SolverResult result;
            Clock::time_point solving;
            std::thread solver([&] {
                solving = Clock::now();
                result = solve(c.cipher, options, stop.get_token());
            });
            const auto started = Clock::now();
            while (!found && Clock::now() - started < 60s)
                std::this_thread::sleep_for(10ms);
            const auto asked = Clock::now();
            stop.request_stop();
            solver.join();
            const auto took = Clock::now() - asked;
            QCOMPARE(result.stopped, StopReason::Cancelled);
            QVERIFY(result.found);
            QVERIFY2(took < 10 * stopsWithin, qPrintable(QString::number(std::chrono::duration<double>(took).count())));
            // The result's time is taken once the searches have halted.
            const auto halted = solving + std::chrono::duration_cast<Clock::duration>(
                                              std::chrono::duration<double>(result.elapsedSeconds));
            fastest = std::min(fastest, halted - asked);
        }
        QVERIFY2(fastest < stopsWithin, qPrintable(QString::number(std::chrono::duration<double>(fastest).count())));
    }
};

QTEST_GUILESS_MAIN(TestSolver)
#include "tst_solver.moc"
