#pragma once

#include "engine/alphabet.h"

#include <QCoreApplication>
#include <QString>

class QComboBox;

namespace playfair {

// The alphabets as the windows name them, in the language shown.
class AlphabetNames
{
    Q_DECLARE_TR_FUNCTIONS(AlphabetNames)

public:
    // "кирилица, 30 букви (5 × 6)"
    static QString name(const Alphabet &alphabet);
    // The line under a square: "Азбука: кирилица, 30 букви (5 × 6)."
    static QString line(const Alphabet &alphabet);
    // What cleaning a text into the alphabet left out, in a sentence; empty
    // when nothing was. `dropped` holds the letters left out.
    static QString droppedNote(const Alphabet &alphabet, const QString &dropped);

    // Fills a choice box with the four alphabets (their codes as the items'
    // data) or, when it has them, names them anew; the current item stays.
    static void fill(QComboBox *box);
    static const Alphabet &chosenIn(const QComboBox *box);
    static void choose(QComboBox *box, const Alphabet &alphabet);
};

} // namespace playfair
