// Key words from known pairs: a list word or phrase found first from a
// few pairs of its square, a class's own word before the books', keys in no
// list found by the search over keys' letters, each square once, and the
// same on two threads. The system's word lists are left out, so that the
// results do not depend on what the machine has installed.

#include "analysis/deduction/paircheck.h"
#include "analysis/fittingkeys.h"
#include "analysis/keywords/keysquares.h"
#include "analysis/search/pairtables.h"
#include "engine/keyedsquare.h"
#include "heldouttext.h"
#include "knownpairhelpers.h"

#include <QTest>

#include <set>
#include <thread>

using namespace playfair;
using namespace playfair::analysis;
using namespace std::chrono_literals;

namespace {

// The first `count` different pairs of a passage of the held-out book,
// encrypted on the key's square.
std::vector<KnownPair> pairsFrom(const std::string &key, int count, std::size_t offset)
{
    const Square square = keySquareOf(key);
    const std::string text = preparedMessage(testing::heldOutText("en").substr(offset, 200));
    std::vector<KnownPair> pairs;
    for (std::size_t i = 0; int(pairs.size()) < count; i += 2) {
        const KnownPair pair = testing::pairOn(square, Letter(letterNumber(text[i])), Letter(letterNumber(text[i + 1])));
        if (std::find(pairs.begin(), pairs.end(), pair) == pairs.end())
            pairs.push_back(pair);
    }
    return pairs;
}

// The square a key word makes in the alphabet without Q, by the engine's one
// construction, as the deduction's letter numbers.
Square squareWithoutQ(const std::u32string &key)
{
    const Alphabet &alphabet = Alphabet::of(Alphabet::Id::LatinQ);
    const std::u32string letters = keyedSquare(alphabet, alphabet.cleaned(key).letters);
    Square square{};
    for (std::size_t cell = 0; cell < square.size(); ++cell)
        square[cell] = Letter(alphabet.indexOf(letters[cell]));
    return square;
}

FittingKeyOptions withoutSystemLists()
{
    FittingKeyOptions options;
    options.systemWordLists = false;
    options.letterSearch = 3s;
    return options;
}

} // namespace

class TestFittingKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findsTheKeyFromPairs_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("pairs");
        QTest::addColumn<QString>("classList");
        QTest::addColumn<int>("placed");     // letters put in cells of a shift of the square
        QTest::addColumn<QString>("first"); // empty: any
        QTest::addColumn<int>("source");

        const int word = int(FittingKey::Source::Word);
        QTest::newRow("a word of the books, 4 pairs") << "MONARCHY" << 4 << "" << 0 << "MONARCHY" << word;
        QTest::newRow("a phrase of two common words, 4 pairs")
            << "GARDEN PARTY" << 4 << "" << 0 << "GARDEN PARTY" << int(FittingKey::Source::Phrase);
        QTest::newRow("a class's own word before the books' words")
            << "ZYXTRAM" << 3 << "zyxtram\n" << 0 << "ZYXTRAM" << word;
        QTest::newRow("letters in no word: found by their letters")
            << "QZKVBX" << 6 << "" << 0 << "" << int(FittingKey::Source::Letters);
        QTest::newRow("letters placed in a shift of the square") << "MONARCHY" << 2 << "" << 3 << "MONARCHY" << word;
        // A known plaintext's pairs leave few key squares: each spelt by
        // the lists' words, a phrase of words from no phrase list among them.
        QTest::newRow("a phrase in no list, its words listed, from a plaintext's pairs")
            << "FORMER HEADLONG" << 25 << "" << 0 << "FORMER HEADLONG" << int(FittingKey::Source::Phrase);
        QTest::newRow("three words from a plaintext's pairs")
            << "DARK WATER SPHINX" << 25 << "" << 0 << "DARK WATER SPHINX" << int(FittingKey::Source::Phrase);
        QTest::newRow("a key in no list read off its square")
            << "QUBITZEN" << 20 << "" << 0 << "QUBITZEN" << int(FittingKey::Source::Letters);
    }

    void findsTheKeyFromPairs()
    {
        QFETCH(QString, key);
        QFETCH(int, pairs);
        QFETCH(QString, classList);
        QFETCH(int, placed);
        QFETCH(QString, first);
        QFETCH(int, source);
        DeductionInput known;
        known.pairs = pairsFrom(key.toStdString(), pairs, 20000);
        const Square shifted = shiftedSquare(keySquareOf(key.toStdString()), 2, 3);
        for (int cell = 0; cell < 25 && int(known.placed.size()) < placed; cell += 7)
            known.placed.push_back({shifted[std::size_t(cell)], cell});
        FittingKeyOptions options = withoutSystemLists();
        if (!classList.isEmpty())
            options.wordLists.push_back(KeyWordList::fromLines(classList.toStdString()));
        const std::vector<FittingKey> keys = fittingKeys(known, options);
        QVERIFY(!keys.empty());
        QCOMPARE(int(keys.front().source), source);
        if (!first.isEmpty())
            QCOMPARE(QString::fromStdString(keys.front().key), first);
        // Every key fits every pair, builds its square the program's way,
        // and no two build one square (in any shift).
        const PairCheck check(known.pairs, known.placed);
        std::set<Square> squares;
        for (const FittingKey &fitting : keys) {
            QVERIFY(check.fits(fitting.square));
            bool inSomeShift = false;
            for (int shift = 0; shift < 25 && !inSomeShift; ++shift) {
                const Square moved = shiftedSquare(fitting.square, shift / 5, shift % 5);
                inSomeShift = std::all_of(known.placed.begin(), known.placed.end(), [&](const PlacedLetter &letter) {
                    return moved[std::size_t(letter.cell)] == letter.letter;
                });
            }
            QVERIFY(inSomeShift);
            QCOMPARE(squareToText(fitting.square), squareToText(keySquareOf(fitting.key)));
            QVERIFY(squares.insert(squareWithLetterFirst(fitting.square, 0)).second);
        }
    }

    // The key read off a square, spelt by the lists' words: the likeliest
    // first, a word before a phrase, a class's own before the books'.
    void spellsTheKeyOfASquare_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("classList");
        QTest::addColumn<QString>("first"); // empty: none

        QTest::newRow("the program's example phrase") << "PLAYFAIR EXAMPLE" << "" << "PLAYFAIR EXAMPLE";
        QTest::newRow("a word whose last letter continues the run") << "ZEBRA" << "" << "ZEBRA";
        QTest::newRow("two words, one too rare for the phrase lists") << "FORMER HEADLONG" << "" << "FORMER HEADLONG";
        QTest::newRow("three words") << "DARK WATER SPHINX" << "" << "DARK WATER SPHINX";
        QTest::newRow("a class's own word") << "QUBITZEN" << "qubitzen\n" << "QUBITZEN";
        QTest::newRow("letters no words spell") << "QZKVBX" << "" << "";
    }

    void spellsTheKeyOfASquare()
    {
        QFETCH(QString, key);
        QFETCH(QString, classList);
        QFETCH(QString, first);
        const std::optional<SquareKey> read = keyOfSquare(squareToText(keySquareOf(key.toStdString())));
        QVERIFY(read);
        FittingKeyOptions options = withoutSystemLists();
        if (!classList.isEmpty())
            options.wordLists.push_back(KeyWordList::fromLines(classList.toStdString()));
        Square square;
        QVERIFY(squareFromText(read->square, square));
        const std::vector<std::string> words = spellingsOf(square, read->letters.size(), options);
        QCOMPARE(QString::fromStdString(words.empty() ? std::string() : words.front()), first);
        // Every spelling builds the square.
        for (const std::string &spelling : words)
            QCOMPARE(squareToText(keySquareOf(spelling)), read->square);
    }

    // On the square without Q a J is a letter of its own and a key word's Q
    // is dropped: the pairs of a passage prepared in that alphabet and
    // encrypted on the engine's square of the key give the key, whose square
    // is the engine's.
    void findsTheKeyOnTheSquareWithoutQ_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("pairs");

        QTest::newRow("a J of its own") << "JUNGLE" << 5;
        QTest::newRow("a Q dropped from the key") << "QUESTION" << 5;
        QTest::newRow("a phrase with a J, from a plaintext's pairs") << "JOLLY WAGTAIL" << 25;
    }

    void findsTheKeyOnTheSquareWithoutQ()
    {
        QFETCH(QString, key);
        QFETCH(int, pairs);
        const DeductionAlphabet &withoutQ = *DeductionAlphabet::of(AlphabetKind::LatinQ);
        const Square square = squareWithoutQ(key.toStdU32String());
        const std::vector<Letter> text = preparedPlaintext(testing::heldOutText("en").substr(30000, 300), withoutQ);
        DeductionInput known;
        for (std::size_t i = 0; int(known.pairs.size()) < pairs; i += 2) {
            const KnownPair pair = testing::pairOn(square, text[i], text[i + 1]);
            if (std::find(known.pairs.begin(), known.pairs.end(), pair) == known.pairs.end())
                known.pairs.push_back(pair);
        }
        FittingKeyOptions options = withoutSystemLists();
        options.alphabet = AlphabetKind::LatinQ;
        const std::vector<FittingKey> keys = fittingKeys(known, options);
        QVERIFY(!keys.empty());
        QCOMPARE(QString::fromStdString(keys.front().key), key);
        for (const FittingKey &fitting : keys) {
            QVERIFY(PairCheck(known.pairs, known.placed).fits(fitting.square));
            QCOMPARE(withoutQ.spelt(squareToText(fitting.square)),
                     withoutQ.spelt(squareToText(squareWithoutQ(QString::fromStdString(fitting.key).toStdU32String()))));
        }
        // The classic square reads the same pairs' J as I: the key is not among its keys.
        options.alphabet = AlphabetKind::LatinIJ;
        options.letterSearch = 0ms;
        for (const FittingKey &fitting : fittingKeys(known, options))
            QVERIFY(fitting.key != key.toStdString());
    }

    void findsNothingForPairsThatContradict()
    {
        DeductionInput known;
        known.pairs = pairsFrom("MONARCHY", 2, 20000);
        known.pairs.push_back(std::get<KnownPair>(parseKnownPair("th=PI")));
        known.pairs.push_back(std::get<KnownPair>(parseKnownPair("ht=PI")));
        FittingKeyOptions options = withoutSystemLists();
        options.letterSearch = 200ms;
        QVERIFY(fittingKeys(known, options).empty());
    }

    // The lists shared out between two threads give what one thread gives;
    // a stop asked for at once ends it with nothing half done.
    void findsTheSameOnTwoThreads()
    {
        DeductionInput known;
        known.pairs = pairsFrom("GARDEN PARTY", 3, 20000);
        FittingKeyOptions options = withoutSystemLists();
        options.letterSearch = 0ms;
        const std::vector<FittingKey> one = fittingKeys(known, options);
        options.threads = 2;
        const std::vector<FittingKey> two = fittingKeys(known, options);
        QCOMPARE(two.size(), one.size());
        for (std::size_t i = 0; i < one.size(); ++i)
            QCOMPARE(two[i].key, one[i].key);

        std::stop_source stop;
        std::vector<FittingKey> stopped;
        std::jthread searching([&] { stopped = fittingKeys(known, options, stop.get_token()); });
        stop.request_stop();
        searching.join();
        QVERIFY(stopped.size() <= one.size());
    }
};

QTEST_GUILESS_MAIN(TestFittingKeys)
#include "tst_fittingkeys.moc"
