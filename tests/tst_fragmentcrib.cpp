// A stretch of a search's plaintext taken as a crib: a right stretch gives
// its pairs and binds the true plaintext's letters; a stretch that no square
// can give with the ciphertext is refused; a wrong stretch that a square can
// give is taken (only further searches tell it from the truth).

#include "analysis/search/fragmentcrib.h"
#include "analysis/statistics/letterstatistics.h"
#include "engine/textbook.h"
#include "heldouttext.h"

#include <QTest>

#include <algorithm>

using namespace playfair;
using namespace playfair::analysis;
using playfair::testing::lettersOf;

namespace {

// A random-looking square of the test's own and a message on it.
const std::string squareText = "QWERTYUIOPASDFGHKLZXCVBNM";
const std::string message = "THETIMETRAVELLERFORSOITWILLBECONVENIENTTOSPEAKOFHIMWASEXPOUNDINGARECONDITEMATTERTOUS";

std::string prepared() { return preparedMessage(message, Doubles::Split).substr(0, 60); }

std::vector<Letter> cipherOf(const std::string &plain) { return lettersOf(transformedPairs(squareText, plain, +1)); }

} // namespace

class TestFragmentCrib : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void takesAStretch_data();
    void takesAStretch();
    void choosesTheStretchThatReadsBest();
};

void TestFragmentCrib::takesAStretch_data()
{
    QTest::addColumn<QString>("plain"); // the plaintext the stretch is taken from
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<bool>("truthHolds"); // the true plaintext holds the crib

    const std::string truth = prepared();
    QTest::newRow("right, at the start") << QString::fromStdString(truth) << 0 << 12 << true << true;
    QTest::newRow("right, in the middle") << QString::fromStdString(truth) << 20 << 16 << true << true;
    QTest::newRow("right, to the end") << QString::fromStdString(truth) << 48 << 12 << true << true;

    // Another square's plaintext: wrong, but a square gives it.
    const std::string other = transformedPairs("ABCDEFGHIKLMNOPQRSTUVWXYZ", transformedPairs(squareText, truth, +1), -1);
    QTest::newRow("wrong, of another square") << QString::fromStdString(other) << 10 << 12 << true << false;

    // A plain letter turned into its own cipher letter.
    const std::vector<Letter> cipher = cipherOf(truth);
    std::string own = truth;
    own[4] = char('A' + cipher[4] + (cipher[4] >= 9 ? 1 : 0)); // letter numbers skip J
    QTest::newRow("a letter its own cipher letter") << QString::fromStdString(own) << 0 << 12 << false << false;

    // Two different cipher pairs from one plain pair (the text's first two
    // cipher pairs differ): no square gives both.
    std::string twice = truth;
    QVERIFY(cipher[0] != cipher[2] || cipher[1] != cipher[3]);
    twice[2] = twice[0];
    twice[3] = twice[1];
    QTest::newRow("one plain pair, two cipher pairs") << QString::fromStdString(twice) << 0 << 8 << false << false;

    // A plain pair and its reverse that do not give reversed cipher pairs.
    std::string reversed = truth;
    reversed[2] = truth[1];
    reversed[3] = truth[0];
    QVERIFY(cipher[2] != cipher[1] || cipher[3] != cipher[0]);
    QTest::newRow("a reversed pair not reversed") << QString::fromStdString(reversed) << 0 << 8 << false << false;

    QTest::newRow("past the end") << QString::fromStdString(truth) << 52 << 12 << false << false;
    QTest::newRow("in the middle of a pair") << QString::fromStdString(truth) << 3 << 12 << false << false;
}

void TestFragmentCrib::takesAStretch()
{
    QFETCH(QString, plain);
    QFETCH(int, position);
    QFETCH(int, length);
    QFETCH(bool, taken);
    QFETCH(bool, truthHolds);

    const std::string truthText = prepared();
    const std::vector<Letter> truth = lettersOf(truthText);
    const std::vector<Letter> cipher = cipherOf(truthText);
    const std::vector<Letter> letters = lettersOf(plain.toStdString());
    const std::optional<FragmentCrib> fragment = fragmentCrib(letters, std::size_t(position), std::size_t(length), cipher);
    QCOMPARE(fragment.has_value(), taken);
    if (!fragment)
        return;
    QCOMPARE(fragment->position, std::size_t(position));
    QVERIFY(std::equal(fragment->letters.begin(), fragment->letters.end(), letters.begin() + position));
    // Every pair of the stretch is among the crib's pairs, either way round.
    for (int i = position; i < position + length; i += 2) {
        const KnownPair pair{{letters[std::size_t(i)], letters[std::size_t(i) + 1]}, {cipher[std::size_t(i)], cipher[std::size_t(i) + 1]}};
        const KnownPair back{{pair.plain[1], pair.plain[0]}, {pair.cipher[1], pair.cipher[0]}};
        QVERIFY(std::find(fragment->pairs.begin(), fragment->pairs.end(), pair) != fragment->pairs.end()
                || std::find(fragment->pairs.begin(), fragment->pairs.end(), back) != fragment->pairs.end());
    }
    QVERIFY(fragment->readLetters >= std::size_t(length));
    // The plaintext it came from holds it; the truth only if it is right.
    QVERIFY(fragment->crib.heldBy(letters.data()));
    QCOMPARE(fragment->crib.heldBy(truth.data()), truthHolds);
}

void TestFragmentCrib::choosesTheStretchThatReadsBest()
{
    // English set in noise: the stretch that reads best is the English.
    const std::string english = "WHENTHEYCAMEBACKTOTHEHOUSE";
    std::string text = "QZXKVJQPWZXQVKZPQXVZ" + english + "XZQKVPZQXWVKQZPXVZQK";
    const std::vector<Letter> letters = lettersOf(text);
    const GroupScore score = GroupScore::of(LetterStatistics::of(Language::English));
    const std::size_t at = bestStretch(score, letters.data(), letters.size(), 16);
    QVERIFY2(at >= 20 && at + 16 <= 20 + english.size(), std::to_string(at).c_str());
}

QTEST_GUILESS_MAIN(TestFragmentCrib)
#include "tst_fragmentcrib.moc"
