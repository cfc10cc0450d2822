#pragma once

#include "analysis/crib.h"
#include "analysis/search/random.h"
#include "analysis/shaped/shapedscore.h"
#include "engine/rules.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <vector>

namespace playfair::analysis {

// The Playfair rules on a rows x columns rectangle as look-up tables: for
// two different cells a and b, entry cells * a + b holds the cells their
// letters go to when decrypting, the first in the low byte. Made once from
// the program's own rules (engine/rules.h).
template<int Rows, int Columns>
struct ShapedPairTable
{
    static constexpr int cells = Rows * Columns;
    std::array<std::uint16_t, cells * cells> decrypt{};
    std::array<std::uint16_t, cells * cells> encrypt{};

    static const ShapedPairTable &get()
    {
        static const ShapedPairTable table = [] {
            ShapedPairTable t;
            const SquareShape shape{Rows, Columns};
            for (int a = 0; a < cells; ++a) {
                for (int b = 0; b < cells; ++b) {
                    if (a == b)
                        continue;
                    const SquarePosition pa = SquarePosition::ofCell(a, shape);
                    const SquarePosition pb = SquarePosition::ofCell(b, shape);
                    const auto [d1, d2] = imageOf(pa, pb, -1, shape);
                    const auto [e1, e2] = imageOf(pa, pb, +1, shape);
                    t.decrypt[std::size_t(cells * a + b)] = std::uint16_t(d1.cell(shape) | d2.cell(shape) << 8);
                    t.encrypt[std::size_t(cells * a + b)] = std::uint16_t(e1.cell(shape) | e2.cell(shape) << 8);
                }
            }
            return t;
        }();
        return table;
    }
};

// How the searches on a shape run. The moves, in per cent of all moves:
// two letters swapped, two rows or two columns swapped; the rest flip the
// square (top to bottom, left to right, both) or transpose it (square
// shapes only).
struct ShapedPlan
{
    double temperature = 0; // in table units
    std::uint32_t moves = 0; // a restart's annealing moves
    int swapPercent = 80;
    int lineSwapPercent = 16;
    int shakeSwaps = 4; // the letters swapped in the best square a restart starts from
    // The share of the searches, in per cent, that start from the best
    // square found so far, shaken; the rest start from random squares.
    int fromBestPercent = 50;
    // Of the rest, in per cent of all moves: a row's or a column's letters
    // shifted round by one, or a row or a column moved to another place.
    int blockPercent = 0;
    // A search by parallel tempering (shapedtempering.h) when more than one:
    // this many squares on a ladder of temperatures up to `hottest` times
    // the plan's, trading squares every `exchangeMoves` moves of each.
    int replicas = 1;
    double hottest = 3;
    std::uint32_t exchangeMoves = 2000;
};

// One search for the key of a rows x columns square, on one thread: simulated
// annealing at a fixed temperature from a random square (or from the best
// found so far, shaken), then a climb over all letter swaps. The shape is a
// template parameter, so the hot loop's arithmetic on cells is constant.
//
// The plaintext is kept from move to move: after a swap of the letters x and
// y only the pairs whose ciphertext holds x or y decrypt anew, and elsewhere
// x and y trade places in it; only the other moves decrypt every pair. The
// score sums all four-letter groups, eight at a time where the processor
// can: on texts of 300 letters or fewer that is cheaper than rescoring only
// the groups a move changed, a fifth to a half of them, one by one.
template<int Rows, int Columns>
class ShapedAnnealer
{
public:
    static constexpr int cells = Rows * Columns;
    using Square = std::array<std::uint8_t, cells>;

    // `quadgrams` is the table of the alphabet's cells letters, with
    // 4 bytes of room after its end. A `crib` (known pairs bound to the
    // ciphertext's places; may be null) costs `cribPenalty` table units for
    // each of its letters a plaintext gets wrong.
    ShapedAnnealer(const std::uint8_t *quadgrams, const ShapedPairTable<Rows, Columns> &tables,
                   const std::vector<std::uint8_t> &ciphertext, std::uint64_t seed, const Crib *crib = nullptr,
                   int cribPenalty = 0)
        : m_table(quadgrams)
        , m_decrypt(tables.decrypt.data())
        , m_random(seed)
        , m_crib(crib)
        , m_cribPenalty(cribPenalty)
    {
        for (std::size_t i = 0; i + 1 < ciphertext.size(); i += 2) {
            const auto pair = std::uint32_t(m_first.size());
            m_first.push_back(ciphertext[i]);
            m_second.push_back(ciphertext[i + 1]);
            m_pairsWith[ciphertext[i]].push_back(pair);
            if (ciphertext[i + 1] != ciphertext[i])
                m_pairsWith[ciphertext[i + 1]].push_back(pair);
        }
        m_letters = m_first.size() * 2;
        // The room after the letters holds no letter, so swapping letters
        // over it changes nothing.
        m_plain.assign(m_letters + shapedTextPadding, 0xFF);
        m_saved = m_plain;
    }

