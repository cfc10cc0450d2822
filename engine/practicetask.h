#pragma once

#include "alphabet.h"
#include "rules.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

class QRandomGenerator;

namespace playfair {

class Workspace;

// The kinds of pair an exercise shows: the three rules, and the row and column
// rules once more where a letter wraps round the edge of the square.
enum class PairKind { Rectangle, SameRow, SameRowWrapping, SameColumn, SameColumnWrapping };

// The kind of the pair at these two places; none when both are one cell.
std::optional<PairKind> kindOf(SquarePosition first, SquarePosition second, SquareShape shape = classicShape);

// An exercise: a keyed square and the plain pairs to encrypt on it (or whose
// cipher pairs are to be decrypted). Every pair has two different letters of
// the square, so every pair has a cipher pair.
struct PracticeTask
{
    PracticeTask() = default;
    PracticeTask(QString keyWord, QString square, QStringList pairs, Alphabet::Id alphabet = Alphabet::Id::LatinIJ,
                 QString dropped = {})
        : keyWord(std::move(keyWord))
        , square(std::move(square))
        , pairs(std::move(pairs))
        , alphabet(alphabet)
        , dropped(std::move(dropped))
    {
    }

    QString keyWord;   // cleaned, builds `square`; empty for the plain square
    QString square;    // the alphabet's letters row by row (25 for the classic square)
    QStringList pairs; // the plain pairs in order
    Alphabet::Id alphabet = Alphabet::Id::LatinIJ;
    // The letters the alphabet left out of the task's message when it was
    // cleaned (the Q of latin-q), as capitals; empty for none.
    QString dropped;

    const Alphabet &alphabetOf() const { return Alphabet::of(alphabet); }

    // A workspace that holds the task as the engine works it: the square in
    // Label3, the pairs in List1[0], their cipher pairs in List1[1] and those
    // decrypted again in List1[2], row for row.
    Workspace workspace() const;

    // The kind of each pair, in order.
    QList<PairKind> kinds() const;

    // A task of 8 to 12 pairs from the built-in messages, on the square of a
    // key word drawn from the built-in list, with every kind of pair in it.
    // The same generator state gives the same task.
    static PracticeTask random(QRandomGenerator &random);
    static PracticeTask forKeyWord(const QString &keyWord, QRandomGenerator &random);
    // The same with `pairCount` pairs (minPairCount to maxPairCount), and
    // none of the built-in messages whose pairs are among `taken`.
    static PracticeTask forKeyWord(const QString &keyWord, QRandomGenerator &random, int pairCount,
                                   const QList<QStringList> &taken = {});
    // The same in `alphabet`, on its own key words and messages (Cyrillic
    // ones for cyrillic; ones with digits besides for latin-digits). On
    // latin-ij these are the tasks above.
    static PracticeTask random(QRandomGenerator &random, const Alphabet &alphabet);
    static PracticeTask forKeyWord(const QString &keyWord, QRandomGenerator &random, const Alphabet &alphabet,
                                   int pairCount = 0, const QList<QStringList> &taken = {});
    // One pair of each kind at least, and as many as a sheet holds.
    static constexpr int minPairCount = 5;
    static constexpr int maxPairCount = 20;

    // The task of the main window's workspace: its square and the message
    // pairs that give a cipher pair. The key word is the key box's cleaned
    // text when that builds the square shown, else the shortest key word that
    // does. A workspace without such pairs gets pairs drawn as `random` does,
    // on its square.
    static PracticeTask fromWorkspace(const Workspace &ws, QRandomGenerator &random);
    // The same when the workspace has such pairs; else none.
    static std::optional<PracticeTask> ofWorkspacePairs(const Workspace &ws);

    // The built-in key words and messages, Bulgarian ones in Latin letters.
    static const QStringList &keyWords();
    static const QStringList &messages();
    // Those of an alphabet.
    static const QStringList &keyWords(const Alphabet &alphabet);
    static const QStringList &messages(const Alphabet &alphabet);

    friend bool operator==(const PracticeTask &, const PracticeTask &) = default;
};

} // namespace playfair
