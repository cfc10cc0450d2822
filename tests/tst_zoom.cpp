// The zoom for a projector: the main window grown by the factor in every
// number of its geometry and its font, with every text whole, in both
// languages; the shortcuts and the menu stepping through the zoom; the
// step remembered; every open window following at once.

#include "windowfixture.h"

#include "ui/application.h"
#include "ui/break/breakwindow.h"
#include "ui/byhand/byhandwindow.h"
#include "ui/practice/practicewindow.h"
#include "ui/shared/zoom.h"
#include "ui/translations.h"

#include <QGroupBox>
#include <QMenu>
#include <QScrollArea>
#include <QSettings>
#include <QTimer>

using namespace playfair;
using namespace playfair::testing;

namespace {

int times(int value, int percent)
{
    return qRound(value * percent / 100.0);
}

// Every control of the main window: the window's own and the frame's.
QList<QWidget *> controlsOf(QWidget *window)
{
    QList<QWidget *> controls;
    for (QWidget *container : {window, window->findChild<QWidget *>(QStringLiteral("Frame1"))}) {
        for (QWidget *child : container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow())
                controls << child;
        }
    }
    return controls;
}

// How much of its room each text of the main window needs, by control: 1
// where it just fits, more where it is cut off.
QHash<QString, double> fillOf(QWidget *window)
{
    QHash<QString, double> fill;
    const auto need = [&fill](const QWidget *control, double width, double room, double height, double roomHigh) {
        const double share = std::max(width / room, height / roomHigh);
        fill[control->objectName()] = std::max(fill.value(control->objectName()), share);
    };
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        // The letters' ink, not their advance: a last letter's bearing may
        // stand outside the label unseen.
        const QFontMetrics metrics(label->font());
        if (!label->text().isEmpty())
            need(label, metrics.tightBoundingRect(label->text()).width(), label->contentsRect().width(),
                 metrics.height(), label->contentsRect().height());
    }
    for (const QPushButton *button : window->findChildren<QPushButton *>()) {
        const QFontMetrics metrics(button->font());
        need(button, metrics.horizontalAdvance(button->text()) + 8, button->width(), metrics.height() + 4,
             button->height());
    }
    for (const QGroupBox *frame : window->findChildren<QGroupBox *>()) {
        const QFontMetrics metrics(frame->font());
        need(frame, metrics.horizontalAdvance(frame->title()) + 16, frame->width(), metrics.height(), frame->height());
    }
    for (const QLineEdit *box : window->findChildren<QLineEdit *>()) {
        const QFontMetrics metrics(box->font());
        need(box, 1, 1, metrics.height() + 4, box->height());
    }
    for (const QListWidget *list : window->findChildren<QListWidget *>()) {
        const QFontMetrics metrics(list->font());
        for (int row = 0; row < list->count() && list->isVisible(); ++row)
            need(list, metrics.horizontalAdvance(list->item(row)->text()), list->viewport()->width(), metrics.height(),
                 list->visualItemRect(list->item(row)).height());
    }
    return fill;
}

// Opens a window's menu on its background and chooses the entry `choose`.
void chooseFromMenu(QWidget *window, const QString &choose)
{
    bool found = false;
    QTimer::singleShot(0, window, [&] {
        auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!popup)
            return;
        QAction *chosen = popup->findChild<QAction *>(choose);
        popup->close();
        if (chosen) {
            found = true;
            chosen->trigger();
        }
    });
    const QPoint background(window->width() / 2, window->height() - 3);
    QContextMenuEvent event(QContextMenuEvent::Mouse, background, window->mapToGlobal(background));
    QApplication::sendEvent(window, &event);
    QVERIFY2(found, qPrintable(choose));
}

} // namespace

