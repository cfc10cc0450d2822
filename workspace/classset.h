#pragma once

#include "practicesession.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace playfair {

// The directions of a class set: every sheet the same way, or encrypting and
// decrypting in turn (variant 1 encrypts, variant 2 decrypts, and so on), so
// that neighbours in a row have different work.
enum class ClassSetDirection { Encrypt, Decrypt, Mixed };

// What the teacher chose for a class set. The choices alone decide the set:
// the same choices give the same sheets, letter for letter.
struct ClassSetChoices
{
    int variants = 25;          // sheets: 1 to ClassSet::mostVariants
    QStringList names;          // pupils' names as given; the first sheets are theirs
    ClassSetDirection direction = ClassSetDirection::Encrypt;
    int pairs = 10;             // pairs a sheet: PracticeTask::minPairCount to maxPairCount
    bool squareShown = true;    // false: only the key word and an empty grid
    quint32 setNumber = 1;      // 1 to ClassSet::largestSetNumber; draws the tasks
    Alphabet::Id alphabet = Alphabet::Id::LatinIJ; // the squares' letters, and the key words' and messages' script

    friend bool operator==(const ClassSetChoices &, const ClassSetChoices &) = default;
};

// One sheet of a set.
struct ClassSetVariant
{
    int number = 0;    // 1, 2, … in the order of the sheets
    QString name;      // the pupil's name, cleaned and shortened for a heading; empty for "Вариант N"
    PracticeTask task; // its own key word and message
    PracticeDirection direction = PracticeDirection::Encrypt;
};

// A class set drawn from the teacher's choices: a task per sheet, each on its
// own key word and with its own pairs, every kind of pair on every sheet (as
// PracticeTask draws an exercise). The set number seeds the draw; the tasks
// do not depend on the names, the direction or the kind of sheet, so a set
// made again with another list of names or for decrypting has the same key
// words and messages.
class ClassSet
{
public:
    static constexpr int mostVariants = 40;
    static constexpr quint32 largestSetNumber = 999999;
    // A name longer than this is cut short for its heading.
    static constexpr int longestName = 60;

    enum class Problem { None, NoVariants, TooManyVariants, TooManyNames, PairsOutOfRange, SetNumberOutOfRange };

    // Why these choices make no set, or None.
    static Problem problemOf(const ClassSetChoices &choices);
    // Draws the set; `choices` must have no problem.
    static ClassSet draw(const ClassSetChoices &choices);

    // The names of a list typed or read from a file, one a line: each
    // cleaned as `cleanedName` does, the empty ones left out.
    static QStringList namesOf(const QString &text);
    // A name fit for a heading: tabs and line breaks made spaces, other
    // control characters and the invisible marks
    // that reorder text (bidirectional embeddings, overrides and isolates)
    // removed (and a byte order mark or undecodable bytes), runs of spaces made one, trimmed, and cut to longestName
    // characters with "…" when longer. Right-to-left letters stay as they are.
    static QString cleanedName(const QString &name);

    // The key words sets are drawn from: the exercise's and as many again,
    // so that every sheet of the largest set has its own.
    static const QStringList &keyWords();
    // Those of an alphabet: the above for the Latin ones, the Cyrillic
    // exercise's key words for cyrillic.
    static const QStringList &keyWords(const Alphabet &alphabet);

    const ClassSetChoices &choices() const { return m_choices; }
    const QList<ClassSetVariant> &variants() const { return m_variants; }

private:
    ClassSetChoices m_choices;
    QList<ClassSetVariant> m_variants;
};

} // namespace playfair
