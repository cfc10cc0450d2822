#include "analysis/deduction/paircheck.h"

#include "analysis/deduction/constraints.h"

#include <algorithm>

namespace playfair::analysis {

using deduction::CellPairs;

namespace {

std::array<int, letterCount> cellsOf(const Square &square)
{
    std::array<int, letterCount> cellOf{};
    for (int cell = 0; cell < 25; ++cell)
        cellOf[square[std::size_t(cell)]] = cell;
    return cellOf;
}

} // namespace

PairCheck::PairCheck(std::vector<KnownPair> pairs, std::vector<PlacedLetter> placed)
    : m_pairs(std::move(pairs))
    , m_placed(std::move(placed))
{
    // The complete pairs are the quickest to test and the likeliest to fail.
    std::stable_partition(m_pairs.begin(), m_pairs.end(), [](const KnownPair &pair) { return pair.complete(); });
    m_complete = std::size_t(std::count_if(m_pairs.begin(), m_pairs.end(), [](const KnownPair &pair) { return pair.complete(); }));
}

bool PairCheck::holds(const KnownPair &pair, const std::array<int, letterCount> &cellOf) const
{
    const CellPairs &tables = CellPairs::get();
    const auto cell = [&](int position) {
        const int letter = pair.letter(position);
        return letter == unknownLetter ? -1 : cellOf[std::size_t(letter)];
    };
    const int a = cell(0);
    const int b = cell(1);
    const int c = cell(2);
    const int d = cell(3);
    const auto agrees = [](int known, int image) { return known < 0 || known == image; };
    if (a >= 0 && b >= 0) {
        if (a == b)
            return false;
        const std::uint16_t image = tables.encrypt[std::size_t(25 * a + b)];
        return agrees(c, image & 0xFF) && agrees(d, image >> 8);
    }
    if (c >= 0 && d >= 0) {
        if (c == d)
            return false;
        const std::uint16_t image = tables.decrypt[std::size_t(25 * c + d)];
        return agrees(a, image & 0xFF) && agrees(b, image >> 8);
    }
    // At most one letter of each side. With no plain letter known some
    // plain pair gives the cipher letter; with one, some letter beside it.
    if (a < 0 && b < 0)
        return true;
    for (int other = 0; other < 25; ++other) {
        const int first = a >= 0 ? a : other;
        const int second = b >= 0 ? b : other;
        if (first == second)
            continue;
        const std::uint16_t image = tables.encrypt[std::size_t(25 * first + second)];
        if (agrees(c, image & 0xFF) && agrees(d, image >> 8))
            return true;
    }
    return false;
}

int PairCheck::placedMissed(const std::array<int, letterCount> &cellOf, int most) const
{
    int fewest = int(m_placed.size());
    for (int shift = 0; shift < 25 && fewest > 0; ++shift) {
        int missed = 0;
        for (const PlacedLetter &placed : m_placed) {
            const int cell = cellOf[placed.letter];
            const int shifted = (cell / 5 + shift / 5) % 5 * 5 + (cell % 5 + shift % 5) % 5;
            missed += shifted != placed.cell;
            if (missed >= most)
                break;
        }
        fewest = std::min(fewest, missed);
    }
    return fewest;
}

int PairCheck::wrongIn(const KnownPair &pair, const std::array<int, letterCount> &cellOf) const
{
    const CellPairs &tables = CellPairs::get();
    const auto cell = [&](int letter) { return letter == unknownLetter ? -1 : cellOf[std::size_t(letter)]; };
    const auto wrong = [](int known, int image) { return int(known >= 0 && known != image); };
    if (pair.plain[0] != unknownLetter && pair.plain[1] != unknownLetter) {
        const std::uint16_t image = tables.encrypt[std::size_t(25 * cell(pair.plain[0]) + cell(pair.plain[1]))];
        return wrong(cell(pair.cipher[0]), image & 0xFF) + wrong(cell(pair.cipher[1]), image >> 8);
    }
    if (pair.cipher[0] != unknownLetter && pair.cipher[1] != unknownLetter) {
        const std::uint16_t image = tables.decrypt[std::size_t(25 * cell(pair.cipher[0]) + cell(pair.cipher[1]))];
        return wrong(cell(pair.plain[0]), image & 0xFF) + wrong(cell(pair.plain[1]), image >> 8);
    }
    return holds(pair, cellOf) ? 0 : 1;
}

int PairCheck::wrongLetters(const Square &square) const
{
    const std::array<int, letterCount> cellOf = cellsOf(square);
    int wrong = 0;
    for (const KnownPair &pair : m_pairs)
        wrong += wrongIn(pair, cellOf);
    return wrong + (m_placed.empty() ? 0 : placedMissed(cellOf, int(m_placed.size())));
}

bool PairCheck::fits(const Square &square) const
{
    const std::array<int, letterCount> cellOf = cellsOf(square);
    for (const KnownPair &pair : m_pairs) {
        if (!holds(pair, cellOf))
            return false;
    }
    return m_placed.empty() || placedMissed(cellOf, 1) == 0;
}

bool PairCheck::fitsSoFar(const std::array<int, letterCount> &cellOf, const std::array<int, 25> &letterIn) const
{
    const CellPairs &tables = CellPairs::get();
    // A letter with a cell must stand in the cell the rules give; one
    // without may only go to a cell that no letter holds yet.
    const auto agrees = [&](int letter, int cell) {
        const int known = cellOf[std::size_t(letter)];
        return known >= 0 ? known == cell : letterIn[std::size_t(cell)] < 0;
    };
    for (std::size_t i = 0; i < m_complete; ++i) {
        const KnownPair &pair = m_pairs[i];
        const int a = cellOf[std::size_t(pair.plain[0])];
        const int b = cellOf[std::size_t(pair.plain[1])];
        const int c = cellOf[std::size_t(pair.cipher[0])];
        const int d = cellOf[std::size_t(pair.cipher[1])];
        if (a >= 0 && b >= 0) {
            const std::uint16_t image = tables.encrypt[std::size_t(25 * a + b)];
            if (!agrees(pair.cipher[0], image & 0xFF) || !agrees(pair.cipher[1], image >> 8))
                return false;
        } else if (c >= 0 && d >= 0) {
            const std::uint16_t image = tables.decrypt[std::size_t(25 * c + d)];
            if (!agrees(pair.plain[0], image & 0xFF) || !agrees(pair.plain[1], image >> 8))
                return false;
        }
    }
    return true;
}

} // namespace playfair::analysis
