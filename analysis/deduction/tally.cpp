#include "analysis/deduction/tally.h"

#include <algorithm>
#include <bit>

namespace playfair::analysis::deduction {

namespace {

constexpr PairRule rules[] = {PairRule::Rectangle, PairRule::SameRow, PairRule::SameColumn};

// The distance the other way: from `second` back to `first`.
int reversed(int steps)
{
    return (5 - steps) % 5;
}

} // namespace

Tally::Tally(const Puzzle &puzzle, const DeductionInput &input)
    : m_puzzle(puzzle)
    , m_input(input)
    , m_letters(puzzle.model.letterVariables)
    , m_down(std::size_t(m_letters * m_letters), unseen)
    , m_right(std::size_t(m_letters * m_letters), unseen)
    , m_line(std::size_t(m_letters * m_letters), unseen)
    , m_rules(puzzle.model.equations.size(), 0)
    , m_filled(puzzle.model.equations.size(), {unseen, unseen, unseen, unseen})
{
    const std::vector<Letter> &cipher = input.ciphertext;
    for (std::size_t p = 0; 2 * p + 1 < cipher.size(); ++p) {
        const Letter x = cipher[2 * p];
        const Letter y = cipher[2 * p + 1];
        if (x == y || puzzle.variableOf[x] < 0 || puzzle.variableOf[y] < 0)
            continue;
        const bool seen = std::any_of(m_cipherPairs.begin(), m_cipherPairs.end(), [&](std::size_t q) {
            return cipher[2 * q] == x && cipher[2 * q + 1] == y;
        });
        if (!seen) {
            m_cipherPairs.push_back(p);
            m_readings.push_back({unseen, unseen});
        }
    }
}

void Tally::see(signed char &value, int now)
{
    if (value == unseen)
        value = static_cast<signed char>(now);
    else if (value != now)
        value = varies;
}

void Tally::add(const Propagator &propagator, const State &solution)
{
    ++m_solutions;
    std::array<int, 25> cell{};
    std::array<int, 25> letterIn;
    letterIn.fill(varies);
    for (int v = 0; v < m_letters; ++v) {
        cell[std::size_t(v)] = solution.cellOf(v);
        letterIn[std::size_t(cell[std::size_t(v)])] = v;
    }
    for (int i = 0; i < m_letters; ++i) {
        for (int j = i + 1; j < m_letters; ++j) {
            const int a = cell[std::size_t(i)];
            const int b = cell[std::size_t(j)];
            const int down = (b / 5 - a / 5 + 5) % 5;
            const int right = (b % 5 - a % 5 + 5) % 5;
            see(m_down[std::size_t(pairIndex(i, j))], down);
            see(m_right[std::size_t(pairIndex(i, j))], right);
            see(m_line[std::size_t(pairIndex(i, j))], down == 0 ? right : right == 0 ? down : 5);
        }
    }
    const Model &model = m_puzzle.model;
    for (std::size_t e = 0; e < model.equations.size(); ++e) {
        m_rules[e] |= propagator.rulesOf(solution, int(e));
        for (std::size_t position = 0; position < 4; ++position) {
            const int v = model.equations[e].variables[position];
            if (v < m_letters)
                continue;
            const Cells cells = solution.domains[std::size_t(v)];
            see(m_filled[e][position], std::popcount(cells) == 1 ? letterIn[std::size_t(std::countr_zero(cells))] : varies);
        }
    }
    const CellPairs &pairs = CellPairs::get();
    for (std::size_t i = 0; i < m_cipherPairs.size(); ++i) {
        const std::size_t p = m_cipherPairs[i];
        const int x = cell[std::size_t(m_puzzle.variableOf[m_input.ciphertext[2 * p]])];
        const int y = cell[std::size_t(m_puzzle.variableOf[m_input.ciphertext[2 * p + 1]])];
        const std::uint16_t image = pairs.decrypt[std::size_t(25 * x + y)];
        see(m_readings[i][0], letterIn[image & 0xFF]);
        see(m_readings[i][1], letterIn[image >> 8]);
    }
}

std::vector<Fact> Tally::candidates() const
{
    std::vector<Fact> facts;
    const std::vector<Letter> &letters = m_puzzle.model.letters;
    for (int i = 0; i < m_letters; ++i) {
        for (int j = i + 1; j < m_letters; ++j) {
            const Letter first = letters[std::size_t(i)];
            const Letter second = letters[std::size_t(j)];
            const int down = m_down[std::size_t(pairIndex(i, j))];
            const int right = m_right[std::size_t(pairIndex(i, j))];
            const int line = m_line[std::size_t(pairIndex(i, j))];
            if (down >= 0)
                facts.push_back(LetterDistance{first, second, Direction::Down, down});
            if (right >= 0)
                facts.push_back(LetterDistance{first, second, Direction::Right, right});
            if (line >= 1 && line <= 4)
                facts.push_back(LetterDistance{first, second, Direction::AlongLine, line});
        }
    }
    const Model &model = m_puzzle.model;
    for (std::size_t e = 0; e < model.equations.size(); ++e) {
        const std::size_t pair = m_puzzle.premises.pairs[e];
        for (PairRule rule : rules) {
            if (!(m_rules[e] & ruleBit(rule)))
                facts.push_back(RuledOut{pair, rule});
        }
        for (std::size_t position = 0; position < 4; ++position) {
            if (m_filled[e][position] >= 0)
                facts.push_back(FilledIn{pair, int(position), letters[std::size_t(m_filled[e][position])]});
        }
    }
    for (std::size_t i = 0; i < m_cipherPairs.size(); ++i) {
        for (int position = 0; position < 2; ++position) {
            if (m_readings[i][std::size_t(position)] >= 0)
                facts.push_back(Reading{m_cipherPairs[i], position, letters[std::size_t(m_readings[i][std::size_t(position)])]});
        }
    }
    return facts;
}

bool Tally::refuted(const Fact &fact) const
{
    const auto disagrees = [](int seen, int claimed) { return seen != unseen && seen != claimed; };
    if (const auto *distance = std::get_if<LetterDistance>(&fact)) {
        int i = m_puzzle.variableOf[distance->first];
        int j = m_puzzle.variableOf[distance->second];
        int steps = distance->steps;
        if (i > j) {
            std::swap(i, j);
            steps = reversed(steps);
        }
        const std::vector<signed char> &seen = distance->direction == Direction::Down ? m_down
            : distance->direction == Direction::Right                                ? m_right
                                                                                     : m_line;
        return disagrees(seen[std::size_t(pairIndex(i, j))], steps);
    }
    if (const auto *ruledOut = std::get_if<RuledOut>(&fact))
        return m_rules[std::size_t(m_puzzle.equationOf(ruledOut->pair))] & ruleBit(ruledOut->rule);
    if (const auto *filled = std::get_if<FilledIn>(&fact)) {
        return disagrees(m_filled[std::size_t(m_puzzle.equationOf(filled->pair))][std::size_t(filled->position)],
                         m_puzzle.variableOf[filled->letter]);
    }
    const Reading &reading = std::get<Reading>(fact);
    const std::vector<Letter> &cipher = m_input.ciphertext;
    for (std::size_t i = 0; i < m_cipherPairs.size(); ++i) {
        const std::size_t p = m_cipherPairs[i];
        if (cipher[2 * p] == cipher[2 * reading.pair] && cipher[2 * p + 1] == cipher[2 * reading.pair + 1])
            return disagrees(m_readings[i][std::size_t(reading.position)], m_puzzle.variableOf[reading.letter]);
    }
    return true;
}

} // namespace playfair::analysis::deduction
