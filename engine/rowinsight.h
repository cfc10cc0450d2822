#pragma once

#include "rules.h"

#include <QList>
#include <QString>

#include <optional>

namespace playfair {

class Workspace;

// What one row of the message, cipher or decrypted list means on the square
// shown: the plain pair, the cipher pair it gives or came from, the rule that
// links them and where their letters stand. Worked out from the pairs
// themselves, so a pair that gives no cipher pair and shifts the later rows
// does not confuse it. Reading only: nothing in the workspace changes.
struct RowInsight
{
    int list = 0; // 0 message, 1 cipher, 2 decrypted
    int row = 0;
    PairRule rule = PairRule::SameCell;
    bool singleLetter = false; // the odd last letter of the message

    QString plain;  // the plain pair (one letter for the odd last letter)
    QString cipher; // its cipher pair; empty when the pair gives none
    QList<SquarePosition> plainPositions;
    QList<SquarePosition> cipherPositions;

    int messageRow = -1; // the message list row the pair belongs to, -1 if none
    int cipherRow = -1;  // the cipher list row it belongs to, -1 if none
};

// The insight for row `row` of list `list` (0 to 2), or none when the row does
// not exist, or when the decrypted list no longer belongs to the square shown
// (after a Clear it still holds the pairs of the previous square).
std::optional<RowInsight> insightFor(const Workspace &ws, int list, int row);

} // namespace playfair