    // Sets the square and decrypts and scores the text afresh.
    int scoreOf(const Square &square)
    {
        m_square = square;
        for (int cell = 0; cell < cells; ++cell)
            m_cellOf[m_square[cell]] = std::uint8_t(cell);
        decryptAll();
        m_score = sum();
        return m_score;
    }

    // The current square, its plaintext and its score, kept up to date move
    // by move.
    const Square &square() const { return m_square; }
    std::vector<std::uint8_t> plaintext() const
    {
        return {m_plain.begin(), m_plain.begin() + std::ptrdiff_t(m_letters)};
    }
    int score() const { return m_score; }
    // Whether the current plaintext holds the crib (always, without one).
    bool holdsCrib() const { return !m_crib || m_crib->heldBy(m_plain.data()); }

    // Makes one random move of the plan's kinds and keeps it when the score
    // falls by no more than `slack` (a rise counts as negative fall): true
    // when kept. Public for the tests.
    bool step(const ShapedPlan &plan, int slack)
    {
        const int next = propose(plan);
        if (next - m_score >= -slack) {
            m_score = next;
            return true;
        }
        reject();
        return false;
    }

    struct Outcome
    {
        int score = 0;
        Square square{};
    };

    // One restart; `best` may be null.
    Outcome restart(const ShapedPlan &plan, const Square *best, const std::atomic<bool> &stop,
                    std::atomic<std::uint64_t> &keys)
    {
        Square start;
        if (best)
            start = shaken(*best, plan.shakeSwaps);
        else
            start = randomSquare();
        scoreOf(start);
        Outcome outcome{m_score, m_square};
        const SlackTable slack = slackOf(plan.temperature);
        std::uint64_t tried = 0;
        if (!anneal(plan, slack, plan.moves, outcome, tried, stop, keys))
            return outcome;
        return climb(outcome.square, stop, keys);
    }

    // -T ln u on a grid of u, worked out once a temperature: a move is kept
    // when it loses no more than that.
    using SlackTable = std::array<int, 256>;
    static SlackTable slackOf(double temperature)
    {
        SlackTable slack{};
        for (int k = 0; k < 256; ++k)
            slack[std::size_t(k)] = -int(std::lround(temperature * std::log((k + 0.5) / 256.0)));
        return slack;
    }

    // A square of all the letters in a random order.
    Square randomSquare()
    {
        Square square;
        for (int cell = 0; cell < cells; ++cell)
            square[cell] = std::uint8_t(cell);
        for (int cell = cells - 1; cell > 0; --cell)
            std::swap(square[cell], square[m_random.below(std::uint32_t(cell + 1))]);
        return square;
    }

    // `square` with `swaps` random pairs of letters swapped.
    Square shaken(Square square, int swaps)
    {
        for (int shake = 0; shake < swaps; ++shake)
            std::swap(square[m_random.below(cells)], square[m_random.below(cells)]);
        return square;
    }

    // Anneals the current square `moves` moves at the temperature of
    // `slack`, keeping in `best` the best square met. `tried` counts the
    // moves across calls, reported to `keys` a thousand at a time, when the
    // stop is looked at too: false when it was asked.
    bool anneal(const ShapedPlan &plan, const SlackTable &slack, std::uint32_t moves, Outcome &best,
                std::uint64_t &tried, const std::atomic<bool> &stop, std::atomic<std::uint64_t> &keys)
    {
        for (std::uint32_t move = 0; move < moves; ++move) {
            if (step(plan, slack[m_random.below(256)]) && m_score > best.score)
                best = {m_score, m_square};
            if ((++tried & 1023) == 0) {
                keys.fetch_add(1024, std::memory_order_relaxed);
                if (stop.load(std::memory_order_relaxed))
                    return false;
            }
        }
        return true;
    }

