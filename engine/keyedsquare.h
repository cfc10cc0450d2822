#pragma once

#include "alphabet.h"
#include "rules.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// Calls visit(cell) for the cells of a square of `shape` (numbered row by
// row) in the order the route fills them: the k-th letter written in goes
// into the k-th cell visited. Every route starts in the top left cell.
template<typename Visit>
constexpr void visitRoute(SquareRoute route, SquareShape shape, Visit visit)
{
    const int rows = shape.rows;
    const int columns = shape.columns;
    switch (route) {
    case SquareRoute::Rows:
    case SquareRoute::RowSnake:
        for (int row = 0; row < rows; ++row) {
            for (int i = 0; i < columns; ++i)
                visit(columns * row + (route == SquareRoute::RowSnake && row % 2 == 1 ? columns - 1 - i : i));
        }
        break;
    case SquareRoute::Columns:
    case SquareRoute::ColumnSnake:
        for (int column = 0; column < columns; ++column) {
            for (int i = 0; i < rows; ++i)
                visit(columns * (route == SquareRoute::ColumnSnake && column % 2 == 1 ? rows - 1 - i : i) + column);
        }
        break;
    case SquareRoute::Spiral: {
        int top = 0, bottom = rows - 1, left = 0, right = columns - 1;
        while (top <= bottom && left <= right) {
            for (int column = left; column <= right; ++column)
                visit(columns * top + column);
            for (int row = top + 1; row <= bottom; ++row)
                visit(columns * row + right);
            if (top < bottom) {
                for (int column = right - 1; column >= left; --column)
                    visit(columns * bottom + column);
            }
            if (left < right) {
                for (int row = bottom - 1; row > top; --row)
                    visit(columns * row + left);
            }
            ++top;
            --bottom;
            ++left;
            --right;
        }
        break;
    }
    case SquareRoute::Diagonals:
        for (int diagonal = 0; diagonal <= rows + columns - 2; ++diagonal) {
            for (int row = diagonal < columns ? 0 : diagonal - columns + 1; row <= diagonal && row < rows; ++row)
                visit(columns * row + diagonal - row);
        }
        break;
    }
}

// The cells (0..24, row by row) of the classic square in the order the
// route fills them: the k-th letter written in goes into cell
// routeCells(route)[k].
constexpr std::array<int, 25> routeCells(SquareRoute route)
{
    std::array<int, 25> cells{};
    int k = 0;
    visitRoute(route, classicShape, [&cells, &k](int cell) { cells[std::size_t(k++)] = cell; });
    return cells;
}

// The same for a square of any shape.
std::vector<int> routeCells(SquareRoute route, SquareShape shape);

// The route's name as the command line and its JSON give it: "rows",
// "columns", "row-snake", "column-snake", "spiral", "diagonals".
std::string_view routeCode(SquareRoute route);
std::optional<SquareRoute> routeFromCode(std::string_view code);

// A square written in by `route`: `written` holds the letters in the order
// they were written in, the result the square row by row. For any array or
// string of shape.cells() letters.
template<typename Letters>
Letters writtenInBy(const Letters &written, SquareRoute route, SquareShape shape = classicShape)
{
    Letters square = written;
    std::size_t k = 0;
    visitRoute(route, shape, [&](int cell) { square[std::size_t(cell)] = written[k++]; });
    return square;
}

// The letters of a square (row by row) in the order `route` wrote them in.
template<typename Letters>
Letters readAlong(const Letters &square, SquareRoute route, SquareShape shape = classicShape)
{
    Letters written = square;
    std::size_t k = 0;
    visitRoute(route, shape, [&](int cell) { written[k++] = square[std::size_t(cell)]; });
    return written;
}

// How a key word makes the square, written once for the whole program and
// every alphabet: the alphabet's letters (for the classic square the 25
// letters A..Z without J) wait in a pool in their order; each letter
// of the cleaned key, in turn, moves from the pool into the next cell (a
// letter the key has already placed is no longer in the pool and places
// nothing); then the pool, in order, fills the remaining cells.
//
// The steps are templates over the pool and the cells, so that the
// workspace, whose pool is a list control and whose cells are captions, and
// the solver, which tests millions of key words on arrays of letter numbers,
// run the same procedure. A pool offers append(code) for a letter's
// character code, size(), at(position) and removeAt(position), positions
// counting from 0; `setCell(cell, letter)` writes cell 0..cells - 1 (0..24
// on the classic square). A pool may also offer takeOut(letter), which takes
// the letter out and gives the position it had or -1, in place of the scan
// along it, and takeFirst() for at(0) and removeAt(0).

// Appends the alphabet's letters to the pool in order: A..Z without J for
// the classic square.
template<typename Pool>
void fillKeyPool(Pool &pool, const Alphabet &alphabet = Alphabet::classic())
{
    for (char32_t code : alphabet.letters())
        pool.append(code);
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
        if constexpr (requires { pool.takeOut(letter); }) {
            // A pool that takes a letter out itself, giving the position
            // it had (-1 for none), ends the same search where the scan
            // below would.
            const int position = pool.takeOut(letter);
            if (position < 0) {
                scan = poolSize + 1;
            } else {
                scan = position + 2;
                setCell(cell++, letter);
            }
        } else {
            bool found = false;
            for (scan = 1; !found && *scan <= poolSize; scan = *scan + 1) {
                if (letter == pool.at(*scan - 1)) {
                    found = true;
                    pool.removeAt(*scan - 1);
                    setCell(cell++, letter);
                }
            }
        }
    }
    return cell;
}

// Fills the cells from `cell` on with the pool's letters, in order, and
// empties the pool; `cells` is the square's number of cells.
template<typename Pool, typename SetCell>
void fillRemainingCells(Pool &pool, int cell, SetCell setCell, int cells = classicShape.cells())
{
    while (cell < cells) {
        if constexpr (requires { pool.takeFirst(); }) {
            setCell(cell++, pool.takeFirst());
        } else {
            setCell(cell++, pool.at(0));
            pool.removeAt(0);
        }
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

// The same for every alphabet: the square of a cleaned key (the alphabet's
// letters; anything else places nothing) as the alphabet's letters row by
// row, and the shortest key that makes a square of the alphabet.
std::u32string keyedSquare(const Alphabet &alphabet, std::u32string_view cleanedKey,
                           SquareRoute route = SquareRoute::Rows);
std::optional<std::u32string> shortestKeyFor(const Alphabet &alphabet, std::u32string_view square,
                                             SquareRoute route = SquareRoute::Rows);

} // namespace playfair
