#pragma once

#include "analysis/deduction.h"
#include "analysis/deduction/component.h"

#include <optional>

namespace playfair::analysis::deduction {

// A smallest part of `premises`, which no square satisfies, that no square
// satisfies: each of its equations and placed letters is needed, and no
// smaller set of them (of up to three that share letters) contradicts
// itself.
Premises smallestContradiction(const DeductionInput &input, Premises premises, const Budgets &budgets);

// The premises a fact rests on (see premisesOf), out of `premises`.
std::optional<Premises> premisesOfFact(const DeductionInput &input, const Premises &premises, const Fact &fact,
                                       const Budgets &budgets);

// Every equation and placed letter of the input.
Premises allPremises(const DeductionInput &input);

} // namespace playfair::analysis::deduction
