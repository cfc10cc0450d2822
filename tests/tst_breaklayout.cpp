// Nothing overlaps at any size the exercise and break windows allow, at
// 100 %, 200 % and 300 % zoom: every wrapped text has the height it needs,
// no control covers another, and the score plot names its lines clear of
// the other lines, the step line and its dot.

#include "breakwindowfixture.h"

#include "analysis/solver.h"
#include "ui/application.h"
#include "ui/break/scoreplot.h"
#include "ui/byhand/byhandwindow.h"
#include "ui/practice/practicewindow.h"
#include "ui/shared/wrappedlabel.h"
#include "ui/shared/zoom.h"
#include "workspace/byhand/lesson.h"

#include <QAbstractScrollArea>
#include <QGroupBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QSpinBox>

using namespace playfair;
using namespace playfair::testing;

namespace {

// The window at `width` (its least when 0) and its least height there.
void shrink(QWidget *window, int width)
{
    for (int i = 0; i < 10; ++i) {
        window->resize(width, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
    }
}

bool isContainer(const QWidget *widget)
{
    const QByteArray name = widget->metaObject()->className();
    return widget->isWindow() || name == "QWidget" || name == "QFrame" || qobject_cast<const QGroupBox *>(widget);
}

// The first overlap among the visible widgets inside `container`: a wrapped
// label lower than its text, a child outside its container, two children
// of one container that cover each other.
QString overlapIn(const QWidget *container)
{
    QList<const QWidget *> children;
    for (const QObject *object : container->children()) {
        const auto *child = qobject_cast<const QWidget *>(object);
        if (child && !child->isWindow() && child->isVisible())
            children << child;
    }
    const QRect room(QPoint(0, 0), container->size());
    for (qsizetype i = 0; i < children.size(); ++i) {
        const QWidget *child = children[i];
        const QString name = child->objectName().isEmpty() ? QLatin1String(child->metaObject()->className())
                                                             : child->objectName();
        if (const auto *label = qobject_cast<const WrappedLabel *>(child);
            label && label->height() < label->heightForWidth(label->width()))
            return QStringLiteral("%1 is %2 high, its text needs %3").arg(name).arg(label->height()).arg(
                label->heightForWidth(label->width()));
        if (!room.contains(child->geometry()))
            return QStringLiteral("%1 stands outside %2").arg(name, container->objectName());
        for (qsizetype j = i + 1; j < children.size(); ++j) {
            if (child->geometry().intersects(children[j]->geometry()))
                return QStringLiteral("%1 and %2 overlap").arg(name, children[j]->objectName());
        }
        if (isContainer(child)) {
            if (const QString inside = overlapIn(child); !inside.isEmpty())
                return inside;
        }
        // A window too large for the screen at its zoom scrolls its controls.
        if (const auto *area = qobject_cast<const QScrollArea *>(child);
            area && area->objectName() == QStringLiteral("zoomScroll")) {
            if (const QString inside = overlapIn(area->widget()); !inside.isEmpty())
                return inside;
        }
    }
    return {};
}

} // namespace

class TestBreakLayout : public QObject, BreakWindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { setUpApplication(*qApp); }

    void cleanup()
    {
        closeTheWindow();
        showZoom(100);
    }

    // The break window in the states with the most text, at its least width
    // and a wider one, opened at each zoom.
    void breakWindowAtItsLeast_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("width"); // 0: the least
        QTest::addColumn<int>("zoom");

