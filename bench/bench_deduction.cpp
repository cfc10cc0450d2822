// The deduction's benchmark: key words from a few known pairs, a whole
// known plaintext, and the time an edit of a pupil's guesses takes. Key
// words and texts come from the held-out test book of a language (never
// seen by the statistics): its words of 4 letters or more, or two words of
// 3 letters or more that follow each other in it, drawn from the running
// text. It prints figures as Markdown and judges nothing.
//
//     bench_deduction [--language en|bg] [--texts N] [--threads T] [--seed S] [--no-system-lists 1]
//                     [--parts edits,plaintext,keys]
//
// A key word counts as first (or among the first three) when that key of
// the list builds the key's square: words that build one square count once.

#include "analysis/deduction.h"
#include "analysis/fittingkeys.h"
#include "analysis/keywords/keysquares.h"
#include "analysis/search/pairtables.h"
#include "analysis/search/random.h"
#include "benchutil.h"
#include "engine/textbook.h"
#include "heldoutbook.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace playfair::analysis;
using playfair::bench::Clock;
using playfair::bench::HeldOutBook;
using playfair::bench::keyOfBook;
using playfair::bench::median;
using playfair::bench::readHeldOutBook;

namespace {

struct Options
{
    Language language = Language::English;
    int texts = 40;
    int threads = 2;
    std::uint64_t seed = 2026;
    bool systemLists = true;
    std::string parts = "edits,plaintext,keys";
};

double seconds(Clock::time_point since)
{
    return playfair::bench::secondsBetween(since, Clock::now());
}

double worst(const std::vector<double> &values)
{
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

std::vector<Letter> lettersOf(const std::string &text)
{
    std::vector<Letter> letters;
    for (char c : text)
        letters.push_back(Letter(letterNumber(c)));
    return letters;
}

// A passage of the book prepared as a Playfair message.
std::string passage(const HeldOutBook &book, std::size_t letters, Random &random)
{
    const std::size_t start = random.below(std::uint32_t(book.text.size() - 2 * letters - 1));
    return playfair::preparedMessage(book.text.substr(start, 2 * letters)).substr(0, letters);
}

// The first `count` different pairs of a passage, encrypted on `square`.
std::vector<KnownPair> pairsOn(const Square &square, const std::string &plain, std::size_t count)
{
    const std::vector<Letter> letters = lettersOf(plain);
    std::vector<Letter> cipher(letters.size());
    encryptLetters(square, letters.data(), letters.size(), cipher.data());
    std::vector<KnownPair> pairs = pairsOfPlaintext(letters, cipher);
    if (pairs.size() > count)
        pairs.resize(count);
    return pairs;
}

bool sameSquare(const Square &a, const Square &b)
{
    return squareWithLetterFirst(a, 0) == squareWithLetterFirst(b, 0);
}

void benchKeysFromPairs(const Options &options, const HeldOutBook &book)
{
    std::printf("### Key words from known pairs\n\n%d keys a row, %d threads, the system's word lists %s\n\n",
                options.texts, options.threads, options.systemLists ? "read" : "left out");
    std::printf("| Keys | Pairs | First | Among the first three | Median time | Worst time |\n");
    std::printf("|---|---:|---:|---:|---:|---:|\n");
    FittingKeyOptions keyOptions;
    keyOptions.threads = options.threads;
    keyOptions.systemWordLists = options.systemLists;
    keyOptions.most = 3;
    keyOptions.letterSearch = std::chrono::milliseconds(2000);
    keyOptions.language = options.language;
    for (bool phrase : {false, true}) {
        for (int count : {2, 3, 4, 6}) {
            Random random(options.seed + std::uint64_t(count) + (phrase ? 100 : 0));
            int first = 0;
            int three = 0;
            std::vector<double> times;
            for (int t = 0; t < options.texts; ++t) {
                const std::string key = keyOfBook(book, phrase, random);
                const Square square = keySquareOf(key);
                DeductionInput known;
                known.pairs = pairsOn(square, passage(book, 60, random), std::size_t(count));
                const Clock::time_point start = Clock::now();
                const std::vector<FittingKey> keys = fittingKeys(known, keyOptions);
                times.push_back(seconds(start));
                const auto right = std::find_if(keys.begin(), keys.end(),
                                                [&](const FittingKey &fitting) { return sameSquare(fitting.square, square); });
                first += right == keys.begin() && right != keys.end();
                three += right != keys.end();
                std::fprintf(stderr, "  %d pairs, key %s: %s (first %s), %.2f s\n", count, key.c_str(),
                             right == keys.end() ? "missed" : right == keys.begin() ? "first" : "among three",
                             keys.empty() ? "-" : keys.front().key.c_str(), times.back());
            }
            std::printf("| %s | %d | %d %% | %d %% | %.2f s | %.2f s |\n", phrase ? "two words" : "words", count,
                        100 * first / options.texts, 100 * three / options.texts, median(times), worst(times));
            std::fflush(stdout);
        }
    }
    std::printf("\n");
}

void benchKnownPlaintext(const Options &options, const HeldOutBook &book)
{
    // As playfair-break --plaintext does it: the deduction, then the best key.
    FittingKeyOptions keyOptions;
    keyOptions.threads = options.threads;
    keyOptions.systemWordLists = options.systemLists;
    keyOptions.most = 1;
    keyOptions.language = options.language;
    std::printf("### A known plaintext of 30 letters\n\n");
    std::printf("| Keys | Texts | Square and key word found | Letters of the square fixed, mean | Median time | Worst time |\n");
    std::printf("|---|---:|---:|---:|---:|---:|\n");
    for (bool phrase : {false, true}) {
        Random random(options.seed + 7 + (phrase ? 100 : 0));
        std::vector<double> times;
        int named = 0;
        int letters = 0;
        for (int t = 0; t < options.texts; ++t) {
            const std::string key = keyOfBook(book, phrase, random);
            const Square square = keySquareOf(key);
            const std::string plain = passage(book, 30, random);
            DeductionInput known;
            known.pairs = pairsOn(square, plain, 15);
            known.ciphertext.resize(plain.size());
            const std::vector<Letter> plainLetters = lettersOf(plain);
            encryptLetters(square, plainLetters.data(), plainLetters.size(), known.ciphertext.data());
            const Clock::time_point start = Clock::now();
            const DeductionResult result = deduce(known);
            const std::vector<FittingKey> keys = fittingKeys(known, keyOptions);
            times.push_back(seconds(start));
            const bool right = !keys.empty() && sameSquare(keys.front().square, square);
            named += right;
            int fixed = 0;
            for (char c : partialSquare(result))
                fixed += c != '.';
            letters += fixed;
            std::fprintf(stderr, "  plaintext, key %s: %s (first %s), %d letters fixed, %.2f s\n", key.c_str(),
                         right ? "first" : "missed", keys.empty() ? "-" : keys.front().key.c_str(), fixed, times.back());
        }
        std::printf("| %s | %d | %d %% | %.1f | %.3f s | %.3f s |\n", phrase ? "two words" : "words", options.texts,
                    100 * named / options.texts, double(letters) / options.texts, median(times), worst(times));
        std::fflush(stdout);
    }
    std::printf("\n");
}

void benchEdits(const Options &options, const HeldOutBook &book)
{
    // A pupil's guesses as equations: the pairs of a passage, and pairs
    // drawn at random (a worse case: they share fewer letters), each on a
    // square shuffled at random, with a ciphertext of 200 letters to read.
    std::printf("### The deduction's time per edit (one core)\n\n");
    std::printf("| Equations | Pairs of | Median | 99th percentile | Worst | Arrangements counted exactly |\n");
    std::printf("|---:|---|---:|---:|---:|---:|\n");
    const int sequences = options.texts * 5;
    for (int count : {5, 10, 30}) {
        for (bool fromText : {true, false}) {
            Random random(options.seed + 11 + std::uint64_t(count) + (fromText ? 0 : 1000));
            std::vector<double> times;
            int exact = 0;
            for (int s = 0; s < sequences; ++s) {
                Square square;
                for (int c = 0; c < 25; ++c)
                    square[std::size_t(c)] = Letter(c);
                for (int c = 24; c > 0; --c)
                    std::swap(square[std::size_t(c)], square[random.below(std::uint32_t(c + 1))]);
                const std::string plain = passage(book, 200, random);
                DeductionInput input;
                if (fromText) {
                    input.pairs = pairsOn(square, plain, std::size_t(count));
                } else {
                    std::string drawn;
                    while (drawn.size() < std::size_t(4 * count)) {
                        const char a = letterName(int(random.below(25)));
                        const char b = letterName(int(random.below(25)));
                        if (a != b)
                            drawn += std::string{a, b};
                    }
                    input.pairs = pairsOn(square, drawn, std::size_t(count));
                }
                const std::vector<Letter> plainLetters = lettersOf(plain);
                input.ciphertext.resize(plainLetters.size());
                encryptLetters(square, plainLetters.data(), plainLetters.size(), input.ciphertext.data());
                const Clock::time_point start = Clock::now();
                const DeductionResult result = deduce(input);
                times.push_back(seconds(start) * 1000);
                exact += result.arrangementsExact;
            }
            std::vector<double> sorted = times;
            std::sort(sorted.begin(), sorted.end());
            std::printf("| %d | %s | %.2f ms | %.2f ms | %.2f ms | %d %% |\n", count, fromText ? "a text" : "random letters",
                        median(times), sorted[std::size_t(double(sorted.size() - 1) * 0.99)], worst(times),
                        100 * exact / sequences);
            std::fflush(stdout);
        }
    }
    std::printf("\n");
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
        else if (name == "--threads")
            options.threads = std::atoi(value.c_str());
        else if (name == "--seed")
            options.seed = std::strtoull(value.c_str(), nullptr, 10);
        else if (name == "--no-system-lists")
            options.systemLists = value != "1";
        else if (name == "--parts")
            options.parts = value;
        else {
            std::fprintf(stderr, "bench_deduction: unknown option %s\n", name.c_str());
            return 2;
        }
    }
    const HeldOutBook book = readHeldOutBook(options.language);
    if (book.text.size() < 10000) {
        std::fprintf(stderr, "bench_deduction: cannot read the held-out text %s\n", book.path.c_str());
        return 1;
    }
    std::printf("Held-out text: %s; language %s\n\n", book.path.c_str(), std::string(languageCode(options.language)).c_str());

    // The word statistics and lists are read once, before anything is timed.
    const Clock::time_point start = Clock::now();
    FittingKeyOptions warm;
    warm.systemWordLists = false;
    warm.letterSearch = std::chrono::milliseconds(0);
    DeductionInput one;
    one.pairs.push_back(std::get<KnownPair>(parseKnownPair("th=PI")));
    one.pairs.push_back(std::get<KnownPair>(parseKnownPair("he=IS")));
    one.pairs.push_back(std::get<KnownPair>(parseKnownPair("er=SX")));
    fittingKeys(one, warm);
    std::printf("Reading the built-in word lists, once: %.2f s\n\n", seconds(start));

    const auto wanted = [&](const char *part) { return options.parts.find(part) != std::string::npos; };
    if (wanted("edits"))
        benchEdits(options, book);
    if (wanted("plaintext"))
        benchKnownPlaintext(options, book);
    if (wanted("keys"))
        benchKeysFromPairs(options, book);
    return 0;
}
