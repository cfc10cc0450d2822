#include "practicesession.h"

#include "engine/characters.h"
#include "engine/textbook.h"

#include <utility>

namespace playfair {

PracticeSession::PracticeSession(PracticeTask task, PracticeDirection direction)
    : m_task(std::move(task))
    , m_ws(m_task.workspace())
    , m_direction(direction)
    , m_pairs(m_task.pairs.size())
{
}

void PracticeSession::setDirection(PracticeDirection direction)
{
    m_direction = direction;
    m_pairs = QList<PairState>(m_task.pairs.size());
    m_explained = -1;
    m_cyrillicTyped = false;
}

void PracticeSession::alsoTry(const QString &square)
{
    if (square != m_task.square && isSquare(square.toStdString()) && !m_otherSquares.contains(square))
        m_otherSquares << square;
}

QString PracticeSession::given(int pair) const
{
    return m_ws.List1[decrypting() ? 1 : 0].items().at(pair);
}

QString PracticeSession::expected(int pair) const
{
    return m_ws.List1[decrypting() ? 2 : 1].items().at(pair);
}

RowInsight PracticeSession::insight(int pair) const
{
    // Every pair of a task gives a cipher pair, so the rows line up.
    return *insightFor(m_ws, decrypting() ? 1 : 0, pair);
}

PracticeSession::Mark PracticeSession::check(int pair, const QString &typed)
{
    if (pair < 0 || pair >= pairCount())
        return Mark::Open;
    PairState &state = m_pairs[pair];
    const QString answer = normalised(typed);
    if (answer.size() == 2)
        m_cyrillicTyped = false;
    if (isClosed(pair) || answer.size() != 2 || (state.mark == Mark::Wrong && answer == state.answer))
        return state.mark;

    ++state.tries;
    state.answer = answer;
    state.slip.reset();
    state.slipAlsoIn = -1;
    if (answer == expected(pair)) {
        state.mark = Mark::Right;
    } else {
        state.mark = state.tries >= 2 ? Mark::Revealed : Mark::Wrong;
        std::vector<std::string> others;
        for (const QString &square : std::as_const(m_otherSquares))
            others.push_back(square.toStdString());
        state.slip = findSlip(m_task.square.toStdString(), given(pair).toStdString(), decrypting() ? -1 : +1,
                              answer.toStdString(), others);
        for (int other = 0; state.slip && state.slip->slip == Slip::Direction && other < pairCount(); ++other) {
            const std::optional<SlipFinding> &before = m_pairs[other].slip;
            if (other != pair && before && (before->slip == Slip::Direction || before->slip == Slip::OtherDirection)) {
                state.slip->slip = Slip::OtherDirection;
                state.slipAlsoIn = other;
            }
        }
    }
    m_explained = pair;
    return state.mark;
}

QList<int> PracticeSession::wrongCells(int pair) const
{
    QList<int> cells;
    if (mark(pair) == Mark::Open || mark(pair) == Mark::Right)
        return cells;
    const QString &answer = m_pairs[pair].answer;
    const QString right = expected(pair);
    for (int i = 0; i < answer.size() && i < right.size(); ++i) {
        const int cell = cellOf(m_task.square.toStdString(), answer[i].toLatin1());
        if (answer[i] != right[i] && cell >= 0 && !cells.contains(cell))
            cells << cell;
    }
    return cells;
}

void PracticeSession::explain(int pair)
{
    if (pair >= 0 && pair < pairCount() && m_pairs[pair].mark != Mark::Open)
        m_explained = pair;
}

int PracticeSession::rightAtFirstTry() const
{
    int count = 0;
    for (const PairState &state : m_pairs) {
        if (state.mark == Mark::Right && state.tries == 1)
            ++count;
    }
    return count;
}

int PracticeSession::closedCount() const
{
    int count = 0;
    for (int pair = 0; pair < pairCount(); ++pair) {
        if (isClosed(pair))
            ++count;
    }
    return count;
}

QString PracticeSession::normalised(const QString &typed)
{
    return cleaned(upperCased(typed));
}

} // namespace playfair
