#include "sentence.h"

#include <QCoreApplication>

namespace playfair {

Sentence::Sentence(const char *context, const char *source, QStringList arguments)
    : m_context(context)
    , m_source(source)
    , m_arguments(std::move(arguments))
{
}

Sentence::Sentence(const QString &text)
{
    if (!text.isEmpty())
        m_arguments << text;
}

void Sentence::addLine(const Sentence &next)
{
    if (next.isEmpty())
        return;
    if (isEmpty())
        *this = next;
    else
        m_lines.push_back(next);
}

QString Sentence::text() const
{
    QString text = ownText();
    for (const Sentence &line : m_lines)
        text += u'\n' + line.text();
    return text;
}

QString Sentence::ownText() const
{
    if (m_source == nullptr)
        return m_arguments.value(0);
    const QString text = QCoreApplication::translate(m_context, m_source);
    // All the values at once, so that a %1 inside one (a file's name) is
    // not taken for a place of the next.
    switch (m_arguments.size()) {
    case 0:
        return text;
    case 1:
        return text.arg(m_arguments[0]);
    case 2:
        return text.arg(m_arguments[0], m_arguments[1]);
    default:
        return text.arg(m_arguments[0], m_arguments[1], m_arguments[2]);
    }
}

} // namespace playfair
