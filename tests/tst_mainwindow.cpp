#include "windowfixture.h"

#include "ui/application.h"
#include "ui/main/mainwindow.h"
#include "ui/shared/colourbutton.h"
#include "ui/shared/squaremarks.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTimer>


using namespace playfair;
using namespace playfair::testing;

namespace {

const QString plainSquare = QStringLiteral("ABCDEFGHIKLMNOPQRSTUVWXYZ");
const QStringList startGroups = QStringLiteral("HI TH EG OL DI NT HE TR ES RX LN").split(u' ');

} // namespace

class TestMainWindow : public QObject, protected WindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { setUpApplication(*qApp); }
    void init() { QVERIFY(openWindow()); }
    void cleanup() { closeWindow(); }

    void geometry_data()
    {
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("twips"); // left, top, width, height

        auto row = [](const QString &control, const QString &parent, QRect twips) {
            QTest::newRow(qPrintable(control)) << parent << twips;
        };
        const QString form = QStringLiteral("Form1");
        const QString frame = QStringLiteral("Frame1");
        row("Label1_0", form, {1200, 0, 5175, 375});
        row("Label1_1", form, {120, 480, 1575, 375});
        row("Text2_0", form, {1680, 480, 3135, 405});
        row("Label1_2", form, {120, 960, 2295, 375});
        row("Text2_1", form, {2400, 960, 5055, 405});
        row("Frame1", form, {120, 1440, 2415, 2655});
        row("Label4_0", form, {3480, 1560, 735, 375});
        row("Label4_1", form, {4320, 1560, 735, 375});
        row("Label4_2", form, {5160, 1560, 735, 375});
        row("List1_0", form, {3480, 1920, 735, 2055});
        row("List1_1", form, {4320, 1920, 735, 2055});
        row("List1_2", form, {5160, 1920, 735, 2055});
        row("List1_3", form, {2640, 1920, 735, 2055});
        row("Command1_0", form, {6120, 1800, 1335, 495});
        row("Command1_1", form, {6120, 3480, 1335, 495});
        row("Text1_0", form, {120, 4200, 7335, 2055});
        for (int i = 0; i < 5; ++i) {
            row(name("Label2", i), frame, {480 + 360 * i, 360, 300, 300});
            row(name("Label2", i + 5), frame, {120, 720 + 360 * i, 300, 300});
        }
        for (int k = 0; k < 25; ++k)
            row(name("Label3", k), frame, {480 + 360 * (k % 5), 720 + 360 * (k / 5), 300, 300});
    }

    void geometry()
    {
        QFETCH(QString, parent);
        QFETCH(QRect, twips);
        const QWidget *widget = control(QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE(widget->parentWidget()->objectName(), parent);
        QCOMPARE(widget->geometry(),
                 QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
    }

    void theWindowHasExactlyTheDescribedControls()
    {
        QStringList onWindow;
        for (const QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            onWindow << child->objectName();
        onWindow.sort();
        QStringList expected{"Command1_0", "Command1_1", "Frame1", "Label1_0", "Label1_1", "Label1_2",
                             "Label4_0", "Label4_1", "Label4_2", "List1_0", "List1_1", "List1_2",
                             "List1_3", "Text1_0", "Text2_0", "Text2_1"};
        expected.sort();
        QCOMPARE(onWindow, expected);

        // In the frame: the 10 numbers, the 25 cells and the transparent layer
        // that outlines a selected pair's cells (empty without a selection).
        const QWidget *frame = control(QStringLiteral("Frame1"));
        QCOMPARE(frame->findChildren<QLabel *>(Qt::FindDirectChildrenOnly).size(), 35);
        QCOMPARE(frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly).size(), 36);
        QVERIFY(control<SquareMarks>(QStringLiteral("SquareMarks"))->plainCells().isEmpty());
    }

    void theWindowIsFixedAndCentred()
    {
        QCOMPARE(window->size(), QSize(504, 424));
        QCOMPARE(window->minimumSize(), QSize(504, 424));
        QCOMPARE(window->maximumSize(), QSize(504, 424));
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(flags & Qt::WindowSystemMenuHint);
        QCOMPARE(window->geometry().center(), window->screen()->availableGeometry().center());

        const QString title = window->windowTitle();
        QVERIFY(title.endsWith(QStringLiteral(" Информатика - криптиране, Playfair cipher")));
        QVERIFY(!title.startsWith(u' '));
        QVERIFY(window->windowIcon().availableSizes().contains(QSize(32, 32)));
    }

    void captionsAndStartTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("Label1_0") << "Информатика - диграфов шифър, cipher Playfair";
        QTest::newRow("Label1_1") << "ключова дума:";
        QTest::newRow("Label1_2") << "текст за криптиране:";
        QTest::newRow("Text2_0") << "PLAYFAIR EXAMPLE";
        QTest::newRow("Text2_1") << "HITHEGOLDINTHETRESRXLN";
        QTest::newRow("Frame1") << "квадрат на Polybius";
        QTest::newRow("Label4_0") << "Текст";
        QTest::newRow("Label4_1") << "Шифър";
        QTest::newRow("Label4_2") << "Текст";
        QTest::newRow("Command1_0") << "Криптирай";
        QTest::newRow("Command1_1") << "Чисти";
        for (int i = 0; i < 5; ++i) {
            QTest::newRow(qPrintable(name("Label2", i))) << QString::number(i + 1);
            QTest::newRow(qPrintable(name("Label2", i + 5))) << QString::number(i + 1);
        }
    }

    void captionsAndStartTexts()
    {
        QFETCH(QString, text);
        const QWidget *widget = control(QString::fromLatin1(QTest::currentDataTag()));
        QString shown;
        if (auto label = qobject_cast<const QLabel *>(widget))
            shown = label->text();
        else if (auto edit = qobject_cast<const QLineEdit *>(widget))
            shown = edit->text();
        else if (auto frame = qobject_cast<const QGroupBox *>(widget))
            shown = frame->title();
        else if (auto pushButton = qobject_cast<const QPushButton *>(widget))
            shown = pushButton->text();
        QCOMPARE(shown, text);
    }

    void theStartStateAfterLoading()
    {
        QCOMPARE(square(), plainSquare);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(list(i)->count(), 0);
        QCOMPARE(explanation()->toPlainText(), QString(Workspace::explanation()).replace("\r\n", "\n"));
        QCOMPARE(QApplication::focusWidget(), explanation());
    }

    void everyControlUsesTheOneFont()
    {
        for (const QWidget *widget : window->findChildren<QWidget *>()) {
            if (widget->objectName().isEmpty() || widget->objectName().startsWith(QStringLiteral("qt_")))
                continue;
            const QFont font = widget->font();
            QVERIFY2(font.family() == QStringLiteral("Times New Roman"), qPrintable(widget->objectName()));
            QCOMPARE(font.pointSize(), 12);
            QCOMPARE(font.weight(), QFont::Normal);
            QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
        }
        // Where Times New Roman is missing, its metric twin stands in.
        const QString resolved = QFontInfo(window->font()).family();
        QVERIFY2(resolved == QStringLiteral("Times New Roman") || resolved == QStringLiteral("Liberation Serif"),
                 qPrintable(resolved));
    }

    void colours_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QPoint>("point"); // inside the control, clear of its text
        QTest::addColumn<QColor>("colour");

        const QColor caption(255, 192, 128), number(128, 128, 255), cell(255, 128, 0), background(192, 192, 255);
        for (int i = 0; i < 3; ++i) {
            QTest::newRow(qPrintable(name("Label1", i))) << name("Label1", i) << QPoint(2, 22) << caption;
            QTest::newRow(qPrintable(name("Label4", i))) << name("Label4", i) << QPoint(2, 22) << number;
        }
        for (int i = 0; i < 10; ++i)
            QTest::newRow(qPrintable(name("Label2", i))) << name("Label2", i) << QPoint(1, 18) << number;
        for (int k = 0; k < 25; ++k)
            QTest::newRow(qPrintable(name("Label3", k))) << name("Label3", k) << QPoint(1, 18) << cell;
        QTest::newRow("Command1_0") << "Command1_0" << QPoint(3, 3) << QColor(0, 255, 0);
        QTest::newRow("Command1_1") << "Command1_1" << QPoint(3, 3) << QColor(255, 0, 0);
        QTest::newRow("Form1 below the explanation") << "Form1" << QPoint(250, 421) << background;
        QTest::newRow("Form1 between the lists") << "Form1" << QPoint(284, 200) << background;
        QTest::newRow("Frame1 beside the row numbers") << "Frame1" << QPoint(4, 60) << background;
    }

    void colours()
    {
        QFETCH(QString, control);
        QFETCH(QPoint, point);
        QFETCH(QColor, colour);

        // After an Encrypt every cell holds a letter, so the text is there too.
        QTest::mouseClick(button(0), Qt::LeftButton);
        const QImage image = window->grab().toImage();
        const QWidget *widget = control == QStringLiteral("Form1") ? window.get() : this->control(control);
        const QPoint at = widget->mapTo(window.get(), point);
        QCOMPARE(image.pixelColor(at * image.devicePixelRatio()).rgb(), colour.rgb());
    }

    void theButtonsKeepTheirColourOnEveryStyle()
    {
        for (int i = 0; i < 2; ++i)
            QVERIFY(qobject_cast<ColourButton *>(button(i)));
        QCOMPARE(qobject_cast<ColourButton *>(button(0))->face(), QColor(0, 255, 0));
        QCOMPARE(qobject_cast<ColourButton *>(button(1))->face(), QColor(255, 0, 0));
    }

    void encryptWithTheStartTexts()
    {
        QTest::mouseClick(button(0), Qt::LeftButton);
        QCOMPARE(box(0)->text(), QStringLiteral("PLAYFAIREXAMPLE"));
        QCOMPARE(box(1)->text(), QStringLiteral("HITHEGOLDINTHETRESRXLN"));
        QCOMPARE(square(), QStringLiteral("PLAYFIREXMBCDGHKNOQSTUVWZ"));
        QCOMPARE(itemsOf(list(0)), startGroups);
        QCOMPARE(itemsOf(list(1)), QStringLiteral("BM ZB XD NA BE KU DM UI MO EM RU").split(u' '));
        QCOMPARE(itemsOf(list(2)), startGroups);
        QVERIFY(explanation()->toPlainText().endsWith(QStringLiteral("\n16\n")));
        QVERIFY(list(3)->isHidden());
        QCOMPARE(list(3)->count(), 0);
    }

    void clickingTheFourthRowOfAnyListSelectsItInAll_data()
    {
        QTest::addColumn<int>("clicked");
        QTest::newRow("message list") << 0;
        QTest::newRow("cipher list") << 1;
        QTest::newRow("decrypted list") << 2;
    }

    void clickingTheFourthRowOfAnyListSelectsItInAll()
    {
        QFETCH(int, clicked);
        QTest::mouseClick(button(0), Qt::LeftButton);
        clickRow(list(clicked), 3);
        QStringList selected;
        for (int i = 0; i < 3; ++i) {
            const auto items = list(i)->selectedItems();
            QCOMPARE(items.size(), 1);
            selected << items.first()->text();
            QCOMPARE(window->workspace().List1[i].ListIndex(), qint16(3));
        }
        QCOMPARE(selected.join(u' '), QStringLiteral("OL NA OL"));
    }

    void theKeyboardMovesTheCoupledSelection()
    {
        QTest::mouseClick(button(0), Qt::LeftButton);
        clickRow(list(1), 3);
        QTest::keyClick(list(1), Qt::Key_Down);
        QTest::keyClick(list(1), Qt::Key_Down);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(list(i)->currentRow(), 5);
        QCOMPARE(list(0)->currentItem()->text(), QStringLiteral("NT"));
        // Ctrl+click on the selected row cannot leave the lists without one.
        clickRow(list(1), 5);
        QTest::mouseClick(list(1)->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list(1)->visualItemRect(list(1)->item(5)).center());
        QCOMPARE(list(1)->selectedItems().size(), 1);
        QCOMPARE(window->workspace().List1[1].ListIndex(), qint16(5));
    }

    void clearAfterEncrypt()
    {
        QTest::mouseClick(button(0), Qt::LeftButton);
        clickRow(list(2), 3);
        const QString explanationText = explanation()->toPlainText();
        QTest::mouseClick(button(1), Qt::LeftButton);

        QCOMPARE(square(), plainSquare);
        QCOMPARE(box(0)->text(), QString());
        QCOMPARE(box(1)->text(), QString());
        QCOMPARE(list(0)->count(), 0);
        QCOMPARE(list(1)->count(), 0);
        // Emptying the first two lists does not touch the third one's selection.
        QCOMPARE(itemsOf(list(2)), startGroups);
        QCOMPARE(list(2)->currentRow(), 3);
        QCOMPARE(list(2)->selectedItems().size(), 1);
        QCOMPARE(window->workspace().List1[2].ListIndex(), qint16(3));
        QCOMPARE(explanation()->toPlainText(), explanationText);
    }

    void theBoxesTakeNoMoreThanTheirLimit_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("limit");
        QTest::newRow("message box") << 1 << 40;
        QTest::newRow("key word box") << 0 << 200;
    }

    void theBoxesTakeNoMoreThanTheirLimit()
    {
        QFETCH(int, index);
        QFETCH(int, limit);

        typeInto(box(index), QString(limit + 5, u'q'));
        QCOMPARE(box(index)->text(), QString(limit, u'q'));
        QCOMPARE(window->workspace().Text2[index], QString(limit, u'q'));

        QApplication::clipboard()->setText(QString(10000, u'z'));
        typeInto(box(index), QStringLiteral("ab"));
        QTest::keyClick(box(index), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box(index)->text().size(), limit);
        QCOMPARE(window->workspace().Text2[index], box(index)->text());
    }

    void typedTextIsWhatEncryptUses()
    {
        typeInto(box(0), QStringLiteral("rodina"));
        typeInto(box(1), QStringLiteral("sega x"));
        QTest::mouseClick(button(0), Qt::LeftButton);
        QCOMPARE(square(), QStringLiteral("RODINABCEFGHKLMPQSTUVWXYZ"));
        QCOMPARE(box(1)->text(), QStringLiteral("SEGAX"));
        QCOMPARE(itemsOf(list(1)), QStringList({"TC", "PG"}));
    }

    void anAssistiveToolCanSetTheBoxes()
    {
        QAccessibleInterface *key = QAccessible::queryAccessibleInterface(box(0));
        QAccessibleInterface *message = QAccessible::queryAccessibleInterface(box(1));
        QVERIFY(key && message);
        QCOMPARE(key->text(QAccessible::Name), QStringLiteral("ключова дума:"));
        key->setText(QAccessible::Value, QStringLiteral("RODINA"));
        message->setText(QAccessible::Value, QStringLiteral("SEGA"));
        QCOMPARE(window->workspace().Text2[1], QStringLiteral("SEGA"));
        QTest::mouseClick(button(0), Qt::LeftButton);
        QCOMPARE(itemsOf(list(1)), QStringList({"TC", "PG"}));
    }

    void everyFocusableControlHasABulgarianName()
    {
        for (const char *focusable : {"Text1_0", "Text2_0", "Text2_1", "Command1_0", "Command1_1", "List1_0",
                                      "List1_1", "List1_2"}) {
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(control(QLatin1String(focusable)));
            QVERIFY2(iface && !iface->text(QAccessible::Name).isEmpty(), focusable);
        }
    }

    void tabVisitsTheControlsInOrder()
    {
        const QStringList order{"Text2_0", "Text2_1", "Command1_0", "Command1_1",
                                "List1_0", "List1_1", "List1_2", "Text1_0"};
        QCOMPARE(QApplication::focusWidget(), explanation());
        for (const QString &next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), next);
        }
    }

    void enterAndEscapePressNoButton()
    {
        for (int i = 0; i < 2; ++i) {
            button(i)->setFocus();
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
                QTest::keyClick(button(i), key);
        }
        QTest::keyClick(box(1), Qt::Key_Return);
        QCOMPARE(list(0)->count(), 0);
        QCOMPARE(box(0)->text(), QStringLiteral("PLAYFAIR EXAMPLE"));
        QCOMPARE(square(), plainSquare);
    }

    void theExplanationCanBeReadAndCopiedButNotChanged()
    {
        QPlainTextEdit *text = explanation();
        const QString before = text->toPlainText();
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);

        QTest::keyClicks(text, QStringLiteral("abc"));
        QTest::keyClick(text, Qt::Key_Backspace);
        QTest::keyClick(text, Qt::Key_Delete);
        QTest::keyClick(text, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(text->toPlainText(), before);
        QCOMPARE(window->workspace().Text1[0], Workspace::explanation());

        QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier);
        QVERIFY(text->verticalScrollBar()->value() > 0);
        QTest::keyClick(text, Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), before);
    }

    void anEncryptKeepsTheReadersPlace()
    {
        QScrollBar *scroll = explanation()->verticalScrollBar();
        scroll->setValue(scroll->maximum() / 2);
        const int place = scroll->value();
        QTest::mouseClick(button(0), Qt::LeftButton);
        QCOMPARE(scroll->value(), place);

        box(0)->setFocus();
        box(0)->setCursorPosition(4);
        clickRow(list(0), 2);
        QCOMPARE(box(0)->cursorPosition(), 4);
    }

    void aFailingHandlerIsReportedAndTheWindowGoesOn()
    {
        QString reported;
        QTimer::singleShot(0, this, [&reported] {
            if (auto box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                reported = box->text() + u'\n' + box->informativeText();
                box->accept();
            }
        });
        window->workspace().Text2[1] = QString(32768, u'a');
        QTest::mouseClick(button(0), Qt::LeftButton);

        QVERIFY(reported.contains(QStringLiteral("Криптирай")));
        QVERIFY(reported.contains(QStringLiteral("32768")));
        QCOMPARE(box(0)->text(), QStringLiteral("PLAYFAIREXAMPLE"));
        QCOMPARE(box(1)->text(), QString(40, u'A'));
        QCOMPARE(square(), plainSquare);
        QCOMPARE(list(0)->count(), 0);

        typeInto(box(1), QStringLiteral("HITHEGOLDINTHETRESRXLN"));
        QTest::mouseClick(button(0), Qt::LeftButton);
        QCOMPARE(square(), QStringLiteral("PLAYFIREXMBCDGHKNOQSTUVWZ"));
        QCOMPARE(itemsOf(list(2)), startGroups);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
