#pragma once

#include "engine/mistakes.h"
#include "engine/practicetask.h"
#include "engine/rowinsight.h"
#include "workspace.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace playfair {

enum class PracticeDirection {
    Encrypt, // the pupil is given plain pairs and writes their cipher pairs
    Decrypt, // the pupil is given cipher pairs and writes the plain pairs
};

// A pupil's work on one task, as plain data and commands: which pairs are
// answered and how, the tally, and which pair the window explains. The right
// answers and the rules come from the engine working the task (see
// PracticeTask::workspace), never from a copy of the rules.
//
// A pair is checked when the pupil gives two letters (lower case counts as
// upper case, J as I). The first wrong answer marks it Wrong and keeps it
// open; a second wrong one marks it Revealed and closes it; a right one marks
// it Right and closes it. Giving again the wrong answer just checked is not a
// new try.
class PracticeSession
{
public:
    enum class Mark { Open, Right, Wrong, Revealed };

    PracticeSession(PracticeTask task, PracticeDirection direction);

    const PracticeTask &task() const { return m_task; }
    PracticeDirection direction() const { return m_direction; }
    bool decrypting() const { return m_direction == PracticeDirection::Decrypt; }

    // Starts the same task afresh in `direction`.
    void setDirection(PracticeDirection direction);

    // Another square a pupil may have worked on by mistake (the main
    // window's, built from another key word): a wrong answer that the right
    // rule on it gives is named as worked on another square. The plain
    // alphabet's is always tried; a text that is no square is ignored.
    void alsoTry(const QString &square);
    const QStringList &otherSquares() const { return m_otherSquares; }

    // Pairs are counted from 0 to pairCount() - 1.
    int pairCount() const { return int(m_pairs.size()); }
    QString given(int pair) const;    // the pair the pupil works from
    QString expected(int pair) const; // its right answer
    RowInsight insight(int pair) const;

    Mark mark(int pair) const { return m_pairs[pair].mark; }
    int tries(int pair) const { return m_pairs[pair].tries; }
    QString answer(int pair) const { return m_pairs[pair].answer; } // the last answer checked
    bool isClosed(int pair) const { return mark(pair) == Mark::Right || mark(pair) == Mark::Revealed; }

    // Checks a typed answer and returns the pair's mark afterwards. Anything
    // but two letters, and any answer to a closed pair, changes nothing.
    Mark check(int pair, const QString &typed);

    // The slip that explains the last wrong answer (engine/mistakes.h);
    // none while the pair is open or right. A row or column pair moved the
    // other way, as another pair was before, is named OtherDirection, and
    // slipAlsoIn gives that other pair; else it is -1.
    std::optional<SlipFinding> slip(int pair) const { return m_pairs[pair].slip; }
    int slipAlsoIn(int pair) const { return m_pairs[pair].slipAlsoIn; }
    // The cells (0..24 on the classic square) of the last answer's letters that are not right in
    // their place: where the pupil's wrong letters came from.
    QList<int> wrongCells(int pair) const;

    // The pair whose result the window explains (the one checked last, or an
    // answered one the pupil went back to), or -1 for none.
    int explainedPair() const { return m_explained; }
    void explain(int pair);

    // A letter of the other script was typed into an answer (a Cyrillic one
    // where the alphabet is Latin, a Latin one where it is Cyrillic), which
    // the answer does not take: the window says so until the next answer of
    // two letters.
    void noteCyrillicTyped() { m_cyrillicTyped = true; }
    bool cyrillicTyped() const { return m_cyrillicTyped; }
    void noteOtherScriptTyped() { noteCyrillicTyped(); }
    bool otherScriptTyped() const { return cyrillicTyped(); }

    const Alphabet &alphabet() const { return m_task.alphabetOf(); }

    int rightAtFirstTry() const;
    int closedCount() const;
    bool isFinished() const { return closedCount() == pairCount(); }

    // A typed answer as it is checked: capitals A..Z, J as I.
    static QString normalised(const QString &typed);
    // The same in the task's alphabet: its letters, merged ones as their
    // partner.
    QString normalisedAnswer(const QString &typed) const;

private:
    struct PairState
    {
        Mark mark = Mark::Open;
        int tries = 0;
        QString answer;
        std::optional<SlipFinding> slip;
        int slipAlsoIn = -1;
    };

    void workPairs();

    PracticeTask m_task;
    Workspace m_ws; // the task worked by the engine (the classic square's)
    // The pairs in the three columns the workspace's lists hold: plain,
    // cipher and decrypted again.
    std::array<QStringList, 3> m_columns;
    PracticeDirection m_direction;
    QList<PairState> m_pairs;
    int m_explained = -1;
    bool m_cyrillicTyped = false;
    QStringList m_otherSquares;
};

} // namespace playfair