    // A climb over all letter swaps from `from` to where no swap gains.
    Outcome climb(const Square &from, const std::atomic<bool> &stop, std::atomic<std::uint64_t> &keys)
    {
        scoreOf(from);
        for (bool better = true; better && !stop.load(std::memory_order_relaxed);) {
            better = false;
            for (int a = 0; a < cells; ++a) {
                for (int b = a + 1; b < cells; ++b) {
                    const int next = proposeSwap(a, b);
                    if (next > m_score) {
                        m_score = next;
                        better = true;
                    } else {
                        reject();
                    }
                }
            }
            keys.fetch_add(cells * (cells - 1) / 2, std::memory_order_relaxed);
        }
        return {m_score, m_square};
    }

    // Draws this annealer's moves from another sequence (a copy's own).
    void reseed(std::uint64_t seed) { m_random = Random(seed); }

private:
    int sum() const
    {
        const int groups = shapedGroupSum<cells>(m_plain.data(), m_letters, m_table);
        return m_crib ? groups - m_cribPenalty * m_crib->mismatches(m_plain.data()) : groups;
    }

    // Decrypts the pairs listed, or every pair when `pairs` is null. The
    // addresses are read into locals first: a letter written through a byte
    // pointer may alias any member, so the compiler would otherwise reload
    // them all after every write. (Copying the square and its inverse would
    // read bytes just written one by one, which the processor cannot
    // forward to a wide read, and stall.)
    void decryptPairs(const std::uint32_t *pairs, std::size_t count)
    {
        const std::uint8_t *const square = m_square.data();
        const std::uint8_t *const cellOf = m_cellOf.data();
        const std::uint8_t *const first = m_first.data();
        const std::uint8_t *const second = m_second.data();
        const std::uint16_t *const decrypt = m_decrypt;
        std::uint8_t *const plain = m_plain.data();
        const auto one = [&](std::size_t i) {
            const std::uint16_t to = decrypt[cells * cellOf[first[i]] + cellOf[second[i]]];
            plain[2 * i] = square[to & 0xFF];
            plain[2 * i + 1] = square[to >> 8];
        };
        if (pairs) {
            for (std::size_t k = 0; k < count; ++k)
                one(pairs[k]);
        } else {
            for (std::size_t i = 0; i < count; ++i)
                one(i);
        }
    }

    void decryptAll() { decryptPairs(nullptr, m_first.size()); }

    void swapCells(int a, int b)
    {
        std::swap(m_square[a], m_square[b]);
        m_cellOf[m_square[a]] = std::uint8_t(a);
        m_cellOf[m_square[b]] = std::uint8_t(b);
    }

    // Swaps the letters of cells a and b: the new plaintext's score.
    int proposeSwap(int a, int b)
    {
        std::copy_n(m_plain.begin(), m_letters, m_saved.begin());
        const std::uint8_t x = m_square[a];
        const std::uint8_t y = m_square[b];
        swapCells(a, b);
        m_swapped = {a, b};
        m_lineMove = false;
        swapLettersInText(m_plain.data(), m_letters, x, y);
        for (const std::uint8_t letter : {x, y})
            decryptPairs(m_pairsWith[letter].data(), m_pairsWith[letter].size());
        return sum();
    }

