#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace playfair {

// A sentence for the user that a session keeps until it is shown: its
// Bulgarian source, marked for lupdate with QT_TRANSLATE_NOOP(context, …),
// and the values of its %1, %2, %3. It is put into words when shown, so it
// is shown in the language of that moment, however long it was kept.
class Sentence
{
public:
    Sentence() = default;
    Sentence(const char *context, const char *source, QStringList arguments = {});
    // A text shown as it is, such as a library's own message, which has no
    // translation.
    Sentence(const QString &text);

    bool isEmpty() const { return m_source == nullptr && m_arguments.isEmpty() && m_lines.empty(); }
    // Each sentence added is shown on a line of its own after this one; an
    // empty one adds nothing.
    void addLine(const Sentence &next);
    QString text() const;

private:
    QString ownText() const;

    const char *m_context = nullptr;
    const char *m_source = nullptr;
    QStringList m_arguments;
    std::vector<Sentence> m_lines;
};

} // namespace playfair
