#pragma once

#include <QRandomGenerator>
#include <QString>

class QWidget;

namespace playfair::testing {

// Text a pupil might produce, the awkward kinds included: up to `maxPieces`
// pieces, each a fragment (emoji, combining marks, right-to-left, Cyrillic,
// ligatures, doubled letters) or a character from the first 12,000 of Unicode.
QString randomText(QRandomGenerator &random, int maxPieces);

// `count` Latin letters in pairs of two different letters, in upper or lower
// case, which a square could have made.
QString randomPairs(QRandomGenerator &random, int count);

// A ciphertext as a user might give one: good pairs, in groups of five, one
// letter too many, a doubled pair, no letters, thousands of letters, anything.
QString randomCiphertext(QRandomGenerator &random);

// Types text as a keyboard or an input method delivers it: one key event a
// character, a surrogate pair in one event. (QTest::keyClicks knows Latin-1 only.)
void typeText(QWidget *widget, const QString &text);

// Puts `text` on the clipboard and presses Ctrl+V in `widget`.
void pasteText(QWidget *widget, const QString &text);

// Selects all in a box and deletes it, by the keyboard.
void eraseText(QWidget *widget);

// Makes a window the active one, as a click on its title does.
void activate(QWidget *window);

// Cuts a text for a failure report.
QString shortened(const QString &text);

// The letters the program reads in a text: ASCII letters in either case, as
// capitals, J as I.
QString latinLetters(const QString &text);

// Whether `square` holds each of the 25 letters once.
bool isSquare(const QString &square);
// Whether `square` is the square of a key word with these letters: each of
// the 25 letters once, the key's first, the rest in the order of the alphabet.
bool isKeyedSquare(const QString &square, const QString &keyLetters);

} // namespace playfair::testing
