#include "helpers.h"
#include "workspace/errors.h"
#include "workspace/workspace.h"

#include <QTest>

using namespace playfair;
using namespace playfair::testing;

namespace {

const QString plainSquare = QStringLiteral("ABCDEFGHIKLMNOPQRSTUVWXYZ");
const QString startMessageGroups = QStringLiteral("HI TH EG OL DI NT HE TR ES RX LN");

// The lists' selections, e.g. "3 3 3 -1".
QString selectionsOf(const Workspace &ws)
{
    QStringList selections;
    for (const ItemList &list : ws.List1)
        selections << QString::number(list.ListIndex());
    return selections.join(u' ');
}

Workspace startedWorkspace()
{
    Workspace ws;
    ws.Form_Load();
    return ws;
}

} // namespace

class TestWorkspace : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startState()
    {
        const Workspace ws;
        QCOMPARE(ws.Text2[0], QStringLiteral("PLAYFAIR EXAMPLE"));
        QCOMPARE(ws.Text2[1], QStringLiteral("HITHEGOLDINTHETRESRXLN"));
        QCOMPARE(ws.Text1[0], Workspace::explanation());
        QCOMPARE(squareOf(ws), QString());
        for (const ItemList &list : ws.List1)
            QCOMPARE(list.ListCount(), qint16(0));
        QCOMPARE(selectionsOf(ws), QStringLiteral("-1 -1 -1 -1"));
        QVERIFY(!ws.KeyLength.isSet());
        QVERIFY(!ws.FoundRow.isSet());
        QVERIFY(!ws.FoundColumn.isSet());
        QCOMPARE(ws.MessageLength, qint16(0));
        QCOMPARE(ws.SearchLetter, QString());
    }

    void explanationHasItsSeventeenLines()
    {
        const QString text = Workspace::explanation();
        QCOMPARE(text.size(), 2901);
        QVERIFY(text.endsWith(QStringLiteral("\r\n")));
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 18); // 17 lines, each ended by CR LF
        QVERIFY(lines.last().isEmpty());
        QVERIFY(lines[0].startsWith(QStringLiteral("Един от методите за кодиране")));
        QVERIFY(lines[11].contains(QStringLiteral("RODIN, ABCEF, GHKLM, PQSTU, VWXYZ")));
        QVERIFY(lines[16].endsWith(QStringLiteral("шифър на руските нихилисти и др.")));
        for (const QString &line : lines)
            QVERIFY(!line.contains(u'\r') && !line.contains(u'\n'));
    }

    void formLoadFillsThePlainSquareOnly()
    {
        Workspace ws;
        ws.List1[2].AddItem(QStringLiteral("AB"));
        ws.Form_Load();
        QCOMPARE(squareOf(ws), plainSquare);
        QCOMPARE(ws.Label3[8], QStringLiteral("I"));
        QCOMPARE(ws.Label3[9], QStringLiteral("K"));
        QCOMPARE(ws.Text2[0], QStringLiteral("PLAYFAIR EXAMPLE"));
        QCOMPARE(ws.Text1[0], Workspace::explanation());
        QCOMPARE(itemsOf(ws.List1[2]), QStringLiteral("AB"));
    }

    void encryptWithTheStartTexts()
    {
        Workspace ws = startedWorkspace();
        ws.Command1_Click(0);
        QCOMPARE(ws.Text2[0], QStringLiteral("PLAYFAIREXAMPLE"));
        QCOMPARE(ws.Text2[1], QStringLiteral("HITHEGOLDINTHETRESRXLN"));
        QCOMPARE(squareOf(ws), QStringLiteral("PLAYFIREXMBCDGHKNOQSTUVWZ"));
        QCOMPARE(ws.Text1[0], Workspace::explanation() + QStringLiteral("16\r\n"));
        QCOMPARE(itemsOf(ws.List1[0]), startMessageGroups);
        QCOMPARE(itemsOf(ws.List1[1]), QStringLiteral("BM ZB XD NA BE KU DM UI MO EM RU"));
        QCOMPARE(itemsOf(ws.List1[2]), startMessageGroups);
        QCOMPARE(ws.List1[3].ListCount(), qint16(0));
        QCOMPARE(ws.KeyLength.value(), 15);
        QCOMPARE(ws.MessageLength, qint16(22));
    }

    void listSelectionIsCoupled_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<qint16>("list");
        QTest::addColumn<qint16>("row");
        QTest::addColumn<QString>("selections");

        const QString start = QStringLiteral("HITHEGOLDINTHETRESRXLN");
        QTest::newRow("row 3 of the message list") << start << qint16(0) << qint16(3) << "3 3 3 -1";
        QTest::newRow("row 3 of the cipher list") << start << qint16(1) << qint16(3) << "3 3 3 -1";
        QTest::newRow("row 3 of the decrypted list") << start << qint16(2) << qint16(3) << "3 3 3 -1";
        QTest::newRow("last row") << start << qint16(1) << qint16(10) << "10 10 10 -1";
        // HI TH EG OL DI NT HE TR ES RX LN LL: the same-cell pair LL gives no
        // cipher pair, so the cipher and decrypted lists hold one row less.
        QTest::newRow("a row that only the message list has")
            << start + QStringLiteral("LL") << qint16(0) << qint16(11) << "11 2 2 -1";
    }

    void listSelectionIsCoupled()
    {
        QFETCH(QString, message);
        QFETCH(qint16, list);
        QFETCH(qint16, row);
        QFETCH(QString, selections);

        Workspace ws = encrypted(QStringLiteral("PLAYFAIR EXAMPLE"), message);
        ws.SelectItem(1, 2); // an earlier selection, kept where the row is missing
        ws.SelectItem(list, row);
        QCOMPARE(selectionsOf(ws), selections);
    }

    void theFourthRowSelectsTheSamePairOfEachList()
    {
        Workspace ws = encrypted(QStringLiteral("PLAYFAIR EXAMPLE"), QStringLiteral("HITHEGOLDINTHETRESRXLN"));
        for (qint16 list = 0; list <= 2; ++list) {
            ws.SelectItem(list, 3);
            QStringList selected;
            for (qint16 v = 0; v <= 2; ++v)
                selected << ws.List1[v].List(ws.List1[v].ListIndex());
            QCOMPARE(selected.join(u' '), QStringLiteral("OL NA OL"));
        }
    }

    void aClickWithoutSelectionClearsEverySelection()
    {
        Workspace ws = encrypted(QStringLiteral("PLAYFAIR EXAMPLE"), QStringLiteral("HITHEGOLDINTHETRESRXLN"));
        ws.SelectItem(2, 5);
        ws.List1[0].SetListIndex(-1);
        ws.List1_Click(0);
        QCOMPARE(selectionsOf(ws), QStringLiteral("-1 -1 -1 -1"));
    }

    void clearAfterEncrypt()
    {
        Workspace ws = encrypted(QStringLiteral("PLAYFAIR EXAMPLE"), QStringLiteral("HITHEGOLDINTHETRESRXLN"));
        ws.SelectItem(2, 3);
        const QString explanation = ws.Text1[0];
        ws.Command1_Click(1);
        QCOMPARE(squareOf(ws), plainSquare);
        QCOMPARE(ws.Text2[0], QString());
        QCOMPARE(ws.Text2[1], QString());
        QCOMPARE(ws.List1[0].ListCount(), qint16(0));
        QCOMPARE(ws.List1[1].ListCount(), qint16(0));
        QCOMPARE(itemsOf(ws.List1[2]), startMessageGroups);
        QCOMPARE(selectionsOf(ws), QStringLiteral("-1 -1 3 -1"));
        QCOMPARE(ws.Text1[0], explanation);
        QCOMPARE(ws.KeyLength.value(), 15);
        QCOMPARE(ws.MessageLength, qint16(22));
        QCOMPARE(ws.SearchLetter, QStringLiteral("U"));
    }

    void encryptTwiceGivesTheSameResultAndOneMoreLine()
    {
        Workspace ws = encrypted(QStringLiteral("PLAYFAIR EXAMPLE"), QStringLiteral("HITHEGOLDINTHETRESRXLN"));
        Workspace again = ws;
        again.Command1_Click(0);
        QCOMPARE(again.Label3, ws.Label3);
        QCOMPARE(again.List1, ws.List1);
        QCOMPARE(again.Text1[0], ws.Text1[0] + QStringLiteral("16\r\n"));
    }

    void encryptAfterClearWithEmptyBoxes()
    {
        Workspace ws = encrypted(QStringLiteral("PLAYFAIR EXAMPLE"), QStringLiteral("HITHEGOLDINTHETRESRXLN"));
        ws.Command1_Click(1);
        const QString explanation = ws.Text1[0];
        ws.Command1_Click(0);
        QCOMPARE(squareOf(ws), plainSquare);
        for (const ItemList &list : ws.List1)
            QCOMPARE(list.ListCount(), qint16(0));
        QCOMPARE(ws.Text1[0], explanation + QStringLiteral("\r\n"));
    }

    void otherButtonIndexesChangeNothing_data()
    {
        QTest::addColumn<qint16>("index");
        QTest::newRow("2") << qint16(2);
        QTest::newRow("-1") << qint16(-1);
        QTest::newRow("32767") << qint16(32767);
    }

    void otherButtonIndexesChangeNothing()
    {
        QFETCH(qint16, index);
        Workspace ws = encrypted(QStringLiteral("RODINA"), QStringLiteral("SEGA"));
        ws.SelectItem(0, 1);
        const Workspace before = ws;
        ws.Command1_Click(index);
        ws.List1_Click(index == 2 ? qint16(4) : index);
        QVERIFY(ws == before);
    }

    void anOverlongMessageStopsTheEncryptAndLeavesAUsableWorkspace()
    {
        Workspace ws = encrypted(QStringLiteral("RODINA"), QStringLiteral("SEGA"));
        ws.SelectItem(1, 1);
        const Workspace before = ws;

        ws.Text2[0] = QStringLiteral("playfair example");
        ws.Text2[1] = QStringLiteral("ıſßﬁ, ") + QString(32762, u'a');
        QCOMPARE(ws.Text2[1].size(), 32768);
        QVERIFY_THROWS_EXCEPTION(OverflowError, ws.Command1_Click(0));

        QCOMPARE(ws.Text2[0], QStringLiteral("PLAYFAIREXAMPLE"));
        QCOMPARE(ws.Text2[1], QStringLiteral("ıſßﬁ, ") + QString(32762, u'A'));
        QCOMPARE(ws.KeyLength.value(), 16);
        QCOMPARE(ws.MessageLength, before.MessageLength);
        QCOMPARE(ws.Label3, before.Label3);
        QCOMPARE(ws.List1, before.List1);
        QCOMPARE(ws.Text1[0], before.Text1[0]);

        ws.Text2[1] = QStringLiteral("HITHEGOLDINTHETRESRXLN");
        ws.Command1_Click(0);
        QCOMPARE(squareOf(ws), QStringLiteral("PLAYFIREXMBCDGHKNOQSTUVWZ"));
        QCOMPARE(itemsOf(ws.List1[2]), startMessageGroups);
        QCOMPARE(lastLineOf(ws.Text1[0]), QStringLiteral("16"));
        QCOMPARE(ws.List1[3].ListCount(), qint16(0));
    }

    void theMessageLimitCountsCharactersNotCodeUnits_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<qint16>("messageLength");
        QTest::addColumn<int>("groups");

        QTest::newRow("32767 letters") << QString(32767, u'x') << qint16(32767) << 16384;
        QString emoji;
        for (int i = 0; i < 20000; ++i)
            emoji += QStringLiteral("\U0001F600");
        QTest::newRow("20000 emoji in 40000 code units") << emoji + QStringLiteral("ab") << qint16(20002) << 1;
    }

    void theMessageLimitCountsCharactersNotCodeUnits()
    {
        QFETCH(QString, message);
        QFETCH(qint16, messageLength);
        QFETCH(int, groups);

        const Workspace ws = encrypted(QString(), message);
        QCOMPARE(ws.MessageLength, messageLength);
        QCOMPARE(ws.List1[0].ListCount(), groups);
    }
};

QTEST_GUILESS_MAIN(TestWorkspace)
#include "tst_workspace.moc"
