#pragma once

#include "analysis/deduction.h"
#include "analysis/deduction/constraints.h"

#include <array>
#include <cstdint>
#include <vector>

namespace playfair::analysis::deduction {

// Some of what is known, as a model for the search, with the way back from
// its variables to letters and equations.
struct Puzzle
{
    Model model;
    std::array<int, 25> variableOf{}; // each letter's variable, or -1
    Premises premises;                // what it holds, by the input's numbers
    // The variables of each equation held, in the order of premises.pairs.
    std::vector<std::array<int, 4>> variablesOfPair;
    // Whether one letter is fixed in the top left cell: with no letter
    // placed, every cyclic shift of a solution is one too, and one of them
    // stands for all.
    bool anchored = false;

    // The model's number of an input equation, or -1.
    int equationOf(std::size_t pair) const;
};

// The puzzle of the premises; `extraLetters` (bit l for letter l) are made
// variables too, though nothing else may name them.
Puzzle puzzleOf(const DeductionInput &input, const Premises &premises, std::uint32_t extraLetters = 0);

// The letters a fact names, as bits.
std::uint32_t lettersOf(const DeductionInput &input, const Fact &fact);

// Adds to a puzzle the negation of a fact, so that its solutions are the
// squares in which the fact fails. The puzzle holds the fact's letters (and
// its equation).
void addNegation(Puzzle &puzzle, const DeductionInput &input, const Fact &fact);

enum class Verdict { Satisfiable, Unsatisfiable, Unknown };

// Whether some square solves the puzzle, trying at most `budget` states.
Verdict verdictOf(const Puzzle &puzzle, std::uint64_t budget);

// The cells `steps` from `cell` in a direction, and those from which
// `steps` in the direction lead to `cell`.
Cells cellsFrom(int cell, Direction direction, int steps);
Cells cellsTo(int cell, Direction direction, int steps);

// The rule as the model's bit.
std::uint8_t ruleBit(PairRule rule);

} // namespace playfair::analysis::deduction
