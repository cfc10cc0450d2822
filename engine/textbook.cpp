#include "textbook.h"

#include "rules.h"

#include <cassert>
#include <vector>

namespace playfair {

std::u32string preparedMessage(const Alphabet &alphabet, std::u32string_view cleanedLetters, Doubles doubles)
{
    std::u32string prepared;
    prepared.reserve(cleanedLetters.size() + cleanedLetters.size() / 8 + 2);
    std::size_t i = 0;
    while (i < cleanedLetters.size()) {
        const char32_t first = cleanedLetters[i];
        prepared += first;
        if (i + 1 < cleanedLetters.size() && (cleanedLetters[i + 1] != first || doubles == Doubles::Kept)) {
            prepared += cleanedLetters[i + 1];
            i += 2;
        } else {
            // A doubled pair is split by the filler, and the second letter
            // starts the next pair; a last letter alone is evened by it.
            prepared += alphabet.fillerAfter(first);
            i += 1;
        }
    }
    return prepared;
}

bool isSquare(const Alphabet &alphabet, std::u32string_view square)
{
    if (int(square.size()) != alphabet.size())
        return false;
    std::vector<bool> seen(square.size());
    for (char32_t letter : square) {
        const int index = alphabet.indexOf(letter);
        if (index < 0 || seen[std::size_t(index)])
            return false;
        seen[std::size_t(index)] = true;
    }
    return true;
}

std::u32string transformedPairs(const Alphabet &alphabet, std::u32string_view square, std::u32string_view text,
                                int step)
{
    assert(isSquare(alphabet, square) && text.size() % 2 == 0);
    const SquareShape shape = alphabet.shape();
    std::vector<SquarePosition> position(square.size());
    for (int cell = 0; cell < shape.cells(); ++cell)
        position[std::size_t(alphabet.indexOf(square[std::size_t(cell)]))] = SquarePosition::ofCell(cell, shape);

    std::u32string result(text.size(), U' ');
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        const auto [first, second] = imageOf(position[std::size_t(alphabet.indexOf(text[i]))],
                                             position[std::size_t(alphabet.indexOf(text[i + 1]))], step, shape);
        result[i] = square[std::size_t(first.cell(shape))];
        result[i + 1] = square[std::size_t(second.cell(shape))];
    }
    return result;
}

std::string preparedMessage(std::string_view cleanedLetters, Doubles doubles)
{
    return narrowed(preparedMessage(Alphabet::classic(), widened(cleanedLetters), doubles));
}

bool isSquare(std::string_view square)
{
    return isSquare(Alphabet::classic(), widened(square));
}

std::string transformedPairs(std::string_view square, std::string_view text, int step)
{
    return narrowed(transformedPairs(Alphabet::classic(), widened(square), widened(text), step));
}

} // namespace playfair
