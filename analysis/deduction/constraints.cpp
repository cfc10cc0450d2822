#include "analysis/deduction/constraints.h"

#include "analysis/search/pairtables.h"
#include "analysis/search/random.h"

#include "engine/rules.h"

#include <algorithm>
#include <bit>

namespace playfair::analysis::deduction {

namespace {

int cellCount(Cells cells)
{
    return std::popcount(cells);
}

// The most pairs of cells an equation tries when it narrows its letters'
// cells (see reviseEquation).
constexpr int mostPairsTried = 48;

// Calls `visit(cell)` for every cell of a set, in order.
template<typename Visit>
void forEachCell(Cells cells, Visit visit)
{
    while (cells) {
        visit(std::countr_zero(cells));
        cells &= cells - 1;
    }
}

// The cell of keyed cell `k` (the square as its key word built it) when
// that square stands shifted by `frame` (rows * 5 + columns).
int shiftedCell(int frame, int k)
{
    return ((k / 5 + frame / 5) % 5) * 5 + (k % 5 + frame % 5) % 5;
}

} // namespace

const CellPairs &CellPairs::get()
{
    static const CellPairs pairs = [] {
        CellPairs made;
        const PairTables &tables = PairTables::get();
        made.encrypt = tables.encrypt;
        made.decrypt = tables.decrypt;
        for (int a = 0; a < 25; ++a) {
            for (int b = 0; b < 25; ++b) {
                switch (ruleFor({a / 5, a % 5}, {b / 5, b % 5})) {
                case PairRule::Rectangle:
                    made.rule[25 * a + b] = rectangleBit;
                    break;
                case PairRule::SameRow:
                    made.rule[25 * a + b] = sameRowBit;
                    break;
                case PairRule::SameColumn:
                    made.rule[25 * a + b] = sameColumnBit;
                    break;
                case PairRule::SameCell:
                    break;
                }
            }
        }
        return made;
    }();
    return pairs;
}

int State::cellOf(int variable) const
{
    return std::countr_zero(domains[std::size_t(variable)]);
}

bool State::fixed(int variable) const
{
    return cellCount(domains[std::size_t(variable)]) == 1;
}

Propagator::Propagator(const Model &model)
    : m_model(model)
    , m_watching(std::size_t(model.variables()))
    , m_same(model.equations.size())
    , m_different(model.equations.size())
{
    for (std::size_t e = 0; e < model.equations.size(); ++e) {
        const auto &variables = model.equations[e].variables;
        for (int i = 0; i < 4; ++i) {
            const int v = variables[std::size_t(i)];
            if (std::find(variables.begin(), variables.begin() + i, v) == variables.begin() + i)
                m_watching[std::size_t(v)].push_back(int(e));
            for (int j = i + 1; j < 4; ++j) {
                const int w = variables[std::size_t(j)];
                if (v == w)
                    m_same[e].push_back({i, j});
                else if (v < model.letterVariables && w < model.letterVariables)
                    m_different[e].push_back({i, j});
            }
        }
    }
    const int firstForbidden = int(model.equations.size());
    for (std::size_t f = 0; f < model.forbidden.size(); ++f) {
        const Forbidden &forbidden = model.forbidden[f];
        std::vector<int> variables{forbidden.first, forbidden.second};
        if (forbidden.kind == Forbidden::Kind::Reading)
            variables.push_back(forbidden.third);
        std::sort(variables.begin(), variables.end());
        variables.erase(std::unique(variables.begin(), variables.end()), variables.end());
        for (int v : variables)
            m_watching[std::size_t(v)].push_back(firstForbidden + int(f));
    }
}

bool Propagator::propagateAll(State &state) const
{
    std::vector<int> every(std::size_t(m_model.variables()));
    for (int v = 0; v < m_model.variables(); ++v)
        every[std::size_t(v)] = v;
    return propagate(state, every);
}

bool Propagator::propagate(State &state, const std::vector<int> &changed) const
{
    // Each thread's own lists, kept from call to call: a search propagates
    // at every step and should not allocate.
    thread_local std::vector<int> variables;
    thread_local std::vector<int> queue;
    thread_local std::vector<char> queued;
    thread_local std::vector<int> narrowed;
    const std::size_t constraints = m_model.equations.size() + m_model.forbidden.size();
    variables.assign(changed.rbegin(), changed.rend());
    queue.clear();
    queued.assign(constraints, 0);
    for (;;) {
        while (!variables.empty()) {
            const int v = variables.back();
            variables.pop_back();
            const Cells cells = state.domains[std::size_t(v)];
            // A letter alone in its cell leaves it to no other letter.
            if (v < m_model.letterVariables && cellCount(cells) == 1) {
                for (int u = 0; u < m_model.letterVariables; ++u) {
                    Cells &other = state.domains[std::size_t(u)];
                    if (u == v || !(other & cells))
                        continue;
                    other &= ~cells;
                    if (!other)
                        return false;
                    variables.push_back(u);
                }
            }
            for (int c : m_watching[std::size_t(v)]) {
                if (!queued[std::size_t(c)]) {
                    queued[std::size_t(c)] = 1;
                    queue.push_back(c);
                }
            }
        }
        if (queue.empty())
            break;
        const int c = queue.back();
        queue.pop_back();
        queued[std::size_t(c)] = 0;
        narrowed.clear();
        if (!revise(state, c, narrowed))
            return false;
        variables.insert(variables.end(), narrowed.begin(), narrowed.end());
    }
    return !m_model.keyWordSquare() || keyWordShiftsFit(state);
}

bool Propagator::revise(State &state, int constraint, std::vector<int> &narrowed) const
{
    const int equations = int(m_model.equations.size());
    if (constraint < equations)
        return reviseEquation(state, constraint, narrowed);
    return reviseForbidden(state, m_model.forbidden[std::size_t(constraint - equations)], narrowed);
}

namespace {

// The supported cells of each position of an equation, and the rules of
// the supported pairs: every (a, b) -> (c, d) that the tables give and the
// domains allow, the same variable in the same cell, two letters apart.
struct Supports
{
    std::array<Cells, 4> cells{};
    std::uint8_t rules = 0;
};

Supports supportsOf(const std::array<Cells, 4> &domains, std::uint8_t allowed,
                    const std::vector<std::pair<int, int>> &same, const std::vector<std::pair<int, int>> &different)
{
    const CellPairs &pairs = CellPairs::get();
    Supports supports;
    const auto consider = [&](int a, int b, int c, int d) {
        const std::uint8_t rule = pairs.rule[std::size_t(25 * a + b)];
        if (!(allowed & rule))
            return;
        const std::array<int, 4> cells{a, b, c, d};
        for (const auto &[i, j] : same) {
            if (cells[std::size_t(i)] != cells[std::size_t(j)])
                return;
        }
        for (const auto &[i, j] : different) {
            if (cells[std::size_t(i)] == cells[std::size_t(j)])
                return;
        }
        for (std::size_t i = 0; i < 4; ++i)
            supports.cells[i] |= cellBit(cells[i]);
        supports.rules |= rule;
    };
    // From whichever side has fewer pairs to try.
    if (cellCount(domains[0]) * cellCount(domains[1]) <= cellCount(domains[2]) * cellCount(domains[3])) {
        forEachCell(domains[0], [&](int a) {
            forEachCell(domains[1] & ~cellBit(a), [&](int b) {
                const std::uint16_t image = pairs.encrypt[std::size_t(25 * a + b)];
                const int c = image & 0xFF;
                const int d = image >> 8;
                if ((domains[2] & cellBit(c)) && (domains[3] & cellBit(d)))
                    consider(a, b, c, d);
            });
        });
    } else {
        forEachCell(domains[2], [&](int c) {
            forEachCell(domains[3] & ~cellBit(c), [&](int d) {
                const std::uint16_t image = pairs.decrypt[std::size_t(25 * c + d)];
                const int a = image & 0xFF;
                const int b = image >> 8;
                if ((domains[0] & cellBit(a)) && (domains[1] & cellBit(b)))
                    consider(a, b, c, d);
            });
        });
    }
    return supports;
}

bool narrow(State &state, int variable, Cells keep, std::vector<int> &narrowed)
{
    Cells &cells = state.domains[std::size_t(variable)];
    if ((cells & keep) == cells)
        return true;
    cells &= keep;
    narrowed.push_back(variable);
    return cells != 0;
}

} // namespace

bool Propagator::reviseEquation(State &state, int equation, std::vector<int> &narrowed) const
{
    const Model::Equation &e = m_model.equations[std::size_t(equation)];
    std::array<Cells, 4> domains{};
    for (std::size_t i = 0; i < 4; ++i)
        domains[i] = state.domains[std::size_t(e.variables[i])];
    // While both sides of the equation may still take many cells it narrows
    // next to nothing, and trying its hundreds of pairs would cost most of
    // the search: it waits until a side has few pairs left (at the latest
    // when its letters have their cells).
    if (std::min(cellCount(domains[0]) * cellCount(domains[1]), cellCount(domains[2]) * cellCount(domains[3])) > mostPairsTried)
        return true;
    const Supports supports = supportsOf(domains, e.rules, m_same[std::size_t(equation)], m_different[std::size_t(equation)]);
    for (std::size_t i = 0; i < 4; ++i) {
        if (!narrow(state, e.variables[i], supports.cells[i], narrowed))
            return false;
    }
    return true;
}

std::uint8_t Propagator::rulesOf(const State &state, int equation) const
{
    const Model::Equation &e = m_model.equations[std::size_t(equation)];
    std::array<Cells, 4> domains{};
    for (std::size_t i = 0; i < 4; ++i)
        domains[i] = state.domains[std::size_t(e.variables[i])];
    return supportsOf(domains, e.rules, m_same[std::size_t(equation)], m_different[std::size_t(equation)]).rules;
}

bool Propagator::reviseForbidden(State &state, const Forbidden &forbidden, std::vector<int> &narrowed) const
{
    if (forbidden.kind == Forbidden::Kind::Cells) {
        if (state.fixed(forbidden.first)
            && !narrow(state, forbidden.second, ~forbidden.fromFirst[std::size_t(state.cellOf(forbidden.first))], narrowed))
            return false;
        if (state.fixed(forbidden.second)
            && !narrow(state, forbidden.first, ~forbidden.fromSecond[std::size_t(state.cellOf(forbidden.second))], narrowed))
            return false;
        return true;
    }
    const CellPairs &pairs = CellPairs::get();
    const auto plainCell = [&](int x, int y) {
        const std::uint16_t image = pairs.decrypt[std::size_t(25 * x + y)];
        return forbidden.position == 0 ? image & 0xFF : image >> 8;
    };
    const bool first = state.fixed(forbidden.first);
    const bool second = state.fixed(forbidden.second);
    if (first && second) {
        const int x = state.cellOf(forbidden.first);
        const int y = state.cellOf(forbidden.second);
        return x == y || narrow(state, forbidden.third, ~cellBit(plainCell(x, y)), narrowed);
    }
    if (!state.fixed(forbidden.third) || (!first && !second))
        return true;
    const int letter = state.cellOf(forbidden.third);
    const int known = state.cellOf(first ? forbidden.first : forbidden.second);
    Cells keep = allCells;
    forEachCell(state.domains[std::size_t(first ? forbidden.second : forbidden.first)] & ~cellBit(known), [&](int other) {
        if ((first ? plainCell(known, other) : plainCell(other, known)) == letter)
            keep &= ~cellBit(other);
    });
    return narrow(state, first ? forbidden.second : forbidden.first, keep, narrowed);
}

bool Propagator::keyWordShiftsFit(State &state) const
{
    // The letters whose cells are settled; the others are free to fill the
    // remaining cells, as far as this test goes.
    std::array<int, 25> letterIn;
    letterIn.fill(-1);
    std::uint32_t freeLetters = (1u << letterCount) - 1;
    for (int v = 0; v < m_model.letterVariables; ++v) {
        if (state.fixed(v)) {
            const Letter letter = m_model.letters[std::size_t(v)];
            letterIn[std::size_t(state.cellOf(v))] = letter;
            freeLetters &= ~(1u << letter);
        }
    }
    // In a shift that fits, the cells after the key hold rising letters: a
    // free cell takes the smallest free letter above the one before it,
    // which leaves the most room for the cells after it.
    const auto fits = [&](int frame) {
        int last = -1;
        std::uint32_t taken = 0;
        for (int k = m_model.longestKey; k < 25; ++k) {
            const int letter = letterIn[std::size_t(shiftedCell(frame, k))];
            if (letter >= 0) {
                if (letter <= last)
                    return false;
                last = letter;
                continue;
            }
            const std::uint32_t above = last < 0 ? ~0u : ~((2u << last) - 1);
            const std::uint32_t available = freeLetters & ~taken & above;
            if (!available)
                return false;
            last = std::countr_zero(available);
            taken |= 1u << last;
        }
        return true;
    };
    forEachCell(state.frames, [&](int frame) {
        if (!fits(frame))
            state.frames &= ~cellBit(frame);
    });
    return state.frames != 0;
}

Search::Search(const Propagator &propagator)
    : m_propagator(propagator)
{
}

void Search::setOrder(std::uint64_t seed, std::vector<int> hint)
{
    m_seed = seed;
    m_hint = std::move(hint);
}

bool Search::run(const std::function<bool(const State &)> &found, std::uint64_t &budget)
{
    m_outOfBudget = false;
    m_stopped = false;
    // A level for each letter variable that takes a cell, made before the
    // search so that no level moves while a deeper one runs.
    m_levels.assign(std::size_t(m_propagator.model().letterVariables + 1), State{});
    m_depth = 0;
    State start{m_propagator.model().domains, allCells};
    if (!m_propagator.propagateAll(start))
        return true;
    return visit(start, found, budget);
}

bool Search::visit(const State &state, const std::function<bool(const State &)> &found, std::uint64_t &budget)
{
    if (budget == 0) {
        m_outOfBudget = true;
        return false;
    }
    --budget;
    const Model &model = m_propagator.model();
    int chosen = -1;
    int fewest = 26;
    for (int v = 0; v < model.letterVariables; ++v) {
        const int cells = cellCount(state.domains[std::size_t(v)]);
        if (cells > 1 && cells < fewest) {
            fewest = cells;
            chosen = v;
        }
    }
    if (chosen < 0) {
        if (!found(state)) {
            m_stopped = true;
            return false;
        }
        return true;
    }
    std::array<int, 25> order{};
    int count = 0;
    forEachCell(state.domains[std::size_t(chosen)], [&](int cell) { order[std::size_t(count++)] = cell; });
    if (m_seed) {
        Random random(m_seed ^ (budget * 0x9E3779B97F4A7C15ull));
        for (int i = count - 1; i > 0; --i)
            std::swap(order[std::size_t(i)], order[random.below(std::uint32_t(i + 1))]);
    }
    if (std::size_t(chosen) < m_hint.size()) {
        const int hinted = m_hint[std::size_t(chosen)];
        const auto at = std::find(order.begin(), order.begin() + count, hinted);
        if (at != order.begin() + count)
            std::rotate(order.begin(), at, at + 1);
    }
    // Each level's state is kept, so that trying a cell copies into room
    // already there.
    const std::size_t depth = m_depth++;
    const std::vector<int> changed{chosen};
    bool goOn = true;
    for (int i = 0; i < count && goOn; ++i) {
        State &next = m_levels[depth];
        next.domains = state.domains;
        next.frames = state.frames;
        next.domains[std::size_t(chosen)] = cellBit(order[std::size_t(i)]);
        goOn = !m_propagator.propagate(next, changed) || visit(next, found, budget);
    }
    --m_depth;
    return goOn;
}

} // namespace playfair::analysis::deduction
