// The three lists of pairs as a pupil sees them: every pair readable in full,
// no horizontal scroll bar, and the rows of the three lists level with each
// other wherever the coupled selection takes them.

#include "windowfixture.h"

#include "ui/application.h"
#include "ui/main/pairdelegate.h"

#include <QPainter>
#include <QScrollBar>
#include <QTest>

using namespace playfair;
using namespace playfair::testing;

namespace {

// Key MHDGQOWN puts M and W on the corners of a rectangle with H and O
// (M H D G Q / O W N A B / ...), so MW, HO, WM and OH encrypt into each other
// and all three lists hold only wide pairs.
const QString wideKey = QStringLiteral("MHDGQOWN");
const QString widePairs = QStringLiteral("MWHOWMOH").repeated(5);

// Where a picture has ink: the columns it spans and how much ink there is.
struct Ink
{
    int left = -1;
    int right = -1;
    double amount = 0;

    int span() const { return left < 0 ? 0 : right - left + 1; }
};

// Dark pixels on a white picture.
Ink inkOf(const QImage &image)
{
    Ink ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int darkness = 255 - qGray(image.pixel(x, y));
            if (darkness < 48)
                continue;
            ink.amount += darkness;
            ink.left = ink.left < 0 ? x : std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
        }
    }
    return ink;
}

// The text as the font draws it with nothing in its way.
Ink naturalInkOf(const QString &text, const QFont &font)
{
    QImage image(200, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(50, 0, 150, 60), Qt::AlignLeft | Qt::AlignVCenter, text);
    painter.end();
    return inkOf(image);
}

// Has the list's delegate draw one row, unselected, `width` pixels wide, in
// the middle of a picture three times as wide and with nothing clipped, so
// that ink outside the row shows. `row` is where the row stands on the picture.
Ink drawnInkOf(const QListWidget *list, int index, int width, QRect *row)
{
    const int height = list->visualItemRect(list->item(index)).height();
    QImage image(3 * width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QStyleOptionViewItem option;
    option.initFrom(list);
    option.widget = list;
    option.font = list->font();
    option.rect = QRect(width, 0, width, height);
    option.state &= ~(QStyle::State_HasFocus | QStyle::State_Selected | QStyle::State_MouseOver);
    QPainter painter(&image);
    list->itemDelegate()->paint(&painter, option, list->model()->index(index, 0));
    painter.end();
    *row = option.rect;
    return inkOf(image);
}

// Checks that a pair is drawn whole inside its row: no ink outside it, and
// about as much ink, over about as many columns, as the font gives the pair
// when it is drawn freely (a pair cut short or shortened to "M…" has less).
void verifyDrawnWhole(const QListWidget *list, int index, int width)
{
    const QString text = list->item(index)->text();
    QRect row;
    const Ink drawn = drawnInkOf(list, index, width, &row);
    const Ink natural = naturalInkOf(text, list->font());
    const QByteArray what = QStringLiteral("%1 in a row %2 wide: ink %3..%4 in %5..%6, natural span %7")
                                .arg(text)
                                .arg(width)
                                .arg(drawn.left)
                                .arg(drawn.right)
                                .arg(row.left())
                                .arg(row.right())
                                .arg(natural.span())
                                .toUtf8();
    QVERIFY2(drawn.span() > 0, what.constData());
    QVERIFY2(drawn.left >= row.left() && drawn.right <= row.right(), what.constData());
    // A pair wider than its row may be narrowed to fit it, and then has
    // proportionally less ink.
    const double narrowed = std::min(1.0, double(width) / natural.span());
    QVERIFY2(drawn.span() >= 0.9 * narrowed * natural.span(), what.constData());
    QVERIFY2(drawn.amount >= 0.85 * narrowed * natural.amount && drawn.amount <= 1.15 * natural.amount,
             what.constData());
}

} // namespace

class TestPairLists : public QObject, protected WindowFixture
{
    Q_OBJECT

