#include "demonstration.h"

#include "characters.h"
#include "keyedsquare.h"
#include "textbook.h"

#include <QList>
#include <QRandomGenerator>

namespace playfair {

std::optional<Demonstration> Demonstration::make(const QString &text, const QString &square, Doubles doubles)
{
    const QString letters = cleaned(upperCased(text));
    const std::string squareLetters = square.toStdString();
    if (letters.isEmpty() || !isSquare(squareLetters))
        return std::nullopt;
    Demonstration demonstration;
    demonstration.square = square;
    const std::string prepared = preparedMessage(letters.toStdString(), doubles);
    demonstration.prepared = QString::fromStdString(prepared);
    demonstration.ciphertext = QString::fromStdString(transformedPairs(squareLetters, prepared, +1));
    return demonstration;
}

QString Demonstration::keySquare(const QString &keyWord, SquareRoute route)
{
    return QString::fromStdString(keyedSquare(cleaned(upperCased(keyWord)).toStdString(), route));
}

std::optional<Demonstration> Demonstration::make(const Alphabet &alphabet, const QString &text, const QString &square,
                                                 Doubles doubles)
{
    if (alphabet == Alphabet::classic())
        return make(text, square, doubles);
    const CleanedText letters = alphabet.cleaned(toUtf32(text));
    const std::u32string squareLetters = toUtf32(square);
    if (letters.letters.empty() || !isSquare(alphabet, squareLetters))
        return std::nullopt;
    Demonstration demonstration;
    demonstration.square = square;
    demonstration.alphabet = alphabet.id();
    demonstration.dropped = fromUtf32(letters.dropped);
    const std::u32string prepared = preparedMessage(alphabet, letters.letters, doubles);
    demonstration.prepared = fromUtf32(prepared);
    demonstration.ciphertext = fromUtf32(transformedPairs(alphabet, squareLetters, prepared, +1));
    return demonstration;
}

QString Demonstration::keySquare(const Alphabet &alphabet, const QString &keyWord, SquareRoute route)
{
    if (alphabet == Alphabet::classic())
        return keySquare(keyWord, route);
    return fromUtf32(keyedSquare(alphabet, alphabet.cleaned(toUtf32(keyWord)).letters, route));
}

QString Demonstration::randomSquare(const Alphabet &alphabet, QRandomGenerator &random)
{
    if (alphabet == Alphabet::classic())
        return randomSquare(random);
    QString square = fromUtf32(alphabet.plainSquare());
    for (qsizetype i = square.size() - 1; i > 0; --i)
        std::swap(square[i], square[random.bounded(int(i + 1))]);
    return square;
}

QString Demonstration::randomSquare(QRandomGenerator &random)
{
    QString square = QStringLiteral("ABCDEFGHIKLMNOPQRSTUVWXYZ");
    for (qsizetype i = square.size() - 1; i > 0; --i)
        std::swap(square[i], square[random.bounded(int(i + 1))]);
    return square;
}

} // namespace playfair
