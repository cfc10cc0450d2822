#include "engine/characters.h"
#include "engine/keyedsquare.h"
#include "engine/playfair.h"
#include "helpers.h"

#include <QRandomGenerator>
#include <QTest>

using namespace playfair;
using namespace playfair::testing;

namespace {

const QString plainSquare = QStringLiteral("ABCDEFGHIKLMNOPQRSTUVWXYZ");
const QString rodinaSquare = QStringLiteral("RODINABCEFGHKLMPQSTUVWXYZ");

Workspace builtFrom(const QString &key)
{
    Workspace ws;
    ws.Form_Load();
    ws.Text2[0] = key;
    BuildKeySquare(ws);
    return ws;
}

} // namespace

class TestKeySquare : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void square_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("square");
        QTest::addColumn<QString>("trace");

        QTest::newRow("RODINA") << "RODINA" << rodinaSquare << "2";
        QTest::newRow("PLAYFAIR EXAMPLE") << "PLAYFAIR EXAMPLE" << "PLAYFIREXMBCDGHKNOQSTUVWZ" << "16";
        QTest::newRow("empty key") << "" << plainSquare << "";
        QTest::newRow("key without Latin letters") << "Родина 42" << plainSquare << "";
        QTest::newRow("the whole alphabet") << plainSquare << plainSquare << "2";
        QTest::newRow("the whole alphabet and one more A") << plainSquare + "A" << plainSquare << "1";
        QTest::newRow("AAAA") << "AAAA" << plainSquare << "25";
        QTest::newRow("Z") << "Z" << "ZABCDEFGHIKLMNOPQRSTUVWXY" << "26";
        QTest::newRow("ZZ") << "ZZ" << "ZABCDEFGHIKLMNOPQRSTUVWXY" << "25";
        QTest::newRow("HELLO") << "HELLO" << "HELOABCDFGIKMNPQRSTUVWXYZ" << "12";
        QTest::newRow("J placed as I") << "jig" << "IGABCDEFHKLMNOPQRSTUVWXYZ" << "8";
    }

    void square()
    {
        QFETCH(QString, key);
        QFETCH(QString, square);
        QFETCH(QString, trace);

        const Workspace ws = builtFrom(key);
        QCOMPARE(squareOf(ws), square);
        QCOMPARE(ws.Text1[0], Workspace::explanation() + trace + QStringLiteral("\r\n"));
        QCOMPARE(ws.List1[3].ListCount(), qint16(0));
        QCOMPARE(ws.KeyLength.value(), ws.Text2[0].size());
    }

    // The solver and the windows build squares from plain letters; they must
    // get the workspace's square for every key.
    void plainLettersGiveTheWorkspacesSquare()
    {
        QRandomGenerator random(15);
        for (int run = 0; run < 500; ++run) {
            QString key;
            const int length = random.bounded(30);
            for (int i = 0; i < length; ++i)
                key += QChar(u'A' + random.bounded(26));
            const Workspace ws = builtFrom(key);
            QString square;
            for (const QString &cell : ws.Label3)
                square += cell;
            QCOMPARE(QString::fromStdString(keyedSquare(cleaned(key).toStdString())), square);
            QVERIFY(ws.List1[3].items().isEmpty());
        }
    }

    void shortestKey_data()
    {
        QTest::addColumn<QString>("square");
        QTest::addColumn<QString>("key");

        QTest::newRow("RODINA: its A already starts the rest of the alphabet") << rodinaSquare << "RODIN";
        QTest::newRow("PLAYFAIR EXAMPLE, less its repeats") << "PLAYFIREXMBCDGHKNOQSTUVWZ" << "PLAYFIREXM";
        QTest::newRow("plain alphabet: the empty key") << plainSquare << "";
        QTest::newRow("a key ending before the next letter of the alphabet") << "ABZCDEFGHIKLMNOPQRSTUVWXY" << "ABZ";
        QTest::newRow("the alphabet backwards: all but the last letter are key")
            << "ZYXWVUTSRQPONMLKIHGFEDCBA" << "ZYXWVUTSRQPONMLKIHGFEDCB";
        QTest::newRow("not a square: a letter twice") << "AACDEFGHIKLMNOPQRSTUVWXYZ" << QString();
        QTest::newRow("not a square: J") << "JBCDEFGHIKLMNOPQRSTUVWXYZ" << QString();
    }

    void shortestKey()
    {
        QFETCH(QString, square);
        QFETCH(QString, key);
        const std::optional<std::string> found = shortestKeyFor(square.toStdString());
        QCOMPARE(found.has_value(), !key.isNull());
        if (found) {
            QCOMPARE(QString::fromStdString(*found), key);
            QCOMPARE(QString::fromStdString(keyedSquare(*found)), square);
        }
    }

    // Each route writes the key's letters and the rest of the alphabet into
    // the square by its own plan, starting top left; its shortest key, read
    // back along the route, is the key again.
    void squareByRoute_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("square");

        // GARDEN, then BCFHIKLMOPQSTUVWXYZ.
        QTest::newRow("rows") << "rows" << "GARDENBCFHIKLMOPQSTUVWXYZ";
        QTest::newRow("columns") << "columns" << "GNIPVABKQWRCLSXDFMTYEHOUZ";
        QTest::newRow("a snake by rows") << "row-snake" << "GARDEHFCBNIKLMOUTSQPVWXYZ";
        QTest::newRow("a snake by columns") << "column-snake" << "GHIUVAFKTWRCLSXDBMQYENOPZ";
        QTest::newRow("a spiral, clockwise from the top left") << "spiral" << "GARDEPQSTNOYZUBMXWVCLKIHF";
        QTest::newRow("diagonals, each from its top right end") << "diagonals" << "GADBIRECKPNFLQUHMSVXOTWYZ";
    }

    void squareByRoute()
    {
        QFETCH(QString, route);
        QFETCH(QString, square);

        const std::optional<SquareRoute> way = routeFromCode(route.toStdString());
        QVERIFY(way.has_value());
        QCOMPARE(QString::fromStdString(std::string(routeCode(*way))), route);
        QCOMPARE(QString::fromStdString(keyedSquare("GARDEN", *way)), square);
        QCOMPARE(QString::fromStdString(readAlong(square.toStdString(), *way)), QStringLiteral("GARDENBCFHIKLMOPQSTUVWXYZ"));
        QCOMPARE(QString::fromStdString(shortestKeyFor(square.toStdString(), *way).value_or("?")), QStringLiteral("GARDEN"));
        // Read by rows, a square written in by another route has a longer key.
        if (*way != SquareRoute::Rows)
            QVERIFY(shortestKeyFor(square.toStdString())->size() > 6);
    }

    void aSecondBuildAppendsASecondTraceLine()
    {
        Workspace ws = builtFrom(QStringLiteral("HELLO"));
        ws.Label3.fill(QStringLiteral("?")); // a rebuild does not depend on the cells
        BuildKeySquare(ws);
        QCOMPARE(squareOf(ws), QStringLiteral("HELOABCDFGIKMNPQRSTUVWXYZ"));
        QCOMPARE(ws.Text1[0], Workspace::explanation() + QStringLiteral("12\r\n12\r\n"));
    }

    void findLetter_data()
    {
        QTest::addColumn<QStringList>("lookups");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");

        QTest::newRow("A") << QStringList{"A"} << 1 << 0;
        QTest::newRow("N") << QStringList{"N"} << 0 << 4;
        QTest::newRow("Z") << QStringList{"Z"} << 4 << 4;
        QTest::newRow("R") << QStringList{"R"} << 0 << 0;
        QTest::newRow("J keeps the lookup before it") << QStringList{"T", "J"} << 3 << 3;
        QTest::newRow("empty text keeps it too") << QStringList{"M", ""} << 2 << 4;
        QTest::newRow("lower case keeps it too") << QStringList{"V", "a"} << 4 << 0;
        QTest::newRow("two letters keep it too") << QStringList{"S", "SE"} << 3 << 2;
    }

    void findLetter()
    {
        QFETCH(QStringList, lookups);
        QFETCH(int, row);
        QFETCH(int, column);

        Workspace ws = builtFrom(QStringLiteral("RODINA"));
        for (const QString &letter : lookups) {
            ws.SearchLetter = letter;
            FindLetter(ws);
        }
        QCOMPARE(ws.FoundRow.value(), row);
        QCOMPARE(ws.FoundColumn.value(), column);
    }

    void aFailedFirstLookupLeavesBothUnset()
    {
        Workspace ws = builtFrom(QStringLiteral("RODINA"));
        ws.SearchLetter = QStringLiteral("J");
        FindLetter(ws);
        QVERIFY(!ws.FoundRow.isSet());
        QVERIFY(!ws.FoundColumn.isSet());
        QCOMPARE(ws.FoundRow.toText(), QString());
    }
};

QTEST_GUILESS_MAIN(TestKeySquare)
#include "tst_keysquare.moc"
