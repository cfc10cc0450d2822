#include "analysis/squarealignment.h"

namespace playfair::analysis {

SquareAlignment alignedSquare(const Square &candidate, const Square &truth)
{
    SquareAlignment best;
    best.count = -1;
    for (int rows = 0; rows < 5; ++rows) {
        for (int columns = 0; columns < 5; ++columns) {
            SquareAlignment shifted;
            shifted.square = shiftedSquare(candidate, rows, columns);
            for (int cell = 0; cell < 25; ++cell) {
                shifted.inPlace[cell] = shifted.square[cell] == truth[cell];
                shifted.count += shifted.inPlace[cell];
            }
            if (shifted.count > best.count)
                best = shifted;
        }
    }
    return best;
}

} // namespace playfair::analysis
