#pragma once

#include "sentence.h"

namespace playfair {

namespace analysis {
struct CiphertextError;
struct CribError;
} // namespace analysis

// Why the solver refuses a ciphertext or a known word, in the program's
// words: analysis/ words them in English, for playfair-break only.
Sentence sentenceOf(const analysis::CiphertextError &error);
Sentence sentenceOf(const analysis::CribError &error);

} // namespace playfair
