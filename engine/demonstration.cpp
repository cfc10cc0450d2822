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

namespace {

std::u32string u32(const QString &text)
{
    const QList<uint> codes = text.toUcs4();
    return std::u32string(codes.begin(), codes.end());
}

QString qt(std::u32string_view letters)
{
    return QString::fromUcs4(letters.data(), qsizetype(letters.size()));
}

} // namespace

std::optional<Demonstration> Demonstration::make(const Alphabet &alphabet, const QString &text, const QString &square,
                                                 Doubles doubles)
{
    if (alphabet == Alphabet::classic())
        return make(text, square, doubles);
    const CleanedText letters = alphabet.cleaned(u32(text));
    const std::u32string squareLetters = u32(square);
    if (letters.letters.empty() || !isSquare(alphabet, squareLetters))
        return std::nullopt;
    Demonstration demonstration;
    demonstration.square = square;
    demonstration.alphabet = alphabet.id();
    demonstration.dropped = qt(letters.dropped);
    const std::u32string prepared = preparedMessage(alphabet, letters.letters, doubles);
    demonstration.prepared = qt(prepared);
    demonstration.ciphertext = qt(transformedPairs(alphabet, squareLetters, prepared, +1));
    return demonstration;
}

QString Demonstration::keySquare(const Alphabet &alphabet, const QString &keyWord, SquareRoute route)
{
    if (alphabet == Alphabet::classic())
        return keySquare(keyWord, route);
    return qt(keyedSquare(alphabet, alphabet.cleaned(u32(keyWord)).letters, route));
}

QString Demonstration::randomSquare(const Alphabet &alphabet, QRandomGenerator &random)
{
    if (alphabet == Alphabet::classic())
        return randomSquare(random);
    QString square = qt(alphabet.plainSquare());
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
