#pragma once

#include "analysis/alphabet.h"
#include "analysis/language.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace playfair::analysis {

struct CribError
{
    enum class Kind {
        NoLetters,      // the word has no letters
        TooLong,        // longer than the text, or than the text after the position
        BadPosition,    // the position is outside the text
        CannotStandAt,  // at the given position the word contradicts the ciphertext
        CannotStandAnywhere,
    };
    Kind kind = Kind::NoLetters;
    std::size_t position = 0; // 1-based, for BadPosition and CannotStandAt

    std::string message(Language language = Language::English) const;
};

// A crib: a word known to stand in the plaintext, at a known letter position
// or anywhere. Only the places where the word can stand at all are tried:
// Playfair never turns a letter into itself, never makes a plain pair of two
// equal letters (but that a message that kept its doubled letters sends one
// as it is), and turns equal plain pairs into equal cipher pairs (and a
// reversed pair into the reversed cipher pair).
class Crib
{
public:
    // `position` counts letters from 0.
    static std::variant<Crib, CribError> make(std::string_view word, std::optional<std::size_t> position,
                                              const std::vector<Letter> &ciphertext);

    const std::vector<Letter> &letters() const { return m_letters; }
    // The letter positions (from 0) where the word may stand.
    const std::vector<std::size_t> &places() const { return m_places; }

    // The fewest letters of the word that a plaintext gets wrong, over the
    // places where it may stand; 0 when the plaintext holds it.
    int mismatches(const Letter *plaintext) const;
    bool heldBy(const Letter *plaintext) const { return mismatches(plaintext) == 0; }

private:
    std::vector<Letter> m_letters;
    std::vector<std::size_t> m_places;
};

} // namespace playfair::analysis
