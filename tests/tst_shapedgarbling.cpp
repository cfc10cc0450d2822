// The other alphabets' squares as messages arrive: the pairs garbled in
// transmission marked on latin-q, 6 x 6 and Cyrillic as on the classic
// square, and the alphabet that a crib's and known pairs' own letters point
// to when the ciphertext's letters cannot tell.

#include "analysis/garbling.h"
#include "analysis/shaped/alphabetchoice.h"
#include "analysis/shaped/shapedsolver.h"
#include "workspace/breaksession.h"

#include <QTest>

using namespace playfair;
using namespace playfair::analysis;

Q_DECLARE_METATYPE(playfair::analysis::AlphabetKind)

namespace {

const char *const cyrillicText = "Учителят влезе в класа и написа на дъската дълго изречение. Децата го преписаха в "
                                 "тетрадките си, а после всяко трябваше да го шифрова с квадрата на ключа си и да "
                                 "го даде на съседа си.";
const char *const englishText = "The teacher came into the classroom and wrote a long sentence on the board. The "
                                "children copied it into their books and then each of them had to put it in code with "
                                "the square of a key of their own.";
const char *const digitsText = "The meeting is at 10 in room 204 on the third floor. Bring the 12 maps and the list "
                               "of 36 names; we leave at 1530 by the north gate and return before 9 in the evening.";

} // namespace

class TestShapedGarbling : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void marksTheGarbledPairs_data();
    void marksTheGarbledPairs();
    void choosesByTheKnownLetters_data();
    void choosesByTheKnownLetters();
    void breakWindowFollowsTheCribAndMarksThePairs_data();
    void breakWindowFollowsTheCribAndMarksThePairs();
};

void TestShapedGarbling::marksTheGarbledPairs_data()
{
    QTest::addColumn<AlphabetKind>("alphabet");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    // The cipher letters changed (from 0), each to the letter `shift`
    // places on in the alphabet (one more where that is its pair's other
    // letter), and one letter lost (or -1).
    QTest::addColumn<QList<int>>("changed");
    QTest::addColumn<int>("lost");
    QTest::addColumn<QList<int>>("marked"); // the pairs marked, from 0
    QTest::addColumn<int>("unreadableFrom");  // or -1

    const QString cyrillic = QString::fromUtf8(cyrillicText);
    const QString english = QString::fromUtf8(englishText);
    const QString digits = QString::fromUtf8(digitsText);
    const QString rodina = QStringLiteral("РОДИНА");
    // The books' Bulgarian hardly has the word ШИФРОВА: its pair ОВ reads
    // as a garbled one would, just over the level.
    QTest::newRow("Cyrillic as sent: only the rare word's pair")
        << AlphabetKind::Cyrillic << cyrillic << rodina << QList<int>{} << -1 << QList<int>{53} << -1;
    QTest::newRow("Cyrillic, three letters changed")
        << AlphabetKind::Cyrillic << cyrillic << rodina << QList<int>{8, 61, 110} << -1 << QList<int>{4, 30, 55} << -1;
    // Letter 93 is the second of pair 46, whose first letter still reads.
    QTest::newRow("Cyrillic, a letter lost: stops reading from the next pair")
        << AlphabetKind::Cyrillic << cyrillic << rodina << QList<int>{} << 93 << QList<int>{} << 47;
    QTest::newRow("without Q as sent: nothing marked")
        << AlphabetKind::LatinQ << english << "JUNGLE" << QList<int>{} << -1 << QList<int>{} << -1;
    QTest::newRow("without Q, two letters changed")
        << AlphabetKind::LatinQ << english << "JUNGLE" << QList<int>{30, 101} << -1 << QList<int>{15, 50} << -1;
    // The numbers' digits are weighed against other digits and read as
    // well as any; the lone digit of BEFORE 9 reads as a garbled letter.
    QTest::newRow("6 x 6 as sent: the numbers unmarked, a lone digit marked")
        << AlphabetKind::LatinDigits << digits << "ROOM101" << QList<int>{} << -1 << QList<int>{58} << -1;
    QTest::newRow("6 x 6, two letters changed")
        << AlphabetKind::LatinDigits << digits << "ROOM101" << QList<int>{44, 97} << -1 << QList<int>{22, 48, 58} << -1;
}

