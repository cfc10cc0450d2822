#pragma once

#include "analysis/alphabet.h"
#include "analysis/knownpair.h"

#include "engine/rules.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace playfair::analysis {

// What follows about the square from what is known of it: equations
// plain pair = cipher pair (a pupil's guesses, a probable word at a place, a
// known plaintext), letters put in cells, and whether the square comes from
// a key word. Everything it reports holds in every square consistent with
// what is known, and a contradiction it names is real: no square satisfies
// the equations named. Squares are counted up to the 25 cyclic shifts,
// which encrypt alike (the mirror images do not). Structured facts only:
// the windows and the command put them into words.

// A letter put in a cell of the square (0..24, row by row). Letters put in
// cells fix the shift: the square is then read in these cells.
struct PlacedLetter
{
    Letter letter = 0;
    int cell = 0;

    friend bool operator==(const PlacedLetter &, const PlacedLetter &) = default;
};

struct DeductionInput
{
    std::vector<KnownPair> pairs;     // the equations, numbered from 0
    std::vector<PlacedLetter> placed; // numbered from 0
    // The square comes from a key of at most this many distinct letters:
    // the key's letters, then the rest of the alphabet in order, in one of
    // its cyclic shifts (the program's one construction). 0: any square.
    int keyLetters = 0;
    // A ciphertext (letter numbers, an even count) to read as far as the
    // equations settle its pairs.
    std::vector<Letter> ciphertext;
};

// Which way one letter stands from another.
enum class Direction {
    Down,      // `steps` rows below, counted round the square (0: the same row)
    Right,     // `steps` columns to the right, round the square (0: the same column)
    AlongLine, // in the same row `steps` to the right, or in the same column `steps` below
};

// `second` stands `steps` (0..4) from `first` in `direction`.
struct LetterDistance
{
    Letter first = 0;
    Letter second = 0;
    Direction direction = Direction::Down;
    int steps = 0;

    friend bool operator==(const LetterDistance &, const LetterDistance &) = default;
};

// The plain pair of equation `pair` does not follow `rule`.
struct RuledOut
{
    std::size_t pair = 0;
    PairRule rule = PairRule::Rectangle;

    friend bool operator==(const RuledOut &, const RuledOut &) = default;
};

// The letter not known at `position` of equation `pair` (0, 1 the plain
// letters, 2, 3 the cipher letters) is `letter`.
struct FilledIn
{
    std::size_t pair = 0;
    int position = 0;
    Letter letter = 0;

    friend bool operator==(const FilledIn &, const FilledIn &) = default;
};

// Cipher pair `pair` (from 0) of the ciphertext decrypts at `position`
// (0, 1) to `letter`.
struct Reading
{
    std::size_t pair = 0;
    int position = 0;
    Letter letter = 0;

    friend bool operator==(const Reading &, const Reading &) = default;
};

using Fact = std::variant<LetterDistance, RuledOut, FilledIn, Reading>;

// Which rules an equation's plain pair may still follow.
struct PossibleRules
{
    bool rectangle = true;
    bool sameRow = true;
    bool sameColumn = true;

    friend bool operator==(const PossibleRules &, const PossibleRules &) = default;
};

// Letters whose places relative to one another follow: a piece of the
// square, its letters' rows and columns counted from a corner of its own
// (round the square) unless `placed`, when they are the square's own.
struct Fragment
{
    std::vector<std::pair<Letter, SquarePosition>> letters;
    bool placed = false;
};

// Equations and placed letters, by their numbers.
struct Premises
{
    std::vector<std::size_t> pairs;
    std::vector<std::size_t> placed;

    bool empty() const { return pairs.empty() && placed.empty(); }
    std::size_t size() const { return pairs.size() + placed.size(); }
    friend bool operator==(const Premises &, const Premises &) = default;
};

enum class Consistency {
    Consistent,    // a square satisfies everything
    Contradictory, // none does: see the contradiction
    Undecided,     // the search ran out of time before it knew (very rare)
};

struct DeductionResult
{
    Consistency consistency = Consistency::Consistent;
    // A smallest set of what is known that no square satisfies.
    std::optional<Premises> contradiction;

    // Only when consistent: for each equation the rules still possible;
    // every fact that follows (distances between letters of one piece of
    // the square, rules ruled out, letters not known filled in, readings of
    // the ciphertext); the pieces of the square, the largest first.
    std::vector<PossibleRules> rules;
    std::vector<Fact> facts;
    std::vector<Fragment> fragments;
    // The ciphertext's plaintext as far as it follows: for each letter a
    // letter number or unknownLetter.
    std::vector<int> plaintext;

    // How many ways the letters of the equations and those placed can stand
    // in the square, up to the cyclic shifts (the others may take any cells
    // left): exactly, or at least that many when not `arrangementsExact`.
    std::uint64_t arrangements = 0;
    bool arrangementsExact = true;
    // False when the search ran out of time on some fact, which is then
    // left out: what is reported still holds.
    bool complete = true;

    // Whether a fact is among those that follow, a distance read either way
    // round, one along a line also when the distances down and right give it.
    bool holds(const Fact &fact) const;
};

// Beyond this many arrangements the count stops.
inline constexpr std::uint64_t countedArrangements = 1000;

