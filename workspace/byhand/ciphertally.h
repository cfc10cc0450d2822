#pragma once

#include <QList>
#include <QString>

namespace playfair {

// The textbook's first count of a ciphertext, before any guess: how often
// each cipher pair occurs, the runs of pairs that occur again, the pairs
// whose reverse occurs too (AB … BA, whose plain pairs are each other's
// reverse) and the letters that never occur. Pairs are numbered from 0.
struct CipherTally
{
    struct Pair
    {
        QString letters;   // "LT"
        QList<int> places; // where it occurs, in order
    };
    // A run of two or more pairs that occurs again, each place a pair number.
    struct Repeat
    {
        QString letters;   // its letters, "LTAH"
        QList<int> places; // where each occurrence starts
    };
    // A pair and its reverse, the pair first met first.
    struct Reversed
    {
        QString letters;   // "AQ"
        QList<int> places; // of the pair
        QList<int> reversePlaces;
    };

    QList<Pair> pairs; // every pair once, the commonest first, then as first met
    QList<Repeat> repeats; // the longest first
    QList<Reversed> reversed;
    QString missingLetters; // letters of the square that never occur, in order

    // `letters` is a ciphertext's letters, A..Z without J, an even count.
    static CipherTally of(const QString &letters);

    // The pairs that occur most often, if more than once; else none.
    QList<Pair> commonest() const;
    bool isReversed(int pair) const;
    bool isRepeated(int pair) const;
};

} // namespace playfair
