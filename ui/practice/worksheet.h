#pragma once

#include "workspace/practicesession.h"

#include <QString>
#include <QStringList>

namespace playfair {

// What a printed worksheet shows, in Bulgarian, worked out from a task and
// a direction: page 1 the exercise with the square (or, on a harder sheet,
// only the key word and an empty grid to build the square in) and the pairs
// with empty boxes; page 2 the answer key with each pair's answer and rule.
// The drawing is in worksheetpdf.h.
struct Worksheet
{
    QString title;       // the heading of page 1
    QString instruction; // what the pupil does
    QString keyWord;     // the task's key word, cleaned
    QString square;      // the 25 letters row by row
    bool squareShown = true;

    QString givenHeading;  // "Текст" or "Шифър"
    QString answerHeading; // the other one
    QStringList given;     // the pairs the pupil works from
    QStringList answers;   // their answers, for the key
    QStringList rules;     // each pair's rule, with where each letter goes

    QString keyTitle; // the heading of page 2

    // `squareShown` false gives the harder sheet; a task without a key word
    // always shows its square.
    static Worksheet forTask(const PracticeTask &task, PracticeDirection direction, bool squareShown);
};

} // namespace playfair
