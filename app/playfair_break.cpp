// playfair-break: finds the key square of a Playfair ciphertext without the
// key, with the solver of analysis/, and names its key word when it has one.
// Reads the ciphertext from a file or from standard input (at most 1 MiB),
// prints the result for a person or as JSON.
//
// Exit status: 0 with a result, 1 when no square was found (a crib that no
// square found in time holds), 2 for a wrong command line, word list or
// ciphertext, 130 when interrupted (the best result so far is still printed).

#include "analysis/ciphertext.h"
#include "analysis/keywords/keywordlist.h"
#include "analysis/solver.h"
#include "app/breakoutput.h"
#include "app/version.h"

#include <QCommandLineParser>
#include <QStringList>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace playfair::analysis;
using playfair::Doubles;
namespace breakcommand = playfair::breakcommand;

namespace {

const char program[] = "playfair-break";

// No ciphertext is longer: the input is read up to this bound (as the break
// window reads a file), so that an endless one is refused, not read for ever.
constexpr std::size_t mostInputBytes = 1 << 20;

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

// Why a file cannot be read, from the error number opening or reading it
// left.
std::string reasonOf(int error)
{
    switch (error) {
    case ENOENT:
        return "there is no such file";
    case EACCES:
    case EPERM:
        return "permission denied";
    case EISDIR:
        return "it is a folder";
    case ENOTDIR:
        return "a part of its path is not a folder";
    default:
        break;
    }
    std::string reason = std::generic_category().message(error);
    if (!reason.empty() && reason[0] >= 'A' && reason[0] <= 'Z')
        reason[0] = char(reason[0] - 'A' + 'a');
    return reason;
}

std::string cannotRead(const std::string &what, int error)
{
    return "cannot read " + what + ": " + reasonOf(error) + ".";
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

std::string jsonStringOrNull(const std::optional<std::string> &text)
{
    return text ? jsonString(*text) : std::string("null");
}

// Reads the ciphertext from `path` (standard input for "-"), at most
// mostInputBytes, waiting for it no longer than `patience` unless a person
// types it on the terminal. Returns an error message, or nothing with the
// text read.
std::optional<std::string> readInput(const std::string &path, std::chrono::milliseconds patience, std::string &text)
{
    const bool standardInput = path == "-";
    const bool typed = standardInput && isatty(fileno(stdin));
    // Otherwise the program would seem to hang, waiting in silence.
    if (typed) {
        std::cerr << program << ": reading the ciphertext from the terminal: type or paste it, then press "
#ifdef _WIN32
                  << "Ctrl+Z and Enter"
#else
                  << "Ctrl+D on a line of its own"
#endif
                  << " (or give a FILE)." << std::endl;
    }
#ifdef _WIN32
    (void)patience;
    std::ifstream file;
    if (!standardInput) {
        errno = 0;
        file.open(path, std::ios::binary);
        if (!file)
            return cannotRead("'" + path + "'", errno);
    }
    std::istream &in = standardInput ? std::cin : file;
    text.resize(mostInputBytes + 1);
    in.read(text.data(), std::streamsize(text.size()));
    text.resize(std::size_t(in.gcount()));
#else
    int fd = STDIN_FILENO;
    if (!standardInput) {
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0)
            return cannotRead("'" + path + "'", errno);
        struct stat status{};
        if (::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
            ::close(fd);
            return "'" + path + "' is a folder, not a file with a ciphertext.";
        }
    }
    // Reads as the bytes come, and gives up on an input that does not end
    // within the time limit (a pipe whose writer never closes it).
    const auto deadline = std::chrono::steady_clock::now() + patience;
    std::optional<std::string> error;
    char buffer[1 << 16];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd waiting{fd, POLLIN, 0};
        const int ready = ::poll(&waiting, 1, typed ? -1 : int(std::clamp<std::int64_t>(left.count(), 0, 1 << 30)));
        if (ready == 0) {
            error = "the input did not end within the time limit.";
            break;
        }
        if (ready < 0 && errno == EINTR)
            continue;
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && (errno == EAGAIN || errno == EINTR))
            continue;
        if (got < 0) {
            error = cannotRead(standardInput ? std::string("standard input") : "'" + path + "'", errno);
            break;
        }
        if (got == 0)
            break;
        text.append(buffer, std::size_t(got));
        if (text.size() > mostInputBytes)
            break;
    }
    if (!standardInput)
        ::close(fd);
    if (error)
        return error;
