#pragma once

#include "analysis/ciphertext.h"
#include "analysis/garbling.h"
#include "analysis/shaped/shapedannealer.h"
#include "analysis/shaped/solveralphabet.h"
#include "analysis/solver.h"
#include "analysis/statistics/statisticsfile.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

namespace playfair::analysis {

// The quadgram table of an alphabet other than the classic one (made by
// tools/letterstats --alphabet, embedded): one byte for each group of four
// of its N letters, its log10 probability quantized.
class ShapedStatistics
{
public:
    static const ShapedStatistics &of(AlphabetKind kind);

    int letters() const { return m_letters; }
    const std::uint8_t *table() const { return m_table.data(); }
    double unitLog10() const { return m_header.unitLog10; }
    double floorLog10() const { return m_header.floorLog10; }
    double typicalLog10() const { return m_header.typicalLog10; }
    double randomLog10() const { return m_header.randomLog10; }

    int sum(const std::uint8_t *letters, std::size_t count) const;
    // The mean log10 probability of a text's groups; 0 under 4 letters.
    double meanLog10(const std::uint8_t *letters, std::size_t count) const;
    // The mean a plaintext of `count` letters must reach to read like the
    // language: a short text's groups scatter more about the typical mean.
    double readsLikeTheLanguage(std::size_t count) const;
    // The log10 probability of the fourth of four letters after the other
    // three, from the groups' table.
    double letterLog10(const std::uint8_t *four) const;

private:
    LetterStatisticsHeader m_header;
    int m_letters = 0;
    std::vector<std::uint8_t> m_table;
};

struct ShapedOptions
{
    AlphabetKind alphabet = AlphabetKind::Cyrillic;
    std::chrono::milliseconds timeLimit{30000};
    std::uint64_t seed = 1;
    int threads = 0; // 0: one per core
    SquareKind squares = SquareKind::Any;
    // A class's own words, tried first as key words (UTF-8, one entry each).
    std::vector<std::string> keyWords;
    // Whether to try the system's word list of the alphabet's language too
    // (/usr/share/dict/bulgarian for Cyrillic, the English lists otherwise).
    bool systemWordLists = true;
    // How many letters at the end of the ciphertext may be padding a square
    // gives (EndPadding::allowed): set aside when the plaintext reads far
    // better without them.
    std::size_t paddingAllowed = 0;
    // Known pairs, plain = cipher, in the alphabet's letter numbers, on a
    // square of 25 letters (latin-q): wherever a cipher pair stands in the
    // text (or reversed), the plaintext holds the plain pair (reversed), as
    // SolverOptions::knownPairs bind the classic search. No square that
    // breaks them is returned.
    std::vector<KnownPair> knownPairs;
    // A word known to stand in the plaintext (letter numbers, on a square
    // of 25 letters), and where (the letter position from 0), if known:
    // one that Crib::make takes on the whole ciphertext.
    std::vector<std::uint8_t> crib;
    std::optional<std::size_t> cribPosition;
    std::function<void(const struct ShapedReport &)> onProgress;
    std::chrono::milliseconds progressInterval{50};
};

struct ShapedReport
{
    bool found = false;
    AlphabetKind alphabet = AlphabetKind::Cyrillic;
    int rows = 5;
    int columns = 6;
    std::vector<std::uint8_t> square; // rows x columns letter numbers, row by row
    std::string squareText;           // the same as UTF-8 capitals
    std::string plaintext;            // UTF-8 capitals, up to the padding
    // The letters at the end of the ciphertext read as padding
    // (ShapedOptions::paddingAllowed); the plaintext stops before them.
    std::size_t padding = 0;
    // The mean log10 probability of the plaintext's four-letter groups, and
    // where ordinary text and random letters stand.
    double score = 0;
    double typical = 0;
    double random = 0;
    std::optional<std::string> keyWord; // the word of a list the square comes from
    std::uint64_t keysTested = 0;
    std::uint64_t keyWordsTested = 0;
    double elapsedSeconds = 0;
    int restarts = 0;
    int agreeing = 0;
};

struct ShapedResult : ShapedReport
{
    StopReason stopped = StopReason::TimeLimit;
    Confidence confidence = Confidence::None;
    // The plaintext's pairs likely garbled in transmission, and where it
    // stops reading, if it does (analysis/garbling.h).
    Garbling garbling;
};

// Breaks a ciphertext of the alphabet (its letter numbers, an even count,
// no doubled pair) without its key: the key words of the alphabet's lists
// first, then simulated annealing over all squares of its shape on every
// thread, until independent searches agree on a plaintext that reads like
// the language, a key word's plaintext stands far above every other, the
// time limit or a stop request.
ShapedResult solveShaped(const std::vector<std::uint8_t> &ciphertext, const ShapedOptions &options,
                         std::stop_token stop = {});

// Padding a square gives at the end of a ciphertext of the alphabet, found
// by reading as the classic square's is (paddingByReading): how many of the
// last `allowed` letters read as letters at random rather than as the
// language in `plaintext`, the ciphertext decrypted; the alphabet's fillers
// are the likelier padding.
PaddingReading shapedPaddingByReading(const SolverLetters &letters, const std::uint8_t *ciphertext,
                                      const std::uint8_t *plaintext, std::size_t count, std::size_t allowed);

// How each search of the annealing runs on a text of `letters` letters in
// the alphabet: its temperature, length and moves.
ShapedPlan shapedPlan(AlphabetKind kind, std::size_t letters);

// The key square of a key word in the alphabet: the key's distinct letters
// (those the alphabet has), then the rest in order, row by row.
std::vector<std::uint8_t> shapedKeySquare(const SolverLetters &letters, const std::vector<std::uint8_t> &key);

// Decrypts (`step` -1) or encrypts (+1) an even count of letters on a
// square of the alphabet's shape.
std::vector<std::uint8_t> shapedTransform(const SolverLetters &letters, const std::vector<std::uint8_t> &square,
                                          const std::vector<std::uint8_t> &text, int step);

} // namespace playfair::analysis
