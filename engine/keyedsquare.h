#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace playfair {

// The routes by which the key's letters and the rest of the alphabet are
// written into the square. The usual way is row by row; real squares were
// also written in by other agreed plans, each defined here once, by the
// order in which it visits the cells.
enum class SquareRoute : unsigned char {
    Rows,        // row by row, each from left to right
    Columns,     // column by column, each from top to bottom
    RowSnake,    // row by row, the first from left to right, the next back, and so on
    ColumnSnake, // column by column, the first down, the next up, and so on
    Spiral,      // clockwise from the top left: round the edge, then inwards
    Diagonals,   // the diagonals from the top left on, each from its top right end down to the left
};

inline constexpr std::array<SquareRoute, 6> squareRoutes{SquareRoute::Rows,        SquareRoute::Columns,
                                                         SquareRoute::RowSnake,    SquareRoute::ColumnSnake,
                                                         SquareRoute::Spiral,      SquareRoute::Diagonals};

// The cells (0..24, row by row) in the order the route fills them: the
// k-th letter written in goes into cell routeCells(route)[k]. Every route
// starts in the top left cell.
constexpr std::array<int, 25> routeCells(SquareRoute route)
{
    std::array<int, 25> cells{};
    int k = 0;
    switch (route) {
    case SquareRoute::Rows:
    case SquareRoute::RowSnake:
        for (int row = 0; row < 5; ++row) {
            for (int i = 0; i < 5; ++i)
                cells[k++] = 5 * row + (route == SquareRoute::RowSnake && row % 2 == 1 ? 4 - i : i);
        }
        break;
    case SquareRoute::Columns:
    case SquareRoute::ColumnSnake:
        for (int column = 0; column < 5; ++column) {
            for (int i = 0; i < 5; ++i)
                cells[k++] = 5 * (route == SquareRoute::ColumnSnake && column % 2 == 1 ? 4 - i : i) + column;
        }
        break;
    case SquareRoute::Spiral: {
        int top = 0, bottom = 4, left = 0, right = 4;
        while (k < 25) {
            for (int column = left; column <= right; ++column)
                cells[k++] = 5 * top + column;
            for (int row = top + 1; row <= bottom; ++row)
                cells[k++] = 5 * row + right;
            if (top < bottom) {
                for (int column = right - 1; column >= left; --column)
                    cells[k++] = 5 * bottom + column;
            }
            if (left < right) {
                for (int row = bottom - 1; row > top; --row)
                    cells[k++] = 5 * row + left;
            }
            ++top;
            --bottom;
            ++left;
            --right;
        }
        break;
    }
    case SquareRoute::Diagonals:
        for (int diagonal = 0; diagonal <= 8; ++diagonal) {
            for (int row = diagonal < 5 ? 0 : diagonal - 4; row <= diagonal && row < 5; ++row)
                cells[k++] = 5 * row + diagonal - row;
        }
        break;
    }
    return cells;
}

// The route's name as the command line and its JSON give it: "rows",
// "columns", "row-snake", "column-snake", "spiral", "diagonals".
std::string_view routeCode(SquareRoute route);
std::optional<SquareRoute> routeFromCode(std::string_view code);

// A square written in by `route`: `written` holds the 25 letters in the
// order they were written in, the result the square row by row. For any
// array or string of 25 letters.
template<typename Letters>
Letters writtenInBy(const Letters &written, SquareRoute route)
{
    Letters square = written;
    const std::array<int, 25> cells = routeCells(route);
    for (std::size_t k = 0; k < 25; ++k)
        square[std::size_t(cells[k])] = written[k];
    return square;
}

// The letters of a square (row by row) in the order `route` wrote them in.
template<typename Letters>
Letters readAlong(const Letters &square, SquareRoute route)
{
    Letters written = square;
    const std::array<int, 25> cells = routeCells(route);
    for (std::size_t k = 0; k < 25; ++k)
        written[k] = square[std::size_t(cells[k])];
    return written;
}

// How a key word makes the square, written once for the whole program: the
// 25 letters A..Z without J wait in a pool in alphabetical order; each letter
// of the cleaned key, in turn, moves from the pool into the next cell (a
// letter the key has already placed is no longer in the pool and places
// nothing); then the pool, in order, fills the remaining cells.
//
// The steps are templates over the pool and the cells, so that the
// workspace, whose pool is a list control and whose cells are captions, and
// the solver, which tests millions of key words on arrays of letter numbers,
// run the same procedure. A pool offers append(code) for a letter's
// character code, size(), at(position) and removeAt(position), positions
// counting from 0; `setCell(cell, letter)` writes cell 0..24.

// Appends the letters A..Z without J to the pool.
template<typename Pool>
void fillKeyPool(Pool &pool)
{
    for (int n = 1; n <= 26; ++n) {
        const char32_t code = char32_t(64 + n);
        if (code != U'J')
            pool.append(code);
    }
}

// Places the key's letters: `keyLetter(i)` gives letter i (1..keyLength),
// compared with the pool's items by ==. Returns how many cells were filled;
// `scan` is left at the 1-based pool position where the search for the last
// key letter stopped, one past the letter found (or past the whole pool for
// a letter already placed), and unset for an empty key.
template<typename Pool, typename KeyLetter, typename SetCell>
int placeKeyLetters(Pool &pool, int keyLength, KeyLetter keyLetter, SetCell setCell, std::optional<int> &scan)
{
    int cell = 0;
    for (int i = 1; i <= keyLength; ++i) {
        const int poolSize = pool.size(); // read once for each key letter
        const auto letter = keyLetter(i);
        bool found = false;
        for (scan = 1; !found && *scan <= poolSize; scan = *scan + 1) {
            if (letter == pool.at(*scan - 1)) {
                found = true;
                pool.removeAt(*scan - 1);
                setCell(cell++, letter);
            }
        }
    }
    return cell;
}

// Fills the cells from `cell` on with the pool's letters, in order, and
// empties the pool.
template<typename Pool, typename SetCell>
void fillRemainingCells(Pool &pool, int cell, SetCell setCell)
{
    while (cell <= 24) {
        setCell(cell++, pool.at(0));
        pool.removeAt(0);
    }
}

// The square of a cleaned key (the capitals A..Z without J), as 25 letters
// row by row, its letters written in by `route`: the key's letters and then
// the rest of the alphabet, as the steps above give them, follow the route.
std::string keyedSquare(std::string_view cleanedKey, SquareRoute route = SquareRoute::Rows);

// The shortest key that makes `square` (25 letters row by row) by `route`:
// a key square, read along its route, ends after the key's letters in the
// rest of the alphabet in order, so every square has one (at worst its own
// 25 letters; the plain alphabet's is empty). Nothing for a text that is not
// a square.
std::optional<std::string> shortestKeyFor(std::string_view square, SquareRoute route = SquareRoute::Rows);

} // namespace playfair
