// The solver's building blocks: the letters of a ciphertext, the cribs, the
// pair tables against the program's rules, the letter statistics.

#include "analysis/ciphertext.h"
#include "analysis/crib.h"
#include "analysis/statistics/letterstatistics.h"
#include "analysis/search/pairtables.h"
#include "analysis/squarealignment.h"
#include "analysis/statistics/corpus.h"
#include "analysis/transliteration.h"
#include "heldouttext.h"

#include <QTest>

#include <algorithm>
#include <map>
#include <set>

using namespace playfair;
using namespace playfair::analysis;
using playfair::testing::lettersOf;

namespace {

std::string textOf(const std::vector<Letter> &letters)
{
    return lettersToText(letters.data(), letters.size());
}

double meanLog10(Language language, const std::string &text)
{
    const std::vector<Letter> letters = lettersOf(text);
    return LetterStatistics::of(language).meanLog10(letters.data(), letters.size());
}

} // namespace

class TestAnalysis : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Letters count, padding after the last pair is set aside, and what no
    // square gives is refused; with doubled letters kept a doubled pair is
    // a pair like any other.
    void readCiphertext_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("kept");
        QTest::addColumn<QString>("letters"); // empty when the text is refused
        QTest::addColumn<QString>("setAside");
        QTest::addColumn<int>("error");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("message");

        QTest::newRow("five-letter groups over lines")
            << "BMZBX DNABE\nKUDMU IMOEM RU" << false << "BMZBXDNABEKUDMUIMOEMRU" << "" << -1 << 0 << "";
        QTest::newRow("either case, J as I, digits and signs skipped")
            << "bm-Zj 12 x!d" << false << "BMZIXD" << "" << -1 << 0 << "";
        QTest::newRow("no letters") << " 12 ,.\n" << false << "" << "" << int(CiphertextError::Kind::NoLetters) << 0
                                    << "The text has no letters.";
        QTest::newRow("a last odd letter set aside") << "ABC" << false << "AB" << "C" << -1 << 0 << "";
        QTest::newRow("four nulls after the last pair") << "KRUEB QXXXX" << false << "KRUEBQ" << "XXXX" << -1 << 0 << "";
        QTest::newRow("nulls after a pair ending in the same letter")
            << "KRUEB XXXXX" << false << "KRUEBX" << "XXXX" << -1 << 0 << "";
        QTest::newRow("an odd run of nulls") << "KRUEBQ ZZZ" << false << "KRUEBQ" << "ZZZ" << -1 << 0 << "";
        QTest::newRow("a doubled pair before a last odd letter: both set aside")
            << "KRUEB QTMAG XXQ" << false << "KRUEBQTMAG" << "XXQ" << -1 << 0 << "";
        QTest::newRow("two doubled pairs at the end set aside")
            << "KRUEB QTMAG XXQQ" << false << "KRUEBQTMAG" << "XXQQ" << -1 << 0 << "";
        QTest::newRow("a short text keeps a doubled pair and is refused")
            << "ABXXQ" << false << "" << "" << int(CiphertextError::Kind::DoubledPair) << 3
            << "The pair XX at letter 3 holds two equal letters, which no Playfair square gives.";
        QTest::newRow("a lone run is no padding but a refusal")
            << "XXXX" << false << "" << "" << int(CiphertextError::Kind::DoubledPair) << 1
            << "The pair XX at letter 1 holds two equal letters, which no Playfair square gives.";
        QTest::newRow("a lone odd letter") << "A" << false << "" << "" << int(CiphertextError::Kind::OddLetters) << 0
                                           << "The text has only one letter, which has no pair, so this is no "
                                              "Playfair ciphertext.";
        QTest::newRow("an odd run alone") << "AAA" << false << "" << "" << int(CiphertextError::Kind::OddLetters) << 0
                                          << "The text has 3 letters, an odd number: the last letter has no pair, so "
                                             "this is no Playfair ciphertext.";
        QTest::newRow("a doubled pair, named by its first letter")
            << "AB CD EE FG" << false << "" << "" << int(CiphertextError::Kind::DoubledPair) << 5
            << "The pair EE at letter 5 holds two equal letters, which no Playfair square gives.";
        QTest::newRow("J and I make a doubled pair")
            << "ABJICD" << false << "" << "" << int(CiphertextError::Kind::DoubledPair) << 3
            << "The pair II at letter 3 holds two equal letters, which no Playfair square gives.";
        QTest::newRow("equal letters across pairs are fine") << "ABBA" << false << "ABBA" << "" << -1 << 0 << "";
        QTest::newRow("Cyrillic letters do not count") << "АБ AB" << false << "AB" << "" << -1 << 0 << "";
        QTest::newRow("doubles kept: a doubled pair stands") << "AB CD EE FG" << true << "ABCDEEFG" << "" << -1 << 0 << "";
        QTest::newRow("doubles kept: an even run at the end stands")
            << "KRUEB QXXXX" << true << "KRUEBQXXXX" << "" << -1 << 0 << "";
        QTest::newRow("doubles kept: an odd run at the end is padding")
            << "TTSSQ XXXX" << true << "TTSSQX" << "XXX" << -1 << 0 << "";
        QTest::newRow("Cyrillic letters only: a ciphertext is in Latin letters")
            << "ЩКЖ ЪЮ, 12" << false << "" << "" << int(CiphertextError::Kind::Cyrillic) << 0
            << "The text has Cyrillic letters only: a Playfair ciphertext is written in Latin letters (A to Z).";
    }

    void readCiphertext()
    {
        QFETCH(QString, text);
        QFETCH(bool, kept);
        QFETCH(QString, letters);
        QFETCH(QString, setAside);
        QFETCH(int, error);
        QFETCH(int, position);
        QFETCH(QString, message);

        const auto read = analysis::readCiphertext(text.toStdString(), kept ? Doubles::Kept : Doubles::Split);
        if (error < 0) {
            QVERIFY(std::holds_alternative<Ciphertext>(read));
            const Ciphertext &ciphertext = std::get<Ciphertext>(read);
            QCOMPARE(QString::fromStdString(textOf(ciphertext.letters)), letters);
            QCOMPARE(QString::fromStdString(ciphertext.setAside), setAside);
            // The note names the letters set aside.
            const QString note = QString::fromStdString(ciphertext.note());
            QCOMPARE(note.isEmpty(), setAside.isEmpty());
            QVERIFY(setAside.isEmpty() || note.contains(setAside));
            return;
        }
        QVERIFY(std::holds_alternative<CiphertextError>(read));
        const CiphertextError &e = std::get<CiphertextError>(read);
        QCOMPARE(int(e.kind), error);
        QCOMPARE(int(e.position), position);
        QCOMPARE(QString::fromStdString(e.message()), message);
    }

    // The one Bulgarian transliteration: Cyrillic letters become Latin
    // capitals, everything else stays; the statistics read Bulgarian by it.
    void transliteration_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("latin");

        QTest::newRow("a word, either case") << "Родина" << "RODINA";
        QTest::newRow("the letters of more than one Latin letter")
            << "щастие жаба цар чай шапка юли ябълка хляб" << "SHTASTIE ZHABA TSAR CHAY SHAPKA YULI YABALKA HLYAB";
        QTest::newRow("ъ, ь and й") << "Възьо Йовков" << "VAZYO YOVKOV";
        QTest::newRow("ѝ and ѐ") << "ѝ ѐ" << "I E";
        QTest::newRow("Latin letters, digits, signs and emoji stay") << "Meet at Пловдив, 7 o'clock! 🙂"
                                                                      << "Meet at PLOVDIV, 7 o'clock! 🙂";
        QTest::newRow("no Cyrillic: the text as it is") << "Hide the gold" << "Hide the gold";
    }

    void transliteration()
    {
        QFETCH(QString, text);
        QFETCH(QString, latin);
        const std::string utf8 = text.toStdString();
        QCOMPARE(QString::fromStdString(transliterated(utf8)), latin);
        QCOMPARE(hasCyrillicLetter(utf8), latin != text);
        // The letter statistics count Bulgarian in the same letters.
        QCOMPARE(cleanedCorpusText(utf8, true), cleanedCorpusText(transliterated(utf8), false));
    }

    // Where a crib may stand in the ciphertext of HITHEGOLDINTHETRESRXLN on
    // the square PLAYFIREXMBCDGHKNOQSTUVWZ.
    void crib_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("position"); // from 0; -1 for anywhere
        QTest::addColumn<QList<int>>("places");
        QTest::addColumn<int>("error");

        QTest::newRow("at its true place") << "GOLD" << 5 << QList<int>{5} << -1;
        QTest::newRow("anywhere: its true place is among the places")
            << "GOLD" << -1 << QList<int>{} << -1;
        QTest::newRow("a letter that would encrypt to itself")
            << "BM" << 0 << QList<int>{} << int(CribError::Kind::CannotStandAt);
        QTest::newRow("a doubled plain pair") << "LL" << 0 << QList<int>{} << int(CribError::Kind::CannotStandAt);
        QTest::newRow("one plain pair, two cipher pairs")
            << "HIHI" << 0 << QList<int>{} << int(CribError::Kind::CannotStandAt);
        QTest::newRow("no letters") << "12" << -1 << QList<int>{} << int(CribError::Kind::NoLetters);
        QTest::newRow("past the end") << "GOLD" << 22 << QList<int>{} << int(CribError::Kind::BadPosition);
        QTest::newRow("running over the end") << "GOLD" << 20 << QList<int>{} << int(CribError::Kind::TooLong);
        QTest::newRow("longer than the text")
            << "HITHEGOLDINTHETRESRXLNX" << -1 << QList<int>{} << int(CribError::Kind::TooLong);
    }

    void crib()
    {
        QFETCH(QString, word);
        QFETCH(int, position);
        QFETCH(QList<int>, places);
        QFETCH(int, error);

        const std::string plain = "HITHEGOLDINTHETRESRXLN";
        const std::vector<Letter> cipher = lettersOf(transformedPairs("PLAYFIREXMBCDGHKNOQSTUVWZ", plain, +1));
        std::optional<std::size_t> at;
        if (position >= 0)
            at = std::size_t(position);
        const auto made = Crib::make(word.toStdString(), at, cipher);
        if (error >= 0) {
            QVERIFY(std::holds_alternative<CribError>(made));
            QCOMPARE(int(std::get<CribError>(made).kind), error);
            return;
        }
        QVERIFY(std::holds_alternative<Crib>(made));
        const Crib &crib = std::get<Crib>(made);
        if (!places.isEmpty())
            QCOMPARE(QList<int>(crib.places().begin(), crib.places().end()), places);
        const auto &found = crib.places();
        QVERIFY(std::find(found.begin(), found.end(), plain.find(word.toStdString())) != found.end());
        const std::vector<Letter> plainLetters = lettersOf(plain);
        QVERIFY(crib.heldBy(plainLetters.data()));
        std::vector<Letter> wrong = plainLetters;
        wrong[7] = Letter(letterNumber('Q'));
        QCOMPARE(crib.mismatches(wrong.data()), position >= 0 ? 1 : std::min(1, crib.mismatches(wrong.data())));
    }

    // The solver's tables come from the program's rules: on random squares
    // they encrypt and decrypt every pair as the textbook functions do, and
    // the 25 cyclic shifts of a square decrypt alike.
    void pairTablesFollowTheRules()
    {
        const std::string plain = testing::cipherCase("en", 1000, 200, 1).plain;
        const std::vector<Letter> plainLetters = lettersOf(plain);
        for (std::uint64_t seed = 1; seed <= 50; ++seed) {
            const testing::CipherCase c = testing::cipherCase("en", 1000, 200, seed);
            Square square;
            QVERIFY(squareFromText(c.square, square));
            std::vector<Letter> cipher(plain.size());
            encryptLetters(square, plainLetters.data(), plain.size(), cipher.data());
            QCOMPARE(textOf(cipher), c.cipherText);
            for (int shift = 0; shift < 25; ++shift) {
                const Square shifted = shiftedSquare(square, shift / 5, shift % 5);
                std::vector<Letter> decrypted(plain.size());
                decryptLetters(shifted, cipher.data(), cipher.size(), decrypted.data());
                QCOMPARE(textOf(decrypted), plain);
                QCOMPARE(alignedSquare(shifted, square).count, 25);
            }
        }
    }

    void squareText()
    {
        Square square;
        QVERIFY(squareFromText("playfirexmbcdghknoqstuvwz", square));
        QCOMPARE(squareToText(square), std::string("PLAYFIREXMBCDGHKNOQSTUVWZ"));
        QVERIFY(!squareFromText("PLAYFIREXMBCDGHKNOQSTUVWA", square)); // A twice
        QVERIFY(!squareFromText("PLAYFIREXMBCDGHKNOQSTUVW", square));  // 24 letters
        QCOMPARE(squareToText(squareWithLetterFirst(square, Letter(letterNumber('K')))),
                 std::string("KNOQSTUVWZPLAYFIREXMBCDGH"));
    }

    // English passages score above the same letters shuffled; Bulgarian in
    // Latin letters scores higher with the Bulgarian table, English with the
    // English one.
    void statisticsTellLanguages_data()
    {
        QTest::addColumn<int>("offset");
        for (int offset : {1000, 25000, 60000, 100000})
            QTest::addRow("passage at %d", offset) << offset;
    }

    void statisticsTellLanguages()
    {
        QFETCH(int, offset);
        const std::string english = testing::heldOutText("en").substr(std::size_t(offset), 200);
        const std::string bulgarian = testing::heldOutText("bg").substr(std::size_t(offset), 200);
        std::string shuffled = english;
        Random shuffler{std::uint64_t(offset)};
        for (std::size_t i = shuffled.size() - 1; i > 0; --i)
            std::swap(shuffled[i], shuffled[shuffler.below(std::uint32_t(i + 1))]);

        QVERIFY(meanLog10(Language::English, english) > meanLog10(Language::English, shuffled) + 1);
        QVERIFY(meanLog10(Language::Bulgarian, bulgarian) > meanLog10(Language::English, bulgarian) + 0.3);
        QVERIFY(meanLog10(Language::English, english) > meanLog10(Language::Bulgarian, english) + 0.3);
    }

    // The commonest pairs the table gives are those a book the table never
    // saw uses most: its commonest among them, most of its first five.
    void commonestPairsAreTheBooks_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "en";
        QTest::newRow("Bulgarian") << "bg";
    }

    void commonestPairsAreTheBooks()
    {
        QFETCH(QString, language);
        const std::string text = testing::heldOutText(language.toStdString()).substr(0, 200000);
        std::map<std::string, int> counts;
        for (std::size_t i = 0; i + 1 < text.size(); ++i) {
            if (text[i] != text[i + 1])
                ++counts[text.substr(i, 2)];
        }
        std::vector<std::pair<int, std::string>> byCount;
        for (const auto &[pair, count] : counts)
            byCount.push_back({count, pair});
        std::sort(byCount.rbegin(), byCount.rend());
        std::set<std::string> bookFirst;
        for (std::size_t i = 0; i < 5; ++i)
            bookFirst.insert(byCount[i].second);

        const auto pairs = LetterStatistics::of(language == u"bg" ? Language::Bulgarian : Language::English).commonestPairs(5);
        QCOMPARE(pairs.size(), std::size_t(5));
        int shared = 0;
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            QVERIFY(pairs[i].letters[0] != pairs[i].letters[1]);
            QVERIFY(i == 0 || pairs[i].share <= pairs[i - 1].share);
            shared += bookFirst.count(lettersToText(pairs[i].letters.data(), 2)) > 0;
        }
        QVERIFY(bookFirst.count(lettersToText(pairs[0].letters.data(), 2)) > 0);
        QVERIFY2(shared >= 3, qPrintable(QString::number(shared)));
    }

    void statisticsDescribeThemselves()
    {
        for (Language language : {Language::English, Language::Bulgarian}) {
            const LetterStatistics &statistics = LetterStatistics::of(language);
            QVERIFY(statistics.letters() > 500000);
            QVERIFY(statistics.typicalLog10() > statistics.randomLog10() + 2);
            QVERIFY(statistics.floorLog10() < statistics.randomLog10());
        }
        QVERIFY(!LetterStatistics::fromBytes(reinterpret_cast<const std::uint8_t *>("PFQ4"), 4));
        QCOMPARE(languageFromCode("bg"), std::optional<Language>(Language::Bulgarian));
        QVERIFY(!languageFromCode("de").has_value());
    }
};

QTEST_GUILESS_MAIN(TestAnalysis)
#include "tst_analysis.moc"
