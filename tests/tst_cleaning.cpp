#include "engine/characters.h"
#include "engine/playfair.h"
#include "helpers.h"

#include <QLocale>
#include <QTest>

using namespace playfair;

class TestCleaning : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleaning_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("clean");

        QTest::newRow("lower case and a space") << "playfair example" << "PLAYFAIREXAMPLE";
        QTest::newRow("punctuation") << "Hide the gold, in the tree stump!" << "HIDETHEGOLDINTHETREESTUMP";
        QTest::newRow("J and j become I, digits go") << "Jojo 123" << "IOIO";
        QTest::newRow("already clean") << "ZEBRA" << "ZEBRA";
        QTest::newRow("Cyrillic only") << "Родина" << "";
        QTest::newRow("Cyrillic mixed in") << "RoДina" << "ROINA";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("codes 91 to 96 between Z and a") << "[\\]^_`" << "";
        QTest::newRow("tab, CR, LF") << "a\tb\r\nc" << "ABC";
        QTest::newRow("letters whose capitals are A..Z elsewhere") << "ıſßﬁ" << "";
        QTest::newRow("a ligature next to a letter") << "ﬁx" << "X";
        QTest::newRow("Kelvin sign and fullwidth letters") << "\u212A\uFF41\uFF21k" << "K";
        QTest::newRow("diacritics") << "çàéÿ" << "";
        QTest::newRow("emoji and combining marks") << "a\U0001F600b\u0301" << "AB";
        QTest::newRow("right-to-left text") << "שלום a مرحبا" << "A";
        QTest::newRow("lone surrogates") << QString(QChar(0xD800)) + "x" + QChar(0xDC00) << "X";
    }

    void cleaning()
    {
        QFETCH(QString, text);
        QFETCH(QString, clean);

        Workspace ws;
        ws.Text2[0] = text;
        ws.Text2[1] = text;
        BuildKeySquare(ws);
        QCOMPARE(ws.Text2[0], clean);
        QCOMPARE(ws.Text2[1], clean);
        QCOMPARE(ws.KeyLength.value(), clean.size());
        QCOMPARE(ws.MessageLength, characterCount(text));

        // A cleaned text is written back as it is.
        BuildKeySquare(ws);
        QCOMPARE(ws.Text2[0], clean);
        QCOMPARE(ws.Text2[1], clean);
        QCOMPARE(ws.MessageLength, clean.size());
    }

    void messageLengthCountsTheDroppedCharacters()
    {
        Workspace ws;
        ws.Text2[1] = QStringLiteral("Hide the gold, in the tree stump!");
        BuildKeySquare(ws);
        QCOMPARE(ws.MessageLength, qint16(33));
        ws.Text2[1] = QStringLiteral("ab c");
        BuildKeySquare(ws);
        QCOMPARE(ws.MessageLength, qint16(4));
    }

    void upperCasing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("upper");

        QTest::newRow("a to z") << "abcxyz" << "ABCXYZ";
        QTest::newRow("Cyrillic becomes capitals") << "родина" << "РОДИНА";
        QTest::newRow("dotless i stays") << "ı" << "ı";
        QTest::newRow("long s stays") << "ſ" << "ſ";
        QTest::newRow("sharp s stays one character") << "ß" << "ß";
        QTest::newRow("ligature stays one character") << "ﬁ" << "ﬁ";
        QTest::newRow("emoji stays") << "\U0001F600" << "\U0001F600";
        QTest::newRow("Deseret beyond the BMP") << "\U00010428" << "\U00010400";
    }

    void upperCasing()
    {
        QFETCH(QString, text);
        QFETCH(QString, upper);
        QCOMPARE(upperCased(text), upper);
        QCOMPARE(characterCount(upperCased(text)), characterCount(text));
    }

    void upperCasingIgnoresTheLocale()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        Workspace ws;
        ws.Text2[0] = QStringLiteral("iı");
        ws.Text2[1] = QStringLiteral("kilim");
        BuildKeySquare(ws);
        QLocale::setDefault(saved);
        QCOMPARE(ws.Text2[0], QStringLiteral("I"));
        QCOMPARE(ws.Text2[1], QStringLiteral("KILIM"));
    }
};

QTEST_GUILESS_MAIN(TestCleaning)
#include "tst_cleaning.moc"
