#include "breakwindowfixture.h"
#include "helpers.h"

#include "engine/characters.h"
#include "engine/demonstration.h"
#include "ui/application.h"
#include "ui/break/scoreplot.h"

#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextLayout>

using namespace playfair;
using namespace playfair::testing;

namespace {

// 200 letters of the held-out book, prepared, and encrypted on a square
// drawn with a fixed seed.
Demonstration heldOutDemonstration()
{
    QFile file(QStringLiteral(PLAYFAIR_HELDOUT_DIR "/en_wells_time_machine.txt"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read the held-out book");
    const QString letters = cleaned(upperCased(QString::fromUtf8(file.readAll()))).mid(20000, 260);
    QRandomGenerator random(2026);
    Demonstration demonstration = *Demonstration::make(letters, Demonstration::randomSquare(random));
    demonstration.prepared.truncate(200);
    demonstration.ciphertext.truncate(200);
    return demonstration;
}

// 200 letters with no language in them: no two searches agree on them, so
// a search runs until it is stopped.
QString noise()
{
    QRandomGenerator random(7);
    QString letters;
    while (letters.size() < 200) {
        const QChar first(u'A' + random.bounded(26));
        const QChar second(u'A' + random.bounded(26));
        if (first != u'J' && second != u'J' && first != second)
            letters += QString(first) + second;
    }
    return letters;
}

} // namespace

// The break window's searches, run to their end or stopped: what it shows
// of the square, the plaintext, the words and the key word, and that
// nothing is left running.
class TestBreakSearch : public QObject, BreakWindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { setUpApplication(*qApp); }

    void cleanup() { closeTheWindow(); }

    // 200 letters of a book the statistics never saw, on one thread with a
    // fixed seed: the search ends sure of itself, the square shows the key
    // with every cell marked and the plaintext is the prepared text.
    void solvesAKnownText()
    {
        const Demonstration known = heldOutDemonstration();
        openWindow({pairsOf(known.ciphertext), known.square, QString()});
        window->setSearchOptions(1, 12345);
        control<QSpinBox>("timeLimit")->setValue(120); // a safety net only
        ciphertext()->setFocus();
        QTest::keyClick(ciphertext(), Qt::Key_Return);
        QVERIFY(!startButton()->isEnabled());
        QVERIFY(stopButton()->isEnabled());
        QVERIFY(control<QWidget>("demonstration")->isEnabled() == false);

        QVERIFY(waitForTheEnd());
        QVERIFY2(status().contains(QStringLiteral("резултатът е сигурен")), qPrintable(status()));
        QVERIFY(!stopButton()->isEnabled());
        QCOMPARE(square()->letters(), known.square);
        QCOMPARE(square()->emphasised().size(), 25);
        QCOMPARE(plaintext()->plain(), known.prepared);
        QCOMPARE(plaintext()->cipher(), known.ciphertext);
        QCOMPARE(control<QLabel>("inPlace")->text(),
                 QStringLiteral("На мястото си: 25 от 25 букви.\nВерен текст: 100 % от буквите."));
        // The plot compares like with like: the solver's score of the right
        // plaintext is the true plaintext's own.
        const QList<QPointF> &points = control<ScorePlot>("scorePlot")->points();
        QVERIFY(!points.isEmpty());
        QVERIFY(window->session().trueScore());
        QCOMPARE(points.constLast().y(), *window->session().trueScore());
        // Each plain pair stands under its cipher pair.
        const QStringList lines = plaintext()->toPlainText().split(u'\n');
        QCOMPARE(lines.value(0).size(), lines.value(1).size());
        QCOMPARE(lines.value(0).left(5), pairsOf(known.ciphertext.left(4)));
        QCOMPARE(lines.value(1).left(5), pairsOf(known.prepared.left(4)));

        // Under the pairs, the words: 200 letters of them wrap in their box
        // and leave the window as small as it was.
        auto *words = control<QPlainTextEdit>("words");
        QVERIFY(words->toPlainText().startsWith(QStringLiteral("Думите (догадка): ")));
        QCOMPARE(words->toPlainText(), window->session().wordsLine());
        QTRY_VERIFY(words->document()->firstBlock().layout()->lineCount() > 1);
        QVERIFY(words->horizontalScrollBar()->maximum() == 0);
        const QSize least = window->minimumSizeHint();
        QVERIFY2(least.width() <= 1000 && least.height() <= 720,
                 qPrintable(QStringLiteral("%1×%2").arg(least.width()).arg(least.height())));
        // A random square's key word panel, if any, says what the session says.
        QCOMPARE(control<QLabel>("foundKeyWord")->text(), window->session().keyWordLine());
        QCOMPARE(control("keyWordFrame")->isVisible(), !window->session().keyWordLine().isEmpty());
    }

    // A key word's square is found and its key word shown large, with why
    // key words are weak: on the main window's start example, opened after
    // an Encrypt, and on the break window's own demonstration with RODINA.
    // One thread and a fixed seed: the same search every time.
    void findsTheKeyWord_data()
    {
        QTest::addColumn<QString>("from");    // "main" or "demonstration"
        QTest::addColumn<QString>("keyWord"); // the one the text was encrypted with
        QTest::addColumn<QString>("words");   // the start of the words line

        QTest::newRow("the main window's start example") << "main" << "PLAYFAIR EXAMPLE" << "HI THE GOLD IN THE";
        QTest::newRow("the demonstration's RODINA")
            << "demonstration" << "RODINA" << "MEET ME AT THE OLD MILL AFTER DARK";
    }

    void findsTheKeyWord()
    {
        QFETCH(QString, from);
        QFETCH(QString, keyWord);
        QFETCH(QString, words);

        MainWindowDriver main;
        BreakWindow *opened = nullptr;
        if (from == QStringLiteral("main")) {
            QVERIFY(main.openWindow());
            QTest::mouseClick(main.button(0), Qt::LeftButton); // Encrypt, on the boxes' start texts
            QTest::keyClick(main.button(0), Qt::Key_B, Qt::ControlModifier);
            opened = main.window->findChild<BreakWindow *>();
            QVERIFY(opened);
        } else {
            openWindow();
            opened = window.get();
            typeInto(control("demoText"),
                     QStringLiteral("Meet me at the old mill after dark and bring the map of the northern pass."));
            QTest::mouseClick(control("useKeyWord"), Qt::LeftButton);
            QCOMPARE(control<QLineEdit>("keyWord")->text(), keyWord); // the box starts with it
            QTest::mouseClick(control("encrypt"), Qt::LeftButton);
        }
        QCOMPARE(opened->knownSquare(), Demonstration::keySquare(keyWord));
        const auto find = [opened](const char *name) { return opened->findChild<QWidget *>(QLatin1String(name)); };
        auto *panel = find("keyWordFrame");
        auto *line = qobject_cast<QLabel *>(find("foundKeyWord"));
        auto *note = qobject_cast<QLabel *>(find("keyWordNote"));
        QVERIFY(panel && line && note);
        QVERIFY(!panel->isVisible());

        opened->setSearchOptions(1, 2026);
        opened->findChild<QSpinBox *>(QStringLiteral("timeLimit"))->setValue(120); // a safety net only
        auto *start = opened->findChild<QPushButton *>(QStringLiteral("start"));
        QTest::mouseClick(start, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), 120000);

        const QString status = opened->findChild<QLabel *>(QStringLiteral("status"))->text();
        QVERIFY2(status.contains(QStringLiteral("квадратът е от ключова дума")), qPrintable(status));
        QVERIFY(panel->isVisible());
        QVERIFY(line->font().bold());
        QVERIFY(line->font().pointSizeF() > opened->font().pointSizeF());
        const QString named = line->text();
        QVERIFY2(named.startsWith(QStringLiteral("Ключовата дума е ")), qPrintable(named));
        // The key the text was encrypted with, by the name it was given,
        // whatever shorter key the search names (the note may name it).
        QCOMPARE(named, QStringLiteral("Ключовата дума е ") + keyWord);
        QCOMPARE(note->text(), opened->session().keyWordNote());
        QVERIFY(note->text().contains(QStringLiteral(" такива ключа, а квадратите, които шифрират различно")));

        QCOMPARE(opened->findChild<SquareView *>(QStringLiteral("square"))->emphasised().size(), 25);
        const QString wordsShown = opened->findChild<QPlainTextEdit *>(QStringLiteral("words"))->toPlainText();
        QVERIFY2(wordsShown.startsWith(QStringLiteral("Думите (догадка): ") + words), qPrintable(wordsShown));

        // New input takes the key word away.
        opened->setInput({});
        QVERIFY(!panel->isVisible());
        QCOMPARE(opened->findChild<QPlainTextEdit *>(QStringLiteral("words"))->toPlainText(), QString());
    }

