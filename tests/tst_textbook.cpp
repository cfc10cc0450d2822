#include "engine/textbook.h"

#include <QTest>

#include <string>

using namespace playfair;

namespace {

// PLAYF / IREXM / BCDGH / KNOQS / TUVWZ, the square of the key word PLAYFAIR EXAMPLE.
const std::string playfairExample = "PLAYFIREXMBCDGHKNOQSTUVWZ";

} // namespace

// Playfair as it was worked on paper: how a cleaned message is prepared
// before it is cut into pairs, and the pairs encrypted and decrypted on a square.
class TestTextbook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void preparedMessage_data()
    {
        QTest::addColumn<QString>("cleaned");
        QTest::addColumn<QString>("prepared");

        QTest::newRow("nothing to prepare") << "SEGA" << "SEGA";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("a doubled pair is split by an X: TREE")
            << "HIDETHEGOLDINTHETREESTUMP" << "HIDETHEGOLDINTHETREXESTUMP";
        QTest::newRow("a doubled X is split by a Q") << "XXA" << "XQXA";
        QTest::newRow("XX as a pair is split by a Q") << "XX" << "XQXQ";
        QTest::newRow("a doubled letter across two pairs stays") << "ALLA" << "ALLA";
        QTest::newRow("the split moves the rest on: BALLOON") << "BALLOON" << "BALXLOON";
        QTest::newRow("three equal letters") << "LLL" << "LXLXLX";
        QTest::newRow("an odd length is evened by an X") << "HELLO" << "HELXLO";
        QTest::newRow("one letter") << "A" << "AX";
        QTest::newRow("a final X is evened by a Q") << "BOX" << "BOXQ";
        QTest::newRow("X alone") << "X" << "XQ";
        QTest::newRow("an even text ending in X stays") << "AX" << "AX";
    }

    void preparedMessage()
    {
        QFETCH(QString, cleaned);
        QFETCH(QString, prepared);

        const std::string result = playfair::preparedMessage(cleaned.toStdString());
        QCOMPARE(QString::fromStdString(result), prepared);
        // Whatever the text, the result can be cut into pairs of two different letters.
        QCOMPARE(result.size() % 2, 0u);
        for (std::size_t i = 0; i < result.size(); i += 2)
            QVERIFY2(result[i] != result[i + 1], result.c_str());
    }

    void transformedPairs_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("cipher");

        QTest::newRow("the textbook example") << "HIDETHEGOLDINTHETREXESTUMP" << "BMODZBXDNABEKUDMUIXMMOUVIF";
        QTest::newRow("rectangle") << "HI" << "BM";
        QTest::newRow("same column") << "DE" << "OD";
        QTest::newRow("same column, out of the last row") << "FZ" << "MF";
        QTest::newRow("same row") << "EX" << "XM";
        QTest::newRow("same row, out of the last column") << "ZW" << "TZ";
        QTest::newRow("a Q filler after X") << "BOXQ" << "DKGW";
        QTest::newRow("empty") << "" << "";
    }

    void transformedPairs()
    {
        QFETCH(QString, plain);
        QFETCH(QString, cipher);

        const std::string encrypted = playfair::transformedPairs(playfairExample, plain.toStdString(), +1);
        QCOMPARE(QString::fromStdString(encrypted), cipher);
        QCOMPARE(QString::fromStdString(playfair::transformedPairs(playfairExample, encrypted, -1)), plain);
    }

    void isSquare_data()
    {
        QTest::addColumn<QString>("square");
        QTest::addColumn<bool>("valid");

        QTest::newRow("a keyed square") << QString::fromStdString(playfairExample) << true;
        QTest::newRow("the plain square") << "ABCDEFGHIKLMNOPQRSTUVWXYZ" << true;
        QTest::newRow("J in place of I") << "ABCDEFGHJKLMNOPQRSTUVWXYZ" << false;
        QTest::newRow("a letter twice") << "ABCDEFGHIKLMNOPQRSTUVWXYA" << false;
        QTest::newRow("24 letters") << "ABCDEFGHIKLMNOPQRSTUVWXY" << false;
        QTest::newRow("lower case") << "abcdefghiklmnopqrstuvwxyz" << false;
    }

    void isSquare()
    {
        QFETCH(QString, square);
        QFETCH(bool, valid);
        QCOMPARE(playfair::isSquare(square.toStdString()), valid);
    }
};

QTEST_GUILESS_MAIN(TestTextbook)
#include "tst_textbook.moc"
