// The deduction from known pairs: the textbook's consequences, named
// contradictions, what facts rest on and where a probable word can stand,
// and, on random squares, that nothing it derives is ever false.

#include "analysis/deduction.h"
#include "analysis/keywords/keysquares.h"
#include "analysis/search/pairtables.h"
#include "analysis/search/random.h"
#include "engine/keyedsquare.h"
#include "heldouttext.h"
#include "knownpairhelpers.h"

#include <QTest>

using namespace playfair;
using namespace playfair::analysis;

namespace {

Letter letterOf(QChar c)
{
    return Letter(letterNumber(char(c.toLatin1())));
}

std::vector<KnownPair> pairsOf(const QStringList &texts)
{
    std::vector<KnownPair> pairs;
    for (const QString &text : texts)
        pairs.push_back(std::get<KnownPair>(parseKnownPair(text.toStdString())));
    return pairs;
}

// A fact written as the table writes it: "A B line 1", "A C down 0",
// "A D right 0", "pair 1 not rectangle" (or row, column), "pair 1 letter 2
// is H", "cipher pair 2 reads HT".
std::vector<Fact> factsOf(const QString &text)
{
    const QStringList w = text.split(u' ');
    if (w[0] == u"pair" && w[2] == u"not") {
        const PairRule rule = w[3] == u"rectangle" ? PairRule::Rectangle
            : w[3] == u"row"                      ? PairRule::SameRow
                                                  : PairRule::SameColumn;
        return {RuledOut{std::size_t(w[1].toInt() - 1), rule}};
    }
    if (w[0] == u"pair")
        return {FilledIn{std::size_t(w[1].toInt() - 1), w[3].toInt() - 1, letterOf(w[5][0])}};
    if (w[0] == u"cipher") {
        const std::size_t pair = std::size_t(w[2].toInt() - 1);
        return {Reading{pair, 0, letterOf(w[4][0])}, Reading{pair, 1, letterOf(w[4][1])}};
    }
    const Direction direction = w[2] == u"down" ? Direction::Down : w[2] == u"right" ? Direction::Right : Direction::AlongLine;
    return {LetterDistance{letterOf(w[0][0]), letterOf(w[1][0]), direction, w[3].toInt()}};
}

std::vector<Letter> lettersOf(const QString &text)
{
    std::vector<Letter> letters;
    for (QChar c : text) {
        if (c.isLetter())
            letters.push_back(letterOf(c));
    }
    return letters;
}

QList<int> numbered(const std::vector<std::size_t> &numbers)
{
    QList<int> list;
    for (std::size_t n : numbers)
        list << int(n + 1);
    return list;
}

// Whether a fact holds in a square whose equations, with every letter
// known, are `truth`.
bool holdsIn(const Fact &fact, const Square &square, const DeductionInput &input, const std::vector<KnownPair> &truth)
{
    std::array<int, 25> cell{};
    for (int c = 0; c < 25; ++c)
        cell[square[std::size_t(c)]] = c;
    if (const auto *distance = std::get_if<LetterDistance>(&fact)) {
        const int a = cell[distance->first];
        const int b = cell[distance->second];
        const int down = (b / 5 - a / 5 + 5) % 5;
        const int right = (b % 5 - a % 5 + 5) % 5;
        switch (distance->direction) {
        case Direction::Down:
            return down == distance->steps;
        case Direction::Right:
            return right == distance->steps;
        case Direction::AlongLine:
            return (down == 0 && right == distance->steps) || (right == 0 && down == distance->steps);
        }
    }
    if (const auto *ruledOut = std::get_if<RuledOut>(&fact)) {
        const KnownPair &pair = truth[ruledOut->pair];
        const SquarePosition a{cell[pair.plain[0]] / 5, cell[pair.plain[0]] % 5};
        const SquarePosition b{cell[pair.plain[1]] / 5, cell[pair.plain[1]] % 5};
        return ruleFor(a, b) != ruledOut->rule;
    }
    if (const auto *reading = std::get_if<Reading>(&fact)) {
        Letter plain[2];
        decryptLetters(square, &input.ciphertext[2 * reading->pair], 2, plain);
        return plain[reading->position] == reading->letter;
    }
    const FilledIn &filled = std::get<FilledIn>(fact);
    return truth[filled.pair].letter(filled.position) == filled.letter;
}

Square shuffled(Random &random)
{
    Square square;
    for (int c = 0; c < 25; ++c)
        square[std::size_t(c)] = Letter(c);
    for (int c = 24; c > 0; --c)
        std::swap(square[std::size_t(c)], square[random.below(std::uint32_t(c + 1))]);
    return square;
}

} // namespace

