// Known pairs as a user types them, a known plaintext as it was encrypted,
// and the test of whole squares against pairs that the key-word lists rely
// on: it must agree with the cipher itself, and its test of a key's first
// letters must never turn away a square that fits.

#include "analysis/deduction/paircheck.h"
#include "analysis/keywords/keysquares.h"
#include "analysis/knownpair.h"
#include "analysis/search/pairtables.h"
#include "analysis/search/random.h"
#include "knownpairhelpers.h"

#include <QTest>

using namespace playfair;
using namespace playfair::analysis;

class TestKnownPairs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsAKnownPair_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pair");  // as written back, or empty when refused
        QTest::addColumn<int>("error");     // KnownPairError::Kind when refused
        QTest::addColumn<QString>("letter"); // the letter the error names
        QTest::addColumn<QString>("alphabet");

        const int none = -1;
        QTest::newRow("plain first, either case") << "th=PI" << "TH=PI" << none << "" << "latin-ij";
        QTest::newRow("spaces around the letters") << " t h = P I " << "TH=PI" << none << "" << "latin-ij";
        QTest::newRow("J counts as I") << "jo=KE" << "IO=KE" << none << "" << "latin-ij";
        QTest::newRow("letters not known") << "t?=?P" << "T?=?P" << none << "" << "latin-ij";
        QTest::newRow("a shared letter is no fault") << "pq=QY" << "PQ=QY" << none << "" << "latin-ij";
        QTest::newRow("the reversed pair is no fault of its own") << "ab=BA" << "AB=BA" << none << "" << "latin-ij";
        QTest::newRow("three letters before =") << "the=PI" << "" << int(KnownPairError::Kind::NotAPair) << "" << "latin-ij";
        QTest::newRow("no =") << "thPI" << "" << int(KnownPairError::Kind::NotAPair) << "" << "latin-ij";
        QTest::newRow("two =") << "th=PI=" << "" << int(KnownPairError::Kind::NotAPair) << "" << "latin-ij";
        QTest::newRow("a digit") << "t1=PI" << "" << int(KnownPairError::Kind::NotAPair) << "" << "latin-ij";
        QTest::newRow("a doubled plain letter") << "ee=PI" << "" << int(KnownPairError::Kind::DoubledPlain) << "E" << "latin-ij";
        QTest::newRow("J and I are one letter") << "ij=PI" << "" << int(KnownPairError::Kind::DoubledPlain) << "I" << "latin-ij";
        QTest::newRow("a doubled cipher letter") << "th=XX" << "" << int(KnownPairError::Kind::DoubledCipher) << "X" << "latin-ij";
        QTest::newRow("a letter its own cipher letter") << "th=PH" << "" << int(KnownPairError::Kind::OwnCipherLetter)
                                                         << "H" << "latin-ij";
        QTest::newRow("latin-q: J its own letter") << "ij=PK" << "IJ=PK" << none << "" << "latin-q";
        QTest::newRow("latin-q: the letters after J keep their names") << "jo=KP" << "JO=KP" << none << "" << "latin-q";
        QTest::newRow("latin-q: a Q refused") << "qu=PI" << "" << int(KnownPairError::Kind::NotInAlphabet) << "Q"
                                              << "latin-q";
        QTest::newRow("latin-q: a doubled J") << "jj=PI" << "" << int(KnownPairError::Kind::DoubledPlain) << "J"
                                              << "latin-q";
    }

    void readsAKnownPair()
    {
        QFETCH(QString, text);
        QFETCH(QString, pair);
        QFETCH(int, error);
        QFETCH(QString, letter);
        QFETCH(QString, alphabet);
        const DeductionAlphabet &letters = *DeductionAlphabet::of(*alphabetFromCode(alphabet.toStdString()));
        const auto read = parseKnownPair(text.toStdString(), letters);
        if (error < 0) {
            QVERIFY(std::holds_alternative<KnownPair>(read));
            QCOMPARE(QString::fromStdString(letters.spelt(knownPairText(std::get<KnownPair>(read)))), pair);
            return;
        }
        QVERIFY(std::holds_alternative<KnownPairError>(read));
        const KnownPairError &refused = std::get<KnownPairError>(read);
        QCOMPARE(int(refused.kind), error);
        QCOMPARE(QString::fromStdString(refused.text), text);
        if (!letter.isEmpty())
            QCOMPARE(QChar(refused.letter), letter[0]);
    }

    // The deduction's 25 letter numbers in each alphabet of 25 letters: the
    // letters in order, so that in the square without Q the letters A..I keep
    // the classic numbers, J..P take those of K..Q, and R..Z keep theirs.
    void numbersTheLetters_data()
    {
        QTest::addColumn<QString>("alphabet");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<int>("number"); // -1: no letter of the alphabet

        QTest::newRow("latin-ij: A first") << "latin-ij" << "A" << 0;
        QTest::newRow("latin-ij: J as I") << "latin-ij" << "j" << 8;
        QTest::newRow("latin-ij: K after I") << "latin-ij" << "K" << 9;
        QTest::newRow("latin-ij: Z last") << "latin-ij" << "Z" << 24;
        QTest::newRow("latin-q: I keeps its number") << "latin-q" << "I" << 8;
        QTest::newRow("latin-q: J has the classic K's") << "latin-q" << "J" << 9;
        QTest::newRow("latin-q: P has the classic Q's") << "latin-q" << "p" << 15;
        QTest::newRow("latin-q: R keeps its number") << "latin-q" << "R" << 16;
        QTest::newRow("latin-q: Z last") << "latin-q" << "Z" << 24;
        QTest::newRow("latin-q: no Q") << "latin-q" << "Q" << -1;
        QTest::newRow("latin-q: no digit") << "latin-q" << "7" << -1;
    }

    void numbersTheLetters()
    {
        QFETCH(QString, alphabet);
        QFETCH(QString, letter);
        QFETCH(int, number);
        const DeductionAlphabet &letters = *DeductionAlphabet::of(*alphabetFromCode(alphabet.toStdString()));
        const char c = char(letter[0].unicode());
        QCOMPARE(letters.number(c), number);
        QCOMPARE(QString::fromStdString(letters.numbered(std::string(1, c))),
                 number < 0 ? QString() : QString(QChar(letterName(number))));
        if (number < 0)
            return;
        QCOMPARE(QChar(letters.letter(number)), letter[0].toUpper() == u'J' && alphabet == "latin-ij" ? QChar(u'I')
                                                                                                     : letter[0].toUpper());
        QCOMPARE(QString::fromStdString(letters.spelt(std::string(1, letterName(number)) + ".?=")),
                 QString(QChar(letters.letter(number))) + ".?=");
    }

    void preparesAKnownPlaintext_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bulgarian");
        QTest::addColumn<QString>("prepared");
        QTest::addColumn<QString>("alphabet");

        QTest::newRow("a doubled pair split, the end evened") << "Meet me, Jill!" << false << "MEETMEIXILLX" << "latin-ij";
        QTest::newRow("already prepared stays as it is") << "MEETMEIXILLX" << false << "MEETMEIXILLX" << "latin-ij";
        QTest::newRow("Cyrillic transliterated") << "Щастие" << true << "SHTASTIE" << "latin-ij";
        QTest::newRow("Cyrillic left out in English") << "Родина" << false << "" << "latin-ij";
        QTest::newRow("latin-q: J kept") << "Meet me, Jill!" << false << "MEETMEJILXLX" << "latin-q";
        QTest::newRow("latin-q: Q dropped, Z after a doubled X") << "Quick taxxi" << false << "UICKTAXZXI" << "latin-q";
        QTest::newRow("latin-q: Cyrillic left out") << "Родина" << true << "" << "latin-q";
    }

    void preparesAKnownPlaintext()
    {
        QFETCH(QString, text);
        QFETCH(bool, bulgarian);
        QFETCH(QString, prepared);
        QFETCH(QString, alphabet);
        const std::string utf8 = text.toUtf8().toStdString();
        const DeductionAlphabet &letters = *DeductionAlphabet::of(*alphabetFromCode(alphabet.toStdString()));
        const std::vector<Letter> plain = letters.kind() == AlphabetKind::LatinIJ ? preparedPlaintext(utf8, bulgarian)
                                                                                  : preparedPlaintext(utf8, letters);
        QCOMPARE(QString::fromStdString(letters.spelt(lettersToText(plain.data(), plain.size()))), prepared);
    }

    // Pairs of a key word's square, some changed in one letter, some with
    // letters not known, letters placed in a shift of it: the test agrees
    // with encrypting on the square, and a key's first letters alone never
    // rule out the square they begin.
    void testsSquaresAsTheCipherDoes_data()
    {
        QTest::addColumn<int>("pairs");
        QTest::addColumn<bool>("unknownLetters");
        QTest::addColumn<int>("placed");

        QTest::newRow("one pair") << 1 << false << 0;
        QTest::newRow("four pairs") << 4 << false << 0;
        QTest::newRow("four pairs with letters not known") << 4 << true << 0;
        QTest::newRow("two pairs, two letters placed in a shift") << 2 << false << 2;
    }

    void testsSquaresAsTheCipherDoes()
    {
        QFETCH(int, pairs);
        QFETCH(bool, unknownLetters);
        QFETCH(int, placed);
        Random random(std::uint64_t(pairs * 10 + placed + unknownLetters));
        const char *keys[] = {"MONARCHY", "PLAYFAIR EXAMPLE", "ZEBRAS", "KNIGA", "QUIXOTIC"};
        int fitted = 0;
        for (int trial = 0; trial < 200; ++trial) {
            const Square square = keySquareOf(keys[trial % 5]);
            std::vector<KnownPair> known;
            bool true_ = true;
            for (int p = 0; p < pairs; ++p) {
                KnownPair pair = testing::randomPairOn(square, random);
                if (random.below(3) == 0) {
                    // Another cipher letter, not the plain one: the pair is false.
                    const std::size_t at = random.below(2);
                    int other;
                    do
                        other = int(random.below(25));
                    while (other == pair.cipher[at] || other == pair.plain[at] || other == pair.cipher[1 - at]);
                    pair.cipher[at] = other;
                    true_ = false;
                }
                if (unknownLetters)
                    (random.below(2) ? pair.plain : pair.cipher)[random.below(2)] = unknownLetter;
                known.push_back(pair);
            }
            std::vector<PlacedLetter> letters;
            const int shift = int(random.below(25));
            const Square shifted = shiftedSquare(square, shift / 5, shift % 5);
            for (int p = 0; p < placed; ++p) {
                const int cell = int(random.below(25));
                letters.push_back({shifted[std::size_t(cell)], cell});
            }
            const PairCheck check(known, letters);
            // With letters not known a changed pair may still fit; without,
            // the square fits exactly when every pair is true.
            const bool fits = check.fits(square);
            if (!unknownLetters)
                QCOMPARE(fits, true_);
            QCOMPARE(check.wrongLetters(square) == 0, fits);
            fitted += fits;
            if (!fits)
                continue;
            // The first letters of its key, with the cells still empty.
            std::array<int, letterCount> cellOf;
            std::array<int, 25> letterIn;
            cellOf.fill(-1);
            letterIn.fill(-1);
            const int first = 1 + int(random.below(8));
            for (int cell = 0; cell < first; ++cell) {
                cellOf[square[std::size_t(cell)]] = cell;
                letterIn[std::size_t(cell)] = square[std::size_t(cell)];
            }
            QVERIFY(check.fitsSoFar(cellOf, letterIn));
        }
        QVERIFY(fitted > 0);
    }
};

QTEST_GUILESS_MAIN(TestKnownPairs)
#include "tst_knownpairs.moc"
