#pragma once

#include "analysis/deduction.h"
#include "analysis/deduction/constraints.h"
#include "analysis/deduction/puzzle.h"

#include <cstdint>
#include <vector>

namespace playfair::analysis::deduction {

// What the solutions of a puzzle seen so far have in common: every fact
// that none of them refutes. Once every solution has been seen these are
// the facts; until then, candidates that a search must still try to refute.
class Tally
{
public:
    Tally(const Puzzle &puzzle, const DeductionInput &input);

    void add(const Propagator &propagator, const State &solution);
    std::uint64_t solutions() const { return m_solutions; }

    // The facts no solution seen refutes (with a letter not known of an
    // equation, the rules its solutions' plain pairs may follow).
    std::vector<Fact> candidates() const;
    bool refuted(const Fact &fact) const;
    // The rules seen for an equation of the puzzle (by its place in it).
    std::uint8_t rulesSeen(int equation) const { return m_rules[std::size_t(equation)]; }

private:
    static constexpr signed char unseen = -1;
    static constexpr signed char varies = -2;

    void see(signed char &value, int now);
    int pairIndex(int first, int second) const { return first * m_letters + second; }

    const Puzzle &m_puzzle;
    const DeductionInput &m_input;
    int m_letters = 0;
    std::uint64_t m_solutions = 0;
    // For each two letter variables (first < second): how far down, right
    // and along a line (5: in no line) the second stands from the first.
    std::vector<signed char> m_down;
    std::vector<signed char> m_right;
    std::vector<signed char> m_line;
    std::vector<std::uint8_t> m_rules; // for each equation, the rules seen
    // For each equation and position of a letter not known: the letter
    // variable in its cell.
    std::vector<std::array<signed char, 4>> m_filled;
    // The cipher pairs of the ciphertext whose letters the puzzle holds,
    // each once (the first pair's number), and the letter variable each of
    // their plain letters stands for.
    std::vector<std::size_t> m_cipherPairs;
    std::vector<std::array<signed char, 2>> m_readings;
};

} // namespace playfair::analysis::deduction