DeductionResult deduce(const DeductionInput &input);

// The square as far as it follows: 25 characters row by row, '.' where
// unknown. The placed letters' piece in its cells; else the largest piece,
// set so that its rows and columns start at the top left.
std::string partialSquare(const DeductionResult &result);

// A probable word at a place of the ciphertext: whether it can stand there,
// and if not, why.
struct WordPlace
{
    enum class Verdict {
        Possible,
        DoubledLetter,   // a plain pair would hold one letter twice: `at` is its pair's number
        OwnCipherLetter, // a letter would be its own cipher letter: `at` is its letter position
        Contradiction,   // the pairs it gives contradict each other or what is known
    };
    std::size_t position = 0; // of the word's first letter, from 0
    Verdict verdict = Verdict::Possible;
    std::size_t at = 0;
    // The equations the word gives there, a '?' where a cipher pair holds
    // only one of its letters; and for a contradiction, a smallest set of
    // them (by their numbers in `pairs`) with the known equations and placed
    // letters (by theirs) that contradict each other.
    std::vector<KnownPair> pairs;
    std::vector<std::size_t> pairsInContradiction;
    Premises knownInContradiction;
};

// Every place of `word` (letter numbers) in the input's ciphertext.
std::vector<WordPlace> placesOfWord(const std::vector<Letter> &word, const DeductionInput &known);

// The equations a word (letter numbers) gives at letter `position` of a
// ciphertext: one for each cipher pair it covers, '?' for the plain letter
// of a pair it covers by half.
std::vector<KnownPair> pairsOfWordAt(const std::vector<Letter> &word, std::size_t position,
                                     const std::vector<Letter> &ciphertext);

// What a fact rests on: a smallest set of the equations and placed letters
// from which it follows (with the key word's form, if given). Nothing when
// it does not follow, or not within the time allowed.
std::optional<Premises> premisesOf(const DeductionInput &input, const Fact &fact);

// In a key word's square the letters after the key's run in alphabetical
// order to the last cell: this is how a square found by hand gives its key
// word away. The longest such run of the known letters of a square (25
// characters row by row, '.' where unknown), in the cyclic shift that puts
// it at the end: read from the last cell back, letters in alphabetical
// order as far as the cells between each two can hold the letters between
// them that stand nowhere else in the square.
struct AlphabeticalRun
{
    int rows = 0;      // the shift: the square's rows moved down by this many,
    int columns = 0;   // its columns right by this many (see shiftedSquare)
    int firstCell = 0; // of the run's first known letter, in the shifted square
    int knownLetters = 0;
    // If these cells are the key square's last ones: the cells of the shifted
    // square in the run (and after it) that can hold one letter only, each
    // with that letter.
    std::vector<PlacedLetter> gaps;
};

// The run with the most known letters, if it has `least` or more.
std::optional<AlphabeticalRun> alphabeticalRun(std::string_view square, int least = 6);

// The key a square shows, when it is a key word's square: its first cells,
// before the rest of the alphabet in order, in the cyclic shift that puts
// that run at the end.
struct SquareKey
{
    // The key's letters as the square holds them, the fewest that build it:
    // a key whose last letters continue the run (ZEBRA, whose A comes first
    // in the rest) builds the same square, and is read as ZEBR.
    std::string letters;
    std::string square; // the whole key square, 25 letters row by row, the key first
    int rows = 0;       // the shift that takes the given square's cells to the key
    int columns = 0;    // square's (see shiftedSquare)
};

// A key read off a square has at most this many letters, unless told
// otherwise: the alphabet's last row, at least, follows it in order.
inline constexpr int longestReadKey = 20;

// The key of a whole or partial square (25 characters row by row, '.' where
// unknown, its letters' places known up to the cyclic shifts, as
// partialSquare gives them) when every square of a key of at most
// `longestKey` letters that agrees with it is one square: then its key is
// named. Nothing when two or more such squares remain (or none, or only the
// alphabet in order): the known letters then do not determine the key.
std::optional<SquareKey> keyOfSquare(std::string_view square);
// The same, counting only the key squares (25 letters) that `possible`
// accepts, such as those that satisfy the known pairs: then a key's unknown
// cells (up to three) are filled in every way that it accepts.
std::optional<SquareKey> keyOfSquare(std::string_view square, const std::function<bool(std::string_view)> &possible,
                                     int longestKey = longestReadKey);
// Every square of a key of at most `longestKey` letters that agrees with the
// square and that `possible` (if given) accepts, each once up to the cyclic
// shifts, read with its shortest key: every such key word's square that can
// be the square is among them. Nothing when they are more than `most`, or
// when they cannot all be told (two unknown cells of a key and nothing to
// accept or refuse, or more than three).
std::optional<std::vector<SquareKey>> keySquaresOf(std::string_view square,
                                                   const std::function<bool(std::string_view)> &possible,
                                                   std::size_t most, int longestKey = longestReadKey);
// The same as far as it can tell: keys with more than three unknown cells
// passed over, and at most `most` squares, the rest left out. Candidates to
// try, not all there are.
std::vector<SquareKey> likelyKeySquares(std::string_view square, const std::function<bool(std::string_view)> &possible,
                                        std::size_t most, int longestKey = longestReadKey);

} // namespace playfair::analysis
