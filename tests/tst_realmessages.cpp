// Messages as they arrive: the language found by the solver, doubled
// letters kept, garbled letters marked and a lost letter found, all on the
// held-out test books. One thread and fixed seeds keep the solves repeatable.

#include "analysis/ciphertext.h"
#include "analysis/garbling.h"
#include "analysis/search/chooser.h"
#include "analysis/search/pairtables.h"
#include "analysis/solver.h"
#include "heldouttext.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using namespace playfair;
using namespace playfair::analysis;
using namespace std::chrono_literals;
using playfair::testing::lettersOf;

namespace {

Language languageOf(const QString &code)
{
    return code == QLatin1String("bg") ? Language::Bulgarian : Language::English;
}

SolverOptions oneThread(std::uint64_t seed)
{
    SolverOptions options;
    options.threads = 1;
    options.seed = seed;
    options.systemWordLists = false;
    options.timeLimit = 120s; // a safety net: the searches agree after a fixed number of keys
    return options;
}

// The pairs where two texts differ.
std::vector<std::size_t> pairsThatDiffer(const std::string &a, const std::string &b)
{
    std::vector<std::size_t> pairs;
    for (std::size_t i = 0; i < a.size(); i += 2) {
        if (a.compare(i, 2, b, i, 2) != 0)
            pairs.push_back(i / 2);
    }
    return pairs;
}

// `c`'s ciphertext with the letters at `places` each moved on by `by` in the
// alphabet, a step that never makes a doubled pair in these texts.
std::vector<Letter> garbled(const testing::CipherCase &c, const QList<int> &places, int by = 7)
{
    std::vector<Letter> cipher = c.cipher;
    for (int place : places) {
        Letter &letter = cipher[std::size_t(place)];
        letter = Letter((letter + by) % letterCount);
        if (letter == cipher[std::size_t(place ^ 1)])
            letter = Letter((letter + 1) % letterCount);
    }
    return cipher;
}

} // namespace

