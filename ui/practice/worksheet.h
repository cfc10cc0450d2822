#pragma once

#include "workspace/classset.h"
#include "workspace/practicesession.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace playfair {

// What a printed worksheet shows, every text in the language shown, worked
// out from a task and a direction: page 1 the exercise with the square (or,
// on a harder sheet, only the key word and an empty grid to build the square
// in) and the pairs with empty boxes; page 2 the answer key with each pair's
// answer and rule. The drawing is in worksheetpdf.h.
struct Worksheet
{
    Q_DECLARE_TR_FUNCTIONS(Worksheet)

public:
    QString title;       // the heading of page 1
    QString pupilLine;   // the lines for the pupil's name, class and date
    QString instruction; // what the pupil does
    QString keyWord;     // the task's key word, cleaned
    QString square;      // the alphabet's letters row by row (25 on the classic square)
    SquareShape shape;   // the square's rows and columns
    QString alphabetLine; // "Азбука: кирилица, 30 букви (5 × 6)." under the square
    QString keyWordLine; // "Ключова дума: RODINA"; empty without a key word
    bool squareShown = true;

    QString givenHeading;  // "Текст" or "Шифър"
    QString answerHeading; // the other one
    QStringList given;     // the pairs the pupil works from
    QStringList answers;   // their answers, for the key
    QStringList rules;     // each pair's rule, with where each letter goes

    // On a sheet of a class set: its heading ("Вариант 3" or the pupil's
    // name) and the line with the set's number; empty on a single sheet.
    QString heading;
    QString setLine;
    QString keyHeading;   // the variant in the set's answer key: "Вариант 3 · Иван Петров · криптиране"
    QStringList ruleNames; // each pair's rule in a few words, for the set's answer key

    QString keyTitle;     // the heading of page 2
    QString keyLine;      // under it: the key word (or that there is none) and the title
    QString keyContinued; // the heading of the key's next page, when it needs one

    // `squareShown` false gives the harder sheet; a task without a key word
    // always shows its square.
    static Worksheet forTask(const PracticeTask &task, PracticeDirection direction, bool squareShown);
    // A pair's rule in a few words ("ред 3, през края"); `first` is where
    // its first plain letter stands.
    static QString ruleName(PairKind kind, SquarePosition first);
};

// What a class set's PDF shows: a worksheet per variant, headed with the
// variant or the pupil's name and the set's number, then the answer key of
// every variant, several a page.
struct ClassSetPrint
{
    Q_DECLARE_TR_FUNCTIONS(ClassSetPrint)

public:
    QString title;           // the document's title
    QList<Worksheet> sheets; // in the order of the variants
    QString keyTitle;        // the heading of the key's pages, with the set's number
    QString keyLine;         // under it: how many variants, the pairs, the sheet
    QString keyContinued;    // the heading of the key's later pages

    static ClassSetPrint forSet(const ClassSet &set);
    // "Вариант 3", or the pupil's name.
    static QString headingOf(const ClassSetVariant &variant);
};

} // namespace playfair
