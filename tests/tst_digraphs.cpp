#include "engine/playfair.h"
#include "helpers.h"

#include <QTest>

using namespace playfair;
using namespace playfair::testing;

namespace {

// A workspace whose square was built from `key`, with `items` (separated by
// spaces) in `list`.
Workspace withItems(const QString &key, int list, const QString &items)
{
    Workspace ws;
    ws.Form_Load();
    ws.Text2[0] = key;
    BuildKeySquare(ws);
    for (const QString &item : items.split(u' ', Qt::SkipEmptyParts))
        ws.List1[list].AddItem(item);
    return ws;
}

} // namespace

class TestDigraphs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void split_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("groups");

        QTest::newRow("start message") << "HITHEGOLDINTHETRESRXLN" << "HI TH EG OL DI NT HE TR ES RX LN";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("nothing left after cleaning") << "123 Родина" << "";
        QTest::newRow("one letter") << "A" << "A";
        QTest::newRow("BALLOON keeps doubles together") << "BALLOON" << "BA LL OO N";
        QTest::newRow("AB") << "AB" << "AB";
        QTest::newRow("ABC") << "ABC" << "AB C";
        QTest::newRow("cleaned before cutting") << "a-b c!d e" << "AB CD E";
        QTest::newRow("40 letters") << QString(40, u'Q') << QStringList(20, "QQ").join(u' ');
        QTest::newRow("39 letters") << QString(39, u'Q') << QStringList(19, "QQ").join(u' ') + " Q";
    }

    void split()
    {
        QFETCH(QString, message);
        QFETCH(QString, groups);

        Workspace ws = withItems(QString(), 0, QStringLiteral("OLD ITEMS"));
        ws.List1[1].AddItem(QStringLiteral("XY"));
        ws.List1[2].AddItem(QStringLiteral("ZZ"));
        ws.Text2[1] = message;
        SplitDigraphs(ws);
        QCOMPARE(itemsOf(ws.List1[0]), groups);
        QCOMPARE(ws.List1[1].ListCount(), qint16(0));
        QCOMPARE(itemsOf(ws.List1[2]), QStringLiteral("ZZ"));
    }

    void encrypt_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("cipher");

        QTest::newRow("SEGA: rectangle, then same column") << "RODINA" << "SE GA" << "TC PG";
        QTest::newRow("same row wraps from column 5 to 1") << "RODINA" << "NR" << "RO";
        QTest::newRow("same column wraps from row 5 to 1") << "RODINA" << "ZN" << "NF";
        QTest::newRow("same row without wrap") << "RODINA" << "HK" << "KL";
        QTest::newRow("rectangle, reversed pair") << "RODINA" << "ES" << "CT";
        QTest::newRow("LLSE drops the double") << "RODINA" << "LL SE" << "TC";
        QTest::newRow("SEGAX drops the tail") << "RODINA" << "SE GA X" << "TC PG";
        QTest::newRow("empty list") << "RODINA" << "" << "";
        QTest::newRow("start example")
            << "PLAYFAIR EXAMPLE" << "HI TH EG OL DI NT HE TR ES RX LN" << "BM ZB XD NA BE KU DM UI MO EM RU";
    }

    void encrypt()
    {
        QFETCH(QString, key);
        QFETCH(QString, plain);
        QFETCH(QString, cipher);

        Workspace ws = withItems(key, 0, plain);
        EncryptDigraphs(ws);
        QCOMPARE(itemsOf(ws.List1[1]), cipher);
        QCOMPARE(itemsOf(ws.List1[0]), plain);
    }

    void encryptAppendsWithoutEmptying()
    {
        Workspace ws = withItems(QStringLiteral("RODINA"), 0, QStringLiteral("SE GA"));
        EncryptDigraphs(ws);
        EncryptDigraphs(ws);
        QCOMPARE(itemsOf(ws.List1[1]), QStringLiteral("TC PG TC PG"));
        QCOMPARE(ws.SearchLetter, QStringLiteral("A"));
        QCOMPARE(ws.FoundRow.value(), qint16(1));
        QCOMPARE(ws.FoundColumn.value(), qint16(0));
    }

    void decrypt_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("cipher");
        QTest::addColumn<QString>("plain");

        QTest::newRow("TCPG: rectangle, then same column") << "RODINA" << "TC PG" << "SE GA";
        QTest::newRow("same row wraps from column 1 to 5") << "RODINA" << "RO" << "NR";
        QTest::newRow("same column wraps from row 1 to 5") << "RODINA" << "NF" << "ZN";
        QTest::newRow("same row without wrap") << "RODINA" << "KL" << "HK";
        QTest::newRow("one letter and a double give nothing") << "RODINA" << "A TC LL" << "SE";
        QTest::newRow("empty list") << "RODINA" << "" << "";
        QTest::newRow("start example")
            << "PLAYFAIR EXAMPLE" << "BM ZB XD NA BE KU DM UI MO EM RU" << "HI TH EG OL DI NT HE TR ES RX LN";
    }

    void decrypt()
    {
        QFETCH(QString, key);
        QFETCH(QString, cipher);
        QFETCH(QString, plain);

        Workspace ws = withItems(key, 1, cipher);
        ws.List1[2].AddItem(QStringLiteral("OLD"));
        ws.List1[2].SetListIndex(0);
        DecryptDigraphs(ws);
        QCOMPARE(itemsOf(ws.List1[2]), plain);
        QCOMPARE(ws.List1[2].ListIndex(), qint16(-1));
    }

    void encryptCommand_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("groups");
        QTest::addColumn<QString>("cipher");
        QTest::addColumn<QString>("decrypted");

        QTest::newRow("SEGA") << "SEGA" << "SE GA" << "TC PG" << "SE GA";
        QTest::newRow("LLSE") << "LLSE" << "LL SE" << "TC" << "SE";
        QTest::newRow("SEGAX") << "SEGAX" << "SE GA X" << "TC PG" << "SE GA";
        QTest::newRow("II from IJ") << "ij" << "II" << "" << "";
        QTest::newRow("BALLOON") << "balloon" << "BA LL OO N" << "CB" << "BA";
    }

    void encryptCommand()
    {
        QFETCH(QString, message);
        QFETCH(QString, groups);
        QFETCH(QString, cipher);
        QFETCH(QString, decrypted);

        const Workspace ws = encrypted(QStringLiteral("RODINA"), message);
        QCOMPARE(squareOf(ws), QStringLiteral("RODINABCEFGHKLMPQSTUVWXYZ"));
        QCOMPARE(lastLineOf(ws.Text1[0]), QStringLiteral("2"));
        QCOMPARE(itemsOf(ws.List1[0]), groups);
        QCOMPARE(itemsOf(ws.List1[1]), cipher);
        QCOMPARE(itemsOf(ws.List1[2]), decrypted);
    }
};

QTEST_GUILESS_MAIN(TestDigraphs)
#include "tst_digraphs.moc"
