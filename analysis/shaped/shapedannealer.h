#pragma once

#include "analysis/search/random.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <vector>

namespace playfair::analysis {

// The Playfair rules on a rows x columns rectangle as look-up tables: for
// two different cells a and b, entry cells * a + b holds the cells their
// letters go to when decrypting, the first in the low byte.
template<int Rows, int Columns>
struct ShapedPairTable
{
    static constexpr int cells = Rows * Columns;
    std::array<std::uint16_t, cells * cells> decrypt{};
    std::array<std::uint16_t, cells * cells> encrypt{};
};

// One search for the key of a rows x columns square, on one thread: simulated
// annealing at a fixed temperature from a random square (or from the best
// found so far, shaken), then a climb over all letter swaps. The shape is a
// template parameter, so the hot loop's arithmetic on cells is constant.
template<int Rows, int Columns>
class ShapedAnnealer
{
public:
    static constexpr int cells = Rows * Columns;
    using Square = std::array<std::uint8_t, cells>;

    ShapedAnnealer(const std::uint8_t *quadgrams, const ShapedPairTable<Rows, Columns> &tables,
                   const std::vector<std::uint8_t> &ciphertext, std::uint64_t seed)
        : m_table(quadgrams)
        , m_decrypt(tables.decrypt.data())
        , m_random(seed)
    {
        for (std::size_t i = 0; i + 1 < ciphertext.size(); i += 2) {
            m_first.push_back(ciphertext[i]);
            m_second.push_back(ciphertext[i + 1]);
        }
        m_plain.assign(m_first.size() * 2, 0);
    }

    int scoreOf(const Square &square)
    {
        m_square = square;
        for (int cell = 0; cell < cells; ++cell)
            m_cellOf[m_square[cell]] = std::uint8_t(cell);
        return evaluate();
    }

    const std::vector<std::uint8_t> &plaintext() const { return m_plain; }

    struct Outcome
    {
        int score = 0;
        Square square{};
    };

    // One restart: `temperature` in table units; `best` may be null.
    Outcome restart(double temperature, std::uint32_t moves, const Square *best, const std::atomic<bool> &stop,
                    std::atomic<std::uint64_t> &keys)
    {
        if (best) {
            m_square = *best;
            for (int shake = 0; shake < 4; ++shake)
                std::swap(m_square[m_random.below(cells)], m_square[m_random.below(cells)]);
        } else {
            for (int cell = 0; cell < cells; ++cell)
                m_square[cell] = std::uint8_t(cell);
            for (int cell = cells - 1; cell > 0; --cell)
                std::swap(m_square[cell], m_square[m_random.below(std::uint32_t(cell + 1))]);
        }
        int score = scoreOf(m_square);
        Outcome outcome{score, m_square};
        // T ln u on a grid of u, worked out once a restart.
        std::array<int, 256> threshold{};
        for (int k = 0; k < 256; ++k)
            threshold[std::size_t(k)] = int(std::lround(temperature * std::log((k + 0.5) / 256.0)));
        std::uint64_t tried = 0;
        for (std::uint32_t move = 0; move < moves; ++move) {
            const Square before = m_square;
            const bool swapped = proposeMove();
            const int next = evaluate();
            if (next - score >= threshold[m_random.below(256)]) {
                score = next;
                if (score > outcome.score)
                    outcome = {score, m_square};
            } else if (swapped) {
                swapCells(m_swapped[0], m_swapped[1]);
            } else {
                m_square = before;
                for (int cell = 0; cell < cells; ++cell)
                    m_cellOf[m_square[cell]] = std::uint8_t(cell);
            }
            if ((++tried & 1023) == 0) {
                keys.fetch_add(1024, std::memory_order_relaxed);
                if (stop.load(std::memory_order_relaxed))
                    return outcome;
            }
        }
        // A climb over all letter swaps from the best square met.
        score = scoreOf(outcome.square);
        for (bool better = true; better && !stop.load(std::memory_order_relaxed);) {
            better = false;
            for (int a = 0; a < cells; ++a) {
                for (int b = a + 1; b < cells; ++b) {
                    swapCells(a, b);
                    const int next = evaluate();
                    if (next > score) {
                        score = next;
                        better = true;
                    } else {
                        swapCells(a, b);
                    }
                }
            }
            keys.fetch_add(cells * (cells - 1) / 2, std::memory_order_relaxed);
        }
        outcome = {score, m_square};
        scoreOf(outcome.square);
        return outcome;
    }

private:
    void swapCells(int a, int b)
    {
        std::swap(m_square[a], m_square[b]);
        m_cellOf[m_square[a]] = std::uint8_t(a);
        m_cellOf[m_square[b]] = std::uint8_t(b);
    }