    // The rows of `index`'s viewport that show the selection colour on a
    // picture of the whole window, in viewport coordinates.
    QPair<int, int> highlightedRows(const QImage &window, int index) const
    {
        const QListWidget *widget = list(index);
        const QWidget *viewport = widget->viewport();
        const QPoint origin = viewport->mapTo(this->window.get(), QPoint(0, 0));
        const QSet<QRgb> highlight{widget->palette().color(QPalette::Active, QPalette::Highlight).rgb(),
                                   widget->palette().color(QPalette::Inactive, QPalette::Highlight).rgb()};
        int top = -1;
        int bottom = -1;
        for (int y = 0; y < viewport->height(); ++y) {
            int coloured = 0;
            for (int x = 0; x < viewport->width(); ++x)
                coloured += highlight.contains(window.pixel(origin + QPoint(x, y))) ? 1 : 0;
            if (3 * coloured >= viewport->width()) {
                top = top < 0 ? y : top;
                bottom = y;
            }
        }
        return {top, bottom};
    }

    // Encrypts and lets the lists lay out their new rows, as they do before a
    // pupil sees them.
    void encryptAndShow(const QString &key, const QString &message)
    {
        encrypt(key, message);
        QCoreApplication::processEvents();
    }

    // One step a user takes: "click L R" clicks row R of list L (scrolling
    // that list alone to show it first, as its scroll bar would),
    // "clickbelow L" clicks the empty bottom edge of list L, "press L K
    // [n]" presses key K in list L n times, "scroll L top|bottom" drags list
    // L's scroll bar to an end.
    void perform(const QString &step)
    {
        const QStringList words = step.split(u' ');
        QListWidget *widget = list(words[1].toInt());
        if (words[0] == QStringLiteral("clickbelow")) {
            QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, QPoint(5, widget->viewport()->height() - 2));
        } else if (words[0] == QStringLiteral("click")) {
            QListWidgetItem *item = widget->item(words[2].toInt());
            widget->scrollToItem(item);
            clickRow(widget, words[2].toInt());
        } else if (words[0] == QStringLiteral("press")) {
            const Qt::Key key = words[2] == QStringLiteral("End")    ? Qt::Key_End
                                : words[2] == QStringLiteral("Home") ? Qt::Key_Home
                                : words[2] == QStringLiteral("Down") ? Qt::Key_Down
                                                                     : Qt::Key_Up;
            const int times = words.size() > 3 ? words[3].toInt() : 1;
            for (int i = 0; i < times; ++i)
                QTest::keyClick(widget, key);
        } else {
            QScrollBar *bar = widget->verticalScrollBar();
            bar->setValue(words[2] == QStringLiteral("top") ? bar->minimum() : bar->maximum());
        }
    }

