#include "helpers.h"
#include "windowfixture.h"

#include "ui/application.h"
#include "ui/shared/squaremarks.h"

#include <QTest>

using namespace playfair;
using namespace playfair::testing;

namespace {

const QColor cellColour(255, 128, 0);

// How a cell is outlined on the picture of the window, read from the two
// pixel columns in the gap at its left: "solid" (plain letter), "dashed"
// (cipher letter), "both", or "none".
QString outlineOf(const QImage &image, const QRect &cell)
{
    auto coloursAt = [&](int x) {
        QSet<QRgb> colours;
        for (int y = cell.top() - 1; y <= cell.bottom() + 1; ++y)
            colours << image.pixel(x, y);
        return colours;
    };
    const QSet<QRgb> outer = coloursAt(cell.left() - 2);
    const QSet<QRgb> inner = coloursAt(cell.left() - 1);
    const QRgb solid = SquareMarks::plainColour().rgb();
    const QRgb dashed = SquareMarks::cipherColour().rgb();
    const bool plain = outer.contains(solid);
    const bool cipher = inner.contains(dashed);
    if (plain && cipher)
        return QStringLiteral("both");
    if (plain)
        return inner == QSet<QRgb>{solid} ? QStringLiteral("solid") : QStringLiteral("broken solid");
    if (cipher)
        return outer.contains(dashed) ? QStringLiteral("dashed") : QStringLiteral("thin dashed");
    return QStringLiteral("none");
}

} // namespace

class TestTeachingAids : public QObject, protected WindowFixture
{
    Q_OBJECT

    // The outline of every cell (0..24) as "cell:outline", for the outlined ones.
    QStringList outlines() const
    {
        const QImage image = window->grab().toImage();
        QStringList marked;
        for (int k = 0; k < 25; ++k) {
            const QWidget *cell = control(name("Label3", k));
            const QRect rect(cell->mapTo(window.get(), QPoint(0, 0)), cell->size());
            // The cell itself keeps its colour.
            if (image.pixelColor(rect.left() + 1, rect.bottom() - 1) != cellColour)
                marked << QStringLiteral("%1:recoloured").arg(k);
            const QString outline = outlineOf(image, rect);
            if (outline != QStringLiteral("none"))
                marked << QStringLiteral("%1:%2").arg(k).arg(outline);
        }
        return marked;
    }

private Q_SLOTS:
    void initTestCase() { setUpApplication(*qApp); }
    void init() { QVERIFY(openWindow()); }
    void cleanup() { closeWindow(); }

    void selectingARowOutlinesItsCells_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("marks");