void TestShapedGarbling::marksTheGarbledPairs()
{
    QFETCH(AlphabetKind, alphabet);
    QFETCH(QString, text);
    QFETCH(QString, key);
    QFETCH(QList<int>, changed);
    QFETCH(int, lost);
    QFETCH(QList<int>, marked);
    QFETCH(int, unreadableFrom);
    const SolverLetters &letters = SolverLetters::of(alphabet);
    const std::vector<std::uint8_t> square = shapedKeySquare(letters, letters.numbersOf(key.toStdString()));
    std::vector<std::uint8_t> plain = preparedLetters(letters, text.toStdString());
    std::vector<std::uint8_t> cipher = shapedTransform(letters, square, plain, +1);
    const int n = letters.size();
    for (int at : changed) {
        const auto i = std::size_t(at);
        std::uint8_t letter = std::uint8_t((cipher[i] + 7) % n);
        if (letter == cipher[i ^ 1])
            letter = std::uint8_t((letter + 1) % n);
        cipher[i] = letter;
    }
    if (lost >= 0) {
        // A letter lost and, to keep the count even, the last one too.
        cipher.erase(cipher.begin() + lost);
        cipher.pop_back();
    }
    // Where a lost letter leaves two equal letters in a pair, the square
    // gives no plaintext there: the row would say nothing.
    for (std::size_t i = 0; i + 1 < cipher.size(); i += 2)
        QVERIFY(cipher[i] != cipher[i + 1]);
    const std::vector<std::uint8_t> read = shapedTransform(letters, square, cipher, -1);
    const Garbling garbling = findGarbledPairs(read, alphabet);
    QList<int> pairs;
    for (std::size_t pair : garbling.pairs)
        pairs << int(pair);
    QCOMPARE(pairs, marked);
    QCOMPARE(garbling.unreadableFrom ? int(*garbling.unreadableFrom) : -1, unreadableFrom);
}

void TestShapedGarbling::choosesByTheKnownLetters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("crib");
    QTest::addColumn<QStringList>("known");
    QTest::addColumn<QString>("alphabet");
    QTest::addColumn<bool>("undecided");
    QTest::addColumn<bool>("byKnownLetters");
    QTest::addColumn<QString>("reasonHas");
    const QString neither = QStringLiteral("LFLYL FEPAL");
    QTest::newRow("neither, nothing known: as before")
        << neither << QString() << QStringList{} << "latin-ij" << true << false << "neither a J nor a Q";
    QTest::newRow("a J in the crib")
        << neither << "JUNGLE" << QStringList{} << "latin-q" << false << true << "the crib has a J";
    QTest::newRow("a small j in the crib counts")
        << neither << "jungle" << QStringList{} << "latin-q" << false << true << "the crib has a J";
    QTest::newRow("a J in a known plain pair")
        << neither << QString() << QStringList{"th=PI", "ja=LF"} << "latin-q" << false << true
        << "a known plain pair has a J";
    QTest::newRow("a Q in the crib: the classic square")
        << neither << "QUEEN" << QStringList{} << "latin-ij" << false << true << "the crib has a Q";
    QTest::newRow("a J in a known cipher pair")
        << neither << QString() << QStringList{"th=JF"} << "latin-q" << false << true << "cipher letters have a J";
    QTest::newRow("a Q among the cipher letters outweighs a J in the crib")
        << neither << "JUNGLE" << QStringList{"th=QF"} << "latin-ij" << false << true << "cipher letters have a Q";
    QTest::newRow("a J and a Q among the plain letters: as before")
        << neither << "JUNGLE" << QStringList{"qu=LF"} << "latin-ij" << true << false
        << "nor do the crib and the known pairs";
    QTest::newRow("neither letter in the crib: as before, and said")
        << neither << "THE" << QStringList{} << "latin-ij" << true << false << "nor do the crib and the known pairs";
    QTest::newRow("a Q in the text: the text decides")
        << "LFLYL FEPQL" << "JUNGLE" << QStringList{} << "latin-ij" << false << false << "a Q and no J";
    QTest::newRow("Cyrillic letters: the text decides")
        << QStringLiteral("УВЗДУ РИДЛР") << "JUNGLE" << QStringList{} << "cyrillic" << false << false << "Cyrillic";
}

