#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace playfair {

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
// row by row.
std::string keyedSquare(std::string_view cleanedKey);

// The shortest key that makes `square` (25 letters row by row): a key
// square ends, after the key's letters, in the rest of the alphabet in
// order, so every square has one (at worst its own 25 letters; the plain
// alphabet's is empty). Nothing for a text that is not a square.
std::optional<std::string> shortestKeyFor(std::string_view square);

} // namespace playfair
