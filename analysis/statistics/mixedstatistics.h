#pragma once

#include "analysis/statistics/languagemodel.h"
#include "analysis/statistics/letterstatistics.h"

namespace playfair::analysis {

// The statistics a search climbs while the plaintext's language is not yet
// known: the English and the Bulgarian tables mixed half and half, entry by
// entry, so that a text reading like either language scores well and one
// reading like neither scores poorly. Each entry is log10(p/2 + q/2) of the
// two languages' probabilities p and q, quantized again; the typical level is
// the two languages' mean spread above random letters. Worked out from the
// built-in tables on first use (a few milliseconds, the order-5 model some
// tens), held for the program's life.
const LetterStatistics &mixedLetterStatistics();
const LanguageModel &mixedLanguageModel(int order);

} // namespace playfair::analysis