void TestShapedGarbling::choosesByTheKnownLetters()
{
    QFETCH(QString, text);
    QFETCH(QString, crib);
    QFETCH(QStringList, known);
    QFETCH(QString, alphabet);
    QFETCH(bool, undecided);
    QFETCH(bool, byKnownLetters);
    QFETCH(QString, reasonHas);
    std::vector<std::string> pairs;
    for (const QString &pair : known)
        pairs.push_back(pair.toStdString());
    const AlphabetChoice choice = chooseAlphabet(text.toStdString(), crib.toStdString(), pairs);
    QCOMPARE(QString::fromUtf8(alphabetCode(choice.alphabet)), alphabet);
    QCOMPARE(choice.undecided, undecided);
    QCOMPARE(choice.byKnownLetters, byKnownLetters);
    QVERIFY2(QString::fromStdString(choice.reason).contains(reasonHas), choice.reason.c_str());
}

// The break window's session: the crib's letters choose the square of a
// text of neither J nor Q, the status says why, and the pairs a search on
// any alphabet's square marks as garbled are underlined and said.
void TestShapedGarbling::breakWindowFollowsTheCribAndMarksThePairs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("crib");
    QTest::addColumn<AlphabetKind>("alphabet");
    QTest::addColumn<QString>("note");
    const QString neither = QStringLiteral("LFLYL FEPAL NRRMN FNFTF");
    QTest::newRow("no crib: the classic square")
        << neither << QString() << AlphabetKind::LatinIJ << QString();
    QTest::newRow("a crib with a J: the square without Q")
        << neither << "jungle" << AlphabetKind::LatinQ << QStringLiteral("в известната дума има J");
    QTest::newRow("a crib with neither: the classic square")
        << neither << "the" << AlphabetKind::LatinIJ << QString();
    QTest::newRow("a J in the text decides alone")
        << QStringLiteral("LFLYL FEPAL NRRMN FNFTJ") << "queen" << AlphabetKind::LatinQ
        << QStringLiteral("има J и няма Q");
    QTest::newRow("Cyrillic") << QStringLiteral("УВЗДУ РИДЛР ОВЕК") << QStringLiteral("дума") << AlphabetKind::Cyrillic
                              << QStringLiteral("кирилски букви");
}

void TestShapedGarbling::breakWindowFollowsTheCribAndMarksThePairs()
{
    QFETCH(QString, text);
    QFETCH(QString, crib);
    QFETCH(AlphabetKind, alphabet);
    QFETCH(QString, note);
    BreakSession session;
    session.setCiphertext(text);
    session.setCrib(crib);
    QCOMPARE(session.squareAlphabet(), alphabet);
    if (note.isEmpty())
        QCOMPARE(session.alphabetNote(), QString());
    else
        QVERIFY2(session.alphabetNote().contains(note), qPrintable(session.alphabetNote()));
    // The crib taken back: the text's letters alone again.
    if (!crib.isEmpty()) {
        session.setCrib(QString());
        QCOMPARE(session.squareAlphabet(), analysis::chooseAlphabet(text.toStdString()).alphabet);
        session.setCrib(crib);
    }
    // The main window's pairs come with its classic square: a crib left in
    // the box moves them to no other square, and the key stays known.
    if (alphabet == AlphabetKind::LatinQ && !text.contains(u'J')) {
        BreakSession handed;
        handed.setCrib(crib);
        BreakInput input;
        input.ciphertext = text;
        input.trueSquare = QStringLiteral("ABCDEFGHIKLMNOPQRSTUVWXYZ");
        handed.setInput(input);
        QCOMPARE(handed.squareAlphabet(), AlphabetKind::LatinIJ);
        QCOMPARE(handed.knownSquare(), QStringLiteral("ABCDEFGHIKLMNOPQRSTUVWXYZ"));
    }

    // A search's result with a pair marked, on whichever square.
    const std::optional<BreakSession::Search> search = session.start();
    QVERIFY2(search, qPrintable(session.status()));
    QCOMPARE(search->alphabet, alphabet);
    SolverResult result;
    result.found = true;
    result.plaintext = session.cipherLetters().toStdString();
    result.squareText = std::string(alphabet == AlphabetKind::Cyrillic ? 60 : 25, 'A');
    result.stopped = StopReason::Confident;
    result.confidence = Confidence::Agreed;
    result.garbling.pairs = {1};
    QVERIFY(session.searchFinished(search->run, result));
    QCOMPARE(session.garbledPairs(), QList<int>{1});
    QVERIFY2(session.garbledNote().contains(QStringLiteral("Двойка 2")), qPrintable(session.garbledNote()));
}

QTEST_GUILESS_MAIN(TestShapedGarbling)
#include "tst_shapedgarbling.moc"
