#pragma once

#include "analysis/alphabet.h"

#include "engine/keyedsquare.h"

#include <array>
#include <bit>
#include <cstdint>
#include <string_view>

namespace playfair::analysis {

// The letter pool of the program's key-square construction on letter
// numbers, for the key-word search, which builds millions of squares. The
// pool keeps the alphabet's order (letters are only ever taken out), so it
// is the set of its letters, one bit each: a letter is found, taken out and
// the rest written in order by bit operations.
class KeyPool
{
public:
    // The letters are appended in the alphabet's order, A..Z without J.
    void append(char32_t code) { m_letters |= 1u << letterNumber(char(code)); }
    int size() const { return std::popcount(m_letters); }
    Letter at(int position) const
    {
        std::uint32_t rest = m_letters;
        for (int i = 0; i < position; ++i)
            rest &= rest - 1;
        return Letter(std::countr_zero(rest));
    }
    void removeAt(int position) { m_letters &= ~(1u << at(position)); }
    // Takes `letter` out, returning the position it had, or -1 where the
    // pool does not hold it.
    int takeOut(Letter letter)
    {
        if (letter >= 25 || !(m_letters >> letter & 1u))
            return -1;
        const std::uint32_t bit = 1u << letter;
        m_letters &= ~bit;
        return std::popcount(m_letters & (bit - 1));
    }
    // The first letter taken out, as fillRemainingCells takes them.
    Letter takeFirst()
    {
        const Letter letter = Letter(std::countr_zero(m_letters));
        m_letters &= m_letters - 1;
        return letter;
    }

private:
    std::uint32_t m_letters = 0;
};

// A key square being built: the key's letters placed so far and the pool
// of the rest, so that phrases sharing a first word share its placing.
struct KeySquareBuilder
{
    KeyPool pool;
    Square square{};
    int placed = 0;

    // A builder with the whole alphabet in its pool and no key placed yet:
    // filled once, copied for every square.
    static KeySquareBuilder start()
    {
        static const KeySquareBuilder empty = [] {
            KeySquareBuilder builder;
            fillKeyPool(builder.pool);
            return builder;
        }();
        return empty;
    }

    // Places a key's letters (capitals, J as I; anything else is skipped) after
    // those placed before.
    void place(std::string_view key)
    {
        const auto setCell = [this](int cell, Letter letter) { square[std::size_t(placed + cell)] = letter; };
        std::optional<int> scan;
        placed += placeKeyLetters(
            pool, int(key.size()),
            [key](int i) {
                const int letter = letterNumber(key[std::size_t(i - 1)]);
                return letter < 0 ? Letter(0xFF) : Letter(letter);
            },
            setCell, scan);
    }

    // Places key letters given as letter numbers (0..24), after those
    // placed before.
    void place(const Letter *letters, int count)
    {
        const auto setCell = [this](int cell, Letter letter) { square[std::size_t(placed + cell)] = letter; };
        std::optional<int> scan;
        placed += placeKeyLetters(
            pool, count, [letters](int i) { return letters[i - 1]; }, setCell, scan);
    }

    // The key's letters, then the rest of the alphabet in order: the
    // letters in the order they are written in, which by rows is the
    // square (see writtenInBy for the other routes). The builder is spent.
    Square finish()
    {
        fillRemainingCells(pool, placed, [this](int cell, Letter letter) { square[std::size_t(cell)] = letter; });
        return square;
    }
};

// writtenInBy for the classic square, by each route's cells (routeCells)
// worked out once: the key-word search writes millions of squares in.
inline Square squareWrittenIn(const Square &written, SquareRoute route)
{
    static constexpr auto cellsOf = [] {
        std::array<std::array<int, 25>, squareRoutes.size()> cells{};
        for (SquareRoute route : squareRoutes)
            cells[std::size_t(route)] = routeCells(route);
        return cells;
    }();
    if (route == SquareRoute::Rows)
        return written;
    const std::array<int, 25> &cells = cellsOf[std::size_t(route)];
    Square square{};
    for (std::size_t k = 0; k < 25; ++k)
        square[std::size_t(cells[k])] = written[k];
    return square;
}

inline Square keySquareOf(std::string_view key, SquareRoute route = SquareRoute::Rows)
{
    KeySquareBuilder builder = KeySquareBuilder::start();
    builder.place(key);
    return squareWrittenIn(builder.finish(), route);
}

} // namespace playfair::analysis
