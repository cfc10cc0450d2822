#pragma once

#include "analysis/statistics/languagemodel.h"

namespace playfair::analysis {

// The order-4 letter model the key-word search scores its squares by while
// the plaintext's language is not yet known: the English and the Bulgarian
// models mixed half and half, entry by entry, so that a text reading like
// either language scores well and one reading like neither scores poorly.
// Each entry is log10(p/2 + q/2) of the two languages' probabilities p and
// q, quantized again; the typical level stands the two languages' mean
// spread above random letters. Worked out from the built-in models on first
// use (a few milliseconds), held for the program's life.
const LanguageModel &mixedLanguageModel();

} // namespace playfair::analysis
