// The solver's benchmark: it makes ciphertexts of several lengths from the
// held-out book of a language (never seen by the statistics), breaks them and
// prints, by length, the share solved (plaintext exactly right), the median
// and the worst time, and the keys tested per second per core. It judges
// nothing.
//
//     bench_solver [--language en|bg] [--texts N] [--time-limit S] [--threads T]
//                  [--lengths 40,50,...] [--seed S] [--crib N] [--heldout FILE]
//                  [--keywords words|phrases|letters] [--route ROUTE|all]
//                  [--doubles split|kept] [--auto-language 1]
//                  [--compare-language 1] [--garble N] [--padding xq|any]
//                  [--plaintext-attack 0|1] [--attack-alone 1] [--word-starts 1]
//                  [--key-budget M] [--losses F]
//
// --language picks the held-out book and the language the solver is told;
// --auto-language 1 leaves the language to the solver, and
// --compare-language 1 breaks each text both ways, named and found, taking
// them in turns, and prints the two side by side (100 to 200 letters by
// default). --doubles kept prepares the plaintexts with their doubled letters
// left in. --garble N changes 1 to N letters of each ciphertext (150 letters
// by default) and counts a text solved when its square is right, with how
// many of the garbled pairs the result marks.
//
// On random squares (the default) it splits the texts not solved into those
// the search missed (the true plaintext scores higher than the answer) and
// those a wrong plaintext outscores, which no search can mend with these
// statistics: by the four-letter groups the general search climbs, and by the
// chooser's final score (the order-5 letter model, the words, the key's
// odds). --crib N gives the solver N letters of each plaintext at a random
// place, with that place. --until-found 1 stops each search as soon as its
// best plaintext is the right one, to time the search alone.
//
// With --keywords, every square is made from a key word, as the main window
// makes it: words of the held-out book itself (4 letters or more), phrases of
// two words that follow each other in it, or 5 to 10 letters that form no
// word, written in by rows or by --route (all: a row for each route, on the
// same texts and keys). It counts the texts solved and those whose key word
// and route were named (a word, phrase or letters whose square by the route
// named decrypts the text as the key's does), with the median and the worst
// time to the end of the search. The default lengths are then 20,
// 30 and 40 letters and the time limit 5 s. --padding xq|any pads each
// ciphertext after its last pair with 1 to 5 letters, X and Q or any, read
// as playfair-break reads a message; a text then counts as solved only
// when the padding set aside is exactly the letters added.
//
// --plaintext-attack 0 turns off the solver's plaintext-dictionary attack on
// texts of at most 50 letters, to measure the solver with and without it on
// the same texts (the same seed). --attack-alone 1 runs that attack by
// itself on one thread for the time limit, on random squares, and prints
// how many texts' plaintexts it built (found among its complete
// candidates), how soon, and how many the chooser would rank first among
// them. --word-starts 1 begins every text on random squares at a word of
// the book, as a real message begins, rather than anywhere.
//
// --key-budget M (random squares) stops each text's search once it has
// tested M million keys, of every search together, rather than at the
// time limit (raise that to let the budget end it): the same work on every
// run whatever the machine's load, so that two versions of the solver, or
// the language named and found, compare on a shared machine. With
// --losses F each text is broken named and found, and searched on to F
// times the budget: the texts not solved within it are sorted into those
// no search reached, those reached and not chosen, those reached only after
// the budget, and, found, those whose language settled on Bulgarian or
// that only the named run reached.

#include "analysis/ciphertext.h"
#include "analysis/search/chooser.h"
#include "analysis/statistics/corpus.h"
#include "analysis/keywords/keysquares.h"
#include "analysis/keywords/keywordsearch.h"
#include "analysis/statistics/letterstatistics.h"
#include "analysis/search/pairtables.h"
#include "analysis/search/plaintextattack.h"
#include "analysis/search/random.h"
#include "analysis/solver.h"
#include "bench/solvercases.h"
#include "engine/textbook.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

using namespace playfair::analysis;
using namespace playfair::bench;
using playfair::Doubles;
using playfair::SquareRoute;

