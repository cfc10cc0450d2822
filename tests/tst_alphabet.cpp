#include "engine/alphabet.h"
#include "engine/characters.h"
#include "engine/demonstration.h"
#include "engine/keyedsquare.h"
#include "engine/rules.h"
#include "engine/textbook.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <string>

using namespace playfair;

namespace {

std::u32string u32(const QString &text)
{
    const QList<uint> codes = text.toUcs4();
    return std::u32string(codes.begin(), codes.end());
}

QString text(std::u32string_view letters)
{
    return QString::fromUcs4(letters.data(), qsizetype(letters.size()));
}

const Alphabet &alphabetOf(const QString &code)
{
    const Alphabet *alphabet = Alphabet::byCode(code.toStdString());
    Q_ASSERT(alphabet);
    return *alphabet;
}

QList<int> cellsOf(const std::vector<int> &cells)
{
    return QList<int>(cells.begin(), cells.end());
}

} // namespace

// The four alphabets a square can be made of: the rules on each shape, how
// a text is cleaned into each, and the key squares they give.
class TestAlphabet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shapes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("letters");

        QTest::newRow("latin-ij") << "latin-ij" << 5 << 5 << "ABCDEFGHIKLMNOPQRSTUVWXYZ";
        QTest::newRow("latin-q") << "latin-q" << 5 << 5 << "ABCDEFGHIJKLMNOPRSTUVWXYZ";
        QTest::newRow("latin-digits") << "latin-digits" << 6 << 6 << "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        QTest::newRow("cyrillic") << "cyrillic" << 5 << 6 << "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЬЮЯ";
    }

    void shapes()
    {
        QFETCH(QString, code);
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(QString, letters);
        const Alphabet &alphabet = alphabetOf(code);
        QCOMPARE(QString::fromUtf8(alphabet.code().data(), qsizetype(alphabet.code().size())), code);
        QCOMPARE(alphabet.shape(), (SquareShape{rows, columns}));
        QCOMPARE(text(alphabet.letters()), letters);
        QCOMPARE(alphabet.size(), rows * columns);
        for (int i = 0; i < alphabet.size(); ++i)
            QCOMPARE(alphabet.indexOf(alphabet.letters()[std::size_t(i)]), i);
        QVERIFY(isSquare(alphabet, alphabet.plainSquare()));
    }

    void unknownCode()
    {
        QVERIFY(!Alphabet::byCode("latin"));
        QVERIFY(!Alphabet::byCode(""));
        QCOMPARE(Alphabet::all().front()->code(), std::string_view("latin-ij"));
    }

    // Each rule on each shape: wrapping on rows and columns of 5 and of 6,
    // both ways, and rectangles reaching the far corners.
    void rules_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QPoint>("first"); // (column, row)
        QTest::addColumn<QPoint>("second");
        QTest::addColumn<int>("step");
        QTest::addColumn<QPoint>("firstImage");
        QTest::addColumn<QPoint>("secondImage");
        QTest::addColumn<bool>("wraps");

        // 5 x 5
        QTest::newRow("5x5 row, right") << 5 << 5 << QPoint(1, 2) << QPoint(3, 2) << 1 << QPoint(2, 2) << QPoint(4, 2) << false;
        QTest::newRow("5x5 row wraps from column 4") << 5 << 5 << QPoint(4, 0) << QPoint(2, 0) << 1 << QPoint(0, 0) << QPoint(3, 0) << true;
        QTest::newRow("5x5 row wraps back from column 0") << 5 << 5 << QPoint(0, 3) << QPoint(2, 3) << -1 << QPoint(4, 3) << QPoint(1, 3) << true;
        QTest::newRow("5x5 column wraps from row 4") << 5 << 5 << QPoint(1, 4) << QPoint(1, 0) << 1 << QPoint(1, 0) << QPoint(1, 1) << true;
        QTest::newRow("5x5 column up from row 0") << 5 << 5 << QPoint(2, 0) << QPoint(2, 3) << -1 << QPoint(2, 4) << QPoint(2, 2) << true;
        QTest::newRow("5x5 rectangle") << 5 << 5 << QPoint(0, 0) << QPoint(4, 4) << 1 << QPoint(4, 0) << QPoint(0, 4) << false;
        // 6 x 6
        QTest::newRow("6x6 row: column 4 goes to 5") << 6 << 6 << QPoint(4, 1) << QPoint(0, 1) << 1 << QPoint(5, 1) << QPoint(1, 1) << false;
        QTest::newRow("6x6 row wraps from column 5") << 6 << 6 << QPoint(5, 1) << QPoint(0, 1) << 1 << QPoint(0, 1) << QPoint(1, 1) << true;
        QTest::newRow("6x6 row wraps back to column 5") << 6 << 6 << QPoint(0, 5) << QPoint(3, 5) << -1 << QPoint(5, 5) << QPoint(2, 5) << true;
        QTest::newRow("6x6 column: row 4 goes to 5") << 6 << 6 << QPoint(3, 4) << QPoint(3, 1) << 1 << QPoint(3, 5) << QPoint(3, 2) << false;
        QTest::newRow("6x6 column wraps from row 5") << 6 << 6 << QPoint(3, 5) << QPoint(3, 1) << 1 << QPoint(3, 0) << QPoint(3, 2) << true;
        QTest::newRow("6x6 column wraps up to row 5") << 6 << 6 << QPoint(2, 0) << QPoint(2, 4) << -1 << QPoint(2, 5) << QPoint(2, 3) << true;
        QTest::newRow("6x6 rectangle, far corners") << 6 << 6 << QPoint(5, 0) << QPoint(0, 5) << -1 << QPoint(0, 0) << QPoint(5, 5) << false;
        // 5 rows x 6 columns
        QTest::newRow("5x6 row: column 4 goes to 5") << 5 << 6 << QPoint(4, 2) << QPoint(1, 2) << 1 << QPoint(5, 2) << QPoint(2, 2) << false;
        QTest::newRow("5x6 row wraps from column 5") << 5 << 6 << QPoint(5, 4) << QPoint(2, 4) << 1 << QPoint(0, 4) << QPoint(3, 4) << true;
        QTest::newRow("5x6 row wraps back to column 5") << 5 << 6 << QPoint(0, 0) << QPoint(5, 0) << -1 << QPoint(5, 0) << QPoint(4, 0) << true;
        QTest::newRow("5x6 column wraps from row 4") << 5 << 6 << QPoint(5, 4) << QPoint(5, 2) << 1 << QPoint(5, 0) << QPoint(5, 3) << true;
        QTest::newRow("5x6 column wraps up to row 4") << 5 << 6 << QPoint(1, 0) << QPoint(1, 3) << -1 << QPoint(1, 4) << QPoint(1, 2) << true;
        QTest::newRow("5x6 column, no wrap") << 5 << 6 << QPoint(0, 1) << QPoint(0, 3) << 1 << QPoint(0, 2) << QPoint(0, 4) << false;
        QTest::newRow("5x6 rectangle, far corners") << 5 << 6 << QPoint(0, 0) << QPoint(5, 4) << 1 << QPoint(5, 0) << QPoint(0, 4) << false;
        QTest::newRow("5x6 rectangle decrypts alike") << 5 << 6 << QPoint(5, 1) << QPoint(2, 3) << -1 << QPoint(2, 1) << QPoint(5, 3) << false;
    }

    void rules()
    {
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(QPoint, first);
        QFETCH(QPoint, second);
        QFETCH(int, step);
        QFETCH(QPoint, firstImage);
        QFETCH(QPoint, secondImage);
        QFETCH(bool, wraps);
        const SquareShape shape{rows, columns};
        const SquarePosition a{first.y(), first.x()};
        const SquarePosition b{second.y(), second.x()};
        const auto [imageA, imageB] = imageOf(a, b, step, shape);
        QCOMPARE(QPoint(imageA.column, imageA.row), firstImage);
        QCOMPARE(QPoint(imageB.column, imageB.row), secondImage);
        QCOMPARE(wrapsAround(a, b, step, shape), wraps);
        // The other direction takes the images back, over the same edge.
        const auto [backA, backB] = imageOf(imageA, imageB, -step, shape);
        QCOMPARE(backA, a);
        QCOMPARE(backB, b);
        QCOMPARE(wrapsAround(imageA, imageB, -step, shape), wraps);
    }

    // How a text is cleaned into each alphabet, and what it loses on the way.
    void cleaning_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("letters");
        QTest::addColumn<QString>("dropped");

        QTest::newRow("latin-ij: J as I, case folded") << "latin-ij" << "Jazz hands!" << "IAZZHANDS" << "";
        QTest::newRow("latin-ij: digits skipped without a word") << "latin-ij" << "R2-D2" << "RD" << "";
        QTest::newRow("latin-ij: Cyrillic dropped") << "latin-ij" << "Ok, добре" << "OK" << "ДОБРЕ";
        QTest::newRow("latin-ij: accented letters skipped") << "latin-ij" << "Café straße" << "CAFSTRAE" << "";
        QTest::newRow("latin-q: Q dropped, J kept") << "latin-q" << "Quiet jam, Qatar" << "UIETJAMATAR" << "QQ";
        QTest::newRow("latin-q: a small q too") << "latin-q" << "aqua" << "AUA" << "Q";
        QTest::newRow("latin-digits: digits kept") << "latin-digits" << "Agent 007, room 12b" << "AGENT007ROOM12B" << "";
        QTest::newRow("latin-digits: J and Q kept") << "latin-digits" << "Jaq 9" << "JAQ9" << "";
        QTest::newRow("cyrillic: case folded") << "cyrillic" << "Здравей, свят!" << "ЗДРАВЕЙСВЯТ" << "";
        QTest::newRow("cyrillic: all thirty letters") << "cyrillic" << "абвгдежзийклмнопрстуфхцчшщъьюя" << "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЬЮЯ" << "";
        QTest::newRow("cyrillic: Latin letters skipped") << "cyrillic" << "Hi, Мила 2" << "МИЛА" << "HI";
        QTest::newRow("cyrillic: ѝ as И, ѐ as Е") << "cyrillic" << "ѝ Ѝ ѐ" << "ИИЕ" << "";
        QTest::newRow("cyrillic: Russian letters dropped") << "cyrillic" << "ёЫэ" << "" << "ЁЫЭ";
        QTest::newRow("empty") << "cyrillic" << "" << "" << "";
    }

    void cleaning()
    {
        QFETCH(QString, code);
        QFETCH(QString, input);
        QFETCH(QString, letters);
        QFETCH(QString, dropped);
        const CleanedText result = alphabetOf(code).cleaned(u32(input));
        QCOMPARE(text(result.letters), letters);
        QCOMPARE(text(result.dropped), dropped);
    }

    // latin-ij keeps exactly what the main window's cleaning keeps.
    void classicCleaningAsTheMainWindows_data()
    {
        QTest::addColumn<QString>("input");
        QTest::newRow("plain") << "Hide the gold in the tree stump";
        QTest::newRow("J") << "Jejune jokes";
        QTest::newRow("signs and digits") << "A-1, b_2; c.3!";
        QTest::newRow("dotless i and long s") << QString::fromUtf8("ı ſ ß é Ω");
        QTest::newRow("Cyrillic") << "Мила Jana";
        QTest::newRow("full width") << QString::fromUtf8("ＡＢｃ");
    }

    void classicCleaningAsTheMainWindows()
    {
        QFETCH(QString, input);
        QCOMPARE(text(Alphabet::classic().cleaned(u32(input)).letters), cleaned(upperCased(input)));
    }

    // The key square of every alphabet: the key's distinct letters, then the
    // rest of the letters in the alphabet's order.
    void keyedSquares_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("square");

        QTest::newRow("latin-ij") << "latin-ij" << "PLAYFAIR EXAMPLE" << "PLAYFIREXMBCDGHKNOQSTUVWZ";
        QTest::newRow("latin-ij: J in the key as I") << "latin-ij" << "JOIN" << "IONABCDEFGHKLMPQRSTUVWXYZ";
        QTest::newRow("latin-q: Q left out, J kept") << "latin-q" << "QUEEN JAM" << "UENJAMBCDFGHIKLOPRSTVWXYZ";
        QTest::newRow("latin-digits: digits after Z") << "latin-digits" << "AGENT 007" << "AGENT07BCDFHIJKLMOPQRSUVWXYZ12345689";
        QTest::newRow("latin-digits: no key") << "latin-digits" << "" << "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        QTest::newRow("cyrillic") << "cyrillic" << "Парола" << "ПАРОЛБВГДЕЖЗИЙКМНСТУФХЦЧШЩЪЬЮЯ";
        QTest::newRow("cyrillic: Latin letters place nothing") << "cyrillic" << "Я и You" << "ЯИАБВГДЕЖЗЙКЛМНОПРСТУФХЦЧШЩЪЬЮ";
    }

    void keyedSquares()
    {
        QFETCH(QString, code);
        QFETCH(QString, key);
        QFETCH(QString, square);
        const Alphabet &alphabet = alphabetOf(code);
        const std::u32string cleanedKey = alphabet.cleaned(u32(key)).letters;
        const std::u32string made = keyedSquare(alphabet, cleanedKey);
        QCOMPARE(text(made), square);
        QVERIFY(isSquare(alphabet, made));
        // The shortest key that makes it makes it again.
        const auto shortest = shortestKeyFor(alphabet, made);
        QVERIFY(shortest);
        QCOMPARE(text(keyedSquare(alphabet, *shortest)), square);
        QVERIFY(shortest->size() <= cleanedKey.size());
        if (alphabet == Alphabet::classic())
            QCOMPARE(QString::fromStdString(keyedSquare(text(cleanedKey).toStdString())), square);
    }

    // The routes on squares that are not 5 x 5.
    void routes_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("route");
        QTest::addColumn<QList<int>>("cells");

        QTest::newRow("2x3 columns") << 2 << 3 << "columns" << QList<int>{0, 3, 1, 4, 2, 5};
        QTest::newRow("2x3 column snake") << 2 << 3 << "column-snake" << QList<int>{0, 3, 4, 1, 2, 5};
        QTest::newRow("2x3 row snake") << 2 << 3 << "row-snake" << QList<int>{0, 1, 2, 5, 4, 3};
        QTest::newRow("2x3 diagonals") << 2 << 3 << "diagonals" << QList<int>{0, 1, 3, 2, 4, 5};
        QTest::newRow("3x4 spiral") << 3 << 4 << "spiral" << QList<int>{0, 1, 2, 3, 7, 11, 10, 9, 8, 4, 5, 6};
        QTest::newRow("3x2 spiral") << 3 << 2 << "spiral" << QList<int>{0, 1, 3, 5, 4, 2};
    }

    void routes()
    {
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(QString, route);
        QFETCH(QList<int>, cells);
        QCOMPARE(cellsOf(routeCells(*routeFromCode(route.toStdString()), {rows, columns})), cells);
    }

    // Every route visits every cell of every alphabet's square once, and
    // reading a square along its route undoes writing it in.
    void routesCoverEveryShape()
    {
        for (const Alphabet *alphabet : Alphabet::all()) {
            for (SquareRoute route : squareRoutes) {
                std::vector<int> cells = routeCells(route, alphabet->shape());
                QCOMPARE(cells.front(), 0);
                std::sort(cells.begin(), cells.end());
                for (int i = 0; i < alphabet->size(); ++i)
                    QCOMPARE(cells[std::size_t(i)], i);
                const std::u32string square = keyedSquare(*alphabet, U"", route);
                QCOMPARE(readAlong(square, route, alphabet->shape()), alphabet->plainSquare());
            }
        }
    }

    // Fillers and pairs in each alphabet.
    void prepared_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("cleaned");
        QTest::addColumn<QString>("prepared");

        QTest::newRow("latin-ij: X, Q after X") << "latin-ij" << "BALLOONX" << "BALXLOONXQ";
        QTest::newRow("latin-q: Z after X, having no Q") << "latin-q" << "XX" << "XZXZ";
        QTest::newRow("latin-digits: X") << "latin-digits" << "00" << "0X0X";
        QTest::newRow("cyrillic: Ь between doubled letters") << "cyrillic" << "ЛЕКАННО" << "ЛЕКАНЬНО";
        QTest::newRow("cyrillic: Ю after a Ь") << "cyrillic" << "ЬЬ" << "ЬЮЬЮ";
        QTest::newRow("cyrillic: odd end") << "cyrillic" << "ДА" << "ДА";
        QTest::newRow("cyrillic: odd end evened") << "cyrillic" << "ДОМ" << "ДОМЬ";
    }

    void prepared()
    {
        QFETCH(QString, code);
        QFETCH(QString, cleaned);
        QFETCH(QString, prepared);
        QCOMPARE(text(preparedMessage(alphabetOf(code), u32(cleaned))), prepared);
    }

    // Pairs worked on the plain squares, where the rows are easy to read.
    void transformed_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("cipher");

        // АБВГДЕ / ЖЗИЙКЛ / МНОПРС / ТУФХЦЧ / ШЩЪЬЮЯ
        QTest::newRow("cyrillic row wraps on six") << "cyrillic" << "ДЕ" << "ЕА";
        QTest::newRow("cyrillic column wraps on five") << "cyrillic" << "ЕЯ" << "ЛЕ";
        QTest::newRow("cyrillic rectangle") << "cyrillic" << "АЯ" << "ЕШ";
        // ABCDEF / GHIJKL / MNOPQR / STUVWX / YZ0123 / 456789
        QTest::newRow("latin-digits rectangle") << "latin-digits" << "F0" << "C3";
        QTest::newRow("latin-digits column wraps on six") << "latin-digits" << "A4" << "GA";
        QTest::newRow("latin-digits row wraps") << "latin-digits" << "89" << "94";
    }

    void transformed()
    {
        QFETCH(QString, code);
        QFETCH(QString, plain);
        QFETCH(QString, cipher);
        const Alphabet &alphabet = alphabetOf(code);
        const std::u32string square = alphabet.plainSquare();
        QCOMPARE(text(transformedPairs(alphabet, square, u32(plain), 1)), cipher);
        QCOMPARE(text(transformedPairs(alphabet, square, u32(cipher), -1)), plain);
    }

    // The demonstration's text encrypted in each alphabet on a key word's
    // square: cleaned into the alphabet, prepared with its fillers, worked
    // pair by pair, and what it lost noted.
    void demonstrations_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("prepared");
        QTest::addColumn<QString>("ciphertext");
        QTest::addColumn<QString>("dropped");

        QTest::newRow("latin-ij") << "latin-ij" << "Hide the gold in the tree stump" << "playfair example"
                                  << "HIDETHEGOLDINTHETREXESTUMP" << "BMODZBXDNABEKUDMUIXMMOUVIF" << "";
        // UENAB / CDFGH / IJKLM / OPRST / VWXYZ
        QTest::newRow("latin-q") << "latin-q" << "Quiet quay" << "QUEEN" << "UIETUAYX" << "COBPEBZY" << "QQ";
        // AGENT0 / 7BCDFH / IJKLMO / PQRSUV / WXYZ12 / 345689
        QTest::newRow("latin-digits") << "latin-digits" << "Meet at 0900" << "Agent 007" << "MEETAT090X0X"
                                      << "KTN0G0H0G2G2" << "";
        // ПАРОЛБ / ВГДЕЖЗ / ИЙКМНС / ТУФХЦЧ / ШЩЪЬЮЯ
        QTest::newRow("cyrillic") << "cyrillic" << "Hello, лека нощ!" << "парола" << "ЛЕКАНОЩЬ" << "ОЖЙРМЛЪЮ"
                                  << "HELLO";
    }

    void demonstrations()
    {
        QFETCH(QString, code);
        QFETCH(QString, text);
        QFETCH(QString, key);
        QFETCH(QString, prepared);
        QFETCH(QString, ciphertext);
        QFETCH(QString, dropped);
        const Alphabet &alphabet = alphabetOf(code);
        const QString square = Demonstration::keySquare(alphabet, key);
        const std::optional<Demonstration> made = Demonstration::make(alphabet, text, square);
        QVERIFY(made);
        QCOMPARE(made->square, square);
        QCOMPARE(made->prepared, prepared);
        QCOMPARE(made->ciphertext, ciphertext);
        QCOMPARE(made->dropped, dropped);
        QCOMPARE(::text(transformedPairs(alphabet, u32(square), u32(ciphertext), -1)), prepared);

        QRandomGenerator random(7);
        const QString drawn = Demonstration::randomSquare(alphabet, random);
        QVERIFY(isSquare(alphabet, u32(drawn)));
        QVERIFY(Demonstration::make(alphabet, text, drawn));
        QVERIFY(!Demonstration::make(alphabet, QStringLiteral("1 + 1"), drawn) || code == "latin-digits");
    }

    void utf8()
    {
        const std::u32string letters = Alphabet::of(Alphabet::Id::Cyrillic).plainSquare() + U"AZ09";
        QCOMPARE(fromUtf8(toUtf8(letters)), letters);
        QCOMPARE(QString::fromStdString(toUtf8(letters)), text(letters));
        QCOMPARE(fromUtf8("a\xff"), std::u32string(U"a\uFFFD"));
    }
};

QTEST_GUILESS_MAIN(TestAlphabet)
#include "tst_alphabet.moc"
