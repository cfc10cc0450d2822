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
    // Padding set aside after the last real pair: a run of one letter
    // (or a last odd letter) that no square gives, as capitals; empty when
    // there was none.
    std::string setAside;

    // What was set aside, in English, as playfair-break prints it (the
    // windows word it in their own language); empty for nothing.
    std::string note() const;
};

// The letters of a UTF-8 ciphertext: ASCII letters in either case count, J
// as I; spaces, line breaks, digits, punctuation and anything else are
// skipped, so texts in five-letter groups read as they are.
//
// Messages were sent in groups of five, the last group filled up with
// nulls after enciphering: a run of one repeated letter at the end that no
// square can give (a doubled pair, unless `doubles` is Kept, or an odd
// count) is set aside, all of it but, when the count asks for it, its first
// letter, which ends the last real pair. So is a last odd letter alone.
// With Doubles::Kept a doubled pair stands for itself and is no error.
std::variant<Ciphertext, CiphertextError> readCiphertext(std::string_view text, Doubles doubles = Doubles::Split);

// Below this many letters many squares fit a ciphertext equally well.
inline constexpr std::size_t shortCiphertext = 40;

} // namespace playfair::analysis
