#pragma once

// playfair-break's report on known pairs: what follows from them (and from
// a known plaintext) about the square, and the key words that fit.

#include "analysis/deduction.h"
#include "analysis/fittingkeys.h"
#include "app/jsontext.h"

#include <cstdint>
#include <ostream>
#include <string>

namespace playfair::breakcommand {

using playfair::jsonString;

// A number with commas between thousands: 1,000.
std::string withThousands(std::uint64_t number);

// Why a --known pair is refused, in one line; `alphabet` is the square's.
std::string knownPairMessage(const analysis::KnownPairError &error,
                             analysis::AlphabetKind alphabet = analysis::AlphabetKind::LatinIJ);

// The known pairs that contradict each other, named by their numbers (from
// 1) and spelt out in the square's alphabet: "1 and 3 (TH=PI, HT=PI)".
std::string contradictionText(const analysis::DeductionInput &input, const analysis::Premises &premises,
                              const analysis::DeductionAlphabet &alphabet = analysis::DeductionAlphabet::classic());

// Prints what follows from the input's pairs as text or as one JSON object,
// on the square of the key options' alphabet (one of 25 letters), which it
// names with `alphabetReason`, why it was taken, when the text chose it.
// `fromPlaintext`: how many of the pairs a known plaintext gave (they come
// first and are not listed one by one); then the key word alone is wanted.
// Returns the exit status: 0 when the pairs can hold together, else 1.
int reportDeduction(const analysis::DeductionInput &input, const analysis::FittingKeyOptions &keyOptions, bool json,
                    std::size_t fromPlaintext, const std::string &alphabetReason, std::ostream &out);

} // namespace playfair::breakcommand