    // Stopping (by Спри, or Escape wherever the focus is), closing the window
    // and closing the main window that owns it each end the search at once,
    // and nothing is left running.
    void stopAndClose_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("the stop button") << "stop";
        QTest::newRow("Escape in the ciphertext box") << "ciphertext";
        QTest::newRow("Escape in the plaintext") << "plaintext";
        QTest::newRow("closing the window") << "close";
        QTest::newRow("closing the main window") << "owner";
    }

    void stopAndClose()
    {
        QFETCH(QString, how);
        MainWindowDriver main;
        QVERIFY(main.openWindow());
        QPointer<BreakWindow> opened = openBreakWindow({pairsOf(noise()), QString(), QString()}, main.window.get());
        QVERIFY(QTest::qWaitForWindowExposed(opened));
        opened->setSearchOptions(1, 3);
        QTest::mouseClick(opened->findChild<QPushButton *>(QStringLiteral("start")), Qt::LeftButton);
        QCOMPARE(BreakJob::running(), 1);
        // Wait for the first report, so the search is well under way.
        QTRY_VERIFY_WITH_TIMEOUT(
            !opened->findChild<QLabel *>(QStringLiteral("status"))->text().contains(QStringLiteral(" 0 ключа")), 10000);
        QCOMPARE(BreakJob::running(), 1);

        const bool stopped = how != QStringLiteral("close") && how != QStringLiteral("owner");
        auto *stop = opened->findChild<QPushButton *>(QStringLiteral("stop"));
        if (how == QStringLiteral("stop")) {
            QTest::mouseClick(stop, Qt::LeftButton);
            QVERIFY(!stop->isEnabled());
        } else if (stopped) {
            // Спри says which key does the same.
            QVERIFY(stop->toolTip().contains(QStringLiteral("Esc")));
            QWidget *focus = opened->findChild<QWidget *>(how);
            focus->setFocus();
            QTest::keyClick(focus, Qt::Key_Escape);
            QVERIFY(!stop->isEnabled());
        } else if (how == QStringLiteral("close")) {
            QVERIFY(opened->close());
        } else {
            main.window.reset();
            QVERIFY(!opened);
        }
        // A generous bound: the benchmark measures the real time.
        QTRY_COMPARE_WITH_TIMEOUT(BreakJob::running(), 0, 2000);
        if (stopped) {
            QTRY_VERIFY(opened->findChild<QPushButton *>(QStringLiteral("start"))->isEnabled());
            const QString status = opened->findChild<QLabel *>(QStringLiteral("status"))->text();
            QVERIFY2(status.contains(QStringLiteral(": спряно")), qPrintable(status));
        } else {
            QTRY_VERIFY(!opened);
        }
    }
};

QTEST_MAIN(TestBreakSearch)
#include "tst_breaksearch.moc"
