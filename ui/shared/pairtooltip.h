#pragma once

#include <QString>

namespace playfair {

struct RowInsight;

// The tooltip of a list row, in Bulgarian: which pair it belongs to and which
// rule links the plain and the cipher pair, with rows and columns counted 1
// to 5 as the window shows them; or why the pair gives no cipher pair.
QString pairToolTip(const RowInsight &insight);

// The sentence of the tooltip that names the rule linking a pair and its
// image: the letters being turned (the plain pair when encrypting, the cipher
// pair when decrypting) with their rows and columns, and what the rule does
// to them. With `withMoves` it ends with where each letter goes, which gives
// the answer away. Empty for a pair that gives no cipher pair.
QString ruleSentence(const RowInsight &insight, bool decrypting, bool withMoves);

// How the square outlines a pair: plain letters solid, cipher letters dashed.
QString marksLegend();

// The tooltip of a decrypted row that belongs to an earlier square.
QString earlierSquareToolTip();

} // namespace playfair
