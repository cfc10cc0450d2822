#include "lesson.h"

#include "engine/characters.h"
#include "engine/keyedsquare.h"
#include "engine/textbook.h"

#include <QFile>

namespace playfair {

Lesson::Lesson(QString plaintext, QString keyWord, QList<LessonStep> steps)
    : m_keyWord(std::move(keyWord))
    , m_steps(std::move(steps))
{
    const std::string message = preparedMessage(cleaned(upperCased(plaintext)).toStdString());
    m_square = QString::fromStdString(keyedSquare(cleaned(upperCased(m_keyWord)).toStdString()));
    m_plaintext = QString::fromStdString(message);
    m_ciphertext = QString::fromStdString(transformedPairs(m_square.toStdString(), message, 1));
}

const Lesson &Lesson::example()
{
    using Kind = LessonStep::Kind;
    using Marks = LessonStep::Marks;
    // A message a treasure hunt might leave: THE at its start and often
    // after, a repeated OF THE, a word the class is told to look for
    // (TREASURE) and words the readings give away (CHURCH, RIVER).
    static const Lesson lesson(
        QStringLiteral("The treasure is hidden under the third stone of the north wall of the old church "
                       "near the river. Meet me there at seven."),
        QStringLiteral("LIGHTHOUSE"),
        {
            {Kind::Look, Marks::Commonest, {}, 0},          // count the pairs
            {Kind::Look, Marks::Reversed, {}, 0},           // the reversed pairs
            {Kind::Word, Marks::None, QStringLiteral("THE"), 0},   // THE at a frequent pair at the start
            {Kind::Word, Marks::None, QStringLiteral("RE"), 4},    // RE under a reversed pair
            {Kind::Word, Marks::None, QStringLiteral("TREASURE"), 3}, // the probable word dragged along
            {Kind::Word, Marks::None, QStringLiteral("OFTHE"), 37},   // the equations of a repeated run
            {Kind::Word, Marks::None, QStringLiteral("CHURCH"), 59},  // the pieces combined, a word read
            {Kind::Word, Marks::None, QStringLiteral("RIVER"), 72},
            {Kind::Tail, Marks::None, {}, 0},               // the alphabetical tail
            {Kind::Key, Marks::None, {}, 0},                // the key word read off
            {Kind::Look, Marks::None, {}, 0},               // the plaintext read
        });
    return lesson;
}

QList<LessonText> Lesson::parse(const QString &file)
{
    QList<LessonText> texts;
    QStringList body;
    const auto close = [&] {
        if (!texts.isEmpty())
            texts.last().body = body.join(u'\n').trimmed();
        body.clear();
    };
    for (const QString &line : file.split(u'\n')) {
        if (line.startsWith(u'=')) {
            close();
            texts.append({line.mid(1).trimmed(), {}});
        } else if (!texts.isEmpty()) {
            body.append(line);
        }
    }
    close();
    // Paragraphs are kept, and a line starting with "- " stays a line of
    // its own; the other lines of a paragraph are joined.
    for (LessonText &text : texts) {
        QStringList paragraphs = text.body.split(QStringLiteral("\n\n"), Qt::SkipEmptyParts);
        for (QString &paragraph : paragraphs) {
            QStringList lines;
            for (const QString &line : paragraph.split(u'\n')) {
                if (lines.isEmpty() || line.trimmed().startsWith(QLatin1String("- ")))
                    lines.append(line.simplified());
                else
                    lines.last() += u' ' + line.simplified();
            }
            paragraph = lines.join(u'\n').trimmed();
        }
        text.body = paragraphs.join(QStringLiteral("\n\n"));
    }
    return texts;
}

QList<LessonText> Lesson::texts(UiLanguage language)
{
    QFile file(QStringLiteral(":/playfair/lesson.%1.txt").arg(languageCode(language)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<LessonText> texts = parse(QString::fromUtf8(file.readAll()));
    texts.resize(example().stepCount());
    return texts;
}

} // namespace playfair
