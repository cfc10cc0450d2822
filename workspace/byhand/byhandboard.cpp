#include "byhandboard.h"

#include <QSet>

namespace playfair {

namespace {

const char *const firstLine = "playfair-by-hand 1";

bool isLetter(QChar c)
{
    return c >= u'A' && c <= u'Z' && c != u'J';
}

bool isCiphertext(const QString &letters)
{
    if (letters.isEmpty() || letters.size() % 2 != 0)
        return false;
    for (qsizetype i = 0; i < letters.size(); i += 2) {
        if (!isLetter(letters[i]) || !isLetter(letters[i + 1]) || letters[i] == letters[i + 1])
            return false;
    }
    return true;
}

bool isGuess(const QString &guess)
{
    return guess.size() == 2 && (isLetter(guess[0]) || guess[0] == u'?') && (isLetter(guess[1]) || guess[1] == u'?')
        && guess != QLatin1String("??");
}

} // namespace

QByteArray ByHandFile::toText() const
{
    QByteArray text = QByteArray(firstLine) + '\n';
    text += "language " + QByteArray(analysis::languageCode(language).data()) + '\n';
    text += "ciphertext " + board.ciphertext.toLatin1() + '\n';
    for (int pair = 0; pair < board.guesses.size(); ++pair) {
        if (!board.guesses[pair].isEmpty())
            text += "guess " + QByteArray::number(pair + 1) + ' ' + board.guesses[pair].toLatin1() + '\n';
    }
    for (const PlacedCell &placed : board.placed)
        text += "cell " + QByteArray::number(placed.cell + 1) + ' ' + QString(placed.letter).toLatin1() + '\n';
    if (!board.keyWord.isEmpty())
        text += "key " + board.keyWord.toUtf8() + '\n';
    if (lessonStep >= 0)
        text += "lesson " + QByteArray::number(lessonStep + 1) + '\n';
    return text;
}

bool ByHandFile::isBoardText(const QByteArray &start)
{
    return start.left(start.indexOf('\n')).trimmed() == firstLine;
}

std::variant<ByHandFile, ByHandFile::Error> ByHandFile::fromText(const QByteArray &text, int lessonSteps)
{
    if (text.size() > largest)
        return Error{Error::Kind::TooLarge, 0};
    if (!isBoardText(text))
        return Error{Error::Kind::Foreign, 1};
    const QList<QByteArray> lines = text.split('\n');

    ByHandFile file;
    QSet<QByteArray> seen;
    QSet<int> cells;
    QSet<QChar> letters;
    for (int n = 1; n < int(lines.size()); ++n) {
        const QByteArray line = lines[n].trimmed();
        if (line.isEmpty())
            continue;
        const Error damaged{Error::Kind::Damaged, n + 1};
        const qsizetype space = line.indexOf(' ');
        const QByteArray key = line.left(space);
        const QString value = space < 0 ? QString() : QString::fromUtf8(line.mid(space + 1)).trimmed();
        const QStringList words = value.split(u' ', Qt::SkipEmptyParts);
        bool number = false;
        const int at = words.value(0).toInt(&number) - 1;
        if (key == "language") {
            const auto language = analysis::languageFromCode(value.toStdString());
            if (!language)
                return damaged;
            file.language = *language;
        } else if (key == "ciphertext") {
            if (!isCiphertext(value) || !file.board.ciphertext.isEmpty())
                return damaged;
            file.board.ciphertext = value;
            file.board.guesses = QStringList(file.board.pairCount(), QString());
        } else if (key == "guess") {
            if (words.size() != 2 || !number || at < 0 || at >= file.board.pairCount() || !isGuess(words[1])
                || !file.board.guesses[at].isEmpty())
                return damaged;
            file.board.guesses[at] = words[1];
        } else if (key == "cell") {
            if (words.size() != 2 || !number || at < 0 || at > 24 || words[1].size() != 1 || !isLetter(words[1][0])
                || cells.contains(at) || letters.contains(words[1][0]))
                return damaged;
            cells.insert(at);
            letters.insert(words[1][0]);
            file.board.placed.append({words[1][0], at});
        } else if (key == "key") {
            if (value.isEmpty() || !file.board.keyWord.isEmpty())
                return damaged;
            file.board.keyWord = value;
        } else if (key == "lesson") {
            if (words.size() != 1 || !number || at < 0 || at >= lessonSteps)
                return damaged;
            file.lessonStep = at;
        } else {
            return damaged;
        }
        if (key != "guess" && key != "cell") {
            if (seen.contains(key))
                return damaged;
            seen.insert(key);
        }
    }
    if (file.board.ciphertext.isEmpty())
        return Error{Error::Kind::Damaged, int(lines.size())};
    return file;
}

} // namespace playfair
