#pragma once

#include "workspace/uilanguage.h"

#include <QList>
#include <QString>

namespace playfair {

// The guided lesson: a message of the program's own, encrypted on the
// square of a key word when the lesson starts, and the steps of the classic
// method of breaking it by hand. What each step does is data here; what it
// says is a text file for each language (lesson.bg.txt, lesson.en.txt),
// embedded in the program.
struct LessonStep
{
    enum class Kind {
        Look, // nothing to put down: the window marks what to look at
        Word, // a word at its place in the plaintext
        Tail, // the square's last rows filled in alphabetical order
        Key,  // the key word read off the square
    };
    enum class Marks { None, Commonest, Reversed };

    Kind kind = Kind::Look;
    Marks marks = Marks::None;
    QString word;     // for Word
    int position = 0; // for Word: of its first letter in the plaintext, from 0
};

struct LessonText
{
    QString title;
    QString body;
};

class Lesson
{
public:
    // The lesson the program gives.
    static const Lesson &example();

    const QString &keyWord() const { return m_keyWord; }
    const QString &square() const { return m_square; }         // 25 letters row by row
    const QString &plaintext() const { return m_plaintext; }   // prepared, as it was encrypted
    const QString &ciphertext() const { return m_ciphertext; }
    const QList<LessonStep> &steps() const { return m_steps; }
    int stepCount() const { return int(m_steps.size()); }

    // The steps' titles and texts in a language, as the embedded files
    // have them; a step the file lacks is empty.
    static QList<LessonText> texts(UiLanguage language);
    // Reads a lesson file: each step starts with a line "= title", its
    // text follows; lines starting with '#' before the first step are
    // comments.
    static QList<LessonText> parse(const QString &file);

private:
    Lesson(QString plaintext, QString keyWord, QList<LessonStep> steps);

    QString m_keyWord;
    QString m_square;
    QString m_plaintext;
    QString m_ciphertext;
    QList<LessonStep> m_steps;
};

} // namespace playfair
