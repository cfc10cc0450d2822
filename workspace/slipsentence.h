#pragma once

#include "engine/mistakes.h"
#include "engine/textcheck.h"

#include <QString>

namespace playfair {

// A slip put into words for the pupil, without the right answer: what the
// pupil did and what the rule does instead. `given` is the pair worked,
// `answer` the pupil's two letters.
// `alsoInPair` names, for OtherDirection, another pair (counted from 1)
// worked the same way, or is 0 when the whole text was. Empty for Unknown
// and for a OneLetter slip whose wrong letter no slip explains: then the
// caller restates the rule.
QString slipSentence(const SlipFinding &finding, const QString &given, const QString &answer, bool decrypting,
                     int alsoInPair = 0);

// Which letter of the answer is right in its place, for OneLetter; else
// the sentence that neither is.
QString rightLetterSentence(const SlipFinding &finding, const QString &answer);

// A preparation slip of a checked text, in words. `pair` is the row's pair
// as the pupil prepared it, `textbook` what the textbook has there.
QString preparationSentence(const PreparationNote &note, const QString &pair, const QString &textbook);

} // namespace playfair
