#pragma once

#include "analysis/alphabet.h"

#include <array>

namespace playfair::analysis {

// A candidate square laid over the true one. Of the 25 cyclic shifts of the
// candidate, which all decrypt alike, it is the one that agrees with the true
// square in the most cells (the first such shift, rows before columns), with
// the cells where it agrees.
struct SquareAlignment
{
    Square square{};                // the candidate, shifted
    std::array<bool, 25> inPlace{}; // the cells of `square` that hold the true letter
    int count = 0;                  // how many they are: how much of the key is found
};

SquareAlignment alignedSquare(const Square &candidate, const Square &truth);

} // namespace playfair::analysis