class TestRealMessages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A short true plaintext reads better in its own language than in the
    // other: the chooser, left to find the language, names it.
    void theChooserFindsTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("length");

        for (int offset : {2000, 31000, 77000}) {
            QTest::addRow("English, 40 letters at %d", offset) << "en" << offset << 40;
            QTest::addRow("Bulgarian, 40 letters at %d", offset) << "bg" << offset << 40;
        }
        QTest::newRow("English, 20 letters") << "en" << 50000 << 20;
        QTest::newRow("Bulgarian, 24 letters") << "bg" << 50000 << 24;
    }

    void theChooserFindsTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(int, offset);
        QFETCH(int, length);
        const testing::CipherCase c = testing::cipherCase(language.toStdString(), std::size_t(offset), std::size_t(length), 3);
        Square square;
        QVERIFY(squareFromText(c.square, square));
        const Chooser chooser(std::nullopt, c.cipher);
        QVERIFY(chooser.findsTheLanguage());
        const Chooser::Verdict verdict = chooser.judge(square, 0);
        QCOMPARE(int(verdict.language), int(languageOf(language)));
        // It is the verdict of the chooser told the language.
        QCOMPARE(verdict.total, Chooser(languageOf(language), c.cipher).judge(square, 0).total);
    }

    // The search with no language given breaks texts in either, and says
    // which it found.
    void theSolverFindsTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("keyWord"); // empty: a random square

        QTest::newRow("Bulgarian, 150 letters, a random square") << "bg" << 150 << "";
        QTest::newRow("English, 150 letters, a random square") << "en" << 150 << "";
        QTest::newRow("Bulgarian, 30 letters on a key word") << "bg" << 30 << "RODINA";
        QTest::newRow("English, 30 letters on a key word") << "en" << 30 << "WINDOW";
    }

    void theSolverFindsTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(int, length);
        QFETCH(QString, keyWord);
        const testing::CipherCase c = keyWord.isEmpty()
            ? testing::cipherCase(language.toStdString(), 44000, std::size_t(length), 5)
            : testing::cipherCaseOn(language.toStdString(), 44000, std::size_t(length), keyedSquare(keyWord.toStdString()));
        const SolverResult result = solve(c.cipher, oneThread(3));
        QCOMPARE(result.plaintext, c.plain);
        QCOMPARE(int(result.language), int(languageOf(language)));
        QVERIFY(result.languageFound);
        QVERIFY(result.otherLanguageScore < result.score);
        QCOMPARE(result.stopped, StopReason::Confident);
        if (!keyWord.isEmpty())
            QCOMPARE(QString::fromStdString(result.keyWord.value_or("")), keyWord);
    }

    // Every thread searches both languages until one plaintext reads like
    // one of them, then that language alone; the answer is the same.
    void findsTheLanguageOnEveryThread()
    {
        const testing::CipherCase c = testing::cipherCase("bg", 61000, 160, 9);
        SolverOptions options = oneThread(7);
        options.threads = 0;
        const SolverResult result = solve(c.cipher, options);
        QCOMPARE(result.plaintext, c.plain);
        QCOMPARE(int(result.language), int(Language::Bulgarian));
    }

    // A message that kept its doubled letters: its doubled pairs went through
    // unchanged, and it breaks as one.
    void breaksAMessageThatKeptItsDoubledLetters_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("keyWord"); // empty: a random square

        QTest::newRow("English, 150 letters, a random square") << "en" << 8100 << 150 << "";
        QTest::newRow("English, 100 letters on a key word") << "en" << 23000 << 100 << "SECRET";
        QTest::newRow("Bulgarian, 100 letters on a key word") << "bg" << 25000 << 100 << "MLADOST";
    }

    void breaksAMessageThatKeptItsDoubledLetters()
    {
        QFETCH(QString, language);
        QFETCH(int, offset);
        QFETCH(int, length);
        QFETCH(QString, keyWord);
        const std::string book = testing::heldOutText(language.toStdString()).substr(std::size_t(offset), 2 * std::size_t(length));
        const std::string plain = preparedMessage(book, Doubles::Kept).substr(0, std::size_t(length));
        const std::string square = keyWord.isEmpty() ? testing::cipherCase("en", 0, 2, 17).square
                                                     : keyedSquare(keyWord.toStdString());
        const std::string cipherText = transformedPairs(square, plain, +1);
        QVERIFY2(pairsThatDiffer(cipherText, plain).size() < plain.size() / 2, "the text has a doubled pair");
        // Read as textbook Playfair the text is refused; with doubled letters kept it is read.
        QVERIFY(std::holds_alternative<CiphertextError>(readCiphertext(cipherText)));
        const auto read = readCiphertext(cipherText, Doubles::Kept);
        QVERIFY(std::holds_alternative<Ciphertext>(read));
        const SolverResult result = solve(std::get<Ciphertext>(read).letters, oneThread(4));
        QCOMPARE(result.plaintext, plain);
        if (!keyWord.isEmpty())
            QCOMPARE(QString::fromStdString(result.keyWord.value_or("")), keyWord);
    }

    // Padding after the last pair, of every kind (nulls, a group of five
    // filled out with X and Q, letters that no square gives there), is set
    // aside and named, and the text breaks; a text without padding keeps
    // its last pair.
    void setsAsidePaddingOfEveryKind_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("keyWord");
        QTest::addColumn<QString>("padding");

        QTest::newRow("no padding: the last pair stays") << "en" << 12000 << "HARBOUR" << "";
        QTest::newRow("no padding, Bulgarian: the last pair stays") << "bg" << 12000 << "MLADOST" << "";
        QTest::newRow("a null X") << "en" << 12000 << "HARBOUR" << "X";
        QTest::newRow("two nulls, X and Q") << "en" << 12000 << "HARBOUR" << "XQ";
        QTest::newRow("a group of five filled out with XQX") << "en" << 12000 << "HARBOUR" << "XQX";
        QTest::newRow("four nulls, QXQX") << "en" << 12000 << "HARBOUR" << "QXQX";
        QTest::newRow("five nulls, XQXQX") << "bg" << 12000 << "MLADOST" << "XQXQX";
        QTest::newRow("a run of one letter, ZZZ") << "en" << 12000 << "HARBOUR" << "ZZZ";
        QTest::newRow("a doubled pair with a letter before it, KVV") << "bg" << 12000 << "MLADOST" << "KVV";
        QTest::newRow("nulls of any letters, MD") << "en" << 12000 << "HARBOUR" << "MD";
        QTest::newRow("nulls of any letters, Bulgarian, GBWK") << "bg" << 12000 << "MLADOST" << "GBWK";
        QTest::newRow("nulls of any letters, odd, RLBUS") << "en" << 12000 << "HARBOUR" << "RLBUS";
    }

    void setsAsidePaddingOfEveryKind()
    {
        QFETCH(QString, language);
        QFETCH(int, offset);
        QFETCH(QString, keyWord);
        QFETCH(QString, padding);
        const testing::CipherCase c
            = testing::cipherCaseOn(language.toStdString(), std::size_t(offset), 40, keyedSquare(keyWord.toStdString()));
        const auto read = readCiphertext(c.cipherText + padding.toStdString());
        QVERIFY(std::holds_alternative<Ciphertext>(read));
        const Ciphertext &message = std::get<Ciphertext>(read);
        SolverOptions options = oneThread(5);
        options.paddingAllowed = message.paddingAllowed;
        const SolverResult result = solve(message.letters, options);
        QCOMPARE(result.plaintext, c.plain);
        QCOMPARE(QString::fromStdString(message.setAsideWith(result.padding)), padding);
        QCOMPARE(QString::fromStdString(result.keyWord.value_or("")), keyWord);
        QCOMPARE(result.stopped, StopReason::Confident);
    }

    // The pairs a changed letter garbles are marked, and few others; a lost
    // letter is found where the text stops reading.
    void marksGarbledPairs_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QList<int>>("changed"); // the letters changed, from 0
        QTest::addColumn<int>("lost");           // a letter lost, or -1

        QTest::newRow("English, nothing garbled") << "en" << 15000 << QList<int>{} << -1;
        QTest::newRow("Bulgarian, nothing garbled") << "bg" << 15000 << QList<int>{} << -1;
        QTest::newRow("English, one letter changed") << "en" << 26000 << QList<int>{61} << -1;
        QTest::newRow("English, three letters changed") << "en" << 33000 << QList<int>{10, 75, 128} << -1;
        QTest::newRow("Bulgarian, two letters changed") << "bg" << 33000 << QList<int>{40, 101} << -1;
        QTest::newRow("English, a letter lost") << "en" << 47000 << QList<int>{} << 91;
        QTest::newRow("Bulgarian, a letter lost") << "bg" << 47000 << QList<int>{} << 57;
        // -2: decrypted on another square, it reads nowhere, and no pair is marked.
        QTest::newRow("English, the wrong square") << "en" << 47000 << QList<int>{} << -2;
    }

    void marksGarbledPairs()
    {
        QFETCH(QString, language);
        QFETCH(int, offset);
        QFETCH(QList<int>, changed);
        QFETCH(int, lost);
        const testing::CipherCase c = testing::cipherCase(language.toStdString(), std::size_t(offset), 150, 8);
        std::vector<Letter> cipher = garbled(c, changed);
        if (lost >= 0) {
            cipher.erase(cipher.begin() + lost);
            cipher.pop_back(); // the count evened, as a reader sets the odd letter aside
        }
        Square square;
        QVERIFY(squareFromText(lost == -2 ? testing::cipherCase("en", 0, 2, 99).square : c.square, square));
        std::vector<Letter> plain(cipher.size());
        decryptLetters(square, cipher.data(), cipher.size(), plain.data());
        const Garbling garbling = findGarbledPairs(plain, languageOf(language));
        QCOMPARE(garbling.readsNowhere(), lost == -2);
        if (lost == -2) {
            QVERIFY(garbling.pairs.empty());
            return;
        }

        if (lost >= 0) {
            QVERIFY(garbling.unreadableFrom.has_value());
            QVERIFY2(std::abs(int(*garbling.unreadableFrom) - lost / 2) <= 1, qPrintable(QString::number(*garbling.unreadableFrom)));
            return;
        }
        QVERIFY(!garbling.unreadableFrom);
        const std::vector<std::size_t> wrong = pairsThatDiffer(lettersToText(plain.data(), plain.size()), c.plain);
        QCOMPARE(wrong.size(), std::size_t(changed.size()));
        for (std::size_t pair : wrong)
            QVERIFY2(std::find(garbling.pairs.begin(), garbling.pairs.end(), pair) != garbling.pairs.end(),
                     qPrintable(QString::number(pair)));
        QVERIFY2(garbling.pairs.size() <= wrong.size() + 1, qPrintable(QString::number(garbling.pairs.size())));
    }

    // A ciphertext with three letters garbled in transmission still breaks,
    // its garbled pairs marked.
    void breaksAGarbledCiphertext()
    {
        const testing::CipherCase c = testing::cipherCase("en", 52000, 150, 12);
        const std::vector<Letter> cipher = garbled(c, {19, 70, 133});
        SolverOptions options = oneThread(6);
        options.language = Language::English;
        const SolverResult result = solve(cipher, options);
        QVERIFY(result.found);
        std::vector<Letter> clean(c.cipher.size());
        decryptLetters(result.square, c.cipher.data(), c.cipher.size(), clean.data());
        QCOMPARE(lettersToText(clean.data(), clean.size()), c.plain);
        // Most garbled pairs are marked (some read plausibly all the same),
        // few others.
        const std::vector<std::size_t> wrong = pairsThatDiffer(result.plaintext, c.plain);
        const std::vector<std::size_t> &marked = result.garbling.pairs;
        const auto caught = std::count_if(wrong.begin(), wrong.end(), [&marked](std::size_t pair) {
            return std::find(marked.begin(), marked.end(), pair) != marked.end();
        });
        QVERIFY2(2 * caught > qsizetype(wrong.size()), qPrintable(QString::number(caught)));
        QVERIFY(marked.size() <= std::size_t(caught) + 1);
    }
};

QTEST_GUILESS_MAIN(TestRealMessages)
#include "tst_realmessages.moc"
