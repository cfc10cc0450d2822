#pragma once

#include "analysis/deduction.h"
#include "analysis/deduction/puzzle.h"

#include <cstdint>
#include <vector>

namespace playfair::analysis::deduction {

// How many states each search may try: enough for any puzzle of up to
// about thirty equations of one square, in a few milliseconds each.
struct Budgets
{
    std::uint64_t enumeration = 60000; // listing the solutions, up to `listed`
    std::uint64_t listed = countedArrangements + 1;
    std::uint64_t sample = 3000;       // each of the random searches for more varied solutions
    int samples = 8;
    std::uint64_t local = 2000;        // each proof of a fact from the equations of its own letters
    std::uint64_t refutation = 20000;  // each search for a square in which a candidate fact fails
    std::uint64_t verdict = 400000;    // whether a puzzle has a solution at all
};

// What follows from one part of what is known whose letters are linked by
// its equations (or placed in cells), taken alone.
struct ComponentResult
{
    Verdict verdict = Verdict::Satisfiable;
    std::vector<Fact> facts;
    std::vector<std::uint8_t> rules; // of each equation, in the order of the premises
    std::uint64_t arrangements = 0;
    bool arrangementsExact = true;
    bool complete = true;
};

ComponentResult analyseComponent(const DeductionInput &input, const Premises &premises, const Budgets &budgets);

} // namespace playfair::analysis::deduction

namespace playfair::analysis::deduction {

// The parts of what is known whose letters are linked: by an equation that
// holds both, or by being placed (the placed letters share the square's
// cells). Each equation or placed letter is in one part.
std::vector<Premises> componentsOf(const DeductionInput &input);

} // namespace playfair::analysis::deduction
