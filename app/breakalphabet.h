#pragma once

// playfair-break on the squares of the other alphabets: latin-q (5 x 5
// without Q), latin-digits (6 x 6) and cyrillic (5 x 6), and the note on
// which alphabet was taken and why.

#include "analysis/shaped/shapedsolver.h"

#include <iosfwd>
#include <optional>
#include <stop_token>
#include <string>

namespace playfair::breakcommand {

// "cyrillic (5 x 6: the 30 Bulgarian letters А to Я)" and so on.
std::string alphabetDescription(analysis::AlphabetKind kind);

// The JSON fields "alphabet", "rows" and "columns", each with a leading
// comma, and "alphabet_reason" when the alphabet was chosen by the text.
std::string alphabetJson(analysis::AlphabetKind kind, const std::string &reason);

// The ciphertext's letters in the alphabet, ready to break; an error message
// (in English) when they cannot be a ciphertext. Padding after the last
// pair that no square gives (a run of one letter, a last odd letter, the
// fewest last letters without which the text is a ciphertext) goes to
// `setAside`, as on the classic square; `paddingAllowed` gets how many more
// the plaintext's reading may set aside (ShapedOptions::paddingAllowed).
std::optional<std::string> readShapedCiphertext(const std::string &text, analysis::AlphabetKind kind,
                                                std::vector<std::uint8_t> &letters, std::string &setAside,
                                                std::size_t &paddingAllowed);

// Prints a result of solveShaped on `ciphertext` for a person or as JSON,
// with the padding set aside: the letters the search read as padding, then
// `setAsideFirst`. Returns the exit status for it.
int reportShaped(const analysis::ShapedResult &result, const std::vector<std::uint8_t> &ciphertext,
                 const std::string &reason, const std::string &setAsideFirst, std::uint64_t seed, bool json,
                 bool interrupted, std::ostream &out);

} // namespace playfair::breakcommand