    // Makes a random move; true for a swap of two letters, whose cells
    // m_swapped holds.
    bool proposeMove()
    {
        const std::uint32_t kind = m_random.below(100);
        std::uint8_t *s = m_square.data();
        if (kind < 80) {
            const int a = int(m_random.below(cells));
            int b = int(m_random.below(cells - 1));
            b += b >= a;
            swapCells(a, b);
            m_swapped = {a, b};
            return true;
        }
        if (kind < 88) { // two rows
            const int a = int(m_random.below(Rows));
            int b = int(m_random.below(Rows - 1));
            b += b >= a;
            for (int column = 0; column < Columns; ++column)
                std::swap(s[Columns * a + column], s[Columns * b + column]);
        } else if (kind < 96) { // two columns
            const int a = int(m_random.below(Columns));
            int b = int(m_random.below(Columns - 1));
            b += b >= a;
            for (int row = 0; row < Rows; ++row)
                std::swap(s[Columns * row + a], s[Columns * row + b]);
        } else if (kind < 97) { // top to bottom
            for (int row = 0; row < Rows / 2; ++row) {
                for (int column = 0; column < Columns; ++column)
                    std::swap(s[Columns * row + column], s[Columns * (Rows - 1 - row) + column]);
            }
        } else if (kind < 98) { // left to right
            for (int row = 0; row < Rows; ++row) {
                for (int column = 0; column < Columns / 2; ++column)
                    std::swap(s[Columns * row + column], s[Columns * row + Columns - 1 - column]);
            }
        } else if (kind < 99 && Rows == Columns) { // transposed
            for (int row = 0; row < Rows; ++row) {
                for (int column = row + 1; column < Columns; ++column)
                    std::swap(s[Columns * row + column], s[Columns * column + row]);
            }
        } else { // both flips
            std::reverse(s, s + cells);
        }
        for (int cell = 0; cell < cells; ++cell)
            m_cellOf[s[cell]] = std::uint8_t(cell);
        return false;
    }

    int evaluate()
    {
        const std::size_t pairs = m_first.size();
        std::uint8_t *plain = m_plain.data();
        for (std::size_t i = 0; i < pairs; ++i) {
            const std::uint16_t to = m_decrypt[cells * m_cellOf[m_first[i]] + m_cellOf[m_second[i]]];
            plain[2 * i] = m_square[to & 0xFF];
            plain[2 * i + 1] = m_square[to >> 8];
        }
        int total = 0;
        constexpr std::uint32_t n = cells;
        for (std::size_t i = 0; i + 4 <= 2 * pairs; ++i)
            total += m_table[((plain[i] * n + plain[i + 1]) * n + plain[i + 2]) * n + plain[i + 3]];
        return total;
    }

    const std::uint8_t *m_table;
    const std::uint16_t *m_decrypt;
    Random m_random;
    std::vector<std::uint8_t> m_first;
    std::vector<std::uint8_t> m_second;
    std::vector<std::uint8_t> m_plain;
    Square m_square{};
    std::array<std::uint8_t, cells> m_cellOf{};
    std::array<int, 2> m_swapped{};
};

} // namespace playfair::analysis