namespace {

int benchKeyWords(const Options &options, const HeldOutBook &book)
{
    const std::string &text = book.text;
    const char *kind = options.keys == Keys::Words ? "words of the book" : options.keys == Keys::Phrases
        ? "phrases of two words of the book"
        : "letters that form no word";
    std::printf("Key words: %s; held-out text %s (%zu letters); language %s%s; %d texts a length; time limit %.0f s; "
                "%d threads%s\n\n",
                kind, options.heldout.c_str(), text.size(), std::string(languageCode(options.language)).c_str(),
                options.autoLanguage ? ", found by the solver" : "", options.texts, options.timeLimit, options.threads,
                options.doubles == Doubles::Kept ? "; doubled letters kept" : "");
    std::printf("| Route | Letters | Solved | Key word and route named | Median time | Worst time | Keys tested, median "
                "| Keys until found, median |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|---:|\n");
    // Each route's rows are made from the same texts and keys.
    for (SquareRoute route : options.routes) {
        Random rng(options.seed);
        for (int length : options.lengths) {
            int solved = 0;
            int named = 0;
            std::vector<double> times;
            std::vector<double> keys;
            // The keys tested when the best plaintext first was the message,
            // counted apart from the clock (a text never found counts as
            // every key its search tested): how far down the attack's order
            // its key lies.
            std::vector<double> untilFound;
            for (int t = 0; t < options.texts; ++t) {
                const std::string key = keyOf(options.keys, book, rng);
                std::string keyLetters;
                for (char c : key)
                    keyLetters += c == ' ' ? "" : std::string(1, c);
                Case c = makeCase(text, std::size_t(length), rng, options.doubles);
                encryptOn(c, keySquareOf(keyLetters, route));
                SolverOptions solverOptions = solverOptionsFor(options, rng);
                std::string padding;
                if (options.padding != Padding::None) {
                    const std::size_t letters = 1 + rng.below(5);
                    for (std::size_t i = 0; i < letters; ++i)
                        padding += options.padding == Padding::Fillers ? (rng.below(2) ? 'X' : 'Q')
                                                                      : letterName(int(rng.below(25)));
                }
                const auto read = readCiphertext(lettersToText(c.cipher.data(), c.cipher.size()) + padding,
                                                 options.doubles);
                if (!std::holds_alternative<Ciphertext>(read)) {
                    std::fprintf(stderr, "  %d letters: the padded text %s is refused\n", length, padding.c_str());
                    times.push_back(0);
                    keys.push_back(0);
                    continue;
                }
                const Ciphertext &message = std::get<Ciphertext>(read);
                solverOptions.paddingAllowed = message.paddingAllowed;
                std::optional<std::uint64_t> foundAfter;
                solverOptions.progressInterval = std::chrono::milliseconds(5);
                solverOptions.onProgress = [&](const SolverReport &report) {
                    if (!foundAfter && report.found && report.plaintext == c.plain)
                        foundAfter = report.keysTested;
                };
                const SolverResult result = solve(message.letters, solverOptions);
                if (!foundAfter && result.plaintext == c.plain)
                    foundAfter = result.keysTested;
                const bool right = result.plaintext == c.plain && message.setAsideWith(result.padding) == padding;
                std::string namedLetters;
                for (char ch : result.keyWord.value_or(""))
                    namedLetters += ch == ' ' ? "" : std::string(1, ch);
                // The key and route named are right when their square
                // decrypts the text as the true one does: letters the text
                // does not use may stand anywhere.
                std::vector<Letter> byName(c.cipher.size());
                decryptLetters(keySquareOf(namedLetters, result.keyRoute), c.cipher.data(), c.cipher.size(),
                               byName.data());
                const bool rightKey = result.keyWord && lettersToText(byName.data(), byName.size()) == c.plain;
                solved += right;
                named += right && rightKey;
                times.push_back(result.elapsedSeconds);
                keys.push_back(double(result.keysTested));
                untilFound.push_back(double(foundAfter.value_or(result.keysTested)));
                std::fprintf(stderr, "  %s, %d letters, key %s, padding %s: %s, named %s by %s, %.2f s (%s), found after %.2f M keys of %.2f M\n",
                             std::string(routeCode(route)).c_str(), length, key.c_str(),
                             (padding + " set aside " + message.setAsideWith(result.padding)).c_str(),
                             right ? "solved" : "not solved",
                             result.keyWord.value_or("-").c_str(), std::string(routeCode(result.keyRoute)).c_str(),
                             result.elapsedSeconds, std::string(stopReasonCode(result.stopped)).c_str(),
                             foundAfter ? double(*foundAfter) / 1e6 : -1.0, double(result.keysTested) / 1e6);
            }
            std::printf("| %s | %d | %d %% (%d of %d) | %d %% | %.2f s | %.2f s | %.1f M | %.1f M |\n",
                        std::string(routeCode(route)).c_str(), length, 100 * solved / options.texts, solved,
                        options.texts, 100 * named / options.texts, median(times),
                        *std::max_element(times.begin(), times.end()), median(keys) / 1e6, median(untilFound) / 1e6);
            std::fflush(stdout);
        }
    }
    return 0;
}

int benchRandomSquares(const Options &options, const HeldOutBook &book)
{
    const std::string &text = book.text;
    std::printf("Held-out text: %s (%zu letters); language %s; %d texts a length; time limit %.0f s; %d threads%s\n\n",
                options.heldout.c_str(), text.size(), std::string(languageCode(options.language)).c_str(),
                options.texts, options.timeLimit, options.threads,
                options.crib ? (", crib of " + std::to_string(options.crib) + " letters at its place").c_str() : "");
    std::printf("| Letters | Solved | Median time | Worst time | Median time to the answer | Not solved: missed / "
                "outscored (final score) | Outscored by four-letter groups | Keys/s per core |\n");
    std::printf("|---:|---:|---:|---:|---:|---:|---:|---:|\n");

    const double randomKey = KeyPriors::forKind(SquareKind::Any, KeyWordSearch::phraseCount()).randomSquare;
    Random rng(options.seed);
    for (int length : options.lengths) {
        int solved = 0;
        std::vector<double> times;
        std::vector<double> found;
        double keys = 0;
        double seconds = 0;
        int outscoredFinal = 0;
        int outscoredGroups = 0;
        for (int t = 0; t < options.texts; ++t) {
            // The passage is drawn before its square, so that the texts stay
            // the same from one version of the solver to the next.
            Case c = options.wordStarts ? makeCaseAtWord(book, std::size_t(length), rng, options.doubles)
                                        : makeCase(text, std::size_t(length), rng, options.doubles);
            encryptOn(c, randomSquare(rng));
            SolverOptions solverOptions = solverOptionsFor(options, rng);
            if (options.crib > 0) {
                const std::size_t at = rng.below(std::uint32_t(length - options.crib + 1));
                solverOptions.crib = c.plain.substr(at, std::size_t(options.crib));
                solverOptions.cribPosition = at;
            }
            double firstRight = -1;
            std::stop_source stop;
            solverOptions.progressInterval = std::chrono::milliseconds(options.untilFound || options.keyBudget > 0 ? 5 : 50);
            solverOptions.onProgress = [&](const SolverReport &report) {
                if (options.keyBudget > 0 && double(report.keysTested) >= options.keyBudget * 1e6)
                    stop.request_stop();
                if (firstRight < 0 && report.plaintext == c.plain) {
                    firstRight = report.elapsedSeconds;
                    if (options.untilFound)
                        stop.request_stop();
                }
            };
            const SolverResult result = solve(c.cipher, solverOptions, stop.get_token());
            // A search the budget stopped ends as one the time did.
            const bool right = result.plaintext == c.plain;
            solved += right;
            times.push_back(right ? result.elapsedSeconds : 1e9);
            if (right)
                found.push_back(firstRight >= 0 ? firstRight : result.elapsedSeconds);
            keys += double(result.keysTested);
            seconds += result.elapsedSeconds;
            // A text not solved either was missed by the search (the true
            // plaintext scores higher than the answer) or cannot be solved by
            // these statistics (a wrong plaintext scores at least as high).
            const std::vector<Letter> truth = lettersOf(c.plain);
            const std::vector<Letter> answer = lettersOf(result.plaintext);
            const LetterStatistics &groups = LetterStatistics::of(options.language);
            const double truthGroups = groups.meanLog10(truth.data(), truth.size());
            const double answerGroups = groups.meanLog10(answer.data(), answer.size());
            const std::size_t searched = std::min<std::size_t>(c.cipher.size(), 300);
            const Chooser chooser(options.language, std::vector<Letter>(c.cipher.begin(), c.cipher.begin() + std::ptrdiff_t(searched)));
            const double truthFinal = chooser.judge(c.square, randomKey).total;
            if (!right) {
                outscoredFinal += result.chosenTotal >= truthFinal;
                outscoredGroups += answerGroups >= truthGroups;
            }
            std::fprintf(stderr, "  %d letters, text %d: %s in %.2f s (%s, %llu keys, %llu plaintexts; final %.1f, the truth %.1f; "
                                 "groups %.3f, the truth %.3f)\n",
                         length, t + 1, right ? "solved" : "not solved", result.elapsedSeconds,
                         std::string(stopReasonCode(result.stopped)).c_str(),
                         static_cast<unsigned long long>(result.keysTested),
                         static_cast<unsigned long long>(result.plaintextsTested), result.chosenTotal, truthFinal,
                         answerGroups, truthGroups);
        }
        std::sort(times.begin(), times.end());
        const double medianTime = times[times.size() / 2];
        const bool allSolved = solved == options.texts;
        char medianText[32];
        char worstText[32];
        std::snprintf(medianText, sizeof medianText, medianTime < 1e8 ? "%.2f s" : "—", medianTime);
        std::snprintf(worstText, sizeof worstText, allSolved ? "%.2f s" : "—", times.back());
        const int notSolved = options.texts - solved;
        std::printf("| %d | %d %% (%d of %d) | %s | %s | %.2f s | %d / %d | %d | %.1f M |\n", length,
                    100 * solved / options.texts, solved, options.texts, medianText, worstText, median(found),
                    notSolved - outscoredFinal, outscoredFinal, outscoredGroups, keys / seconds / options.threads / 1e6);
        std::fflush(stdout);
    }
    return 0;
}

// The plaintext attack alone on each text, on the calling thread, for the
// time limit: whether it builds the true plaintext, when, and whether the
// chooser ranks it first among the complete plaintexts the attack built.
int benchAttackAlone(const Options &options, const HeldOutBook &book)
{
    const std::string &text = book.text;
    std::printf("Plaintext attack alone; held-out text: %s (%zu letters); language %s; %d texts a length; "
                "time limit %.0f s; one thread\n\n",
                options.heldout.c_str(), text.size(),
                options.autoLanguage ? "found by the attack" : std::string(languageCode(options.language)).c_str(),
                options.texts, options.timeLimit);
    std::printf("| Letters | Built the plaintext | Ranked first by the chooser | Median time to build it | Prefixes/s |\n");
    std::printf("|---:|---:|---:|---:|---:|\n");
    const double randomKey = KeyPriors::forKind(SquareKind::Any, KeyWordSearch::phraseCount()).randomSquare;
    Random rng(options.seed);
    for (int length : options.lengths) {
        int built = 0;
        int first = 0;
        std::vector<double> times;
        double prefixes = 0;
        double seconds = 0;
        for (int t = 0; t < options.texts; ++t) {
            Case c = options.wordStarts ? makeCaseAtWord(book, std::size_t(length), rng, options.doubles)
                                        : makeCase(text, std::size_t(length), rng, options.doubles);
            encryptOn(c, randomSquare(rng));
            (void)rng.next(); // the solver's seed, as the other runs draw it
            const std::vector<Letter> truth = lettersOf(c.plain);
            const std::optional<Language> language = options.autoLanguage ? std::nullopt : std::optional(options.language);
            const Chooser chooser(language, c.cipher);
            PlaintextAttack attack(c.cipher, language);
            std::atomic<bool> halt{false};
            const auto start = std::chrono::steady_clock::now();
            const auto elapsed = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };
            double foundAt = -1;
            double bestTotal = -1e300;
            double truthTotal = -1e300;
            int completes = 0;
            const PlaintextAttack::Found found = [&](const Square &square, const std::vector<Letter> &plain, double, Language) {
                ++completes;
                const double total = chooser.judge(square, randomKey).total;
                bestTotal = std::max(bestTotal, total);
                if (plain == truth && foundAt < 0) {
                    foundAt = elapsed();
                    truthTotal = total;
                }
            };
            while (elapsed() < options.timeLimit && attack.step(halt, found)) {
            }
            const double took = elapsed();
            built += foundAt >= 0;
            first += foundAt >= 0 && truthTotal >= bestTotal;
            if (foundAt >= 0)
                times.push_back(foundAt);
            prefixes += double(attack.prefixesTried());
            seconds += took;
            std::fprintf(stderr, "  %d letters, text %d: %s%s (%.2f s), %d complete plaintexts, %llu prefixes, "
                                 "round %d, width %zu, %.1f s\n",
                         length, t + 1, foundAt >= 0 ? "built" : "not built",
                         foundAt >= 0 ? (truthTotal >= bestTotal ? ", ranked first" : ", outscored") : "",
                         foundAt, completes, static_cast<unsigned long long>(attack.prefixesTried()), attack.round(),
                         attack.width(), took);
        }
        std::printf("| %d | %d of %d | %d of %d | %.2f s | %.1f M |\n", length, built, options.texts, first,
                    options.texts, median(times), prefixes / seconds / 1e6);
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const std::string value = argv[i + 1];
        if (name == "--language")
            options.language = languageFromCode(value).value_or(Language::English);
        else if (name == "--texts")
            options.texts = std::atoi(value.c_str());
        else if (name == "--time-limit")
            options.timeLimit = std::atof(value.c_str());
        else if (name == "--threads")
            options.threads = std::atoi(value.c_str());
        else if (name == "--lengths")
            options.lengths = parseLengths(value);
        else if (name == "--seed")
            options.seed = std::strtoull(value.c_str(), nullptr, 10);
        else if (name == "--crib")
            options.crib = std::atoi(value.c_str());
        else if (name == "--until-found")
            options.untilFound = value == "1";
        else if (name == "--key-budget")
            options.keyBudget = std::atof(value.c_str());
        else if (name == "--losses")
            options.losses = std::atof(value.c_str());
        else if (name == "--auto-language")
            options.autoLanguage = value == "1";
        else if (name == "--compare-language")
            options.compareLanguage = value == "1";
        else if (name == "--doubles" && (value == "split" || value == "kept"))
            options.doubles = value == "kept" ? Doubles::Kept : Doubles::Split;
        else if (name == "--route" && (value == "all" || playfair::routeFromCode(value)))
            options.routes = value == "all" ? std::vector<SquareRoute>(playfair::squareRoutes.begin(), playfair::squareRoutes.end())
                                            : std::vector<SquareRoute>{*playfair::routeFromCode(value)};
        else if (name == "--padding" && (value == "xq" || value == "any"))
            options.padding = value == "xq" ? Padding::Fillers : Padding::Any;
        else if (name == "--garble")
            options.garble = std::atoi(value.c_str());
        else if (name == "--plaintext-attack")
            options.plaintextAttack = value != "0";
        else if (name == "--word-starts")
            options.wordStarts = value == "1";
        else if (name == "--attack-alone")
            options.attackAlone = value == "1";
        else if (name == "--heldout")
            options.heldout = value;
        else if (name == "--keywords" && (value == "words" || value == "phrases" || value == "letters"))
            options.keys = value == "words" ? Keys::Words : value == "phrases" ? Keys::Phrases : Keys::Letters;
        else {
            std::fprintf(stderr, "bench_solver: unknown option %s\n", name.c_str());
            return 2;
        }
    }
    const bool keyWords = options.keys != Keys::Random;
    if (options.lengths.empty() && options.compareLanguage)
        options.lengths = {100, 150, 200};
    else if (options.lengths.empty() && options.garble > 0)
        options.lengths = {150};
    else if (options.lengths.empty())
        options.lengths = keyWords ? std::vector<int>{20, 30, 40} : std::vector<int>{40, 50, 60, 80, 100, 150, 200};
    if (options.timeLimit <= 0)
        options.timeLimit = keyWords ? 5 : 10;
    const HeldOutBook book = readHeldOutBook(options.language, options.heldout);
    options.heldout = book.path;
    const std::string &text = book.text;
    if (text.size() < 10000) {
        std::fprintf(stderr, "bench_solver: cannot read the held-out text %s\n", options.heldout.c_str());
        return 1;
    }
    if (options.losses > 0 && options.keyBudget > 0 && !keyWords)
        return benchLosses(options, text);
    if (options.compareLanguage)
        return benchLanguages(options, text);
    if (options.garble > 0)
        return benchGarbled(options, text);
    if (options.attackAlone)
        return benchAttackAlone(options, book);
    return keyWords ? benchKeyWords(options, book) : benchRandomSquares(options, book);
}
