#pragma once

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
    QString square;      // the 25 letters row by row
    QString keyWordLine; // "Ключова дума: RODINA"; empty without a key word
    bool squareShown = true;

    QString givenHeading;  // "Текст" or "Шифър"
    QString answerHeading; // the other one
    QStringList given;     // the pairs the pupil works from
    QStringList answers;   // their answers, for the key
    QStringList rules;     // each pair's rule, with where each letter goes

    QString keyTitle;     // the heading of page 2
    QString keyLine;      // under it: the key word (or that there is none) and the title
    QString keyContinued; // the heading of the key's next page, when it needs one

    // `squareShown` false gives the harder sheet; a task without a key word
    // always shows its square.
    static Worksheet forTask(const PracticeTask &task, PracticeDirection direction, bool squareShown);
};

} // namespace playfair