    // Makes a random move: the new plaintext's score.
    int propose(const ShapedPlan &plan)
    {
        const auto kind = int(m_random.below(100));
        if (kind < plan.swapPercent) {
            const int a = int(m_random.below(cells));
            int b = int(m_random.below(cells - 1));
            b += b >= a;
            return proposeSwap(a, b);
        }
        std::copy_n(m_plain.begin(), m_letters, m_saved.begin());
        m_squareSaved = m_square;
        m_lineMove = true;
        std::uint8_t *s = m_square.data();
        if (kind < plan.swapPercent + plan.lineSwapPercent) {
            if (m_random.below(2)) { // two rows
                const int a = int(m_random.below(Rows));
                int b = int(m_random.below(Rows - 1));
                b += b >= a;
                for (int column = 0; column < Columns; ++column)
                    std::swap(s[Columns * a + column], s[Columns * b + column]);
            } else { // two columns
                const int a = int(m_random.below(Columns));
                int b = int(m_random.below(Columns - 1));
                b += b >= a;
                for (int row = 0; row < Rows; ++row)
                    std::swap(s[Columns * row + a], s[Columns * row + b]);
            }
        } else if (kind < plan.swapPercent + plan.lineSwapPercent + plan.blockPercent) {
            moveBlock(s);
        } else {
            const auto flip = m_random.below(Rows == Columns ? 4 : 3);
            if (flip == 0) { // top to bottom
                for (int row = 0; row < Rows / 2; ++row) {
                    for (int column = 0; column < Columns; ++column)
                        std::swap(s[Columns * row + column], s[Columns * (Rows - 1 - row) + column]);
                }
            } else if (flip == 1) { // left to right
                for (int row = 0; row < Rows; ++row) {
                    for (int column = 0; column < Columns / 2; ++column)
                        std::swap(s[Columns * row + column], s[Columns * row + Columns - 1 - column]);
                }
            } else if (flip == 2) { // both flips
                std::reverse(s, s + cells);
            } else { // transposed
                for (int row = 0; row < Rows; ++row) {
                    for (int column = row + 1; column < Columns; ++column)
                        std::swap(s[Columns * row + column], s[Columns * column + row]);
                }
            }
        }
        for (int cell = 0; cell < cells; ++cell)
            m_cellOf[s[cell]] = std::uint8_t(cell);
        decryptAll();
        return sum();
    }

    // Shifts a row's or a column's letters round by one place either way,
    // or moves a row or a column to another place, the others closing up.
    void moveBlock(std::uint8_t *s)
    {
        const auto kind = m_random.below(4);
        if (kind < 2) { // one line's letters shifted round
            const bool row = kind == 0;
            const int length = row ? Columns : Rows;
            const int line = int(m_random.below(row ? Rows : Columns));
            const int stride = row ? 1 : Columns;
            std::uint8_t *const from = s + (row ? Columns * line : line);
            std::array<std::uint8_t, Rows < Columns ? Columns : Rows> letters{};
            for (int i = 0; i < length; ++i)
                letters[std::size_t(i)] = from[stride * i];
            const int by = m_random.below(2) ? 1 : length - 1;
            for (int i = 0; i < length; ++i)
                from[stride * i] = letters[std::size_t((i + by) % length)];
            return;
        }
        const bool rows = kind == 2; // a row, or a column, moved
        const int count = rows ? Rows : Columns;
        const int a = int(m_random.below(count));
        int b = int(m_random.below(count - 1));
        b += b >= a;
        // Carries line a to place b, one neighbour swap at a time.
        const int step = b > a ? 1 : -1;
        for (int line = a; line != b; line += step) {
            const int next = line + step;
            if (rows) {
                for (int column = 0; column < Columns; ++column)
                    std::swap(s[Columns * line + column], s[Columns * next + column]);
            } else {
                for (int row = 0; row < Rows; ++row)
                    std::swap(s[Columns * row + line], s[Columns * row + next]);
            }
        }
    }

    // Undoes the move proposed last.
    void reject()
    {
        std::copy_n(m_saved.begin(), m_letters, m_plain.begin());
        if (!m_lineMove) {
            swapCells(m_swapped[0], m_swapped[1]);
            return;
        }
        m_square = m_squareSaved;
        for (int cell = 0; cell < cells; ++cell)
            m_cellOf[m_square[cell]] = std::uint8_t(cell);
    }

    const std::uint8_t *m_table;
    const std::uint16_t *m_decrypt;
    Random m_random;
    const Crib *m_crib;
    int m_cribPenalty;
    std::vector<std::uint8_t> m_first;
    std::vector<std::uint8_t> m_second;
    std::array<std::vector<std::uint32_t>, cells> m_pairsWith; // the pairs each ciphertext letter is in
    std::size_t m_letters = 0;
    std::vector<std::uint8_t> m_plain; // the plaintext of the current square, padded
    std::vector<std::uint8_t> m_saved; // the plaintext before the move being tried
    int m_score = 0;
    Square m_square{};
    Square m_squareSaved{};
    std::array<std::uint8_t, cells> m_cellOf{};
    std::array<int, 2> m_swapped{};
    bool m_lineMove = false;
};

} // namespace playfair::analysis
