#include "characters.h"

#include <QList>

namespace playfair {

namespace {

// Calls f(codePoint, unitsInText) for each character of the text.
template<typename F>
void forEachCharacter(QStringView text, F f)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text[i];
        if (unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            f(QChar::surrogateToUcs4(unit, text[i + 1]), text.mid(i, 2));
            ++i;
        } else {
            f(char32_t(unit.unicode()), text.mid(i, 1));
        }
    }
}

bool isCapitalAtoZ(char32_t c)
{
    return c >= U'A' && c <= U'Z';
}

void appendCharacter(QString &text, char32_t c)
{
    text.append(QChar::fromUcs4(c));
}

} // namespace

qsizetype characterCount(QStringView text)
{
    qsizetype count = 0;
    forEachCharacter(text, [&count](char32_t, QStringView) { ++count; });
    return count;
}

QString characterAt(QStringView text, qsizetype position)
{
    QString found;
    qsizetype current = 0;
    forEachCharacter(text, [&](char32_t, QStringView units) {
        if (++current == position)
            found = units.toString();
    });
    return found;
}

QString firstCharacter(QStringView text)
{
    return characterAt(text, 1);
}

QString lastCharacter(QStringView text)
{
    QString last;
    forEachCharacter(text, [&last](char32_t, QStringView units) { last = units.toString(); });
    return last;
}

QString upperCased(QStringView text)
{
    QString result;
    result.reserve(text.size());
    forEachCharacter(text, [&result](char32_t c, QStringView units) {
        if (c >= U'a' && c <= U'z') {
            appendCharacter(result, c - (U'a' - U'A'));
            return;
        }
        const char32_t upper = QChar::toUpper(c);
        if (upper == c || (isCapitalAtoZ(upper) && !isCapitalAtoZ(c)))
            result.append(units); // unchanged, lone surrogates included
        else
            appendCharacter(result, upper);
    });
    return result;
}

QString cleaned(QStringView upperCasedText)
{
    QString result;
    forEachCharacter(upperCasedText, [&result](char32_t c, QStringView) {
        if (isCapitalAtoZ(c))
            result.append(c == U'J' ? QChar(u'I') : QChar(char16_t(c)));
    });
    return result;
}

std::u32string toUtf32(const QString &text)
{
    const QList<uint> codes = text.toUcs4();
    return std::u32string(codes.begin(), codes.end());
}

QString fromUtf32(std::u32string_view letters)
{
    return QString::fromUcs4(letters.data(), qsizetype(letters.size()));
}

} // namespace playfair
