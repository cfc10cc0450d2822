#pragma once

#include "analysis/alphabet.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace playfair::analysis::deduction {

// The square as a puzzle of cells: each letter of the equations is a
// variable whose value is its cell (0..24, row by row), and so is each
// letter not known ('?'). The letter variables stand in different cells;
// the unknown ones may share a letter's cell (then they are that letter).
// A search tries cells for the letter variables; after each choice the
// equations narrow the cells the others may take.

// A set of cells, bit c for cell c.
using Cells = std::uint32_t;
inline constexpr Cells allCells = (1u << 25) - 1;

inline constexpr Cells cellBit(int cell)
{
    return Cells(1) << cell;
}

// The rules of a pair of two different cells, as bits.
inline constexpr std::uint8_t rectangleBit = 1;
inline constexpr std::uint8_t sameRowBit = 2;
inline constexpr std::uint8_t sameColumnBit = 4;
inline constexpr std::uint8_t anyRule = 7;

// The cells a pair of cells a != b goes to, encrypted (low byte first) and
// decrypted, and its rule as a bit: the program's rules as tables.
struct CellPairs
{
    std::array<std::uint16_t, 625> encrypt{};
    std::array<std::uint16_t, 625> decrypt{};
    std::array<std::uint8_t, 625> rule{};

    static const CellPairs &get();
};

// A constraint that a search must keep besides the equations: a fact's
// negation, when the search looks for a square in which the fact fails.
struct Forbidden
{
    enum class Kind {
        // Variable `second` stands in none of the cells `fromFirst[c]` for
        // `first` in cell c (and `first` in none of `fromSecond[c]`).
        Cells,
        // The cipher pair of letter variables `first`, `second` does not
        // decrypt at `position` (0, 1) to the cell of letter variable `third`.
        Reading,
    };
    Kind kind = Kind::Cells;
    int first = 0;
    int second = 0;
    int third = 0;
    int position = 0;
    std::array<Cells, 25> fromFirst{};
    std::array<Cells, 25> fromSecond{};
};

// The puzzle: its variables with their first cells, the equations and the
// negated facts, and whether the square comes from a key word.
struct Model
{
    struct Equation
    {
        std::array<int, 4> variables{}; // plain, plain, cipher, cipher
        std::uint8_t rules = anyRule;   // the rules the plain pair may follow
    };

    // The first `letterVariables` variables are letters (`letters` names
    // them); the rest are letters not known.
    int letterVariables = 0;
    std::vector<Letter> letters;
    std::vector<Cells> domains;
    std::vector<Equation> equations;
    std::vector<Forbidden> forbidden;
    // The square comes from a key of at most this many distinct letters:
    // after them, in some cyclic shift, the rest of the alphabet in order.
    // 25 when any square will do.
    int longestKey = 25;

    int variables() const { return int(domains.size()); }
    bool keyWordSquare() const { return longestKey < 24; }
};

// Where a search stands: the cells each variable may still take, and the
// cyclic shifts in which a key word's square may still be read.
struct State
{
    std::vector<Cells> domains;
    Cells frames = allCells;

    int cellOf(int variable) const;
    bool fixed(int variable) const;
};

// Narrows a state to what the model's constraints leave; false when some
// variable has no cell left (or no shift of a key word's square fits).
class Propagator
{
public:
    explicit Propagator(const Model &model);

    // `changed`: the variables whose cells were narrowed since the state
    // was last propagated (all of them for a new state).
    bool propagate(State &state, const std::vector<int> &changed) const;
    bool propagateAll(State &state) const;

    // The rules an equation's plain pair may still follow in a state.
    std::uint8_t rulesOf(const State &state, int equation) const;

    const Model &model() const { return m_model; }

private:
    bool revise(State &state, int constraint, std::vector<int> &narrowed) const;
    bool reviseEquation(State &state, int equation, std::vector<int> &narrowed) const;
    bool reviseForbidden(State &state, const Forbidden &forbidden, std::vector<int> &narrowed) const;
    bool keyWordShiftsFit(State &state) const;

    const Model &m_model;
    std::vector<std::vector<int>> m_watching; // constraints of each variable
    // For each equation, its positions that hold one variable (must agree)
    // and those that hold two letters (must differ).
    std::vector<std::vector<std::pair<int, int>>> m_same;
    std::vector<std::vector<std::pair<int, int>>> m_different;
};

// A search for squares, depth first: each letter variable in turn, the one
// with the fewest cells left first, tries its cells. A solution is a state
// whose letter variables all have one cell (the unknown letters' cells
// narrowed as far as the equations go). The budget counts the states tried.
class Search
{
public:
    explicit Search(const Propagator &propagator);

    // Tries the cells in a random order drawn from `seed` (0: in order),
    // and the cells of `hint` (a cell for each variable, -1 for none) first.
    void setOrder(std::uint64_t seed, std::vector<int> hint = {});

    // Calls `found` for every solution until it returns false. Returns true
    // when the search went through every state, false when the budget ran
    // out or `found` stopped it.
    bool run(const std::function<bool(const State &)> &found, std::uint64_t &budget);
    bool budgetRanOut() const { return m_outOfBudget; }

private:
    bool visit(const State &state, const std::function<bool(const State &)> &found, std::uint64_t &budget);

    const Propagator &m_propagator;
    std::uint64_t m_seed = 0;
    std::vector<int> m_hint;
    std::vector<State> m_levels;
    std::size_t m_depth = 0;
    bool m_outOfBudget = false;
    bool m_stopped = false;
};

} // namespace playfair::analysis::deduction
