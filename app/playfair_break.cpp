// playfair-break: finds the key square of a Playfair ciphertext without the
// key, with the solver of analysis/, and names its key word when it has one.
// Reads the ciphertext from a file or from standard input (at most 1 MiB),
// prints the result for a person or as JSON.
//
// Exit status: 0 with a result, 1 when no square was found (a crib that no
// square found in time holds), 2 for a wrong command line, word list or
// ciphertext, 130 when interrupted (the best result so far is still printed).

#include "analysis/ciphertext.h"
#include "analysis/deduction.h"
#include "analysis/deductionalphabet.h"
#include "analysis/fittingkeys.h"
#include "analysis/solver.h"
#include "analysis/transliteration.h"
#include "analysis/shaped/alphabetchoice.h"
#include "app/breakalphabet.h"
#include "app/breakinput.h"
#include "app/breakoutput.h"
#include "app/knownpairs.h"
#include "app/version.h"

#include <QCommandLineParser>
#include <QStringList>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <thread>

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

using namespace playfair::analysis;
using playfair::Doubles;
using playfair::breakcommand::jsonString;
using playfair::breakcommand::readInput;
using playfair::breakcommand::withThousands;
namespace breakcommand = playfair::breakcommand;

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

std::string jsonStringOrNull(const std::optional<std::string> &text)
{
    return text ? jsonString(*text) : std::string("null");
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
    if (report.plaintextsTested > 0)
        line += withThousands(report.plaintextsTested) + " plaintexts  ";
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
    const QCommandLineOption alphabet(QStringLiteral("alphabet"),
                                      QStringLiteral("The square's alphabet: auto (by the text's letters, the default: "
                                                     "Cyrillic letters cyrillic, digits among the letters latin-digits, "
                                                     "a J and no Q latin-q, otherwise the one whose plaintext reads), "
                                                     "latin-ij (5 x 5, J as I), latin-q (5 x 5 without Q), "
                                                     "latin-digits (6 x 6 with 0-9) or cyrillic (5 x 6, А-Я)."),
                                      QStringLiteral("auto|latin-ij|latin-q|latin-digits|cyrillic"), QStringLiteral("auto"));
    const QCommandLineOption doubles(QStringLiteral("doubles"),
                                     QStringLiteral("What the message did with doubled letters: split (by a filler, "
                                                    "the textbook way, the default) or kept (left as they were: a "
                                                    "doubled pair of the ciphertext stands for itself)."),
                                     QStringLiteral("split|kept"), QStringLiteral("split"));
    const QCommandLineOption timeLimit(QStringLiteral("time-limit"),
                                       QStringLiteral("Stop after SECONDS at the latest (default 30); 0 or none: "
                                                      "no limit, a hunt that runs until the answer is beyond doubt "
                                                      "or Ctrl+C ends it with the best result so far."),
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
    const QCommandLineOption known(QStringLiteral("known"),
                                   QStringLiteral("A known pair, plain = cipher, such as th=PI (? for a letter not "
                                                  "known; may be given more than once). Without a ciphertext, print "
                                                  "what follows from the pairs and the key words that fit. On the "
                                                  "squares of 25 letters, latin-ij and latin-q."),
                                   QStringLiteral("PAIR"));
    const QCommandLineOption plaintext(QStringLiteral("plaintext"),
                                       QStringLiteral("The ciphertext's plaintext, from FILE: print the square as far "
                                                      "as the two texts fix it, and its key word. On the squares of 25 "
                                                      "letters, latin-ij and latin-q."),
                                       QStringLiteral("FILE"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print the result as one JSON object."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Display this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Display the version and exit."));
    parser.addOptions({language, alphabet, doubles, timeLimit, seed, threads, crib, cribAt, square, wordList, known, plaintext,
                       json, help, version});
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
    const std::string alphabetName = parser.value(alphabet).toStdString();
    std::optional<AlphabetKind> alphabetAsked;
    if (alphabetName != "auto") {
        alphabetAsked = alphabetFromCode(alphabetName);
        if (!alphabetAsked)
            return fail("--alphabet must be auto, latin-ij, latin-q, latin-digits or cyrillic, not '" + alphabetName + "'.");
    }
    const std::string doublesName = parser.value(doubles).toStdString();
    if (doublesName != "split" && doublesName != "kept")
        return fail("--doubles must be split or kept, not '" + doublesName + "'.");
    const Doubles doubledLetters = doublesName == "kept" ? Doubles::Kept : Doubles::Split;

    bool ok = false;
    const QString limitText = parser.value(timeLimit).trimmed();
    const double seconds = limitText == QLatin1String("none") ? 0 : limitText.toDouble(&ok);
    if ((!ok && limitText != QLatin1String("none")) || !(seconds >= 0) || seconds > 86400)
        return fail("--time-limit must be a number of seconds, 0 or none for no limit, not '" + limitText.toStdString()
                    + "'.");
    const bool hunt = seconds == 0;
    options.timeLimit = hunt ? noTimeLimit : std::chrono::milliseconds(std::int64_t(seconds * 1000));
    // The input is awaited within the time limit, or the default's with none.
    const std::chrono::milliseconds patience = hunt ? std::chrono::seconds(30) : options.timeLimit;

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
    if (parser.isSet(crib)) {
        options.crib = parser.value(crib).toStdString();
        if (parser.isSet(cribAt)) {
            const qulonglong position = parser.value(cribAt).toULongLong(&ok);
            if (!ok || position < 1)
                return fail("--crib-at must be a letter position from 1, not '" + parser.value(cribAt).toStdString() + "'.");
            options.cribPosition = std::size_t(position - 1);
        }
    }

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

    const QStringList knownTexts = parser.values(known);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return fail("give at most one FILE, not " + std::to_string(files.size()) + ".");
    // With known pairs a ciphertext is optional: none on a terminal, nor in
    // an input with no letters at all.
    std::string text;
    const std::string path = files.isEmpty() ? std::string("-") : files.first().toLocal8Bit().toStdString();
    const bool pairsAlone = !knownTexts.isEmpty() && files.isEmpty();
    if (!(pairsAlone && isatty(fileno(stdin)))) {
        if (const std::optional<std::string> error = readInput(program, path, patience, text))
            return fail(*error);
    }
    const bool noCiphertext = pairsAlone && std::none_of(text.begin(), text.end(), [](char c) { return letterNumber(c) >= 0; });

    FittingKeyOptions keyOptions;
    keyOptions.wordLists = options.wordLists;
    keyOptions.language = options.language.value_or(Language::English);
    keyOptions.threads = options.threads > 0 ? options.threads : int(std::max(1u, std::thread::hardware_concurrency()));
    keyOptions.letterSearch = std::min<std::chrono::milliseconds>(options.timeLimit, std::chrono::seconds(2));
    keyOptions.seed = options.seed;

    // The square's alphabet: as asked, or by the text's letters, and where
    // they cannot tell, by the crib's and the known pairs' (known pairs
    // alone are read on the classic square unless their letters say other).
    AlphabetChoice choice;
    std::vector<std::string> knownAsTyped;
    for (const QString &value : knownTexts)
        knownAsTyped.push_back(value.toStdString());
    if (alphabetAsked) {
        choice.alphabet = *alphabetAsked;
    } else if (!noCiphertext) {
        choice = chooseAlphabet(text, options.crib, knownAsTyped);
    } else if (const std::optional<AlphabetChoice> known = alphabetOfKnownLetters(options.crib, knownAsTyped)) {
        choice = *known;
    }

    // Known pairs and a known plaintext are read on a square of 25 letters,
    // 5 x 5, where the deduction runs.
    const bool deduces = !knownTexts.isEmpty() || parser.isSet(plaintext);
    const DeductionAlphabet *deductionAlphabet = DeductionAlphabet::of(choice.alphabet);
    if (deduces && !deductionAlphabet)
        return fail("--known and --plaintext work on the squares of 25 letters, latin-ij and latin-q: the deduction "
                    "places 25 letters in 5 rows and 5 columns, and this square is "
                    + breakcommand::alphabetDescription(choice.alphabet) + ".");
    std::vector<KnownPair> knownPairs;
    for (const QString &value : knownTexts) {
        auto parsed = parseKnownPair(value.toStdString(), *deductionAlphabet);
        if (const auto *error = std::get_if<KnownPairError>(&parsed))
            return fail(playfair::breakcommand::knownPairMessage(*error, choice.alphabet));
        knownPairs.push_back(std::get<KnownPair>(parsed));
    }
    keyOptions.alphabet = choice.alphabet;

    if (noCiphertext) {
        if (parser.isSet(plaintext))
            return fail("--plaintext needs the ciphertext, from FILE or standard input.");
        DeductionInput input;
        input.pairs = knownPairs;
        return playfair::breakcommand::reportDeduction(input, keyOptions, parser.isSet(json), 0, choice.reason, std::cout);
    }

    // What a known plaintext and its ciphertext (letter numbers) fix of the
    // square, with the known pairs.
    const auto reportPlaintext = [&](const std::vector<Letter> &ciphertext) -> int {
        std::string plainText;
        if (const std::optional<std::string> error = readInput(program, parser.value(plaintext).toLocal8Bit().toStdString(),
                                                               patience, plainText))
            return fail("--plaintext: " + *error);
        // Left to the search, a plaintext in Cyrillic is Bulgarian.
        const bool bulgarian = options.language ? *options.language == Language::Bulgarian : hasCyrillicLetter(plainText);
        const std::vector<Letter> plain = choice.alphabet == AlphabetKind::LatinIJ
            ? preparedPlaintext(plainText, bulgarian)
            : preparedPlaintext(plainText, *deductionAlphabet);
        if (plain.size() != ciphertext.size()) {
            return fail("--plaintext: the plaintext has " + std::to_string(plain.size())
                        + " letters as a Playfair message (an X between doubled letters, one to even the end) and "
                          "the ciphertext " + std::to_string(ciphertext.size()) + ": give the plaintext of the whole ciphertext.");
        }
        DeductionInput input;
        input.pairs = pairsOfPlaintext(plain, ciphertext);
        const std::size_t fromPlaintext = input.pairs.size();
        input.pairs.insert(input.pairs.end(), knownPairs.begin(), knownPairs.end());
        input.ciphertext = ciphertext;
        keyOptions.most = 1;
        return playfair::breakcommand::reportDeduction(input, keyOptions, parser.isSet(json), fromPlaintext, choice.reason,
                                                       std::cout);
    };

    // Known pairs bind the search; first they must hold together.
    const auto contradicted = [&]() -> bool {
        DeductionInput input;
        input.pairs = knownPairs;
        const DeductionResult checked = deduce(input);
        if (checked.consistency != Consistency::Contradictory)
            return false;
        std::cerr << program << ": the known pairs "
                  << playfair::breakcommand::contradictionText(input, *checked.contradiction, *deductionAlphabet)
                  << " contradict each other: no square gives them all.\n";
        return true;
    };

    // Breaks the text on a square of another alphabet and prints the result.
    const auto breakShaped = [&](AlphabetKind kind, const std::string &reason) -> int {
        std::vector<std::uint8_t> letters;
        std::string setAside;
        ShapedOptions shaped;
        if (const auto error = breakcommand::readShapedCiphertext(text, kind, letters, setAside, shaped.paddingAllowed))
            return fail(*error);
        shaped.alphabet = kind;
        shaped.timeLimit = options.timeLimit;
        shaped.seed = options.seed;
        shaped.threads = options.threads;
        shaped.squares = options.squares;
        shaped.knownPairs = knownPairs;
        if (parser.isSet(crib)) {
            shaped.crib = SolverLetters::of(kind).numbersOf(options.crib);
            shaped.cribPosition = options.cribPosition;
            auto made = Crib::make(shaped.crib, shaped.cribPosition, letters);
            if (const auto *error = std::get_if<CribError>(&made))
                return fail(error->message());
        }
        for (const KeyWordList &list : options.wordLists) {
            for (std::size_t i = 0; i < list.size(); ++i)
                shaped.keyWords.emplace_back(list.at(i));
        }
        std::signal(SIGINT, onInterrupt);
        std::stop_source stopShaped;
        shaped.onProgress = [&](const ShapedReport &) {
            if (interrupted.load())
                stopShaped.request_stop();
        };
        const ShapedResult result = solveShaped(letters, shaped, stopShaped.get_token());
        if (!result.found) {
            std::cerr << program << ": no square "
                      << (!shaped.crib.empty()      ? "that holds the crib "
                              : !knownPairs.empty() ? "that holds the known pairs "
                                                    : "")
                      << "was found in time.\n";
            return interrupted.load() ? 130 : 1;
        }
        return breakcommand::reportShaped(result, letters, reason, setAside, options.seed, parser.isSet(json),
                                          interrupted.load(), std::cout);
    };

    if (choice.alphabet != AlphabetKind::LatinIJ) {
        if (parser.isSet(plaintext)) {
            std::vector<std::uint8_t> letters;
            std::string setAside;
            std::size_t paddingAllowed = 0;
            if (const auto error = breakcommand::readShapedCiphertext(text, choice.alphabet, letters, setAside, paddingAllowed))
                return fail(*error);
            return reportPlaintext(std::vector<Letter>(letters.begin(), letters.end()));
        }
        if (!knownPairs.empty() && contradicted())
            return 1;
        const bool cyrillicSquare = choice.alphabet == AlphabetKind::Cyrillic;
        if (options.language && (*options.language == Language::Bulgarian) != cyrillicSquare)
            return fail(cyrillicSquare ? "--language must be bg or auto on a Cyrillic square."
                                       : "--language must be en or auto on a " + std::string(alphabetCode(choice.alphabet)) + " square.");
        return breakShaped(choice.alphabet, choice.reason);
    }

    auto read = readCiphertext(text, doubledLetters);
    if (const auto *error = std::get_if<CiphertextError>(&read)) {
        if (error->kind == CiphertextError::Kind::DoubledPair)
            return fail(error->message() + " If the message left its doubled letters as they were, as some real "
                                           "messages did, --doubles kept breaks it so.");
        return fail(error->message());
    }
    const Ciphertext message = std::get<Ciphertext>(std::move(read));
    const std::vector<Letter> &ciphertext = message.letters;
    options.paddingAllowed = message.paddingAllowed;

    if (parser.isSet(plaintext))
        return reportPlaintext(ciphertext);

    if (!knownPairs.empty()) {
        if (contradicted())
            return 1;
        options.knownPairs = knownPairs;
    }

    if (parser.isSet(crib)) {
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

    // Neither J nor Q in the text: had the classic square's search not found
    // a plaintext that reads, the square without Q may give one.
    if (triesSquareWithoutQ(choice, text, result.stopped, !options.crib.empty() || !knownPairs.empty())) {
        if (progressShown)
            std::cerr << "The classic square found no plaintext that reads; trying the square without Q.\n";
        std::vector<std::uint8_t> letters;
        std::string setAside;
        ShapedOptions shaped;
        std::optional<ShapedResult> q;
        if (!breakcommand::readShapedCiphertext(text, AlphabetKind::LatinQ, letters, setAside, shaped.paddingAllowed)) {
            shaped.alphabet = AlphabetKind::LatinQ;
            shaped.timeLimit = options.timeLimit;
            shaped.seed = options.seed;
            shaped.threads = options.threads;
            shaped.squares = options.squares;
            q = solveShaped(letters, shaped);
        }
        const bool withoutQReads = q && q->found && q->stopped == StopReason::Confident;
        settle(choice, false, withoutQReads);
        if (withoutQReads)
            return breakcommand::reportShaped(*q, letters, choice.reason, setAside, options.seed, parser.isSet(json),
                                              false, std::cout);
    } else if (result.stopped == StopReason::Confident) {
        settle(choice, true);
    }

    if (!result.found) {
        std::cerr << program << ": no square "
                  << (!options.crib.empty()         ? "that holds the crib was found"
                          : !knownPairs.empty()     ? "that holds the known pairs was found"
                                                    : "was found")
                  << " in time.\n";
        return status;
    }
    if (parser.isSet(json)) {
        std::cout << "{\"square\": " << jsonString(result.squareText) << ", \"plaintext\": "
                  << jsonString(result.plaintext) << ", \"words\": " << jsonString(result.words)
                  << ", \"keyword\": " << jsonStringOrNull(result.keyWord) << ", \"score\": " << result.score
                  << ", \"elapsed\": " << result.elapsedSeconds << ", \"keys_tested\": " << result.keysTested
                  << ", \"plaintexts_tested\": " << result.plaintextsTested
                  << ", \"stopped\": " << jsonString(std::string(stopReasonCode(result.stopped)))
                  << ", \"language\": " << jsonString(std::string(languageCode(result.language)))
                  << breakcommand::messageJson(message, doubledLetters, result)
                  << breakcommand::alphabetJson(AlphabetKind::LatinIJ, choice.reason) << "}\n";
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
    out << "Alphabet: " << breakcommand::alphabetDescription(AlphabetKind::LatinIJ)
        << (choice.reason.empty() ? std::string() : ", taken because " + choice.reason) << '\n';
    out << "Score:   " << score << '\n';
    out << "Chosen:  among " << result.candidates << " different plaintexts the searches found, by five-letter "
        << "statistics and how well it divides into words\n";
    char time[64];
    std::snprintf(time, sizeof time, "%.2f s", result.elapsedSeconds);
    out << "Time:    " << time << ", " << withThousands(result.keysTested) << " keys tested";
    if (result.keyWordsTested > 0)
        out << " (" << withThousands(result.keyWordsTested) << " of them key words)";
    if (result.plaintextsTested > 0)
        out << ", " << withThousands(result.plaintextsTested) << " plaintexts built from words";
    out << '\n';
    out << "Stopped: " << stopExplanation(result) << '\n';
    out << "Seed:    " << options.seed << " (--seed " << options.seed << " repeats the run on one thread)\n";
    if (result.shortText) {
        out << "\nNote: with only " << ciphertext.size() - result.padding << " letters, many squares may fit so short a text: "
            << "the plaintext above may not be the one sent. A known word (--crib) helps.\n";
    }
    if (const std::string notes = breakcommand::messageNotes(message, result); !notes.empty())
        out << '\n' << notes;
    std::cout << out.str();
    return status;
}
