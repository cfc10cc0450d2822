#pragma once

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

namespace playfair {

// A text as the alphabets' code points (engine/alphabet.h) and back.
std::u32string toUtf32(const QString &text);
QString fromUtf32(std::u32string_view letters);

// Texts are measured in characters, that is Unicode code points: a surrogate
// pair counts as one character, and a lone surrogate as one character too.
qsizetype characterCount(QStringView text);

// The character at 1-based `position`, or the empty text past the end.
QString characterAt(QStringView text, qsizetype position);

// The first and the last character of a text (empty for an empty text).
QString firstCharacter(QStringView text);
QString lastCharacter(QStringView text);

// Upper-cases a text one character for one: a..z become A..Z whatever the
// locale, other characters take their simple (one-to-one) capital, and no
// character outside a..z ever becomes one of A..Z (so dotless i, long s and
// the like stay as they are). The result has as many characters as the text.
QString upperCased(QStringView text);

// Keeps only the capitals A..Z of an upper-cased text, with J turned into I.
QString cleaned(QStringView upperCasedText);

} // namespace playfair
