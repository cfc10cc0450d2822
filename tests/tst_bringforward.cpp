// Ctrl+E and Ctrl+B in the main window with an exercise or break window
// open bring that window forward instead of opening another, with the main
// window's present pairs unless the window has them already (or there are
// none).

#include "breakwindowfixture.h"
#include "helpers.h"

#include "ui/application.h"
#include "ui/practice/practicewindow.h"

#include <QPointer>
#include <QRandomGenerator>
#include <QSpinBox>

using namespace playfair;
using namespace playfair::testing;

class TestBringForward : public QObject, BreakWindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { setUpApplication(*qApp); }

    void cleanup() { endEverySearch(); }

    // Ctrl+E with an exercise open brings that window forward rather than
    // opening another: with the main window's pairs when they are new, with
    // the pupil's work when they are the same, as it was when there are none.
    void ctrlEAgainBringsTheOpenWindowForward_data()
    {
        QTest::addColumn<QString>("then"); // done in the main window before Ctrl+E again
        QTest::addColumn<QStringList>("pairs");
        QTest::addColumn<QString>("mark1"); // the first pair's mark afterwards

        QTest::newRow("the same pairs: the pupil's work stays") << "" << QStringList{"SE", "NR", "ZX"} << "✓ вярно";
        QTest::newRow("new pairs: a new task on them") << "hkie" << QStringList{"HK", "IE"} << "";
        QTest::newRow("no pairs after Чисти: the exercise stays") << "clear" << QStringList{"SE", "NR", "ZX"}
                                                                 << "✓ вярно";
    }

    void ctrlEAgainBringsTheOpenWindowForward()
    {
        QFETCH(QString, then);
        QFETCH(QStringList, pairs);
        QFETCH(QString, mark1);
        MainWindowDriver main;
        QVERIFY(main.openWindow());
        main.encrypt(QStringLiteral("rodina"), QStringLiteral("senrzx"));
        QTest::keyClick(main.window.get(), Qt::Key_E, Qt::ControlModifier);
        QPointer<PracticeWindow> practice = main.window->findChild<PracticeWindow *>();
        QVERIFY(practice);
        QLineEdit *first = practice->findChild<QLineEdit *>(QStringLiteral("answer1"));
        QTest::keyClicks(first, QStringLiteral("TC"));
        QTest::keyClick(first, Qt::Key_Return);

        QApplication::setActiveWindow(main.window.get());
        if (then == QStringLiteral("clear"))
            QTest::mouseClick(main.button(1), Qt::LeftButton);
        else if (!then.isEmpty())
            main.encrypt(QStringLiteral("rodina"), then);
        QTest::keyClick(main.window.get(), Qt::Key_E, Qt::ControlModifier);

        const QList<PracticeWindow *> open = main.window->findChildren<PracticeWindow *>();
        QCOMPARE(open.size(), 1);
        QCOMPARE(open.first(), practice.data());
        QVERIFY(QTest::qWaitForWindowActive(practice));
        QCOMPARE(practice->session().task().pairs, pairs);
        QCOMPARE(practice->findChild<QLabel *>(QStringLiteral("mark1"))->text(), mark1);
    }

    // Ctrl+B with a break window open brings it forward instead of opening
    // another: with the main window's pairs unless it holds them already
    // (a search on other input is given up), as it was when there are none.
    void ctrlBAgainBringsTheOpenWindowForward_data()
    {
        QTest::addColumn<QString>("before"); // what the user does in the break window first
        QTest::addColumn<QString>("then");   // in the main window before Ctrl+B again
        QTest::addColumn<bool>("newPairs");  // the window holds the main window's pairs afterwards
        QTest::addColumn<bool>("searching"); // the first search still runs

        QTest::newRow("new pairs") << "" << "encrypt" << true << false;
        QTest::newRow("the box edited: the pairs again") << "edit" << "" << true << false;
        QTest::newRow("no pairs after Чисти: as it was") << "edit" << "clear" << false << false;
        QTest::newRow("searching other letters: given up for the pairs") << "search other" << "" << true << false;
        QTest::newRow("searching the same pairs: left alone") << "search" << "" << true << true;
    }

    void ctrlBAgainBringsTheOpenWindowForward()
    {
        QFETCH(QString, before);
        QFETCH(QString, then);
        QFETCH(bool, newPairs);
        QFETCH(bool, searching);

        MainWindowDriver main;
        QVERIFY(main.openWindow());
        // Forty letters at random: no square makes them read like a language,
        // so a search on them runs to its time limit.
        QString noise;
        QRandomGenerator random(7);
        while (noise.size() < 40)
            noise += QChar(u'a' + random.bounded(26));
        main.encrypt(QStringLiteral("rodina"), noise);
        QTest::keyClick(main.window.get(), Qt::Key_B, Qt::ControlModifier);
        QPointer<BreakWindow> opened = main.window->findChild<BreakWindow *>();
        QVERIFY(opened);
        opened->setSearchOptions(1, 5);
        opened->findChild<QSpinBox *>(QStringLiteral("timeLimit"))->setValue(600);
        auto *box = opened->findChild<QPlainTextEdit *>(QStringLiteral("ciphertext"));
        if (before == QStringLiteral("edit") || before == QStringLiteral("search other"))
            typeInto(box, QStringLiteral("BM OD ZB XD NA BE KU DM UI XM"));
        const QString held = box->toPlainText();
        if (before.startsWith(QStringLiteral("search"))) {
            opened->start();
            QVERIFY(opened->isSearching());
        }
        const int run = opened->session().run();

        QApplication::setActiveWindow(main.window.get());
        if (then == QStringLiteral("clear"))
            QTest::mouseClick(main.button(1), Qt::LeftButton);
        else if (then == QStringLiteral("encrypt"))
            main.encrypt(QStringLiteral("monarchy"), QStringLiteral("send help to the north gate"));
        const QString pairs = itemsOf(main.list(1)).join(u' ');
        QTest::keyClick(main.window.get(), Qt::Key_B, Qt::ControlModifier);

        QCOMPARE(main.window->findChildren<BreakWindow *>().size(), 1);
        QVERIFY(opened);
        QVERIFY(QTest::qWaitForWindowActive(opened));
        QCOMPARE(box->toPlainText(), newPairs ? pairs : held);
        QCOMPARE(opened->isSearching(), searching);
        QCOMPARE(opened->session().run(), run);
        if (newPairs)
            QCOMPARE(opened->knownSquare(), squareOf(main.window->workspace()));
        if (!searching)
            QTRY_COMPARE_WITH_TIMEOUT(BreakJob::running(), 0, 5000);
    }
};

QTEST_MAIN(TestBringForward)
#include "tst_bringforward.moc"
