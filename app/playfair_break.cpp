// playfair-break: finds the key square of a Playfair ciphertext without the
// key, with the solver of analysis/. Reads the ciphertext from a file or
// from standard input, prints the result for a person or as JSON.
//
// Exit status: 0 with a result, 1 when no square was found (a crib that no
// square found in time holds), 2 for a wrong command line or ciphertext, 130
// when interrupted (the best result so far is still printed).

#include "analysis/ciphertext.h"
#include "analysis/solver.h"
#include "app/version.h"

#include <QCommandLineParser>
#include <QStringList>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

using namespace playfair::analysis;

namespace {

const char program[] = "playfair-break";

std::atomic<bool> interrupted{false};

extern "C" void onInterrupt(int)
{
    interrupted.store(true);
}

int fail(const std::string &message)
{
    std::cerr << program << ": " << message << '\n';
    return 2;
}

std::string jsonString(const std::string &text)
{
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

std::string inPairs(const std::string &letters)
{
    std::string pairs;
    for (std::size_t i = 0; i < letters.size(); i += 2) {
        if (i > 0)
            pairs += (i % 40 == 0) ? '\n' : ' ';
        pairs += letters.substr(i, 2);
    }
    return pairs;
}

std::string withThousands(std::uint64_t number)
{
    std::string digits = std::to_string(number);
    for (int i = int(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(std::size_t(i), ",");
    return digits;
}

std::string stopExplanation(const SolverResult &result)
{
    switch (result.stopped) {
    case StopReason::Confident:
        if (result.settled)
            return "confident (the plaintext reads like the language, and no search from its square found a better one)";
        return "confident (" + std::to_string(result.agreeing) + " independent searches reached this plaintext)";
    case StopReason::TimeLimit:
        return "time-limit (the searches had not agreed yet; a longer --time-limit may find a better square)";
    case StopReason::Cancelled:
        return "cancelled (interrupted)";
    }
    return {};
}

// One line on standard error, rewritten in place while the search runs.
void showProgress(const SolverReport &report)
{
    std::string line = "  " + std::to_string(int(report.elapsedSeconds * 10) / 10) + "."
        + std::to_string(int(report.elapsedSeconds * 10) % 10) + " s  "
        + withThousands(report.keysTested) + " keys  ";
    if (report.found)
        line += report.plaintext.substr(0, 40) + (report.plaintext.size() > 40 ? "..." : "");
    std::cerr << '\r' << line << "\x1b[K" << std::flush;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Finds the key square of a Playfair ciphertext without the key. Reads the ciphertext\n"
        "from FILE, or from standard input; only letters count (J as I), all else is ignored."));
    const QCommandLineOption language(QStringLiteral("language"),
                                      QStringLiteral("The plaintext's language: en (English, the default) or bg "
                                                     "(Bulgarian in Latin letters)."),
                                      QStringLiteral("en|bg"), QStringLiteral("en"));
    const QCommandLineOption timeLimit(QStringLiteral("time-limit"),
                                       QStringLiteral("Stop after SECONDS at the latest (default 30)."),
                                       QStringLiteral("SECONDS"), QStringLiteral("30"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Start the random search from N, to repeat a run."),
                                  QStringLiteral("N"));
    const QCommandLineOption threads(QStringLiteral("threads"),
                                     QStringLiteral("Search with N threads (default: one per core)."), QStringLiteral("N"));
    const QCommandLineOption crib(QStringLiteral("crib"), QStringLiteral("A word known to stand in the plaintext."),
                                  QStringLiteral("WORD"));
    const QCommandLineOption cribAt(QStringLiteral("crib-at"),
                                    QStringLiteral("Where the crib starts, counted in letters from 1."),
                                    QStringLiteral("POSITION"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print the result as one JSON object."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Display this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Display the version and exit."));
    parser.addOptions({language, timeLimit, seed, threads, crib, cribAt, json, help, version});
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The ciphertext (default: standard input)."),
                                 QStringLiteral("[FILE]"));

    // Qt names the program "<executable_name>" without a running application.
    QString helpText = parser.helpText();
    helpText.replace(0, helpText.indexOf(QLatin1String(" [options]")), QStringLiteral("Usage: ") + QLatin1String(program));

    if (!parser.parse(arguments)) {
        std::cerr << program << ": " << parser.errorText().toStdString() << '\n' << helpText.toStdString();
        return 2;
    }
    if (parser.isSet(help)) {
        std::cout << helpText.toStdString();
        return 0;
    }
    if (parser.isSet(version)) {
        std::cout << playfair::versionText(program);
        return 0;
    }

    SolverOptions options;
    const auto chosenLanguage = languageFromCode(parser.value(language).toStdString());
    if (!chosenLanguage)
        return fail("--language must be en or bg, not '" + parser.value(language).toStdString() + "'.");
    options.language = *chosenLanguage;

    bool ok = false;
    const double seconds = parser.value(timeLimit).toDouble(&ok);
    if (!ok || !(seconds > 0) || seconds > 86400)
        return fail("--time-limit must be a number of seconds above 0, not '" + parser.value(timeLimit).toStdString() + "'.");
    options.timeLimit = std::chrono::milliseconds(std::int64_t(seconds * 1000));

    if (parser.isSet(seed)) {
        options.seed = parser.value(seed).toULongLong(&ok);
        if (!ok)
            return fail("--seed must be a whole number from 0, not '" + parser.value(seed).toStdString() + "'.");
    } else {
        options.seed = (std::uint64_t(std::random_device{}()) << 32) ^ std::random_device{}();
    }
    if (parser.isSet(threads)) {
        options.threads = parser.value(threads).toInt(&ok);
        if (!ok || options.threads < 1 || options.threads > 1024)
            return fail("--threads must be a whole number from 1, not '" + parser.value(threads).toStdString() + "'.");
    }
    if (parser.isSet(cribAt) && !parser.isSet(crib))
        return fail("--crib-at needs --crib.");

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return fail("give at most one FILE, not " + std::to_string(files.size()) + ".");
    std::string text;
    if (files.isEmpty() || files.first() == QLatin1String("-")) {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    } else {
        std::ifstream file(files.first().toLocal8Bit().toStdString(), std::ios::binary);
        if (!file)
            return fail("cannot read '" + files.first().toStdString() + "'.");
        text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    auto read = readCiphertext(text);
    if (const auto *error = std::get_if<CiphertextError>(&read))
        return fail(error->message());
    const std::vector<Letter> ciphertext = std::get<std::vector<Letter>>(std::move(read));

    if (parser.isSet(crib)) {
        options.crib = parser.value(crib).toStdString();
        if (parser.isSet(cribAt)) {
            const qulonglong position = parser.value(cribAt).toULongLong(&ok);
            if (!ok || position < 1)
                return fail("--crib-at must be a letter position from 1, not '" + parser.value(cribAt).toStdString() + "'.");
            options.cribPosition = std::size_t(position - 1);
        }
        auto made = Crib::make(options.crib, options.cribPosition, ciphertext);
        if (const auto *error = std::get_if<CribError>(&made))
            return fail(error->message());
    }

    // Ctrl+C stops the search; the best result so far is still printed.
    std::signal(SIGINT, onInterrupt);
    std::stop_source stop;
    const bool progressShown = !parser.isSet(json) && isatty(fileno(stderr));
    options.onProgress = [&](const SolverReport &report) {
        if (interrupted.load())
            stop.request_stop();
        if (progressShown)
            showProgress(report);
    };
    const SolverResult result = solve(ciphertext, options, stop.get_token());
    if (progressShown)
        std::cerr << "\r\x1b[K" << std::flush;
    const int status = interrupted.load() ? 130 : result.found ? 0 : 1;

    if (!result.found) {
        std::cerr << program << ": no square "
                  << (options.crib.empty() ? "was found" : "that holds the crib was found") << " in time.\n";
        return status;
    }
    if (parser.isSet(json)) {
        std::cout << "{\"square\": " << jsonString(result.squareText) << ", \"plaintext\": "
                  << jsonString(result.plaintext) << ", \"score\": " << result.score
                  << ", \"elapsed\": " << result.elapsedSeconds << ", \"keys_tested\": " << result.keysTested
                  << ", \"stopped\": " << jsonString(std::string(stopReasonCode(result.stopped)))
                  << ", \"language\": " << jsonString(std::string(languageCode(options.language))) << "}\n";
        return status;
    }

    std::ostringstream out;
    out << "Square:\n";
    for (int row = 0; row < 5; ++row) {
        out << "   ";
        for (int column = 0; column < 5; ++column)
            out << ' ' << result.squareText[std::size_t(5 * row + column)];
        out << '\n';
    }
    out << "\nPlaintext:\n" << inPairs(result.plaintext) << "\n\n";
    const LetterStatistics &statistics = LetterStatistics::of(options.language);
    char score[160];
    std::snprintf(score, sizeof score,
                  "%.2f (the mean log10 probability of its four-letter groups: %.1f for ordinary %s, %.1f for "
                  "random letters)",
                  result.score, statistics.typicalLog10(),
                  options.language == Language::Bulgarian ? "Bulgarian" : "English", statistics.randomLog10());
    out << "Score:   " << score << '\n';
    char time[64];
    std::snprintf(time, sizeof time, "%.2f s", result.elapsedSeconds);
    out << "Time:    " << time << ", " << withThousands(result.keysTested) << " keys tested\n";
    out << "Stopped: " << stopExplanation(result) << '\n';
    out << "Seed:    " << options.seed << " (--seed " << options.seed << " repeats the run on one thread)\n";
    if (result.shortText) {
        out << "\nNote: with only " << ciphertext.size() << " letters, many squares may fit so short a text: "
            << "the plaintext above may not be the one sent. A known word (--crib) helps.\n";
    }
    std::cout << out.str();
    return status;
}
