// What pupils get wrong, as the mistake finder names it: one table of
// slips on single pairs, one of whole messages checked with their
// preparation slips.

#include "engine/keyedsquare.h"
#include "engine/mistakes.h"
#include "engine/textbook.h"
#include "engine/textcheck.h"

#include <QStringList>
#include <QTest>

using namespace playfair;

namespace {

// The square of RODINA:
//   R O D I N
//   A B C E F
//   G H K L M
//   P Q S T U
//   V W X Y Z
const QString rodina = QStringLiteral("RODINABCEFGHKLMPQSTUVWXYZ");

std::string text(const QString &s)
{
    return s.toStdString();
}

} // namespace

class TestMistakes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void slipOfOnePair_data();
    void slipOfOnePair();
    void wholeMessage_data();
    void wholeMessage();
};

void TestMistakes::slipOfOnePair_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("otherKey"); // the key of another square tried, if any
    QTest::addColumn<QString>("slip");     // empty: the answer is right
    QTest::addColumn<int>("rightLetter");
    QTest::addColumn<QString>("letterSlip"); // for one-letter: the slip of the wrong letter

    // HE on RODINA is a rectangle whose cipher pair is LB.
    QTest::newRow("right answer") << "HE" << 1 << "LB" << "" << "" << -1 << "";
    QTest::newRow("J counts as I") << "DN" << 1 << "JR" << "" << "" << -1 << "";
    QTest::newRow("J in the wrong order") << "DN" << 1 << "RJ" << "" << "order" << -1 << "";
    QTest::newRow("rectangle, letters swapped") << "HE" << 1 << "BL" << "" << "order" << -1 << "";
    QTest::newRow("rectangle decrypted, letters swapped") << "LB" << -1 << "EH" << "" << "order" << -1 << "";
    QTest::newRow("row pair, letters swapped") << "BC" << 1 << "EC" << "" << "order" << -1 << "";
    QTest::newRow("given pair copied") << "HE" << 1 << "HE" << "" << "unchanged" << -1 << "";
    QTest::newRow("row moved left encrypting") << "BC" << 1 << "AB" << "" << "direction" << -1 << "";
    QTest::newRow("column moved down decrypting") << "HQ" << -1 << "QW" << "" << "direction" << -1 << "";
    QTest::newRow("row moved left over the left edge") << "AC" << 1 << "FB" << "" << "direction" << -1 << "";
    QTest::newRow("right edge: on to the next row") << "EF" << 1 << "FG" << "" << "no-wrap" << -1 << "";
    QTest::newRow("right edge: stopped") << "EF" << 1 << "FF" << "" << "no-wrap" << -1 << "";
    QTest::newRow("bottom edge: on to the next column") << "LY" << 1 << "TN" << "" << "no-wrap" << -1 << "";
    QTest::newRow("bottom edge: stopped") << "LY" << 1 << "TY" << "" << "no-wrap" << -1 << "";
    QTest::newRow("top left corner decrypting: on to the row before") << "RA" << -1 << "ZR" << "" << "no-wrap" << -1
                                                                    << "";
    QTest::newRow("top edge decrypting: stopped") << "RA" << -1 << "RR" << "" << "no-wrap" << -1 << "";
    QTest::newRow("row pair two cells on") << "BC" << 1 << "EF" << "" << "two-steps" << -1 << "";
    QTest::newRow("column pair two cells on over the edge") << "LY" << 1 << "YE" << "" << "two-steps" << -1 << "";
    QTest::newRow("column pair two cells up decrypting") << "QW" << -1 << "BH" << "" << "two-steps" << -1 << "";
    QTest::newRow("row pair as a rectangle") << "BC" << 1 << "CB" << "" << "wrong-rule" << -1 << "";
    QTest::newRow("row pair moved down as a column") << "BC" << 1 << "HK" << "" << "wrong-rule" << -1 << "";
    QTest::newRow("column pair moved right as a row") << "HQ" << 1 << "KS" << "" << "wrong-rule" << -1 << "";
    QTest::newRow("rectangle moved along the rows") << "HE" << 1 << "KF" << "" << "wrong-rule" << -1 << "";
    QTest::newRow("rectangle moved down the columns") << "HE" << 1 << "QL" << "" << "wrong-rule" << -1 << "";
    QTest::newRow("rectangle at the bottom right along the rows") << "ZQ" << 1 << "VS" << "" << "wrong-rule" << -1
                                                                 << "";
    QTest::newRow("plain alphabet square") << "HE" << 1 << "KC" << "" << "plain-square" << -1 << "";
    QTest::newRow("another key word's square") << "HE" << 1 << "KG" << "PLAYFAIR" << "plain-square" << -1 << "";
    QTest::newRow("first right, second from no rule") << "HE" << 1 << "LZ" << "" << "one-letter" << 0 << "unknown";
    QTest::newRow("first right, second moved as a row") << "HE" << 1 << "LF" << "" << "one-letter" << 0
                                                       << "wrong-rule";
    QTest::newRow("second right, first two cells on") << "YL" << 1 << "ET" << "" << "one-letter" << 1 << "two-steps";
    QTest::newRow("first right, second moved across") << "LY" << 1 << "TZ" << "" << "one-letter" << 0
                                                     << "wrong-rule";
    QTest::newRow("nothing explains it") << "HE" << 1 << "XW" << "" << "unknown" << -1 << "";
    QTest::newRow("nothing explains a row pair at the edge") << "EF" << 1 << "QP" << "" << "unknown" << -1 << "";
}

