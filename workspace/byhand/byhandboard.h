#pragma once

#include "analysis/language.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace playfair {

// A letter the pupil put in a cell of the square (0..24, row by row).
struct PlacedCell
{
    QChar letter; // A..Z without J
    int cell = 0;

    friend bool operator==(const PlacedCell &, const PlacedCell &) = default;
};

// What a pupil has put down while breaking a ciphertext by hand, as plain
// data: the ciphertext's letters, a guess under each cipher pair (two
// characters, each a letter or '?', or empty for none), the letters put in
// the square's cells, and the key word applied, if any. Undo and redo step
// through boards; a board is what a file keeps.
struct ByHandBoard
{
    QString ciphertext; // A..Z without J, an even count, no pair of one letter twice
    QStringList guesses; // one for each cipher pair
    QList<PlacedCell> placed;
    QString keyWord; // the key word applied, as the list spells it

    int pairCount() const { return int(ciphertext.size() / 2); }
    QString cipherPair(int pair) const { return ciphertext.mid(2 * pair, 2); }

    friend bool operator==(const ByHandBoard &, const ByHandBoard &) = default;
};

// A board as a file keeps it, with the language of its message and the
// lesson's step (-1 for none).
struct ByHandFile
{
    ByHandBoard board;
    analysis::Language language = analysis::Language::English;
    int lessonStep = -1;

    // A small text file of lines "key value", under a first line that
    // names the format.
    QByteArray toText() const;

    // Why a text is no board: not one of ours, or one whose line `line`
    // (from 1) is damaged.
    struct Error
    {
        enum class Kind { Foreign, Damaged, TooLarge };
        Kind kind = Kind::Foreign;
        int line = 0;
    };
    // Reads what toText() wrote. A lesson step is checked against
    // `lessonSteps`.
    static std::variant<ByHandFile, Error> fromText(const QByteArray &text, int lessonSteps);

    // Whether a text starts as a board's file does (its first line).
    static bool isBoardText(const QByteArray &start);

    // Files larger than this are no boards.
    static constexpr qint64 largest = 1 << 20;
};

} // namespace playfair
