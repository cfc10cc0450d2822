#pragma once

#include "keyedsquare.h"
#include "textbook.h"

#include <QString>

#include <optional>

class QRandomGenerator;

namespace playfair {

// A message of any length encrypted the way real Playfair messages were, for
// a class to watch it being broken: cleaned as the program cleans a message
// (capitals A..Z only, J as I), prepared the textbook way (an X between the
// two letters of a doubled pair, a Q if the letter is X, and an X to even the
// end, a Q after a final X) or with its doubled letters kept as they are,
// and encrypted pair by pair on a known square.
struct Demonstration
{
    QString square;     // the 25 letters row by row (the alphabet's letters in another alphabet)
    QString prepared;   // the message as it was cut into pairs
    QString ciphertext; // its cipher pairs, run together
    Alphabet::Id alphabet = Alphabet::Id::LatinIJ;
    // The letters the alphabet left out of the text (a Q in latin-q, Latin
    // letters in cyrillic), as capitals in the text's order.
    QString dropped;

    // None when the text has no letter to encrypt. `square` is a square of
    // the 25 letters (see keySquare and randomSquare).
    static std::optional<Demonstration> make(const QString &text, const QString &square,
                                             Doubles doubles = Doubles::Split);

    // The square the program builds from a key word, as Encrypt builds it
    // in the main window (the plain square for a word without letters),
    // its letters written in by `route`.
    static QString keySquare(const QString &keyWord, SquareRoute route = SquareRoute::Rows);
    // The 25 letters in an order drawn at random.
    static QString randomSquare(QRandomGenerator &random);

    // The same in any alphabet: the text cleaned into it and prepared with
    // its fillers, on a square of its letters. On latin-ij these are the
    // forms above.
    static std::optional<Demonstration> make(const Alphabet &alphabet, const QString &text, const QString &square,
                                             Doubles doubles = Doubles::Split);
    static QString keySquare(const Alphabet &alphabet, const QString &keyWord,
                             SquareRoute route = SquareRoute::Rows);
    static QString randomSquare(const Alphabet &alphabet, QRandomGenerator &random);
};

} // namespace playfair