void TestMistakes::slipOfOnePair()
{
    QFETCH(QString, given);
    QFETCH(int, step);
    QFETCH(QString, answer);
    QFETCH(QString, otherKey);
    QFETCH(QString, slip);
    QFETCH(int, rightLetter);
    QFETCH(QString, letterSlip);

    std::vector<std::string> others;
    if (!otherKey.isEmpty())
        others.push_back(keyedSquare(text(otherKey)));
    const std::optional<SlipFinding> found = findSlip(text(rodina), text(given), step, text(answer), others);
    if (slip.isEmpty()) {
        QVERIFY2(!found, slipCode(found->slip).data());
        return;
    }
    QVERIFY(found);
    QCOMPARE(QString::fromLatin1(slipCode(found->slip)), slip);
    if (slip == QStringLiteral("one-letter")) {
        QCOMPARE(found->rightLetter, rightLetter);
        QCOMPARE(QString::fromLatin1(slipCode(found->letterSlip)), letterSlip);
    }
}

void TestMistakes::wholeMessage_data()
{
    QTest::addColumn<QString>("message");     // encrypting: the message; decrypting: the plaintext the cipher holds
    QTest::addColumn<int>("step");            // the direction the pupil worked
    QTest::addColumn<QString>("pupilPairs");  // the pupil's preparation, the pairs apart
    QTest::addColumn<QStringList>("changed"); // "pair=letters": answers the pupil got wrong
    QTest::addColumn<QStringList>("notes");   // "code@pair"
    QTest::addColumn<QStringList>("slips");   // "pair=code" for every wrong pair
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("total");

    // HELLOWORLD prepared the textbook way: HE LX LO WO RL DX.
    QTest::newRow("textbook preparation, all right")
        << "HELLOWORLD" << 1 << "HE LX LO WO RL DX" << QStringList{} << QStringList{} << QStringList{} << 6 << 6;
    QTest::newRow("no filler between doubled letters")
        << "HELLOWORLD" << 1 << "HE LL OW OR LD" << QStringList{} << QStringList{"missing-filler@1"}
        << QStringList{"1=unknown"} << 4 << 5;
    QTest::newRow("no filler, then a pair truly wrong")
        << "HELLOWORLD" << 1 << "HE LL OW OR LD" << QStringList{"3=OD"} << QStringList{"missing-filler@1"}
        << QStringList{"1=unknown", "3=order"} << 3 << 5;
    QTest::newRow("filler where none was due")
        << "HELOWORLD" << 1 << "HE LX OW OR LD" << QStringList{} << QStringList{"needless-filler@1"}
        << QStringList{} << 5 << 5;
    QTest::newRow("filler between doubled letters already in two pairs")
        << "ABELLS" << 1 << "AB EL XL SX" << QStringList{} << QStringList{"needless-filler@2"} << QStringList{} << 4
        << 4;
    QTest::newRow("Q as the filler") << "HELLOWORLD" << 1 << "HE LQ LO WO RL DX" << QStringList{}
                                     << QStringList{"wrong-filler@1"} << QStringList{} << 6 << 6;
    QTest::newRow("Z evening the end") << "HELLOWORLD" << 1 << "HE LX LO WO RL DZ" << QStringList{}
                                       << QStringList{"wrong-filler@5"} << QStringList{} << 6 << 6;
    QTest::newRow("odd end left alone") << "HELLOWORLD" << 1 << "HE LX LO WO RL D" << QStringList{}
                                        << QStringList{"odd-end@5"} << QStringList{} << 5 << 5;
    QTest::newRow("odd end left out") << "HELLOWORLD" << 1 << "HE LX LO WO RL" << QStringList{}
                                      << QStringList{"odd-end@-1"} << QStringList{} << 5 << 5;
    QTest::newRow("J written for I") << "DNHE" << 1 << "DN HE" << QStringList{"0=JR"} << QStringList{"j-kept@0"}
                                     << QStringList{} << 2 << 2;
    QTest::newRow("a pair left out") << "HELLOWORLD" << 1 << "HE LX WO RL DX" << QStringList{}
                                     << QStringList{"missing-pair@2"} << QStringList{"2=unknown"} << 5 << 6;
    QTest::newRow("two fillers forgotten, a wrong pair between")
        << "BALLOONSHEET" << 1 << "BA LL OO NS HE ET" << QStringList{"3=NS"}
        << QStringList{"missing-filler@1", "missing-filler@2"} << QStringList{"1=unknown", "2=unknown", "3=unchanged"}
        << 3 << 6;
    QTest::newRow("decrypted, fillers left out")
        << "HELXLOWORLDX" << -1 << "HE L LO WO RL D" << QStringList{}
        << QStringList{"filler-left-out@1", "filler-left-out@5"} << QStringList{} << 6 << 6;
    QTest::newRow("decrypted with a slip") << "HELXLOWORLDX" << -1 << "HE LX LO WO RL DX" << QStringList{"0=EH"}
                                           << QStringList{} << QStringList{"0=order"} << 5 << 6;
    QTest::newRow("decrypted instead of encrypted")
        << "BCEFHQ" << 1 << "BC EF HQ" << QStringList{"0=AB", "1=CE", "2=BH"} << QStringList{}
        << QStringList{"0=other-direction", "1=other-direction", "2=other-direction"} << 0 << 3;
}

