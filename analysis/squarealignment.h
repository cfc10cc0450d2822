#pragma once

#include "analysis/alphabet.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace playfair::analysis {

// A candidate square of any shape laid over the true one, both given as
// their cells row by row (any letters, one character a cell). Of the rows x
// columns cyclic shifts of the candidate, which all encrypt and decrypt
// alike, it is the one that agrees with the true square in the most cells
// (the first such shift, rows before columns), with the cells where it
// agrees.
struct LetterAlignment
{
    std::u32string square;     // the candidate, shifted
    std::vector<bool> inPlace; // the cells of `square` that hold the true letter
    int count = 0;             // how many they are: how much of the key is found
};

LetterAlignment alignedLetters(std::u32string_view candidate, std::u32string_view truth, int rows, int columns);

// The same for the classic 5 x 5 square of letter numbers.
struct SquareAlignment
{
    Square square{};                // the candidate, shifted
    std::array<bool, 25> inPlace{}; // the cells of `square` that hold the true letter
    int count = 0;                  // how many they are: how much of the key is found
};

SquareAlignment alignedSquare(const Square &candidate, const Square &truth);

} // namespace playfair::analysis
