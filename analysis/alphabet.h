#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace playfair::analysis {

// The solver works on letter numbers: 0..24 for A..Z without J, the 25 letters
// of the square. A square is 25 letter numbers, row by row.
inline constexpr int letterCount = 25;
using Letter = std::uint8_t;
using Square = std::array<Letter, 25>;

// The number of an ASCII letter in either case, J counted as I; -1 for
// anything else.
constexpr int letterNumber(char c)
{
    if (c >= 'a' && c <= 'z')
        c = char(c - 'a' + 'A');
    if (c < 'A' || c > 'Z')
        return -1;
    if (c == 'J')
        c = 'I';
    return c < 'J' ? c - 'A' : c - 'A' - 1;
}

constexpr char letterName(int number)
{
    return char(number < 9 ? 'A' + number : 'A' + number + 1);
}

std::string lettersToText(const Letter *letters, std::size_t count);
std::string squareToText(const Square &square);

// The square written as 25 letters row by row (either case, J as I), or
// false when the text is not a square of the 25 letters, each once.
bool squareFromText(std::string_view text, Square &square);

// The 25 cyclic shifts of a square (rows moved down by `rows`, columns
// moved right by `columns`) encrypt and decrypt alike.
Square shiftedSquare(const Square &square, int rows, int columns);

// The shift of `square` that puts `letter` in the top left cell: one
// representative for all 25 shifts that decrypt alike.
Square squareWithLetterFirst(const Square &square, Letter letter);

} // namespace playfair::analysis