void TestMistakes::wholeMessage()
{
    QFETCH(QString, message);
    QFETCH(int, step);
    QFETCH(QString, pupilPairs);
    QFETCH(QStringList, changed);
    QFETCH(QStringList, notes);
    QFETCH(QStringList, slips);
    QFETCH(int, right);
    QFETCH(int, total);

    // The pupil's answer: each of the pupil's pairs worked right (a single
    // letter or a doubled pair copied), but for the changed ones.
    const std::string square = text(rodina);
    QStringList answers;
    for (const QString &pair : pupilPairs.split(u' ')) {
        if (step < 0)
            answers << pair; // decrypting, the pupil's plaintext as it is
        else if (pair.size() == 2)
            answers << QString::fromStdString(transformedPairs(square, text(pair), +1));
        else
            answers << pair;
    }
    for (const QString &change : changed)
        answers[change.section(u'=', 0, 0).toInt()] = change.section(u'=', 1);
    const std::string checked = step > 0 ? text(message) : transformedPairs(square, text(message), +1);

    const TextCheck check = checkText(square, checked, text(answers.join(QString())), step);

    QStringList foundNotes;
    for (const PreparationNote &note : check.preparation)
        foundNotes << QStringLiteral("%1@%2").arg(QString::fromLatin1(preparationCode(note.slip))).arg(note.pair);
    QCOMPARE(foundNotes, notes);
    QStringList foundSlips;
    for (std::size_t i = 0; i < check.pairs.size(); ++i) {
        if (check.pairs[i].slip)
            foundSlips << QStringLiteral("%1=%2").arg(i).arg(QString::fromLatin1(slipCode(check.pairs[i].slip->slip)));
    }
    QCOMPARE(foundSlips, slips);
    QCOMPARE(check.right, right);
    QCOMPARE(check.total, total);
}

QTEST_GUILESS_MAIN(TestMistakes)
#include "tst_mistakes.moc"
