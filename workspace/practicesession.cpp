#include "practicesession.h"

#include "engine/characters.h"

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
    if (answer == expected(pair))
        state.mark = Mark::Right;
    else
        state.mark = state.tries >= 2 ? Mark::Revealed : Mark::Wrong;
    m_explained = pair;
    return state.mark;
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
