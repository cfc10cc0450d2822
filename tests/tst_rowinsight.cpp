#include "engine/rowinsight.h"
#include "helpers.h"

#include <QTest>

using namespace playfair;
using namespace playfair::testing;

Q_DECLARE_METATYPE(PairRule)

class TestRowInsight : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void insight_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("cipher");
        QTest::addColumn<PairRule>("rule");
        QTest::addColumn<int>("messageRow");
        QTest::addColumn<int>("cipherRow");

        // Key RODINA: RODIN / ABCEF / GHKLM / PQSTU / VWXYZ.
        QTest::newRow("rectangle, message row") << "SENRZN" << 0 << 0 << "SE" << "TC" << PairRule::Rectangle << 0 << 0;
        QTest::newRow("same row with wrap, cipher row") << "SENRZN" << 1 << 1 << "NR" << "RO" << PairRule::SameRow << 1 << 1;
        QTest::newRow("same column with wrap, decrypted row")
            << "SENRZN" << 2 << 2 << "ZN" << "NF" << PairRule::SameColumn << 2 << 2;
        QTest::newRow("LLSE: the double gives nothing") << "LLSE" << 0 << 0 << "LL" << "" << PairRule::SameCell << 0 << -1;
        QTest::newRow("LLSE: SE moves up to cipher row 0") << "LLSE" << 0 << 1 << "SE" << "TC" << PairRule::Rectangle << 1 << 0;
        QTest::newRow("LLSE: cipher row 0 came from message row 1")
            << "LLSE" << 1 << 0 << "SE" << "TC" << PairRule::Rectangle << 1 << 0;
        QTest::newRow("LLSE: decrypted row 0 is message row 1")
            << "LLSE" << 2 << 0 << "SE" << "TC" << PairRule::Rectangle << 1 << 0;
        QTest::newRow("SEGAX: the tail gives nothing") << "SEGAX" << 0 << 2 << "X" << "" << PairRule::SameCell << 2 << -1;
        QTest::newRow("repeated pairs map row by row") << "SESESE" << 1 << 2 << "SE" << "TC" << PairRule::Rectangle << 2 << 2;
    }

    void insight()
    {
        QFETCH(QString, message);
        QFETCH(int, list);
        QFETCH(int, row);
        QFETCH(QString, plain);
        QFETCH(QString, cipher);
        QFETCH(PairRule, rule);
        QFETCH(int, messageRow);
        QFETCH(int, cipherRow);

        const Workspace ws = encrypted(QStringLiteral("RODINA"), message);
        const auto insight = insightFor(ws, list, row);
        QVERIFY(insight);
        QCOMPARE(insight->plain, plain);
        QCOMPARE(insight->cipher, cipher);
        QCOMPARE(insight->rule, rule);
        QCOMPARE(insight->messageRow, messageRow);
        QCOMPARE(insight->cipherRow, cipherRow);
        QCOMPARE(insight->singleLetter, plain.size() == 1);
        for (int i = 0; i < plain.size(); ++i)
            QCOMPARE(ws.Label3[insight->plainPositions[i].cell()], QString(plain[i]));
        for (int i = 0; i < cipher.size(); ++i)
            QCOMPARE(ws.Label3[insight->cipherPositions[i].cell()], QString(cipher[i]));
    }

    void noInsightWithoutARowOrAfterClear()
    {
        Workspace ws = encrypted(QStringLiteral("RODINA"), QStringLiteral("SEGA"));
        QVERIFY(!insightFor(ws, 0, 2));
        QVERIFY(!insightFor(ws, 0, -1));
        QVERIFY(!insightFor(ws, 3, 0));
        QVERIFY(insightFor(ws, 2, 1));
        ws.Command1_Click(1);
        QVERIFY(!insightFor(ws, 2, 1)); // the decrypted list belongs to the earlier square
    }
};

QTEST_GUILESS_MAIN(TestRowInsight)
#include "tst_rowinsight.moc"
