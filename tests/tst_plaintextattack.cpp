// The plaintext-dictionary attack: what it refuses a prefix for, that it
// finds a short text whose words it holds, and that it stops when asked,
// alone and inside the solver.

#include "analysis/search/pairtables.h"
#include "analysis/search/plaintextattack.h"
#include "analysis/search/random.h"
#include "analysis/solver.h"

#include <QTest>

#include <atomic>
#include <chrono>
#include <stop_token>
#include <thread>

using namespace playfair::analysis;

Q_DECLARE_METATYPE(PlaintextAttack::Refusal)
Q_DECLARE_METATYPE(Language)

namespace {

std::vector<Letter> lettersOf(const QString &text)
{
    std::vector<Letter> letters;
    for (QChar c : text)
        letters.push_back(Letter(letterNumber(c.toLatin1())));
    return letters;
}

Square squareOf(const char *text)
{
    Square square{};
    squareFromText(text, square);
    return square;
}

std::vector<Letter> encrypted(const Square &square, const std::vector<Letter> &plain)
{
    std::vector<Letter> cipher(plain.size());
    encryptLetters(square, plain.data(), plain.size(), cipher.data());
    return cipher;
}

std::vector<PlaintextAttack::Word> wordsOf(const QStringList &spellings)
{
    std::vector<PlaintextAttack::Word> words;
    for (const QString &spelling : spellings)
        words.push_back({lettersOf(spelling)});
    return words;
}

// A message of the words below, prepared (an X ends it), and a square of no key word.
const QString message = QStringLiteral("ATTACKATDAWNBYTHEBRIDGEX");
const char *const randomSquare = "QWMGZLKDRHVBUXSCNAOYFTPIE";
const QStringList messageWords{"AT",   "ATTACK", "DAWN", "BY",    "THE",  "BRIDGE", "NOON", "RIVER",
                               "MEET", "THEM",   "WE",   "BRING", "DUSK", "TO",     "HIDE", "CAMP", "BALLOON"};

} // namespace

