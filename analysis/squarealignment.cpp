#include "analysis/squarealignment.h"

namespace playfair::analysis {

LetterAlignment alignedLetters(std::u32string_view candidate, std::u32string_view truth, int rows, int columns)
{
    const std::size_t cells = std::size_t(rows) * std::size_t(columns);
    LetterAlignment best;
    best.count = -1;
    if (candidate.size() != cells || truth.size() != cells)
        return {std::u32string(candidate), std::vector<bool>(candidate.size(), false), 0};
    LetterAlignment shifted;
    shifted.square.resize(cells);
    shifted.inPlace.resize(cells);
    for (int down = 0; down < rows; ++down) {
        for (int right = 0; right < columns; ++right) {
            shifted.count = 0;
            for (std::size_t cell = 0; cell < cells; ++cell) {
                const int row = (int(cell) / columns + down) % rows;
                const int column = (int(cell) % columns + right) % columns;
                shifted.square[std::size_t(row * columns + column)] = candidate[cell];
            }
            for (std::size_t cell = 0; cell < cells; ++cell) {
                shifted.inPlace[cell] = shifted.square[cell] == truth[cell];
                shifted.count += shifted.inPlace[cell];
            }
            if (shifted.count > best.count)
                best = shifted;
        }
    }
    return best;
}

SquareAlignment alignedSquare(const Square &candidate, const Square &truth)
{
    const auto cells = [](const Square &square) {
        std::u32string letters;
        for (Letter letter : square)
            letters += char32_t(letter);
        return letters;
    };
    const LetterAlignment aligned = alignedLetters(cells(candidate), cells(truth), 5, 5);
    SquareAlignment result;
    for (std::size_t cell = 0; cell < 25; ++cell) {
        result.square[cell] = Letter(aligned.square[cell]);
        result.inPlace[cell] = aligned.inPlace[cell];
    }
    result.count = aligned.count;
    return result;
}

} // namespace playfair::analysis
