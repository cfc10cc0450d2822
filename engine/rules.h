#pragma once

#include <utility>

namespace playfair {

// The shape of a square: its rows and columns. The classic square is 5 x 5;
// the rules work alike on any rectangle (see alphabet.h for the others).
struct SquareShape
{
    int rows = 5;
    int columns = 5;

    constexpr int cells() const { return rows * columns; }
    friend constexpr bool operator==(SquareShape, SquareShape) = default;
};

inline constexpr SquareShape classicShape{5, 5};

// A place in a square; row is 0 to rows - 1, column 0 to columns - 1 of its
// shape (0 to 4 on the classic square).
struct SquarePosition
{
    int row = 0;
    int column = 0;

    // The cell's number, row by row.
    constexpr int cell(SquareShape shape = classicShape) const { return shape.columns * row + column; }
    static constexpr SquarePosition ofCell(int cell, SquareShape shape = classicShape)
    {
        return {cell / shape.columns, cell % shape.columns};
    }
    friend constexpr bool operator==(SquarePosition, SquarePosition) = default;
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
// decrypt; rows and columns wrap around the square of `shape`. Not for
// SameCell pairs.
std::pair<SquarePosition, SquarePosition> imageOf(SquarePosition first, SquarePosition second, int step,
                                                  SquareShape shape = classicShape);

// Whether imageOf moves a letter of the pair over the square's edge: out of
// the last column into the first (or back, decrypting) for a SameRow pair,
// out of the last row into the first (or back) for a SameColumn pair. A pair
// wraps when encrypting exactly when its cipher pair wraps when decrypting.
bool wrapsAround(SquarePosition first, SquarePosition second, int step, SquareShape shape = classicShape);

} // namespace playfair