class TestPlaintextAttack : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each constraint refuses the prefix that breaks it first; the true
    // plaintext's prefixes all pass.
    void checksPrefixes_data()
    {
        QTest::addColumn<QString>("ciphertext"); // empty: the message on the random square
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<PlaintextAttack::Refusal>("refusal");
        using R = PlaintextAttack::Refusal;
        QTest::newRow("the true plaintext's first pair") << "" << "AT" << R::None;
        QTest::newRow("the true plaintext's first letters, half a pair") << "" << "ATTAC" << R::None;
        QTest::newRow("the true plaintext's first words") << "" << "ATTACKATDAWN" << R::None;
        QTest::newRow("the whole true plaintext") << "" << message << R::None;
        QTest::newRow("a letter over itself") << "CDEF" << "AD" << R::OwnLetter;
        QTest::newRow("a letter over itself in a pair's first place") << "CDEF" << "ABE" << R::OwnLetter;
        QTest::newRow("a doubled pair") << "CDEF" << "AA" << R::DoubledPair;
        QTest::newRow("a doubled pair split by an X") << "CDEF" << "AXA" << R::None;
        QTest::newRow("one plain pair over two cipher pairs") << "CDEF" << "ABAB" << R::TwoCipherPairs;
        QTest::newRow("a reversed plain pair over a cipher pair not reversed") << "CDEF" << "ABBA" << R::TwoCipherPairs;
        QTest::newRow("a reversed plain pair over the reversed cipher pair") << "CDDC" << "ABBA" << R::None;
        QTest::newRow("one cipher pair under two plain pairs") << "CDCD" << "ABAE" << R::TwoPlainPairs;
        QTest::newRow("a cipher pair read before gives its first plain letter") << "CDCD" << "ABE" << R::TwoPlainPairs;
        QTest::newRow("a reversed cipher pair under a plain pair not reversed") << "CDDC" << "ABAE" << R::TwoPlainPairs;
        QTest::newRow("a letter with ten line mates") << "BCDEFGHKLM" << "AZAYAXAWAV" << R::NoSquare;
        QTest::newRow("pairs that hold no square together") << "CDAE" << "ABCD" << R::NoSquare;
        QTest::newRow("pairs that hold a square together") << "CDAE" << "ABCF" << R::None;
    }

    void checksPrefixes()
    {
        QFETCH(QString, ciphertext);
        QFETCH(QString, prefix);
        QFETCH(PlaintextAttack::Refusal, refusal);
        const std::vector<Letter> cipher = ciphertext.isEmpty() ? encrypted(squareOf(randomSquare), lettersOf(message))
                                                                : lettersOf(ciphertext);
        QCOMPARE(PlaintextAttack::check(cipher, lettersOf(prefix)), refusal);
    }

    // A short text whose words the list holds is found, with a square that
    // decrypts the whole text to it, in either language's model.
    void findsATextOfItsWords_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<Language>("language");
        QTest::addColumn<bool>("named"); // the language given, or both tried in turn
        QTest::newRow("the message") << message << Language::English << true;
        QTest::newRow("another message") << QStringLiteral("WEMEETTHEMATDUSK") << Language::English << true;
        QTest::newRow("a message read by the other language's model")
            << QStringLiteral("BRINGTHEMTOCAMPX") << Language::Bulgarian << true;
        QTest::newRow("the language not given") << QStringLiteral("WEMEETTHEMATDUSK") << Language::English << false;
        QTest::newRow("a doubled letter split by an X, within a word")
            << QStringLiteral("WEBRINGTHEBALXLOONATDUSK") << Language::English << true;
    }

    void findsATextOfItsWords()
    {
        QFETCH(QString, plain);
        QFETCH(Language, language);
        QFETCH(bool, named);
        const std::vector<Letter> cipher = encrypted(squareOf(randomSquare), lettersOf(plain));
        PlaintextAttack attack(cipher, named ? std::optional(language) : std::nullopt, wordsOf(messageWords));
        const std::atomic<bool> halt{false};
        bool found = false;
        attack.run(halt, [&](const Square &square, const std::vector<Letter> &text, double, Language) {
            std::vector<Letter> decrypted(cipher.size());
            decryptLetters(square, cipher.data(), cipher.size(), decrypted.data());
            QCOMPARE(decrypted, text);
            found = found || text == lettersOf(plain);
        });
        QVERIFY(found);
        QVERIFY(attack.prefixesTried() > 0);
    }

    // With every word of the books, a stop request ends the attack: it
    // returns, and takes no further step.
    void stopsWhenAsked()
    {
        Random random(7);
        std::vector<Letter> cipher(40);
        for (std::size_t i = 0; i < cipher.size(); i += 2) {
            cipher[i] = Letter(random.below(letterCount));
            do
                cipher[i + 1] = Letter(random.below(letterCount));
            while (cipher[i + 1] == cipher[i]);
        }
        PlaintextAttack attack(cipher, std::nullopt);
        std::atomic<bool> halt{false};
        std::jthread stopper([&halt] {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            halt.store(true);
        });
        attack.run(halt, [](const Square &, const std::vector<Letter> &, double, Language) {});
        stopper.join();
        QVERIFY(!attack.step(halt, [](const Square &, const std::vector<Letter> &, double, Language) {}));
    }

    // The solver runs the attack on a short text and stops when asked while
    // it runs (the limit only keeps a broken build from running for ever).
    void solverStopsWithTheAttack()
    {
        const std::vector<Letter> cipher = encrypted(squareOf(randomSquare), lettersOf(message));
        SolverOptions options;
        options.timeLimit = std::chrono::minutes(2);
        options.threads = 2;
        options.squares = SquareKind::Random;
        options.progressInterval = std::chrono::milliseconds(10);
        std::stop_source stop;
        options.onProgress = [&stop](const SolverReport &report) {
            if (report.plaintextsTested > 0)
                stop.request_stop();
        };
        const SolverResult result = solve(cipher, options, stop.get_token());
        QVERIFY(result.plaintextsTested > 0);
        QVERIFY(result.stopped == StopReason::Cancelled || result.stopped == StopReason::Confident);
    }
};

QTEST_GUILESS_MAIN(TestPlaintextAttack)
#include "tst_plaintextattack.moc"
