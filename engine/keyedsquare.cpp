#include "keyedsquare.h"

#include "textbook.h"

#include <algorithm>

namespace playfair {

namespace {

// A pool of capital letters in a string.
struct LetterPool
{
    std::string letters;

    void append(char32_t code) { letters += char(code); }
    int size() const { return int(letters.size()); }
    char at(int position) const { return letters[std::size_t(position)]; }
    void removeAt(int position) { letters.erase(std::size_t(position), 1); }
};

} // namespace

std::string_view routeCode(SquareRoute route)
{
    switch (route) {
    case SquareRoute::Rows:
        return "rows";
    case SquareRoute::Columns:
        return "columns";
    case SquareRoute::RowSnake:
        return "row-snake";
    case SquareRoute::ColumnSnake:
        return "column-snake";
    case SquareRoute::Spiral:
        return "spiral";
    case SquareRoute::Diagonals:
        return "diagonals";
    }
    return {};
}

std::optional<SquareRoute> routeFromCode(std::string_view code)
{
    for (SquareRoute route : squareRoutes) {
        if (routeCode(route) == code)
            return route;
    }
    return std::nullopt;
}

std::string keyedSquare(std::string_view cleanedKey, SquareRoute route)
{
    std::string square(25, ' ');
    const std::array<int, 25> cells = routeCells(route);
    const auto setCell = [&square, &cells](int cell, char letter) { square[std::size_t(cells[std::size_t(cell)])] = letter; };
    LetterPool pool;
    pool.letters.reserve(25);
    fillKeyPool(pool);
    std::optional<int> scan;
    const int placed = placeKeyLetters(
        pool, int(cleanedKey.size()), [cleanedKey](int i) { return cleanedKey[std::size_t(i - 1)]; }, setCell, scan);
    fillRemainingCells(pool, placed, setCell);
    return square;
}

std::optional<std::string> shortestKeyFor(std::string_view square, SquareRoute route)
{
    if (!isSquare(square))
        return std::nullopt;
    // The letters after the key run in alphabetical order along the route,
    // so the key ends where that run begins.
    const std::string written = readAlong(std::string(square), route);
    std::size_t start = written.size();
    while (start > 0 && (start == written.size() || written[start - 1] < written[start]))
        --start;
    return written.substr(0, start);
}

} // namespace playfair
