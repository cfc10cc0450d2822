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

// The note on the padding set aside after a ciphertext's last real pair
// (`analysis::Ciphertext::setAside`); empty when nothing was set aside.
// `byReading`: some of them were set aside because the plaintext reads far
// better without them.
Sentence setAsideSentence(const QString &setAside, bool byReading = false);

} // namespace playfair
