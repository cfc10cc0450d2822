#include "keyedsquare.h"

#include "textbook.h"

#include <algorithm>

namespace playfair {

namespace {

// A pool of letters in a string.
struct LetterPool
{
    std::u32string letters;

    void append(char32_t code) { letters += code; }
    int size() const { return int(letters.size()); }
    char32_t at(int position) const { return letters[std::size_t(position)]; }
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

std::vector<int> routeCells(SquareRoute route, SquareShape shape)
{
    std::vector<int> cells;
    cells.reserve(std::size_t(shape.cells()));
    visitRoute(route, shape, [&cells](int cell) { cells.push_back(cell); });
    return cells;
}

std::u32string keyedSquare(const Alphabet &alphabet, std::u32string_view cleanedKey, SquareRoute route)
{
    const SquareShape shape = alphabet.shape();
    std::u32string written(std::size_t(shape.cells()), U' ');
    const auto setCell = [&written](int cell, char32_t letter) { written[std::size_t(cell)] = letter; };
    LetterPool pool;
    pool.letters.reserve(written.size());
    fillKeyPool(pool, alphabet);
    std::optional<int> scan;
    const int placed = placeKeyLetters(
        pool, int(cleanedKey.size()), [cleanedKey](int i) { return cleanedKey[std::size_t(i - 1)]; }, setCell, scan);
    fillRemainingCells(pool, placed, setCell, shape.cells());
    return writtenInBy(written, route, shape);
}

std::optional<std::u32string> shortestKeyFor(const Alphabet &alphabet, std::u32string_view square, SquareRoute route)
{
    if (!isSquare(alphabet, square))
        return std::nullopt;
    // The letters after the key run in the alphabet's order along the route,
    // so the key ends where that run begins.
    const std::u32string written = readAlong(std::u32string(square), route, alphabet.shape());
    std::size_t start = written.size();
    while (start > 0
           && (start == written.size() || alphabet.indexOf(written[start - 1]) < alphabet.indexOf(written[start])))
        --start;
    return written.substr(0, start);
}

std::string keyedSquare(std::string_view cleanedKey, SquareRoute route)
{
    return narrowed(keyedSquare(Alphabet::classic(), widened(cleanedKey), route));
}

std::optional<std::string> shortestKeyFor(std::string_view square, SquareRoute route)
{
    if (const auto key = shortestKeyFor(Alphabet::classic(), widened(square), route))
        return narrowed(*key);
    return std::nullopt;
}

} // namespace playfair