        // Key RODINA: RODIN / ABCEF / GHKLM / PQSTU / VWXYZ, cells 0..24.
        QTest::newRow("rectangle SE to TC, message list")
            << "SENRZN" << 0 << 0 << QStringList{"7:dashed", "8:solid", "17:solid", "18:dashed"};
        QTest::newRow("same row NR to RO with wrap, cipher list")
            << "SENRZN" << 1 << 1 << QStringList{"0:both", "1:dashed", "4:solid"};
        QTest::newRow("same column ZN to NF with wrap, decrypted list")
            << "SENRZN" << 2 << 2 << QStringList{"4:both", "9:dashed", "24:solid"};
        QTest::newRow("a double marks only its own cell") << "LLSE" << 0 << 0 << QStringList{"13:solid"};
        QTest::newRow("the pair after a double, from its shifted cipher row")
            << "LLSE" << 1 << 0 << QStringList{"7:dashed", "8:solid", "17:solid", "18:dashed"};
        QTest::newRow("the odd last letter marks only its cell") << "SEGAX" << 0 << 2 << QStringList{"22:solid"};
    }

    void selectingARowOutlinesItsCells()
    {
        QFETCH(QString, message);
        QFETCH(int, list);
        QFETCH(int, row);
        QFETCH(QStringList, marks);

        encrypt(QStringLiteral("RODINA"), message);
        QCOMPARE(outlines(), QStringList());
        const QString letters = square();
        clickRow(this->list(list), row);
        QCOMPARE(outlines(), marks);
        QCOMPARE(square(), letters);

        // Reading the pair changed nothing but the selection the user made.
        Workspace expected = encrypted(QStringLiteral("RODINA"), message);
        expected.SelectItem(qint16(list), qint16(row));
        QVERIFY(window->workspace() == expected);
    }

    void theKeyboardMovesTheMarks()
    {
        encrypt(QStringLiteral("RODINA"), QStringLiteral("SENRZN"));
        clickRow(list(0), 0);
        QTest::keyClick(list(0), Qt::Key_Down);
        QCOMPARE(outlines(), QStringList({"0:both", "1:dashed", "4:solid"}));
    }

    void nothingIsMarkedAfterClear()
    {
        encrypt(QStringLiteral("RODINA"), QStringLiteral("SEGA"));
        clickRow(list(2), 1);
        QCOMPARE(outlines().size(), 3); // G is a plain and a cipher letter
        QTest::mouseClick(button(1), Qt::LeftButton);
        QCOMPARE(list(2)->currentRow(), 1);
        QCOMPARE(outlines(), QStringList());
        clickRow(list(2), 0);
        QCOMPARE(outlines(), QStringList());
        QVERIFY(list(2)->item(0)->toolTip().contains(QStringLiteral("предишното криптиране")));
    }

    void toolTipsNameTheRule_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");

        QTest::newRow("rectangle")
            << "SENRZN" << 0 << 0
            << QStringList{"SE → TC", "Правоъгълник", "S (ред 4, колона 3)", "E (ред 2, колона 4)",
                           "S → T (ред 4, колона 4)", "E → C (ред 2, колона 3)", "плътна линия", "пунктир"}
            << QStringList{"декриптира"};
        QTest::newRow("same row with its wrap")
            << "SENRZN" << 0 << 1
            << QStringList{"Един и същ ред 1", "след колона 5 идва колона 1", "N → R (ред 1, колона 1)",
                           "R → O (ред 1, колона 2)"}
            << QStringList{"Правоъгълник"};
        QTest::newRow("same column with its wrap, cipher row")
            << "SENRZN" << 1 << 2
            << QStringList{"NF е шифърът на ZN", "позиция 3 в „Текст“ вляво", "Една и съща колона 5",
                           "след ред 5 идва ред 1", "Z → N (ред 1, колона 5)", "N → F (ред 2, колона 5)"}
            << QStringList{"Позициите се различават"};
        QTest::newRow("same row without a wrap")
            << "HK" << 0 << 0 << QStringList{"Един и същ ред 3", "H → K (ред 3, колона 3)"}
            << QStringList{"след колона 5"};
        QTest::newRow("decrypted row")
            << "SENRZN" << 2 << 0
            << QStringList{"SE е декриптираният шифър TC", "позиция 1 в „Шифър“", "позиция 1 в „Текст“ вляво",
                           "обратно"}
            << QStringList{};
        QTest::newRow("a double gives nothing")
            << "LLSE" << 0 << 0 << QStringList{"LL", "една клетка (ред 3, колона 4)", "не дава шифър"}
            << QStringList{"→"};
        QTest::newRow("cipher row shifted by the double")
            << "LLSE" << 1 << 0
            << QStringList{"TC е шифърът на SE", "позиция 2 в „Текст“ вляво", "по-горна двойка не дава шифър"}
            << QStringList{};
        QTest::newRow("decrypted row shifted by the double")
            << "LLSE" << 2 << 0
            << QStringList{"декриптираният шифър TC", "позиция 1 в „Шифър“", "позиция 2 в „Текст“ вляво",
                           "по-горна двойка не дава шифър"}
            << QStringList{};
        QTest::newRow("the odd last letter")
            << "SEGAX" << 0 << 2 << QStringList{"X (ред 5, колона 3)", "остава сама", "не дава шифър"}
            << QStringList{"→"};
    }

    void toolTipsNameTheRule()
    {
        QFETCH(QString, message);
        QFETCH(int, list);
        QFETCH(int, row);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);

        encrypt(QStringLiteral("RODINA"), message);
        const QString tip = this->list(list)->item(row)->toolTip();
        for (const QString &text : present)
            QVERIFY2(tip.contains(text), qPrintable(QStringLiteral("«%1» not in: %2").arg(text, tip)));
        for (const QString &text : absent)
            QVERIFY2(!tip.contains(text), qPrintable(QStringLiteral("«%1» in: %2").arg(text, tip)));
    }
};

QTEST_MAIN(TestTeachingAids)
#include "tst_teachingaids.moc"
