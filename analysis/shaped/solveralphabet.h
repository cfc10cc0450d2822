#pragma once

#include "engine/alphabet.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace playfair::analysis {

// The alphabets the solver breaks (engine/alphabet.h), by their codes on
// the command line: latin-ij (the classic 5 x 5 square, J as I), latin-q
// (5 x 5 without Q), latin-digits (6 x 6, A..Z and 0..9) and cyrillic (5 x 6,
// the 30 Bulgarian letters).
using AlphabetKind = Alphabet::Id;

inline constexpr std::array<AlphabetKind, 4> alphabetKinds{AlphabetKind::LatinIJ, AlphabetKind::LatinQ,
                                                           AlphabetKind::LatinDigits, AlphabetKind::Cyrillic};

std::string_view alphabetCode(AlphabetKind kind);
std::optional<AlphabetKind> alphabetFromCode(std::string_view code);

// The solver's numbering of an alphabet's letters: 0..size-1 in the
// alphabet's order (Alphabet::letters), the order the key square is filled
// in. The classic alphabet is numbered by analysis/alphabet.h (A..Z without
// J) alike.
struct SolverLetters
{
    AlphabetKind kind = AlphabetKind::LatinIJ;
    const Alphabet *alphabet = &Alphabet::classic();
    int rows = 5;
    int columns = 5;

    int size() const { return rows * columns; }
    // A character's letter number after the alphabet's cleaning (either
    // case; J as I in latin-ij); -1 for a character the alphabet skips.
    int number(char32_t c) const;
    // The letter's capital as UTF-8.
    std::string name(int number) const;
    std::string text(const std::uint8_t *numbers, std::size_t count) const;
    // The letters of a UTF-8 text, cleaned into the alphabet.
    std::vector<std::uint8_t> numbersOf(std::string_view text) const;

    static const SolverLetters &of(AlphabetKind kind);
};

// The letters of a UTF-8 text as a Playfair message is prepared in the
// alphabet, for counting the letter statistics: cleaned, a filler between
// the letters of a doubled pair (the second filler when the letter is the
// first filler) and one to even the end.
std::vector<std::uint8_t> preparedLetters(const SolverLetters &letters, std::string_view text);


} // namespace playfair::analysis
