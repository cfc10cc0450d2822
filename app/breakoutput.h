#pragma once

// What playfair-break says about a message as it arrived: the language it
// found, the route of the key word, padding set aside, the pairs likely
// garbled and where the plaintext stops reading. Plain text for a person,
// and the JSON fields for a program.

#include "analysis/ciphertext.h"
#include "analysis/solver.h"

#include <string>

namespace playfair::breakcommand {

// After the key word: ", written in by columns", nothing for rows.
std::string routePhrase(SquareRoute route);

// "Bulgarian (in Latin letters), found by the search: ..." or "English (as
// asked)".
std::string languageLine(const analysis::SolverResult &result);

// The plaintext (UTF-8) in pairs, twenty to a line, each likely garbled
// pair in brackets.
std::string pairsWithMarks(const std::string &plaintext, const analysis::Garbling &garbling);

// The notes on the message as it arrived: the padding set aside, the pairs
// likely garbled, where the plaintext stops reading. Each line starts with
// "Note: "; empty when there is nothing to say.
std::string messageNotes(const analysis::Ciphertext &message, const analysis::SolverResult &result);
// Those on the garbled pairs alone, on any alphabet's square.
std::string garblingNotes(const analysis::Garbling &garbling);

// The JSON fields that follow the others, each with its leading comma:
// "route", "language_found", "doubles", "set_aside", "garbled" (pair
// numbers from 1) and "unreadable_from" (a pair number, or null).
std::string messageJson(const analysis::Ciphertext &message, Doubles doubles, const analysis::SolverResult &result);
// ", \"garbled\": [...], \"unreadable_from\": ..." alone.
std::string garblingJson(const analysis::Garbling &garbling);

} // namespace playfair::breakcommand