        for (const int zoom : {100, 200, 300}) {
            for (const char *state : {"a demonstration, the key known", "a demonstration in Cyrillic",
                                      "a key word found", "a random square stopped"}) {
                QTest::addRow("%s, least width, %d %%", state, zoom) << QString::fromLatin1(state) << 0 << zoom;
                QTest::addRow("%s, %d wide, %d %%", state, 11 * zoom, zoom)
                    << QString::fromLatin1(state) << 11 * zoom << zoom;
            }
        }
    }

    void breakWindowAtItsLeast()
    {
        QFETCH(QString, state);
        QFETCH(int, width);
        QFETCH(int, zoom);
        showZoom(zoom);
        openWindow();
        window->setSearchOptions(1, 11);
        const bool keyWord = state != QStringLiteral("a random square stopped");
        const bool cyrillic = state == QStringLiteral("a demonstration in Cyrillic");
        const QString text = cyrillic ? QStringLiteral("Срещаме се при стария мост в полунощ, донеси картата.")
            : keyWord                 ? QStringLiteral("Meet me at the old mill after dark and bring the map.")
                                      : QStringLiteral("Attack the north gate");
        typeInto(control("demoText"), text);
        QTest::mouseClick(control(keyWord ? "useKeyWord" : "useRandomSquare"), Qt::LeftButton);
        if (cyrillic)
            typeInto(control("keyWord"), QStringLiteral("Родина"));
        QTest::mouseClick(control("encrypt"), Qt::LeftButton);
        // Both the text and the key word were written in Latin letters, a line each.
        QVERIFY(!cyrillic || status().count(u'\n') == 1);
        if (state != QStringLiteral("a demonstration, the key known") && !cyrillic) {
            window->start();
            if (!keyWord) {
                QTest::qWait(1500);
                window->stop();
            }
            QVERIFY(waitForTheEnd());
            QVERIFY(control("keyWordFrame")->isVisible());
        }
        shrink(window.get(), width);
        QVERIFY(width == 0 || window->width() == width);
        const QString overlap = overlapIn(window.get());
        QVERIFY2(overlap.isEmpty(), qPrintable(QStringLiteral("%1 at %2×%3")
                                                   .arg(overlap)
                                                   .arg(window->width())
                                                   .arg(window->height())));
    }

    void exerciseWindowAtItsLeast_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::newRow("100 %") << 100;
        QTest::newRow("200 %") << 200;
        QTest::newRow("300 %") << 300;
    }

    // The exercise window at its least size with the longest hint: a
    // second wrong answer, with Cyrillic typed after it; zoomed while open.
    void exerciseWindowAtItsLeast()
    {
        QFETCH(int, zoom);
        PracticeWindow exercise(PracticeTask{QStringLiteral("RODINA"), QStringLiteral("RODINABCEFGHKLMPQSTUVWXYZ"),
                                             QStringLiteral("SE NR ZN RO RA HK DN IE").split(u' ')});
        exercise.show();
        QVERIFY(QTest::qWaitForWindowExposed(&exercise));
        auto *first = exercise.findChild<QLineEdit *>(QStringLiteral("answer1"));
        for (const QString &wrong : {QStringLiteral("AB"), QStringLiteral("CD")}) {
            first->selectAll();
            QTest::keyClicks(first, wrong);
            QTest::keyClick(first, Qt::Key_Return);
        }
        QKeyEvent cyrillic(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("д"));
        QApplication::sendEvent(exercise.findChild<QLineEdit *>(QStringLiteral("answer2")), &cyrillic);
        QTRY_VERIFY(exercise.session().cyrillicTyped());
        showZoom(zoom);
        shrink(&exercise, 0);
        const QString overlap = overlapIn(&exercise);
        QVERIFY2(overlap.isEmpty(), qPrintable(overlap));
    }

    // The by-hand window at its least size (in both languages: CTest runs
    // this in English too), mid-lesson
    // with a guess not taken, and with a long ciphertext: nothing overlaps,
    // and 1000 wide it needs no more height than a 1024 × 768 screen leaves
    // under a window frame; zoomed while open.
    void byHandWindowAtItsLeast_data()
    {
        QTest::addColumn<bool>("lesson");
        QTest::addColumn<int>("zoom");
        for (const int zoom : {100, 200, 300}) {
            QTest::addRow("mid-lesson, %d %%", zoom) << true << zoom;
            QTest::addRow("a ciphertext longer than a board, %d %%", zoom) << false << zoom;
        }
    }

    void byHandWindowAtItsLeast()
    {
        QFETCH(bool, lesson);
        QFETCH(int, zoom);
        BreakInput input;
        input.ciphertext = lesson ? QString() : Lesson::example().ciphertext().repeated(10);
        ByHandWindow byHand(input);
        byHand.show();
        QVERIFY(QTest::qWaitForWindowExposed(&byHand));
        if (lesson) {
            QTest::mouseClick(byHand.findChild<QPushButton *>(QStringLiteral("lesson")), Qt::LeftButton);
            for (int step = 0; step < 6; ++step) {
                QTest::mouseClick(byHand.findChild<QPushButton *>(QStringLiteral("show")), Qt::LeftButton);
                QTest::mouseClick(byHand.findChild<QPushButton *>(QStringLiteral("forward")), Qt::LeftButton);
            }
            auto *box = byHand.findChild<QLineEdit *>(QStringLiteral("pair13"));
            box->setFocus();
            QTest::keyClicks(box, QStringLiteral("HE"));
            QTest::keyClick(box, Qt::Key_Return);
            QTest::mouseClick(byHand.findChild<QPushButton *>(QStringLiteral("hintButton")), Qt::LeftButton);
        }
        showZoom(zoom);
        for (const int width : {10 * zoom, 0}) {
            shrink(&byHand, width);
            const QString overlap = overlapIn(&byHand);
            QVERIFY2(overlap.isEmpty(),
                     qPrintable(QStringLiteral("%1 at %2×%3").arg(overlap).arg(byHand.width()).arg(byHand.height())));
            QVERIFY2(width == 0 || zoom > 100 || byHand.height() <= 720,
                     qPrintable(QStringLiteral("%1×%2").arg(byHand.width()).arg(byHand.height())));
        }
    }

    // The names of the plot's lines keep clear of the other lines, the step
    // line, its dot and one another, inside the plot.
    void plotNamesKeepClear_data()
    {
        QTest::addColumn<QList<QPointF>>("points");
        QTest::addColumn<double>("trueScore"); // NaN: the key not known
        QTest::addColumn<QSize>("size");

        const analysis::ScoreLevels english = analysis::scoreLevels(analysis::Language::English);
        const double typical = english.typical;
        const double none = std::nan("");
        const QSize least(240, 130);
        const QList<QPointF> fast{{0.05, english.random + 0.3}, {0.3, typical - 0.1}};
        QTest::newRow("a fast break ends near the language's name") << fast << typical - 0.05 << QSize(320, 170);
        QTest::newRow("a fast break at the least size") << fast << typical - 0.05 << least;
        QTest::newRow("the true text just above the language") << fast << typical + 0.08 << least;
        QTest::newRow("a long climb to the true text")
            << QList<QPointF>{{0.4, english.random}, {3, typical - 1.2}, {9, typical - 0.4}, {25, typical + 0.1}}
            << typical + 0.1 << least;
        QTest::newRow("a search stuck at random letters")
            << QList<QPointF>{{0.1, english.random - 0.1}, {29.5, english.random + 0.05}} << none << least;
        QTest::newRow("nothing found yet") << QList<QPointF>{} << typical - 0.3 << least;
    }

    void plotNamesKeepClear()
    {
        QFETCH(QList<QPointF>, points);
        QFETCH(double, trueScore);
        QFETCH(QSize, size);

        const analysis::ScoreLevels english = analysis::scoreLevels(analysis::Language::English);
        ScorePlot plot;
        QFont font(QStringLiteral("Times New Roman"));
        font.setPointSize(12);
        plot.setFont(font);
        plot.setLevels(english.random, english.typical);
        plot.setTrueScore(std::isnan(trueScore) ? std::nullopt : std::optional(trueScore));
        plot.setPoints(points);
        const ScorePlot::Layout layout = plot.layoutAt(size);
        QVERIFY(!layout.area.isEmpty());
        QCOMPARE(layout.landmarks.size(), std::isnan(trueScore) ? 2 : 3);
        QCOMPARE(layout.dot.isEmpty(), points.isEmpty());

        QList<QRectF> taken; // the step line's segments, a pen's width round them, and the dot
        for (qsizetype i = 1; i < layout.line.size(); ++i)
            taken << QRectF(layout.line[i - 1], layout.line[i]).normalized().adjusted(-1, -1, 1, 1);
        if (!points.isEmpty())
            taken << layout.dot;
        for (const ScorePlot::Layout::Landmark &landmark : layout.landmarks) {
            const QRectF &box = landmark.label;
            QVERIFY2(layout.area.contains(box), qPrintable(landmark.name));
            for (const ScorePlot::Layout::Landmark &other : layout.landmarks) {
                if (&other == &landmark)
                    continue;
                QVERIFY2(other.y < box.top() || other.y > box.bottom(),
                         qPrintable(QStringLiteral("the line of %1 crosses %2").arg(other.name, landmark.name)));
                QVERIFY2(!box.intersects(other.label), qPrintable(QStringLiteral("%1 and %2").arg(other.name, landmark.name)));
            }
            QVERIFY2(landmark.y < box.top() || landmark.y > box.bottom(), qPrintable(landmark.name));
            for (const QRectF &part : taken)
                QVERIFY2(!box.intersects(part), qPrintable(QStringLiteral("the step line covers %1").arg(landmark.name)));
        }
    }
};

QTEST_MAIN(TestBreakLayout)
#include "tst_breaklayout.moc"
