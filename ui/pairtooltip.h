#pragma once

#include <QString>

namespace playfair {

struct RowInsight;

// The tooltip of a list row, in Bulgarian: which pair it belongs to and which
// rule links the plain and the cipher pair, with rows and columns counted 1
// to 5 as the window shows them; or why the pair gives no cipher pair.
QString pairToolTip(const RowInsight &insight);

// The tooltip of a decrypted row that belongs to an earlier square.
QString earlierSquareToolTip();

} // namespace playfair
