#pragma once

#include "engine/textcheck.h"
#include "practicesession.h"

#include <QString>

namespace playfair {

// The exercise window's text check, as plain data and commands: the key
// word, the message (decrypting: the ciphertext) and the pupil's answer as
// typed, and the marks of the last check (engine/textcheck.h). Changing a
// text drops the marks, which stood for the texts as they were; check()
// marks the texts as they are now.
class TextCheckSession
{
public:
    // What keeps a check from being made.
    enum class Problem { None, NoKeyLetters, NoMessageLetters, NoAnswerLetters };

    bool isActive() const { return m_active; }
    void setActive(bool active) { m_active = active; }

    PracticeDirection direction() const { return m_direction; }
    bool decrypting() const { return m_direction == PracticeDirection::Decrypt; }
    void setDirection(PracticeDirection direction);

    const QString &keyWord() const { return m_keyWord; }
    const QString &message() const { return m_message; }
    const QString &answer() const { return m_answer; }
    void setKeyWord(const QString &text);
    void setMessage(const QString &text);
    void setAnswer(const QString &text);

    // The square of the key word as cleaned; the plain alphabet's without one.
    QString square() const;
    QString cleanedKey() const;

    // Marks the answer; returns what kept it from being made, if anything.
    Problem check();
    bool isChecked() const { return m_checked; }
    Problem problem() const { return m_problem; }
    const TextCheck &result() const { return m_result; }

    // The row of the result the window explains, or -1 for none.
    int explainedRow() const { return m_explained; }
    void explain(int row);

    // The letters a text counts: A..Z in capitals, with J turned into I
    // unless `keepJ`; everything else is skipped.
    static QString letters(const QString &text, bool keepJ = false);

private:
    void drop();

    bool m_active = false;
    PracticeDirection m_direction = PracticeDirection::Encrypt;
    QString m_keyWord;
    QString m_message;
    QString m_answer;
    bool m_checked = false;
    Problem m_problem = Problem::None;
    TextCheck m_result;
    int m_explained = -1;
};

} // namespace playfair
