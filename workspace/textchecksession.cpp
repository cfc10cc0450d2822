#include "textchecksession.h"

#include "engine/characters.h"
#include "engine/keyedsquare.h"

namespace playfair {

void TextCheckSession::drop()
{
    m_checked = false;
    m_problem = Problem::None;
    m_result = {};
    m_explained = -1;
}

void TextCheckSession::explain(int row)
{
    m_explained = row >= 0 && row < int(m_result.pairs.size()) ? row : -1;
}

void TextCheckSession::setDirection(PracticeDirection direction)
{
    if (direction != m_direction)
        drop();
    m_direction = direction;
}

void TextCheckSession::setKeyWord(const QString &text)
{
    if (text != m_keyWord)
        drop();
    m_keyWord = text;
}

void TextCheckSession::setMessage(const QString &text)
{
    if (text != m_message)
        drop();
    m_message = text;
}

void TextCheckSession::setAnswer(const QString &text)
{
    if (text != m_answer)
        drop();
    m_answer = text;
}

QString TextCheckSession::letters(const QString &text, bool keepJ)
{
    const QString upper = upperCased(text);
    QString kept;
    kept.reserve(upper.size());
    for (QChar c : upper) {
        if (c >= u'A' && c <= u'Z')
            kept += c == u'J' && !keepJ ? QChar(u'I') : c;
    }
    return kept;
}

QString TextCheckSession::cleanedKey() const
{
    return cleaned(upperCased(m_keyWord));
}

QString TextCheckSession::square() const
{
    return QString::fromStdString(keyedSquare(cleanedKey().toStdString()));
}

TextCheckSession::Problem TextCheckSession::check()
{
    drop();
    const QString message = letters(m_message);
    const QString answer = letters(m_answer, true);
    if (cleanedKey().isEmpty())
        m_problem = Problem::NoKeyLetters;
    else if (message.isEmpty() || (decrypting() && message.size() < 2))
        m_problem = Problem::NoMessageLetters;
    else if (answer.isEmpty())
        m_problem = Problem::NoAnswerLetters;
    if (m_problem != Problem::None)
        return m_problem;
    m_result = checkText(square().toStdString(), message.toStdString(), answer.toStdString(), decrypting() ? -1 : +1);
    m_checked = true;
    return m_problem;
}

} // namespace playfair
