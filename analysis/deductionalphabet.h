#pragma once

#include "analysis/alphabet.h"
#include "analysis/shaped/solveralphabet.h"

#include <array>
#include <string>
#include <string_view>

namespace playfair::analysis {

// The deduction (deduction.h) and the key words that fit (fittingkeys.h) work
// on the 25 letter numbers of a 5 x 5 square, and write them in their texts
// (partialSquare, knownPairText, a key's letters) as the classic square's
// letters, A..Z without J. Any alphabet of 25 letters on a 5 x 5 square runs
// on them unchanged: its letters in order take the numbers 0..24, as the
// solver numbers them (SolverLetters). In latin-q, without Q, A..I keep
// their numbers, J..P take those the classic alphabet gives K..Q, and R..Z
// keep theirs; a key square (the key's letters, then the rest in order) is
// the same on the numbers. This value turns a letter of the alphabet into
// its number and back, and a text of the deduction's into the alphabet's
// letters.
class DeductionAlphabet
{
public:
    // The alphabets the deduction runs on: latin-ij and latin-q. Null for
    // one whose square is not 5 x 5 (latin-digits, cyrillic).
    static const DeductionAlphabet *of(AlphabetKind kind);
    static const DeductionAlphabet &classic() { return *of(AlphabetKind::LatinIJ); }

    AlphabetKind kind() const { return m_kind; }

    // The number of a character after the alphabet's cleaning (either case;
    // J as I in latin-ij), or -1 for one it drops or has not (the Q of
    // latin-q, a byte of a Cyrillic letter).
    int number(char character) const { return m_numbers[static_cast<unsigned char>(character)]; }
    // The capital of a letter number 0..24.
    char letter(int number) const { return m_letters[std::size_t(number)]; }

    // A deduction's text in the alphabet's letters: each classic letter as
    // the letter of its number (K reads J in latin-q), anything else ('.',
    // '?', '=', spaces) as it stands.
    std::string spelt(std::string_view numbered) const;
    // A word of the alphabet (a key word as a list spells it) written as the
    // classic letters of its numbers, what the alphabet drops left out: what
    // the key-square builder of the key-word lists reads.
    std::string numbered(std::string_view word) const;

private:
    explicit DeductionAlphabet(const SolverLetters &letters);

    AlphabetKind m_kind;
    std::array<signed char, 256> m_numbers{};
    std::array<char, letterCount> m_letters{};
};

} // namespace playfair::analysis
