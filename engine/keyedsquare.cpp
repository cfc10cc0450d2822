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

std::string keyedSquare(std::string_view cleanedKey)
{
    std::string square(25, ' ');
    const auto setCell = [&square](int cell, char letter) { square[std::size_t(cell)] = letter; };
    LetterPool pool;
    pool.letters.reserve(25);
    fillKeyPool(pool);
    std::optional<int> scan;
    const int placed = placeKeyLetters(
        pool, int(cleanedKey.size()), [cleanedKey](int i) { return cleanedKey[std::size_t(i - 1)]; }, setCell, scan);
    fillRemainingCells(pool, placed, setCell);
    return square;
}

std::optional<std::string> shortestKeyFor(std::string_view square)
{
    if (!isSquare(square))
        return std::nullopt;
    // The letters after the key run in alphabetical order, so the key ends
    // where that run begins.
    std::size_t start = square.size();
    while (start > 0 && (start == square.size() || square[start - 1] < square[start]))
        --start;
    return std::string(square.substr(0, start));
}

} // namespace playfair