class TestDeduction : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void followsFromKnownPairs_data()
    {
        QTest::addColumn<QStringList>("pairs");
        QTest::addColumn<QStringList>("placed"); // letter and cell from 1, "A1"
        QTest::addColumn<QString>("ciphertext");
        QTest::addColumn<QList<int>>("contradiction");
        QTest::addColumn<QStringList>("follows");
        QTest::addColumn<QStringList>("notFollows");
        QTest::addColumn<QString>("square");   // the partial square, when checked
        QTest::addColumn<int>("arrangements"); // of the letters, up to the shifts; -1: many

        QTest::newRow("a shared letter puts three letters in one line, in this order")
            << QStringList{"ab=BC"} << QStringList{} << "" << QList<int>{}
            << QStringList{"A B line 1", "B C line 1", "A C line 2", "pair 1 not rectangle"}
            << QStringList{"A B down 0", "A B right 0", "pair 1 not row"} << "" << 2;
        QTest::newRow("a rectangle both ways: the corners pair up")
            << QStringList{"ab=CD", "cd=AB"} << QStringList{} << "" << QList<int>{}
            << QStringList{"A C down 0", "A D right 0", "B D down 0", "B C right 0", "pair 1 not row", "pair 2 not column"}
            << QStringList{"A B down 0", "A C right 1"} << "" << 16;
        QTest::newRow("a reversed cipher pair reads as the reversed plain pair")
            << QStringList{"th=PI"} << QStringList{} << "IP PI XY" << QList<int>{}
            << QStringList{"cipher pair 1 reads HT", "cipher pair 2 reads TH"} << QStringList{"T H down 0"} << "" << 20;
        QTest::newRow("pq never gives QP") << QStringList{"ab=BA"} << QStringList{} << "" << QList<int>{1}
                                           << QStringList{} << QStringList{} << "" << 0;
        QTest::newRow("a rectangle's cipher pair never gives another plain letter")
            << QStringList{"th=PI", "ab=CD", "cd=AE"} << QStringList{} << "" << QList<int>{2, 3} << QStringList{}
            << QStringList{} << "" << 0;
        QTest::newRow("the reversed pair must read reversed: the smallest set named")
            << QStringList{"th=PI", "ab=CD", "ht=PI", "ef=GK"} << QStringList{} << "" << QList<int>{1, 3}
            << QStringList{} << QStringList{} << "" << 0;
        QTest::newRow("a plain letter has five substitutes: five are possible")
            << QStringList{"a?=B?", "a?=C?", "a?=D?", "a?=E?", "a?=F?"} << QStringList{} << "" << QList<int>{}
            << QStringList{} << QStringList{"A B down 0"} << "" << 120;
        QTest::newRow("a plain letter has five substitutes: a sixth contradicts")
            << QStringList{"a?=B?", "a?=C?", "a?=D?", "a?=E?", "a?=F?", "a?=G?"} << QStringList{} << ""
            << QList<int>{1, 2, 3, 4, 5, 6} << QStringList{} << QStringList{} << "" << 0;
        QTest::newRow("a letter not known filled in by the reversed pair")
            << QStringList{"t?=QP", "ht=PQ"} << QStringList{} << "" << QList<int>{}
            << QStringList{"pair 1 letter 2 is H"} << QStringList{} << "" << 20;
        QTest::newRow("letters put in cells place the line they stand in")
            << QStringList{"ab=BC"} << QStringList{"A1", "B2"} << "" << QList<int>{}
            << QStringList{"A B down 0", "A C right 2", "pair 1 not column"} << QStringList{}
            << "ABC......................" << 1;
        QTest::newRow("two letters in one cell contradict") << QStringList{"ab=CD"} << QStringList{"A7", "C7"} << ""
                                                              << QList<int>{} << QStringList{} << QStringList{} << "" << 0;
        QTest::newRow("a letter put where a guess cannot have it")
            << QStringList{"th=PI", "ab=BC"} << QStringList{"A1", "C2"} << "" << QList<int>{2} << QStringList{}
            << QStringList{} << "" << 0;
    }

    void followsFromKnownPairs()
    {
        QFETCH(QStringList, pairs);
        QFETCH(QStringList, placed);
        QFETCH(QString, ciphertext);
        QFETCH(QList<int>, contradiction);
        QFETCH(QStringList, follows);
        QFETCH(QStringList, notFollows);
        QFETCH(QString, square);
        QFETCH(int, arrangements);
        DeductionInput input;
        input.pairs = pairsOf(pairs);
        for (const QString &letter : placed)
            input.placed.push_back({letterOf(letter[0]), letter.mid(1).toInt() - 1});
        input.ciphertext = lettersOf(ciphertext);
        const DeductionResult result = deduce(input);
        const bool twoInOneCell = placed.size() == 2 && placed[0].mid(1) == placed[1].mid(1);
        if (!contradiction.isEmpty() || twoInOneCell) {
            QCOMPARE(result.consistency, Consistency::Contradictory);
            QVERIFY(result.contradiction.has_value());
            if (twoInOneCell)
                QCOMPARE(numbered(result.contradiction->placed), (QList<int>{1, 2}));
            else
                QCOMPARE(numbered(result.contradiction->pairs), contradiction);
            QVERIFY(result.facts.empty());
            return;
        }
        QCOMPARE(result.consistency, Consistency::Consistent);
        QVERIFY(result.complete);
        QCOMPARE(result.arrangementsExact, arrangements >= 0);
        if (arrangements >= 0)
            QCOMPARE(result.arrangements, std::uint64_t(arrangements));
        for (const QString &text : follows) {
            for (const Fact &fact : factsOf(text))
                QVERIFY2(result.holds(fact), qPrintable(text));
        }
        for (const QString &text : notFollows) {
            for (const Fact &fact : factsOf(text))
                QVERIFY2(!result.holds(fact), qPrintable(text));
        }
        if (!square.isEmpty())
            QCOMPARE(QString::fromStdString(partialSquare(result)), square);
    }

    void namesWhatAFactRestsOn_data()
    {
        QTest::addColumn<QStringList>("pairs");
        QTest::addColumn<QString>("ciphertext");
        QTest::addColumn<QString>("fact");
        QTest::addColumn<QList<int>>("premises"); // empty: the fact does not follow

        const QStringList pairs{"xy=ZW", "ab=BC", "th=PI", "ht=?P"};
        QTest::newRow("a line from its one equation") << pairs << "" << "A C line 2" << QList<int>{2};
        QTest::newRow("a reversed pair from its one equation") << pairs << "IP" << "cipher pair 1 reads HT"
                                                                 << QList<int>{3};
        QTest::newRow("a letter not known, from two equations") << pairs << "" << "pair 4 letter 3 is I"
                                                                   << QList<int>{3, 4};
        QTest::newRow("what does not follow rests on nothing") << pairs << "" << "X Y down 0" << QList<int>{};
    }

    void namesWhatAFactRestsOn()
    {
        QFETCH(QStringList, pairs);
        QFETCH(QString, ciphertext);
        QFETCH(QString, fact);
        QFETCH(QList<int>, premises);
        DeductionInput input;
        input.pairs = pairsOf(pairs);
        input.ciphertext = lettersOf(ciphertext);
        const std::optional<Premises> found = premisesOf(input, factsOf(fact).front());
        QCOMPARE(found.has_value(), !premises.isEmpty());
        if (found)
            QCOMPARE(numbered(found->pairs), premises);
    }

    void findsWhereAProbableWordCanStand_data()
    {
        QTest::addColumn<QString>("ciphertext");
        QTest::addColumn<QStringList>("known");
        QTest::addColumn<QString>("word");
        // For each place: P possible, D a doubled letter in a pair, O a
        // letter its own cipher letter, C a contradiction.
        QTest::addColumn<QString>("verdicts");

        QTest::newRow("its own cipher letter, and a doubled pair") << "TH EA BC DE" << QStringList{} << "BEE"
                                                                    << "OOPDOO";
        QTest::newRow("a repeated cipher pair must read alike") << "XY XY QR" << QStringList{} << "ABCD" << "CCP";
        QTest::newRow("a clash with a known pair") << "QR ST UV" << QStringList{"ab=QR"} << "CD" << "CCPPP";
    }

    void findsWhereAProbableWordCanStand()
    {
        QFETCH(QString, ciphertext);
        QFETCH(QStringList, known);
        QFETCH(QString, word);
        QFETCH(QString, verdicts);
        DeductionInput input;
        input.pairs = pairsOf(known);
        input.ciphertext = lettersOf(ciphertext);
        const std::vector<WordPlace> places = placesOfWord(lettersOf(word), input);
        QString found;
        for (const WordPlace &place : places) {
            found += "PDOC"[int(place.verdict)];
            if (place.verdict == WordPlace::Verdict::Contradiction)
                QVERIFY(!place.pairsInContradiction.empty());
        }
        QCOMPARE(found, verdicts);
    }

    // Pairs of one square never contradict each other, and everything that
    // follows from them holds in that square: on squares shuffled at
    // random, on key words' squares (also told that the square comes from a
    // key word) and with letters of the square put in their cells.
    void derivesOnlyWhatHolds_data()
    {
        QTest::addColumn<int>("pairs");
        QTest::addColumn<int>("keyLetters"); // 0: a shuffled square
        QTest::addColumn<int>("placed");
        QTest::addColumn<bool>("fromAText");

        QTest::newRow("2 pairs of a shuffled square") << 2 << 0 << 0 << false;
        QTest::newRow("4 pairs of a shuffled square") << 4 << 0 << 0 << false;
        QTest::newRow("7 pairs of a shuffled square") << 7 << 0 << 0 << false;
        QTest::newRow("12 pairs of a shuffled square, 2 letters placed") << 12 << 0 << 2 << false;
        QTest::newRow("a text's 8 pairs on a key word's square") << 8 << 8 << 0 << true;
        QTest::newRow("a text's 15 pairs on a key word's square, 1 letter placed") << 15 << 10 << 1 << true;
        QTest::newRow("3 pairs with letters not known") << 3 << 0 << 0 << false;
    }

    void derivesOnlyWhatHolds()
    {
        QFETCH(int, pairs);
        QFETCH(int, keyLetters);
        QFETCH(int, placed);
        QFETCH(bool, fromAText);
        const bool withUnknowns = QByteArray(QTest::currentDataTag()).contains("not known");
        Random random(std::uint64_t(pairs * 1000 + keyLetters * 10 + placed));
        const std::string &book = testing::heldOutText("en");
        for (int trial = 0; trial < 25; ++trial) {
            Square square = shuffled(random);
            if (keyLetters > 0)
                square = keySquareOf(squareToText(square).substr(0, std::size_t(keyLetters)));
            DeductionInput input;
            std::vector<KnownPair> truth;
            input.keyLetters = keyLetters;
            const std::size_t at = random.below(std::uint32_t(book.size() - 200));
            const std::string text = preparedMessage(book.substr(at, 100));
            for (int p = 0; p < pairs; ++p) {
                KnownPair pair = fromAText ? testing::pairOn(square, Letter(letterNumber(text[std::size_t(2 * p)])),
                                                             Letter(letterNumber(text[std::size_t(2 * p + 1)])))
                                           : testing::randomPairOn(square, random);
                truth.push_back(pair);
                if (withUnknowns)
                    (random.below(2) ? pair.plain : pair.cipher)[random.below(2)] = unknownLetter;
                input.pairs.push_back(pair);
            }
            for (int p = 0; p < placed; ++p) {
                const int cell = int(random.below(25));
                input.placed.push_back({square[std::size_t(cell)], cell});
            }
            for (int i = 0; i < 40; ++i)
                input.ciphertext.push_back(Letter(random.below(25)));
            for (std::size_t i = 0; i < input.ciphertext.size(); i += 2) {
                if (input.ciphertext[i] == input.ciphertext[i + 1])
                    input.ciphertext[i + 1] = Letter((input.ciphertext[i] + 1) % 25);
            }
            const DeductionResult result = deduce(input);
            QCOMPARE(result.consistency, Consistency::Consistent);
            QVERIFY(result.arrangements >= 1);
            for (const Fact &fact : result.facts)
                QVERIFY(holdsIn(fact, square, input, truth));
            for (std::size_t p = 0; p < result.rules.size(); ++p) {
                const KnownPair &pair = truth[p];
                const int a = std::find(square.begin(), square.end(), pair.plain[0]) - square.begin();
                const int b = std::find(square.begin(), square.end(), pair.plain[1]) - square.begin();
                const PairRule rule = ruleFor({a / 5, a % 5}, {b / 5, b % 5});
                const PossibleRules &possible = result.rules[p];
                QVERIFY(rule == PairRule::Rectangle ? possible.rectangle
                            : rule == PairRule::SameRow ? possible.sameRow
                                                        : possible.sameColumn);
            }
            // The partial square is a piece of the true one, in its cells
            // when letters were placed, else in one of its shifts.
            const std::string partial = partialSquare(result);
            bool agrees = false;
            for (int shift = 0; shift < 25 && !agrees; ++shift) {
                if (placed > 0 && shift > 0)
                    break;
                const std::string shiftedTruth = squareToText(shiftedSquare(square, shift / 5, shift % 5));
                agrees = true;
                for (int c = 0; c < 25; ++c)
                    agrees = agrees && (partial[std::size_t(c)] == '.' || partial[std::size_t(c)] == shiftedTruth[std::size_t(c)]);
            }
            QVERIFY2(agrees, partial.c_str());
        }
    }

    // Pairs of two squares mixed: a contradiction named holds no square,
    // every one of its pairs is needed, and no fewer pairs (one or two of
    // all) contradict each other.
    void namesOnlyRealSmallestContradictions_data()
    {
        QTest::addColumn<int>("first");  // pairs of one square
        QTest::addColumn<int>("second"); // and of another
        QTest::newRow("5 and 3") << 5 << 3;
        QTest::newRow("6 and 6") << 6 << 6;
        QTest::newRow("10 and 4") << 10 << 4;
    }

    void namesOnlyRealSmallestContradictions()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        Random random(std::uint64_t(first * 100 + second));
        int contradictions = 0;
        const auto consistency = [](const DeductionInput &input, const std::vector<std::size_t> &pairs) {
            DeductionInput part;
            for (std::size_t p : pairs)
                part.pairs.push_back(input.pairs[p]);
            return deduce(part).consistency;
        };
        for (int trial = 0; trial < 20; ++trial) {
            DeductionInput input;
            for (int count : {first, second}) {
                const Square square = shuffled(random);
                for (int p = 0; p < count; ++p)
                    input.pairs.push_back(testing::randomPairOn(square, random));
            }
            const DeductionResult result = deduce(input);
            if (result.consistency != Consistency::Contradictory)
                continue;
            ++contradictions;
            const std::vector<std::size_t> named = result.contradiction->pairs;
            QCOMPARE(consistency(input, named), Consistency::Contradictory);
            for (std::size_t leftOut = 0; leftOut < named.size(); ++leftOut) {
                std::vector<std::size_t> fewer = named;
                fewer.erase(fewer.begin() + std::ptrdiff_t(leftOut));
                QCOMPARE(consistency(input, fewer), Consistency::Consistent);
            }
            for (std::size_t a = 0; a < input.pairs.size() && named.size() > 1; ++a) {
                QCOMPARE(consistency(input, {a}), Consistency::Consistent);
                for (std::size_t b = a + 1; b < input.pairs.size() && named.size() > 2; ++b)
                    QCOMPARE(consistency(input, {a, b}), Consistency::Consistent);
            }
        }
        QVERIFY(contradictions > 0);
    }

    // Told that the square comes from a key word of so many letters, the
    // deduction leaves fewer ways for the letters of the pairs to stand.
    void theKeyWordsFormNarrowsTheSquare_data()
    {
        QTest::addColumn<int>("pairs");
        QTest::newRow("5 pairs") << 5;
        QTest::newRow("8 pairs") << 8;
    }

    void theKeyWordsFormNarrowsTheSquare()
    {
        QFETCH(int, pairs);
        const testing::CipherCase text = testing::cipherCaseOn("en", 9000, 2 * pairs, "MONARCHYBDEFGIKLPQSTUVWXZ");
        DeductionInput input;
        input.pairs = pairsOfPlaintext(testing::lettersOf(text.plain), text.cipher);
        const DeductionResult anySquare = deduce(input);
        input.keyLetters = 8;
        const DeductionResult keyWord = deduce(input);
        QCOMPARE(keyWord.consistency, Consistency::Consistent);
        QVERIFY(keyWord.arrangementsExact);
        QVERIFY(!anySquare.arrangementsExact || keyWord.arrangements < anySquare.arrangements);
        for (const Fact &fact : anySquare.facts)
            QVERIFY(keyWord.holds(fact));
    }

    // A whole known plaintext pins the square: every letter of the text in
    // its place, and every other pair of its letters read.
    void aKnownPlaintextFixesItsLetters()
    {
        const testing::CipherCase text = testing::cipherCaseOn("en", 5000, 60, "MONARCHYBDEFGIKLPQSTUVWXZ");
        DeductionInput input;
        input.pairs = pairsOfPlaintext(testing::lettersOf(text.plain), text.cipher);
        input.ciphertext = text.cipher;
        const DeductionResult result = deduce(input);
        QCOMPARE(result.consistency, Consistency::Consistent);
        QCOMPARE(result.arrangements, std::uint64_t(1));
        std::vector<int> expected(text.plain.begin(), text.plain.end());
        for (int &letter : expected)
            letter = letterNumber(char(letter));
        QCOMPARE(result.plaintext, expected);
        int letters = 0;
        for (char c : partialSquare(result))
            letters += c != '.';
        QCOMPARE(std::size_t(letters), result.fragments.front().letters.size());
        QVERIFY(letters >= 18);
    }

    // A key word's square ends in the rest of the alphabet: where the known
    // letters of a square run so, in any shift, the run is found in the
    // shift that ends it in the last cell, and a cell between its letters
    // that can hold one letter only gets it.
    void findsTheAlphabeticalRun_data()
    {
        QTest::addColumn<QString>("square");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("known");
        QTest::addColumn<QString>("gaps"); // letter and cell from 1, in the shifted square

        QTest::newRow("a key square's tail, two letters missing")
            << "LIGHTOUSEA.CDFKMN.QRVWXYZ" << 0 << 0 << 14 << "B11 P18";
        QTest::newRow("the same moved a row down and two columns right")
            << "YZVWXHTLIGEAOUSFK.CDQRMN." << 4 << 3 << 14 << "B11 P18";
        QTest::newRow("a key letter out of the alphabet's order ends the run")
            << "LIGHTOUSEABCDFKMNPQRVWXYZ" << 0 << 0 << 16 << "";
        QTest::newRow("two letters for one cell: the run goes on, the cell stays empty")
            << "LIGHTOU.EABCDFKMNPQR.WXYZ" << 0 << 0 << 15 << "";
        QTest::newRow("a cell no letter can fill ends the run") << "..........ABCD.EFGHIKLMNO" << 0 << 0 << 10 << "";
        QTest::newRow("the letters after the last one fill the cells to the end")
            << "LIGHTOUSEABCDFKMNPQR....." << 0 << 0 << 11 << "V21 W22 X23 Y24 Z25";
        QTest::newRow("no letter in order: none") << "ZYXWV...................." << -1 << -1 << 0 << "";
        QTest::newRow("four letters are too few") << "....................ABCD." << -1 << -1 << 0 << "";
    }

    void findsTheAlphabeticalRun()
    {
        QFETCH(QString, square);
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(int, known);
        QFETCH(QString, gaps);
        const auto run = alphabeticalRun(square.toStdString(), 5);
        QCOMPARE(run.has_value(), rows >= 0);
        if (!run)
            return;
        QCOMPARE(run->rows, rows);
        QCOMPARE(run->columns, columns);
        QCOMPARE(run->knownLetters, known);
        QStringList found;
        for (const PlacedLetter &gap : run->gaps)
            found << QStringLiteral("%1%2").arg(letterName(gap.letter)).arg(gap.cell + 1);
        QCOMPARE(found.join(u' '), gaps);
    }

    // The key read off a key word's square with some cells hidden (numbered
    // from 1 in the key square), then moved by a cyclic shift.
    void readsTheKeyOffTheSquare_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("hidden");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("read"); // empty: nothing said

        QTest::newRow("a whole square") << "PLAYFAIREXAMPLE" << "" << 0 << 0 << "PLAYFIREXM";
        QTest::newRow("a whole square in another shift") << "PLAYFAIREXAMPLE" << "" << 2 << 3 << "PLAYFIREXM";
        QTest::newRow("a key's repeated letters once") << "BALLOON" << "" << 1 << 4 << "BALON";
        QTest::newRow("a key whose last letter continues the run") << "ZEBRA" << "" << 0 << 1 << "ZEBR";
        QTest::newRow("a key ending in XYZ") << "ABCXYZ" << "" << 3 << 0 << "ABCXYZ";
        QTest::newRow("a key in no list") << "QZKVBX" << "" << 4 << 4 << "QZKVBX";
        QTest::newRow("a letter of the run hidden") << "PLAYFAIREXAMPLE" << "19" << 1 << 2 << "PLAYFIREXM";
        QTest::newRow("two letters of the run hidden, a long key may hold them either way: nothing")
            << "PLAYFAIREXAMPLE" << "13 23" << 1 << 2 << "";
        QTest::newRow("a letter of the key hidden, the one letter left") << "PLAYFAIREXAMPLE" << "9" << 0 << 0 << "PLAYFIREXM";
        QTest::newRow("two letters of the run hidden that can change places: nothing")
            << "PLAYFAIREXAMPLE" << "13 16" << 0 << 0 << "";
        QTest::newRow("two letters of the key hidden: nothing") << "PLAYFAIREXAMPLE" << "2 9" << 0 << 0 << "";
        QTest::newRow("a letter of the key hidden and the last cell: nothing")
            << "PLAYFAIREXAMPLE" << "9 25" << 2 << 2 << "";
        QTest::newRow("the key alone known: nothing")
            << "PLAYFAIREXAMPLE" << "11 12 13 14 15 16 17 18 19 20 21 22 23 24 25" << 0 << 0 << "";
        QTest::newRow("the alphabet in order: nothing") << "" << "" << 0 << 0 << "";
    }

    void readsTheKeyOffTheSquare()
    {
        QFETCH(QString, key);
        QFETCH(QString, hidden);
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(QString, read);
        const std::string whole = keyedSquare(key.toStdString());
        std::string partial = whole;
        for (const QString &cell : hidden.split(u' ', Qt::SkipEmptyParts))
            partial[std::size_t(cell.toInt() - 1)] = '.';
        std::string moved(25, '.');
        for (int cell = 0; cell < 25; ++cell)
            moved[std::size_t((cell / 5 + rows) % 5 * 5 + (cell % 5 + columns) % 5)] = partial[std::size_t(cell)];
        const std::optional<SquareKey> found = keyOfSquare(moved);
        QCOMPARE(QString::fromStdString(found ? found->letters : std::string()), read);
        if (!found)
            return;
        // The square named is the key's, and the shift takes the given cells to it.
        QCOMPARE(QString::fromStdString(found->square), QString::fromStdString(whole));
        for (int cell = 0; cell < 25; ++cell) {
            const char letter = moved[std::size_t(cell)];
            if (letter != '.')
                QCOMPARE(found->square[std::size_t((cell / 5 + found->rows) % 5 * 5 + (cell % 5 + found->columns) % 5)],
                         letter);
        }
    }

    // On key squares with letters hidden, wherever the run lies within the
    // square's alphabetical tail, every letter it gives a gap is right.
    void theAlphabeticalRunFillsOnlyRightLetters()
    {
        Random random{23};
        int checked = 0;
        for (int trial = 0; trial < 400; ++trial) {
            std::string key;
            for (std::uint32_t n = 3 + random.below(8); n > 0; --n)
                key += letterName(int(random.below(25)));
            const std::string square = keyedSquare(key);
            std::string distinct;
            for (char c : key)
                distinct += distinct.find(c) == std::string::npos ? std::string(1, c) : std::string();
            std::string hidden = square;
            for (char &c : hidden)
                c = random.below(3) == 0 ? '.' : c;
            const auto run = alphabeticalRun(hidden, 5);
            if (!run || run->rows != 0 || run->columns != 0 || run->firstCell < int(distinct.size()))
                continue;
            ++checked;
            for (const PlacedLetter &gap : run->gaps)
                QCOMPARE(square[std::size_t(gap.cell)], letterName(gap.letter));
        }
        QVERIFY2(checked > 100, qPrintable(QString::number(checked)));
    }
};

QTEST_GUILESS_MAIN(TestDeduction)
#include "tst_deduction.moc"
