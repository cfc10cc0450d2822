#include "practicesession.h"

#include "engine/characters.h"
#include "engine/textbook.h"

#include <utility>

#include <QList>

namespace playfair {

PracticeSession::PracticeSession(PracticeTask task, PracticeDirection direction)
    : m_task(std::move(task))
    , m_ws(m_task.alphabet == Alphabet::Id::LatinIJ ? m_task.workspace() : Workspace())
    , m_direction(direction)
    , m_pairs(m_task.pairs.size())
{
    workPairs();
}

void PracticeSession::workPairs()
{
    if (alphabet() == Alphabet::classic()) {
        for (int list = 0; list < 3; ++list)
            m_columns[std::size_t(list)] = m_ws.List1[list].items();
        return;
    }
    // Every pair has two different letters of the square, so each gives a
    // cipher pair, row for row.
    const std::u32string square = toUtf32(m_task.square);
    for (const QString &pair : std::as_const(m_task.pairs)) {
        const QString cipher = fromUtf32(transformedPairs(alphabet(), square, toUtf32(pair), +1));
        m_columns[0] << pair;
        m_columns[1] << cipher;
        m_columns[2] << fromUtf32(transformedPairs(alphabet(), square, toUtf32(cipher), -1));
    }
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
    if (square != m_task.square && isSquare(alphabet(), toUtf32(square)) && !m_otherSquares.contains(square))
        m_otherSquares << square;
}

QString PracticeSession::given(int pair) const
{
    return m_columns[decrypting() ? 1 : 0].at(pair);
}

QString PracticeSession::expected(int pair) const
{
    return m_columns[decrypting() ? 2 : 1].at(pair);
}

RowInsight PracticeSession::insight(int pair) const
{
    // Every pair of a task gives a cipher pair, so the rows line up.
    if (alphabet() == Alphabet::classic())
        return *insightFor(m_ws, decrypting() ? 1 : 0, pair);
    const SquareShape shape = alphabet().shape();
    RowInsight insight;
    insight.list = decrypting() ? 1 : 0;
    insight.row = pair;
    insight.plain = m_columns[0].at(pair);
    insight.cipher = m_columns[1].at(pair);
    for (QChar letter : std::as_const(insight.plain))
        insight.plainPositions << SquarePosition::ofCell(int(m_task.square.indexOf(letter)), shape);
    for (QChar letter : std::as_const(insight.cipher))
        insight.cipherPositions << SquarePosition::ofCell(int(m_task.square.indexOf(letter)), shape);
    insight.rule = ruleFor(insight.plainPositions.at(0), insight.plainPositions.at(1));
    insight.messageRow = pair;
    insight.cipherRow = pair;
    return insight;
}

PracticeSession::Mark PracticeSession::check(int pair, const QString &typed)
{
    if (pair < 0 || pair >= pairCount())
        return Mark::Open;
    PairState &state = m_pairs[pair];
    const QString answer = normalisedAnswer(typed);
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
        std::vector<std::u32string> others;
        for (const QString &square : std::as_const(m_otherSquares))
            others.push_back(toUtf32(square));
        state.slip = findSlip(alphabet(), toUtf32(m_task.square), toUtf32(given(pair)), decrypting() ? -1 : +1, toUtf32(answer),
                              others);
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
        const int cell = cellOf(alphabet(), toUtf32(m_task.square), answer[i].unicode());
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

QString PracticeSession::normalisedAnswer(const QString &typed) const
{
    if (alphabet() == Alphabet::classic())
        return normalised(typed);
    return fromUtf32(alphabet().cleaned(toUtf32(typed)).letters);
}

} // namespace playfair
