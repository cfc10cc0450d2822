#include "demonstration.h"

#include "characters.h"
#include "keyedsquare.h"
#include "textbook.h"

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

QString Demonstration::randomSquare(QRandomGenerator &random)
{
    QString square = QStringLiteral("ABCDEFGHIKLMNOPQRSTUVWXYZ");
    for (qsizetype i = square.size() - 1; i > 0; --i)
        std::swap(square[i], square[random.bounded(int(i + 1))]);
    return square;
}

} // namespace playfair
