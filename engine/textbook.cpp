#include "textbook.h"

#include "rules.h"

#include <array>
#include <cassert>

namespace playfair {

std::string preparedMessage(std::string_view cleanedLetters, Doubles doubles)
{
    std::string prepared;
    prepared.reserve(cleanedLetters.size() + cleanedLetters.size() / 8 + 2);
    std::size_t i = 0;
    while (i < cleanedLetters.size()) {
        const char first = cleanedLetters[i];
        const char filler = first == 'X' ? 'Q' : 'X';
        prepared += first;
        if (i + 1 < cleanedLetters.size() && (cleanedLetters[i + 1] != first || doubles == Doubles::Kept)) {
            prepared += cleanedLetters[i + 1];
            i += 2;
        } else {
            // A doubled pair is split by the filler, and the second letter
            // starts the next pair; a last letter alone is evened by it.
            prepared += filler;
            i += 1;
        }
    }
    return prepared;
}

bool isSquare(std::string_view square)
{
    if (square.size() != 25)
        return false;
    std::array<bool, 26> seen{};
    for (char letter : square) {
        if (letter < 'A' || letter > 'Z' || letter == 'J' || seen[letter - 'A'])
            return false;
        seen[letter - 'A'] = true;
    }
    return true;
}

std::string transformedPairs(std::string_view square, std::string_view text, int step)
{
    assert(isSquare(square) && text.size() % 2 == 0);
    std::array<SquarePosition, 26> position{};
    for (int cell = 0; cell < 25; ++cell)
        position[square[cell] - 'A'] = {cell / 5, cell % 5};

    std::string result(text.size(), ' ');
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        const auto [first, second] = imageOf(position[text[i] - 'A'], position[text[i + 1] - 'A'], step);
        result[i] = square[first.cell()];
        result[i + 1] = square[second.cell()];
    }
    return result;
}

} // namespace playfair
