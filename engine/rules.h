#pragma once

#include <utility>

namespace playfair {

// A place in the 5 x 5 square; row and column are 0 to 4.
struct SquarePosition
{
    int row = 0;
    int column = 0;

    int cell() const { return 5 * row + column; }
    friend bool operator==(SquarePosition, SquarePosition) = default;
};

// The three Playfair rules, and the pair that none of them takes.
enum class PairRule {
    Rectangle,  // different rows and columns: each letter takes the other's column
    SameColumn, // each letter moves one row down (encrypting) or up (decrypting)
    SameRow,    // each letter moves one column right (encrypting) or left (decrypting)
    SameCell,   // both letters in one cell: the pair gives nothing
};

PairRule ruleFor(SquarePosition first, SquarePosition second);

// Where the two letters of a pair go: `step` is +1 to encrypt and -1 to
// decrypt; rows and columns wrap around the square. Not for SameCell pairs.
std::pair<SquarePosition, SquarePosition> imageOf(SquarePosition first, SquarePosition second, int step);

// Whether imageOf moves a letter of the pair over the square's edge: out of
// the last column into the first (or back, decrypting) for a SameRow pair,
// out of the last row into the first (or back) for a SameColumn pair. A pair
// wraps when encrypting exactly when its cipher pair wraps when decrypting.
bool wrapsAround(SquarePosition first, SquarePosition second, int step);

} // namespace playfair
