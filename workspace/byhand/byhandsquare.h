#pragma once

#include "analysis/deduction.h"
#include "byhandboard.h"

#include <QString>

#include <optional>

namespace playfair {

// The square as the by-hand window shows it, and the small steps on squares
// and boards that the session takes. Squares are 25 characters row by row,
// '.' where unknown.

// The letter number of a capital A..Z without J, unknownLetter for '?'.
int letterNumberOf(QChar c);

struct ShownSquare
{
    QString square;
    std::optional<analysis::AlphabeticalRun> run; // in the square shown
};

// With letters placed, the square in their cells; else the largest piece,
// turned so that an alphabetical run, if it has one, ends in the last cell.
ShownSquare shownSquare(const analysis::DeductionResult &result, bool placed);

// The square moved `rows` down and `columns` right, round its edges.
QString shiftedText(const QString &square, int rows, int columns);

// The shift of a full square that puts every placed letter in its cell (the
// square as it is when none is placed), or none.
std::optional<QString> squareKeeping(const QString &square, const QList<PlacedCell> &placed);

// A piece of the square as lines of letters, '·' where its cells are not
// known, from its top left letter.
QString pieceText(const analysis::Fragment &fragment);

// Puts a word's letters under the pairs it covers from letter `position`
// of the board's ciphertext, keeping the letters already guessed where the
// word covers a pair by half.
void mergeWord(ByHandBoard &board, const QString &word, int position);

// Letters in groups of ten, as a ciphertext is written out.
QString inGroups(const QString &letters);

} // namespace playfair
