#pragma once

// What the break session's tests share: a ciphertext with its key, the
// solver's reports as the search sends them, and the texts the session says.

#include "engine/demonstration.h"
#include "workspace/breaksession.h"

#include <QStringList>
#include <QTest>

Q_DECLARE_METATYPE(playfair::analysis::SolverResult)

namespace playfair::testing {

using State = BreakSession::State;

inline const QString playfairExample = QStringLiteral("PLAYFIREXMBCDGHKNOQSTUVWZ");
inline const QString keyKnown = QStringLiteral("Ключът е известен: буквите, които са на мястото си, ще се оцветят в зелено.");
inline const QString keyUnknown = QStringLiteral("Ключът не е известен: нищо не се отбелязва.");
inline const QString pressStart = QStringLiteral("Натиснете „Започни“ или Enter в полето за шифрования текст.");

// 40 letters of English, encrypted on the textbook square.
inline Demonstration english()
{
    return *Demonstration::make(QStringLiteral("Hide the gold in the tree stump, then meet at noon"), playfairExample);
}

inline QString pairsOf(const QString &letters)
{
    QStringList pairs;
    for (qsizetype i = 0; i < letters.size(); i += 2)
        pairs << letters.mid(i, 2);
    return pairs.join(u' ');
}

// Capital letters A..Z without J as the solver's letter numbers.
inline std::vector<analysis::Letter> lettersOf(const QString &letters)
{
    std::vector<analysis::Letter> numbers;
    for (QChar letter : letters)
        numbers.push_back(analysis::Letter(analysis::letterNumber(char(letter.unicode()))));
    return numbers;
}

inline analysis::Square squareOf(const QString &letters)
{
    analysis::Square square{};
    if (!analysis::squareFromText(letters.toStdString(), square))
        qFatal("not a square: %s", qPrintable(letters));
    return square;
}

// A report of a found square, as the solver sends it.
inline analysis::SolverResult found(const QString &square, const QString &plaintext)
{
    analysis::SolverResult result;
    result.found = true;
    result.square = squareOf(square);
    result.squareText = square.toStdString();
    result.plaintext = plaintext.toStdString();
    return result;
}

inline analysis::SolverResult result(bool isFound, std::uint64_t keys, double seconds, double score,
                                     analysis::StopReason stopped = analysis::StopReason::TimeLimit,
                                     analysis::Confidence confidence = analysis::Confidence::None, int agreeing = 0)
{
    analysis::SolverResult result;
    result.found = isFound;
    result.keysTested = keys;
    result.elapsedSeconds = seconds;
    result.score = score;
    result.restarts = 7;
    result.stopped = stopped;
    result.confidence = confidence;
    result.settled = confidence == analysis::Confidence::Settled;
    result.agreeing = agreeing;
    return result;
}

inline QString stateName(State state)
{
    switch (state) {
    case State::Idle:
        return QStringLiteral("I");
    case State::Searching:
        return QStringLiteral("S");
    case State::Stopping:
        return QStringLiteral("T");
    case State::Finished:
        return QStringLiteral("F");
    case State::Refused:
        return QStringLiteral("R");
    }
    return {};
}

// A session searching `input` on one thread with a fixed seed.
inline BreakSession searching(const BreakInput &input, const QString &crib = QString())
{
    BreakSession session;
    session.setInput(input);
    session.setCrib(crib);
    session.setSearchOptions(1, 99);
    if (!session.start())
        qFatal("the search did not start");
    return session;
}

} // namespace playfair::testing