private Q_SLOTS:
    void initTestCase() { setUpApplication(*qApp); }
    void init() { QVERIFY(openWindow()); }
    void cleanup() { closeWindow(); }

    void everyPairFitsItsRow_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("message");

        QTest::newRow("the start example, BM and DM in the cipher list")
            << "PLAYFAIR EXAMPLE" << "HITHEGOLDINTHETRESRXLN";
        QTest::newRow("MW, WM, HO and OH in all three lists") << wideKey << widePairs;
        QTest::newRow("MM beside MW and WM in the message list")
            << wideKey << QStringLiteral("MMMWWMMW").repeated(5);
    }

    void everyPairFitsItsRow()
    {
        QFETCH(QString, key);
        QFETCH(QString, message);
        encryptAndShow(key, message);

        for (int i = 0; i < 3; ++i) {
            const QListWidget *widget = list(i);
            const QString which = name("List1", i);
            QVERIFY2(widget->count() >= 10, qPrintable(which));
            // The vertical scroll bar takes its share of the width.
            QVERIFY2(widget->verticalScrollBar()->isVisible(), qPrintable(which));
            QVERIFY2(!widget->horizontalScrollBar()->isVisible(), qPrintable(which));
            // Nothing is wider than the list, so nothing can scroll sideways.
            QCOMPARE(widget->horizontalScrollBar()->maximum(), 0);

            const int width = widget->viewport()->width();
            const QFontMetrics metrics(widget->font());
            for (int row = 0; row < widget->count(); ++row) {
                const QString text = widget->item(row)->text();
                const QRect rect = widget->visualItemRect(widget->item(row));
                QCOMPARE(rect.left(), 0);
                QCOMPARE(rect.width(), width);
                QVERIFY2(metrics.horizontalAdvance(text) <= rect.width(), qPrintable(which + u' ' + text));
                verifyDrawnWhole(widget, row, width);
                if (QTest::currentTestFailed())
                    return;
            }
        }
    }

    // The lists' own rows are checked above; here every pair the message list
    // can hold, the widest double included, in rows as narrow as a wider
    // scroll bar would leave and as wide as a roomier list would give.
    void aPairIsDrawnWholeInAnyRow_data()
    {
        QTest::addColumn<QString>("pair");
        QTest::addColumn<int>("width");

        for (const char *pair : {"WW", "MW", "WM", "MM", "DM", "I"}) {
            for (int width : {26, 29, 60})
                QTest::addRow("%s in %d pixels", pair, width) << QString::fromLatin1(pair) << width;
        }
    }

    void aPairIsDrawnWholeInAnyRow()
    {
        QFETCH(QString, pair);
        QFETCH(int, width);

        QListWidget widget;
        widget.setFont(window->font());
        widget.setItemDelegate(new PairDelegate(&widget));
        widget.addItem(pair);
        verifyDrawnWhole(&widget, 0, width);

        // Where the row has room, the pair keeps a margin from the left edge.
        if (width == 60) {
            QRect row;
            QVERIFY(drawnInkOf(&widget, 0, width, &row).left > row.left());
        }
    }

    void theRowsStayLevel_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("row");
        QTest::addColumn<QList<int>>("lists"); // the lists that end with that row selected

        const QList<int> all{0, 1, 2};
        QTest::newRow("End in the message list") << widePairs << QStringList{"click 0 0", "press 0 End"} << 19 << all;
        QTest::newRow("End in the cipher list") << widePairs << QStringList{"click 1 0", "press 1 End"} << 19 << all;
        QTest::newRow("Down to the last row of the decrypted list")
            << widePairs << QStringList{"click 2 0", "press 2 Down 19"} << 19 << all;
        QTest::newRow("click on the last row of the cipher list")
            << widePairs << QStringList{"click 1 19"} << 19 << all;
        QTest::newRow("Home after End")
            << widePairs << QStringList{"click 2 3", "press 2 End", "press 2 Home"} << 0 << all;
        QTest::newRow("click near the top of a list scrolled apart from the others")
            << widePairs << QStringList{"click 1 0", "press 1 End", "scroll 0 top", "click 0 2"} << 2 << all;
        QTest::newRow("End in a list scrolled apart from the others")
            << widePairs << QStringList{"click 0 5", "scroll 2 bottom", "scroll 1 top", "press 0 End"} << 19 << all;
        // MM gives no cipher pair: 20 message rows, 15 cipher and decrypted rows.
        QTest::newRow("a row low in the message list, longer than the others")
            << QStringLiteral("MMMWWMMW").repeated(5) << QStringList{"click 0 0", "press 0 End", "click 0 13"} << 13
            << all;
        // 20 message rows, 10 cipher and decrypted rows. End in the message
        // list leaves the others' selection above their view; a click below a
        // short list's rows shows it again, and the others follow.
        QTest::newRow("a click below the rows of a shorter list")
            << QStringLiteral("MMMW").repeated(10) << QStringList{"click 1 1", "press 0 End", "clickbelow 1"} << 1
            << QList<int>{1, 2};
    }

    void theRowsStayLevel()
    {
        QFETCH(QString, message);
        QFETCH(QStringList, steps);
        QFETCH(int, row);
        QFETCH(QList<int>, lists);

        encryptAndShow(wideKey, message);
        for (const QString &step : steps)
            perform(step);

        const QListWidget *first = list(lists.first());
        const int height = first->visualItemRect(first->item(0)).height();
        const QImage image = window->grab().toImage();
        QCOMPARE(image.devicePixelRatio(), 1.0);
        for (int i : lists) {
            const QListWidget *widget = list(i);
            QCOMPARE(window->workspace().List1[i].ListIndex(), qint16(row));
            QCOMPARE(widget->currentRow(), row);
            // The selected row is wholly in view...
            const QRect rect = widget->visualItemRect(widget->item(row));
            QVERIFY2(widget->viewport()->rect().contains(rect), qPrintable(name("List1", i)));
            // ...and the lists show the same rows, at the same heights.
            QCOMPARE(widget->indexAt(QPoint(1, 1)).row(), first->indexAt(QPoint(1, 1)).row());
            QCOMPARE(rect.top(), first->visualItemRect(first->item(row)).top());
            // On the picture: the selection stands where the row is.
            const auto [top, bottom] = highlightedRows(image, i);
            QCOMPARE(top, rect.top());
            QCOMPARE(bottom - top + 1, height);
        }
    }
};

QTEST_MAIN(TestPairLists)
#include "tst_pairlists.moc"