class TestZoom : public QObject, MainWindowDriver
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // A step chosen in an earlier run is forgotten: the window opens at 100 %.
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("playfair"), QStringLiteral("playfair"))
            .remove(QStringLiteral("zoom"));
        setUpApplication(*qApp);
    }
    void init() { QVERIFY(openWindow()); }
    void cleanup()
    {
        showZoom(100);
        showLanguage(UiLanguage::Bulgarian);
        closeWindow();
    }

    void theMainWindowGrowsInProportion_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<bool>("english");
        for (const int percent : zoomSteps()) {
            QTest::addRow("%d %%, Bulgarian", percent) << percent << false;
            QTest::addRow("%d %%, English", percent) << percent << true;
        }
    }

    // Every number of the geometry and the font multiplied, and every text
    // of the window whole, with the lists filled: whole where it is whole at
    // 100 %, and where the described window has a text a little wider than
    // its label ("Шифър" over its list), no more cut off than there.
    void theMainWindowGrowsInProportion()
    {
        QFETCH(int, percent);
        QFETCH(bool, english);
        QHash<QWidget *, QRect> atFirst;
        for (QWidget *control : controlsOf(window.get()))
            atFirst.insert(control, control->geometry());
        QCOMPARE(window->size(), QSize(504, 424));

        showLanguage(english ? UiLanguage::English : UiLanguage::Bulgarian);
        QCoreApplication::processEvents(); // the LanguageChange posted to the window
        encrypt(QStringLiteral("playfair example"), QStringLiteral("WWWWMMMMWWWWMMMMWWWWMMMMWWWWMMMMWWWWMMMM"));
        const QHash<QString, double> fillAtFirst = fillOf(window.get());
        showZoom(percent);

        QCOMPARE(zoomPercent(), percent);
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QCOMPARE(window->size(), QSize(times(504, percent), times(424, percent)));
        for (auto it = atFirst.cbegin(); it != atFirst.cend(); ++it) {
            const QRect before = it.value();
            const QRect expected(times(before.x(), percent), times(before.y(), percent),
                                 times(before.width(), percent), times(before.height(), percent));
            QVERIFY2(it.key()->geometry() == expected, qPrintable(it.key()->objectName()));
        }
        for (const QWidget *widget : window->findChildren<QWidget *>()) {
            if (widget->objectName().isEmpty() || widget->objectName().startsWith(QStringLiteral("qt_")))
                continue;
            QCOMPARE(widget->font().pointSizeF(), 12.0 * percent / 100);
            QCOMPARE(widget->font().family(), QStringLiteral("Times New Roman"));
        }
        const QHash<QString, double> fill = fillOf(window.get());
        for (auto it = fill.cbegin(); it != fill.cend(); ++it) {
            const double atFirst = fillAtFirst.value(it.key());
            QVERIFY2(it.value() <= std::max(1.0, atFirst + 0.03),
                     qPrintable(QStringLiteral("%1 needs %2 of its room, %3 at 100 %")
                                    .arg(it.key())
                                    .arg(it.value())
                                    .arg(atFirst)));
        }
    }

    // Back at 100 % the window is exactly the described one again.
    void backToTheDescribedWindow()
    {
        QHash<QWidget *, QRect> atFirst;
        for (QWidget *control : controlsOf(window.get()))
            atFirst.insert(control, control->geometry());
        for (const int percent : {175, 300, 125, 100}) {
            showZoom(percent);
            QCOMPARE(window->size(), QSize(times(504, percent), times(424, percent)));
        }
        for (auto it = atFirst.cbegin(); it != atFirst.cend(); ++it)
            QCOMPARE(it.key()->geometry(), it.value());
        QCOMPARE(window->font().pointSizeF(), 12.0);
    }

    void theShortcutsStep_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<int>("to");
        QTest::newRow("Ctrl++ one step up") << 100 << QKeySequence(Qt::CTRL | Qt::Key_Plus) << 125;
        QTest::newRow("Ctrl+= as the keyboard types it") << 150 << QKeySequence(Qt::CTRL | Qt::Key_Equal) << 175;
        QTest::newRow("Ctrl++ after 200 takes 250") << 200 << QKeySequence(Qt::CTRL | Qt::Key_Plus) << 250;
        QTest::newRow("Ctrl++ at 300 stays") << 300 << QKeySequence(Qt::CTRL | Qt::Key_Plus) << 300;
        QTest::newRow("Ctrl+- one step down") << 250 << QKeySequence(Qt::CTRL | Qt::Key_Minus) << 200;
        QTest::newRow("Ctrl+- at 100 stays") << 100 << QKeySequence(Qt::CTRL | Qt::Key_Minus) << 100;
        QTest::newRow("Ctrl+0 the normal size") << 250 << QKeySequence(Qt::CTRL | Qt::Key_0) << 100;
    }

    // Pressed in the key word box, which keeps no such key for itself.
    void theShortcutsStep()
    {
        QFETCH(int, from);
        QFETCH(QKeySequence, keys);
        QFETCH(int, to);
        showZoom(from);
        box(0)->setFocus();
        QTest::keySequence(box(0), keys);
        QCOMPARE(zoomPercent(), to);
        QCOMPARE(window->width(), times(504, to));
    }

    // The step chosen from the menu is kept in the settings, and a window
    // opened afterwards opens at it.
    void theMenuChoiceIsRemembered()
    {
        chooseFromMenu(window.get(), QStringLiteral("zoom_175"));
        QCOMPARE(zoomPercent(), 175);
        QCOMPARE(window->width(), times(504, 175));
        const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("playfair"),
                                 QStringLiteral("playfair"));
        QCOMPARE(settings.value(QStringLiteral("zoom")).toInt(), 175);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
        auto *practice = window->findChild<PracticeWindow *>();
        QVERIFY(practice);
        QCOMPARE(practice->font().pointSizeF(), 21.0);
        chooseFromMenu(practice, QStringLiteral("zoomReset"));
        QCOMPARE(zoomPercent(), 100);
        QCOMPARE(window->width(), 504);
    }

    void everyWindowFollowsAtOnce_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<bool>("stepByStep");
        QTest::newRow("200 % at once") << 200 << false;
        QTest::newRow("300 % at once") << 300 << false;
        QTest::newRow("300 % step by step") << 300 << true;
    }

    // The three windows the main window opens, open while the zoom
    // changes: every text of theirs grows (some are smaller than the
    // window's by design, none less than 0.7 of it) and the squares' cells
    // with it; and each stays within the screen (800 × 600 here), scrolling
    // what it cannot show.
    void everyWindowFollowsAtOnce()
    {
        QFETCH(int, percent);
        QFETCH(bool, stepByStep);
        encrypt(QStringLiteral("rodina"), QStringLiteral("send help to the north gate"));
        for (const Qt::Key key : {Qt::Key_E, Qt::Key_B, Qt::Key_R})
            QTest::keyClick(window.get(), key, Qt::ControlModifier);
        const QList<QWidget *> windows{window->findChild<PracticeWindow *>(), window->findChild<BreakWindow *>(),
                                       window->findChild<ByHandWindow *>()};
        QHash<QWidget *, int> cellSides;
        for (QWidget *other : windows) {
            QVERIFY(other && other->isVisible());
            const QWidget *cell = other->findChild<QWidget *>(QStringLiteral("cell_0"));
            QVERIFY(cell);
            cellSides.insert(other, cell->height());
        }
        for (const int step : zoomSteps()) {
            if (stepByStep && step < percent) {
                showZoom(step);
                QCoreApplication::processEvents();
            }
        }
        showZoom(percent);
        QCoreApplication::processEvents();
        for (QWidget *other : windows) {
            const double least = 0.7 * 12 * percent / 100;
            for (const QWidget *widget : other->findChildren<QWidget *>()) {
                QVERIFY2(widget->font().pointSizeF() >= least,
                         qPrintable(other->objectName() + u' ' + widget->objectName() + u' '
                                    + QString::number(widget->font().pointSizeF())));
            }
            const int side = other->findChild<QWidget *>(QStringLiteral("cell_0"))->height();
            QVERIFY2(side >= cellSides.value(other) * percent / 100 * 0.85, qPrintable(QString::number(side)));
            const QSize room = other->screen()->availableGeometry().size();
            QVERIFY2(other->width() <= room.width() && other->height() <= room.height(),
                     qPrintable(QStringLiteral("%1 is %2×%3").arg(other->objectName()).arg(other->width()).arg(other->height())));
            QVERIFY(other->findChild<QScrollArea *>(QStringLiteral("zoomScroll")));
        }
    }
};

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"
