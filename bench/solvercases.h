#pragma once

// What the solver's benchmark shares between its kinds of run: its options,
// the texts it makes from a held-out book and their squares, and the
// solver's options for each text.

#include "analysis/alphabet.h"
#include "analysis/search/random.h"
#include "analysis/solver.h"
#include "bench/heldoutbook.h"
#include "engine/keyedsquare.h"
#include "engine/textbook.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace playfair::bench {

using namespace playfair::analysis;

enum class Keys { Random, Words, Phrases, Letters };
enum class Padding { None, Fillers, Any };

struct Options
{
    Language language = Language::English;
    int texts = 20;
    double timeLimit = 0; // 0: 10 s on random squares, 5 s on key words
    int threads = 2;
    std::vector<int> lengths;
    std::uint64_t seed = 2026;
    int crib = 0;
    bool untilFound = false;
    // Each text's search stops once it has tested this many keys (0: none),
    // so that versions compare on the same work whatever the machine's load.
    double keyBudget = 0;
    std::string heldout;
    Keys keys = Keys::Random;
    bool autoLanguage = false;    // the solver is not told the language
    bool compareLanguage = false; // each text both ways, named and found
    Doubles doubles = Doubles::Split;
    std::vector<SquareRoute> routes{SquareRoute::Rows}; // for key-word squares, a table row each
    int garble = 0; // at most this many letters of each ciphertext changed
    Padding padding = Padding::None; // 1 to 5 letters after the last pair, on key-word squares
    bool plaintextAttack = true;     // the solver's plaintext-dictionary attack on short texts
    bool attackAlone = false;        // that attack alone, without the solver
    bool wordStarts = false;         // texts begin at a word of the book, as a message does
    // Where the texts not solved go (see benchLosses): each search runs on
    // to this many times the key budget (0: not measured).
    double losses = 0;
};

inline std::vector<int> parseLengths(const std::string &text)
{
    std::vector<int> lengths;
    std::stringstream stream(text);
    std::string item;
    while (std::getline(stream, item, ','))
        lengths.push_back(std::atoi(item.c_str()));
    return lengths;
}

inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

inline std::vector<Letter> lettersOf(const std::string &text)
{
    std::vector<Letter> letters;
    for (char letter : text)
        letters.push_back(Letter(letterNumber(letter)));
    return letters;
}

struct Case
{
    std::string plain; // prepared, `length` letters
    Square square{};
    std::string key;   // the key word, for squares made from one
    std::vector<Letter> cipher;
};

// A passage of the book, prepared, without its square yet.
inline Case makeCase(const std::string &text, std::size_t length, Random &rng, Doubles doubles)
{
    Case c;
    const std::size_t start = rng.below(std::uint32_t(text.size() - 2 * length));
    c.plain = preparedMessage(text.substr(start, 2 * length), doubles).substr(0, length);
    return c;
}

// A passage of the book from the start of a word (a real message begins
// with one), prepared, without its square yet.
inline Case makeCaseAtWord(const HeldOutBook &book, std::size_t length, Random &rng, Doubles doubles)
{
    Case c;
    std::string letters;
    std::size_t at = rng.below(std::uint32_t(book.words.size() - 1));
    while (book.words[at].empty())
        ++at;
    for (; letters.size() < 2 * length && at < book.words.size(); ++at)
        letters += book.words[at];
    c.plain = preparedMessage(letters, doubles).substr(0, length);
    return c;
}

inline void encryptOn(Case &c, const Square &square)
{
    c.square = square;
    c.cipher = lettersOf(transformedPairs(squareToText(c.square), c.plain, +1));
}

// The solver's options for one text: the benchmark's language, limit and
// threads, and a seed of its own.
inline SolverOptions solverOptionsFor(const Options &options, Random &rng)
{
    SolverOptions solverOptions;
    if (!options.autoLanguage)
        solverOptions.language = options.language;
    solverOptions.timeLimit = std::chrono::milliseconds(std::int64_t(options.timeLimit * 1000));
    solverOptions.threads = options.threads;
    solverOptions.seed = rng.next();
    solverOptions.plaintextAttack = options.plaintextAttack;
    return solverOptions;
}

inline Square randomSquare(Random &rng)
{
    Square square;
    for (int cell = 0; cell < 25; ++cell)
        square[cell] = Letter(cell);
    for (int cell = 24; cell > 0; --cell)
        std::swap(square[cell], square[rng.below(cell + 1)]);
    return square;
}

// A key of the kind asked for: a word of the book, two words that follow
// each other in it, or letters that form no word.
inline std::string keyOf(Keys keys, const HeldOutBook &book, Random &rng)
{
    if (keys == Keys::Letters) {
        const std::string alphabet = "ABCDEFGHIKLMNOPQRSTUVWXYZ";
        std::string key;
        const std::size_t length = 5 + rng.below(6);
        while (key.size() < length) {
            const char letter = alphabet[rng.below(25)];
            if (key.find(letter) == std::string::npos)
                key += letter;
        }
        return key;
    }
    return keyOfBook(book, keys == Keys::Phrases, rng);
}

// The runs of bench/solverbench_messages.cpp: real messages' ways.
int benchLanguages(const Options &options, const std::string &text);
int benchGarbled(const Options &options, const std::string &text);
// Each text named and found, on the key budget and on to `losses` times it:
// the texts not solved within the budget sorted by what went wrong.
int benchLosses(const Options &options, const std::string &text);

} // namespace playfair::bench
