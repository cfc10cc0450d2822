#pragma once

#include "analysis/alphabet.h"

#include "engine/keyedsquare.h"

#include <array>
#include <cstring>
#include <string_view>

namespace playfair::analysis {

// The letter pool of the program's key-square construction on letter
// numbers, for the key-word search, which builds millions of squares: the
// pool's first letters are taken most often, so they are dropped by moving
// its start rather than the letters.
class KeyPool
{
public:
    void append(char32_t code) { m_letters[m_end++] = Letter(letterNumber(char(code))); }
    int size() const { return m_end - m_start; }
    Letter at(int position) const { return m_letters[std::size_t(m_start + position)]; }
    void removeAt(int position)
    {
        if (position == 0) {
            ++m_start;
            return;
        }
        Letter *first = m_letters.data() + m_start + position;
        std::memmove(first, first + 1, std::size_t(m_end - m_start - position - 1));
        --m_end;
    }

private:
    std::array<Letter, 25> m_letters{};
    int m_start = 0;
    int m_end = 0;
};

// A key square being built: the key's letters placed so far and the pool
// of the rest, so that phrases sharing a first word share its placing.
struct KeySquareBuilder
{
    KeyPool pool;
    Square square{};
    int placed = 0;

    static KeySquareBuilder start()
    {
        KeySquareBuilder builder;
        fillKeyPool(builder.pool);
        return builder;
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

    // The key's letters, then the rest of the alphabet in order: the
    // letters in the order they are written in, which by rows is the
    // square (see writtenInBy for the other routes). The builder is spent.
    Square finish()
    {
        fillRemainingCells(pool, placed, [this](int cell, Letter letter) { square[std::size_t(cell)] = letter; });
        return square;
    }
};

inline Square keySquareOf(std::string_view key, SquareRoute route = SquareRoute::Rows)
{
    KeySquareBuilder builder = KeySquareBuilder::start();
    builder.place(key);
    return writtenInBy(builder.finish(), route);
}

} // namespace playfair::analysis