#endif
    if (text.size() > mostInputBytes)
        return "the input is longer than 1 MiB, more than any ciphertext: give the ciphertext alone.";
    return std::nullopt;
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
        switch (result.confidence) {
        case Confidence::KeyWord:
            return "confident (a key word's square: its plaintext is far likelier than any other found, and only a "
                   "few million squares come from key words)";
        case Confidence::Settled:
            return "confident (the plaintext reads like the language, and no search from its square found a better one)";
        case Confidence::Agreed:
        case Confidence::None:
            break;
        }
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
                                      QStringLiteral("The plaintext's language: auto (found by the search, the "
                                                     "default), en (English) or bg (Bulgarian in Latin letters)."),
                                      QStringLiteral("auto|en|bg"), QStringLiteral("auto"));
    const QCommandLineOption doubles(QStringLiteral("doubles"),
                                     QStringLiteral("What the message did with doubled letters: split (by a filler, "
                                                    "the textbook way, the default) or kept (left as they were: a "
                                                    "doubled pair of the ciphertext stands for itself)."),
                                     QStringLiteral("split|kept"), QStringLiteral("split"));
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
    const QCommandLineOption square(QStringLiteral("square"),
                                    QStringLiteral("Which squares to try: keyword (made from a key word), random (any "
                                                   "square) or any (both, the default)."),
                                    QStringLiteral("keyword|random|any"), QStringLiteral("any"));
    const QCommandLineOption wordList(QStringLiteral("word-list"),
                                      QStringLiteral("Also try the words and phrases of FILE as key words, first (one a "
                                                     "line, UTF-8; may be given more than once)."),
                                      QStringLiteral("FILE"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print the result as one JSON object."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Display this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Display the version and exit."));
    parser.addOptions({language, doubles, timeLimit, seed, threads, crib, cribAt, square, wordList, json, help, version});
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
    const std::string languageName = parser.value(language).toStdString();
    if (languageName != "auto") {
        options.language = languageFromCode(languageName);
        if (!options.language)
            return fail("--language must be auto, en or bg, not '" + languageName + "'.");
    }
    const std::string doublesName = parser.value(doubles).toStdString();
    if (doublesName != "split" && doublesName != "kept")
        return fail("--doubles must be split or kept, not '" + doublesName + "'.");
    const Doubles doubledLetters = doublesName == "kept" ? Doubles::Kept : Doubles::Split;

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

    const std::string squares = parser.value(square).toStdString();
    if (squares == "keyword")
        options.squares = SquareKind::KeyWord;
    else if (squares == "random")
        options.squares = SquareKind::Random;
    else if (squares != "any")
        return fail("--square must be keyword, random or any, not '" + squares + "'.");
    for (const QString &path : parser.values(wordList)) {
        auto read = readWordList(path.toLocal8Bit().toStdString());
        if (const auto *error = std::get_if<WordListError>(&read))
            return fail(error->message());
        options.wordLists.push_back(std::get<KeyWordList>(std::move(read)));
    }

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return fail("give at most one FILE, not " + std::to_string(files.size()) + ".");
    std::string text;
    const std::string path = files.isEmpty() ? std::string("-") : files.first().toLocal8Bit().toStdString();
    if (const std::optional<std::string> error = readInput(path, options.timeLimit, text))
        return fail(*error);

    auto read = readCiphertext(text, doubledLetters);
    if (const auto *error = std::get_if<CiphertextError>(&read)) {
        if (error->kind == CiphertextError::Kind::DoubledPair)
            return fail(error->message() + " If the message left its doubled letters as they were, as some real "
                                           "messages did, --doubles kept breaks it so.");
        return fail(error->message());
    }
    const Ciphertext message = std::get<Ciphertext>(std::move(read));
    const std::vector<Letter> &ciphertext = message.letters;

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
                  << jsonString(result.plaintext) << ", \"words\": " << jsonString(result.words)
                  << ", \"keyword\": " << jsonStringOrNull(result.keyWord) << ", \"score\": " << result.score
                  << ", \"elapsed\": " << result.elapsedSeconds << ", \"keys_tested\": " << result.keysTested
                  << ", \"stopped\": " << jsonString(std::string(stopReasonCode(result.stopped)))
                  << ", \"language\": " << jsonString(std::string(languageCode(result.language)))
                  << breakcommand::messageJson(message, doubledLetters, result) << "}\n";
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
    out << "\nKey word: ";
    if (!result.keyWord)
        out << "none (the square comes from no key word)\n";
    else if (result.keyWordInList)
        out << *result.keyWord << breakcommand::routePhrase(result.keyRoute) << '\n';
    else
        out << *result.keyWord << breakcommand::routePhrase(result.keyRoute)
            << " (the key's letters: no word or phrase of the lists builds this square)\n";
    out << "\nPlaintext:\n" << breakcommand::pairsWithMarks(result.plaintext, result.garbling) << "\n";
    out << "\nWords (a guess):\n" << result.words << "\n\n";
    const ScoreLevels levels = scoreLevels(result.language);
    char score[200];
    std::snprintf(score, sizeof score,
                  "%.2f (the mean log10 probability of a letter after the four before it: %.2f for ordinary %s, "
                  "%.2f for random letters)",
                  result.score, levels.typical, result.language == Language::Bulgarian ? "Bulgarian" : "English",
                  levels.random);
    out << "Language: " << breakcommand::languageLine(result) << '\n';
    out << "Score:   " << score << '\n';
    out << "Chosen:  among " << result.candidates << " different plaintexts the searches found, by five-letter "
        << "statistics and how well it divides into words\n";
    char time[64];
    std::snprintf(time, sizeof time, "%.2f s", result.elapsedSeconds);
    out << "Time:    " << time << ", " << withThousands(result.keysTested) << " keys tested";
    if (result.keyWordsTested > 0)
        out << " (" << withThousands(result.keyWordsTested) << " of them key words)";
    out << '\n';
    out << "Stopped: " << stopExplanation(result) << '\n';
    out << "Seed:    " << options.seed << " (--seed " << options.seed << " repeats the run on one thread)\n";
    if (result.shortText) {
        out << "\nNote: with only " << ciphertext.size() << " letters, many squares may fit so short a text: "
            << "the plaintext above may not be the one sent. A known word (--crib) helps.\n";
    }
    if (const std::string notes = breakcommand::messageNotes(message, result); !notes.empty())
        out << '\n' << notes;
    std::cout << out.str();
    return status;
}
