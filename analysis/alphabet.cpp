#include "analysis/alphabet.h"

namespace playfair::analysis {

std::string lettersToText(const Letter *letters, std::size_t count)
{
    std::string text(count, ' ');
    for (std::size_t i = 0; i < count; ++i)
        text[i] = letterName(letters[i]);
    return text;
}

std::string squareToText(const Square &square)
{
    return lettersToText(square.data(), square.size());
}

bool squareFromText(std::string_view text, Square &square)
{
    std::array<bool, letterCount> seen{};
    std::size_t cell = 0;
    for (char c : text) {
        const int number = letterNumber(c);
        if (number < 0 || cell == 25 || seen[number])
            return false;
        seen[number] = true;
        square[cell++] = Letter(number);
    }
    return cell == 25;
}

Square shiftedSquare(const Square &square, int rows, int columns)
{
    Square shifted{};
    for (int cell = 0; cell < 25; ++cell) {
        const int row = (cell / 5 + rows) % 5;
        const int column = (cell % 5 + columns) % 5;
        shifted[5 * row + column] = square[cell];
    }
    return shifted;
}

Square squareWithLetterFirst(const Square &square, Letter letter)
{
    for (int cell = 0; cell < 25; ++cell) {
        if (square[cell] == letter)
            return shiftedSquare(square, (5 - cell / 5) % 5, (5 - cell % 5) % 5);
    }
    return square;
}

} // namespace playfair::analysis
