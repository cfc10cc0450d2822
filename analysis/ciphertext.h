#pragma once

#include "analysis/alphabet.h"
#include "analysis/language.h"

#include "engine/textbook.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace playfair::analysis {

// Why a text cannot be a Playfair ciphertext.
struct CiphertextError
{
    enum class Kind {
        NoLetters,   // not one letter
        Cyrillic,    // Cyrillic letters but not one Latin letter
        OddLetters,  // an odd number of letters: the last one has no pair
        DoubledPair, // a pair of two equal letters, which no square gives
    };
    Kind kind = Kind::NoLetters;
    std::size_t letters = 0;  // how many letters the text has
    std::size_t position = 0; // DoubledPair: the 1-based position of the pair's first letter
    char letter = 0;          // DoubledPair: the doubled letter

    // One sentence, in English, as playfair-break prints it (the windows
    // word it in their own language, by its kind).
    std::string message() const;
};

// A ciphertext as it came, ready to break.
struct Ciphertext
{
    std::vector<Letter> letters; // the letters to break: an even count
    // Padding set aside after the last real pair, as capitals: letters that
    // no square gives there (a run of one letter, a last odd letter, the
    // fewest letters without which the text is a ciphertext); empty when
    // there were none.
    std::string setAside;
    // How many more letters at the end of `letters` (an even count) may be
    // padding a square does give, such as nulls of X and Q: the solver sets
    // them aside only when its plaintext reads far better without them
    // (SolverOptions::paddingAllowed). At most five letters are padding in
    // all, and a text of a few pairs has none to spare.
    std::size_t paddingAllowed = 0;

    // What was set aside, in English, as playfair-break prints it (the
    // windows word it in their own language); empty for nothing.
    std::string note() const;
    // The letters set aside in all when the solver read the last
    // `paddingRead` of `letters` as padding too (SolverReport::padding).
    std::string setAsideWith(std::size_t paddingRead) const;
};

// The letters of a UTF-8 ciphertext: ASCII letters in either case count, J
// as I; spaces, line breaks, digits, punctuation and anything else are
// skipped, so texts in five-letter groups read as they are.
//
// Messages were sent in groups of five, the last group filled up with
// nulls after enciphering: a run of one repeated letter at the end that no
// square can give (a doubled pair, unless `doubles` is Kept, or an odd
// count) is set aside, all of it but, when the count asks for it, its first
// letter, which ends the last real pair. Otherwise, when the text as it
// stands is no ciphertext (an odd count, a doubled pair among its last
// letters), the fewest of its last five letters without which it is one
// are set aside. With Doubles::Kept a doubled pair stands for itself and is
// no error.
std::variant<Ciphertext, CiphertextError> readCiphertext(std::string_view text, Doubles doubles = Doubles::Split);

// Padding beyond a last odd letter is looked for only in texts that keep at
// least this many letters without it.
inline constexpr std::size_t paddingLeaves = 10;

// The padding at the end of a ciphertext's letters, in any alphabet (its
// letter numbers), as readCiphertext sets it aside: `setAside` letters that
// no square gives there, and `allowed` more (Ciphertext::paddingAllowed)
// that the plaintext's reading may still set aside.
struct EndPadding
{
    std::size_t setAside = 0;
    std::size_t allowed = 0;
};
EndPadding paddingAtTheEnd(const std::vector<Letter> &letters, Doubles doubles = Doubles::Split);

// What was set aside at the end of a ciphertext, in English, as
// playfair-break prints it; `byReading`: some of the letters were set aside
// because the plaintext reads far better without them. Empty for nothing.
std::string setAsideNote(const std::string &setAside, bool byReading);

// Padding a square does give, found by reading: how many of the last
// `allowed` letters (an even count) of a ciphertext of `count` letters read
// as letters at random rather than as the language in `plaintext`, the
// ciphertext decrypted; 0, 2 or 4. Padding of the fillers X and Q is the
// likelier; any other must make the text far likelier still.
struct PaddingReading
{
    std::size_t letters = 0;
    // The log10 probability of those letters read as padding: letters at
    // random, times the odds of padding of their kind.
    double log10Probability = 0;
};
PaddingReading paddingByReading(const Letter *ciphertext, const Letter *plaintext, std::size_t count,
                                std::size_t allowed, Language language);

// The same reading in any alphabet: a letter at random has the log10
// probability `randomLetterLog10`, `isFiller(letter)` tells the alphabet's
// fillers, and `tailLog10(from)` is the log10 probability of the
// plaintext's letters from `from` to `count` by the language, each after
// the letters before it.
template<typename IsFiller, typename TailLog10>
PaddingReading paddingByReadingWith(const Letter *ciphertext, std::size_t count, std::size_t allowed,
                                    double randomLetterLog10, IsFiller isFiller, TailLog10 tailLog10)
{
    // How much likelier, in log10, the letters must read as padding than as
    // the language: the fillers stand at the end of a real ciphertext
    // seldom (X and Q about one pair in 150), other letters often. Chosen
    // on the held-out books so that about one text in a thousand loses a
    // real pair, while most two-letter and nearly all four-letter padding
    // is found.
    constexpr double fillerOdds = 1;
    constexpr double otherOdds = 3;
    constexpr double longerOdds = 1;
    PaddingReading best;
    double bestGain = 0;
    for (std::size_t padding = 2; padding <= allowed && padding + paddingLeaves <= count; padding += 2) {
        const std::size_t from = count - padding;
        const double tail = tailLog10(from);
        bool fillers = true;
        for (std::size_t i = from; i < count; ++i)
            fillers = fillers && isFiller(ciphertext[i]);
        const double asPadding = double(padding) * randomLetterLog10 - (fillers ? fillerOdds : otherOdds);
        // More padding must read as padding the more clearly: a real pair
        // cut off in mid-word may read little better than letters at random.
        if (asPadding - tail > bestGain + (best.letters > 0 ? longerOdds : 0)) {
            best = {padding, asPadding};
            bestGain = asPadding - tail;
        }
    }
    return best;
}

// Below this many letters many squares fit a ciphertext equally well.
inline constexpr std::size_t shortCiphertext = 40;

} // namespace playfair::analysis
