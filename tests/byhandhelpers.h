#pragma once

#include "workspace/byhand/byhandsession.h"
#include "workspace/byhand/lesson.h"

#include <QStringList>

namespace playfair::testing {

// The lesson, whose message and square are the truth the tests know.
inline const Lesson &lesson()
{
    return Lesson::example();
}

// The true plain pair under cipher pair `pair` (from 0).
inline QString truePair(int pair)
{
    return lesson().plaintext().mid(2 * pair, 2);
}

// One of the pupil's actions, written "g3=RE" (a guess under pair 3),
// "c1=T" (T into cell 1, row by row from 1), "c1=" (the cell cleared),
// "w4=TREASURE" (a probable word placed from letter 4), "k=LIGHTHOUSE" (a key
// word applied); returns whether the board changed.
inline bool act(ByHandSession &session, const QString &action)
{
    const QString what = action.section(u'=', 1);
    const int number = action.section(u'=', 0, 0).mid(1).toInt() - 1;
    switch (action[0].unicode()) {
    case u'g':
        return session.setGuess(number, what);
    case u'c':
        return session.placeLetter(number, what);
    case u'w': {
        session.setProbableWord(what);
        const QList<ByHandSession::Place> places = session.wordPlaces();
        for (qsizetype i = 0; i < places.size(); ++i) {
            if (places[i].position == number)
                return session.placeWord(int(i));
        }
        return false;
    }
    case u'k':
        return session.applyKey(what);
    }
    return false;
}

inline ByHandSession lessonSession(const QString &actions = {})
{
    ByHandSession session;
    session.startLesson();
    for (const QString &action : actions.split(u' ', Qt::SkipEmptyParts))
        act(session, action);
    return session;
}

} // namespace playfair::testing
