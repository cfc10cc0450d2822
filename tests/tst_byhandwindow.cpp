// The by-hand window as a pupil drives it: what only the window shows (the
// letters that follow in the empty boxes, a guess not taken kept red in its
// box, the lesson's buttons, the key words arriving from their thread), its
// shortcuts, how the other windows open it, and its texts in both languages.

#include "breakwindowfixture.h"
#include "byhandhelpers.h"
#include "helpers.h"

#include "ui/application.h"
#include "ui/byhand/byhandwindow.h"
#include "ui/byhand/keyjob.h"
#include "ui/translations.h"

#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPointer>
#include <QTabBar>

#include <memory>

using namespace playfair;
using namespace playfair::testing;

namespace {

bool hasCyrillic(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x400 && c.unicode() < 0x530; });
}

// A by-hand window on the lesson's ciphertext, driven with real key and
// mouse events.
struct ByHandDriver
{
    std::unique_ptr<ByHandWindow> window;

    bool open(const QString &ciphertext = lesson().ciphertext())
    {
        BreakInput input;
        input.ciphertext = ciphertext;
        window = std::make_unique<ByHandWindow>(input);
        window->show();
        QApplication::setActiveWindow(window.get());
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    template<typename T = QWidget>
    T *control(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qFatal("No control named %s", qPrintable(name));
        return found;
    }

    QLineEdit *pair(int number) const { return control<QLineEdit>(QStringLiteral("pair%1").arg(number)); }
    QString notes() const { return control<QPlainTextEdit>(QStringLiteral("notes"))->toPlainText(); }

    // Types into a pair's box and presses Enter, as a pupil does.
    void guess(int number, const QString &text) const
    {
        QLineEdit *box = pair(number);
        box->setFocus();
        box->selectAll();
        for (QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(box, c.toLatin1());
            } else { // as a Bulgarian keyboard layout types it
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(box, &press);
            }
        }
        QTest::keyClick(box, Qt::Key_Return);
    }

    void click(const char *button) const { QTest::mouseClick(control<QPushButton>(QLatin1String(button)), Qt::LeftButton); }
};

// Every text the window shows or reads out, each with its control's name.
QStringList textsOf(const QWidget *window)
{
    QStringList texts{window->windowTitle()};
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        // A tab bar's scroll buttons are named by Qt's own translation, once.
        if (qobject_cast<const QTabBar *>(w->parentWidget()))
            continue;
        QStringList own{w->toolTip(), w->accessibleName()};
        if (const auto *label = qobject_cast<const QLabel *>(w))
            own << label->text();
        else if (const auto *button = qobject_cast<const QAbstractButton *>(w))
            own << button->text();
        else if (const auto *group = qobject_cast<const QGroupBox *>(w))
            own << group->title();
        else if (const auto *line = qobject_cast<const QLineEdit *>(w))
            own << line->placeholderText();
        else if (const auto *box = qobject_cast<const QPlainTextEdit *>(w))
            own << box->toPlainText() << box->placeholderText();
        else if (const auto *list = qobject_cast<const QListWidget *>(w))
            for (int row = 0; row < list->count(); ++row)
                own << list->item(row)->text();
        else if (const auto *combo = qobject_cast<const QComboBox *>(w))
            for (int i = 0; i < combo->count(); ++i)
                own << combo->itemText(i);
        else if (const auto *tabs = qobject_cast<const QTabWidget *>(w))
            for (int i = 0; i < tabs->count(); ++i)
                own << tabs->tabText(i);
        for (const QString &text : own) {
            if (!text.isEmpty())
                texts << w->objectName() + QStringLiteral(": ") + text;
        }
    }
    for (const QAction *action : window->actions())
        texts << action->text();
    return texts;
}

} // namespace

class TestByHandWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { setUpApplication(*qApp); }

    void cleanup()
    {
        showLanguage(UiLanguage::Bulgarian);
        QTRY_COMPARE(KeyJob::running(), 0);
    }

    // Typing into the boxes: the accessible names, the letters that follow
    // shown in the empty boxes, the plaintext and the notes; a guess not
    // taken stays red in its box and the note names the pairs.
    void typedGuesses_data()
    {
        QTest::addColumn<QStringList>("typed"); // "pair=text"
        QTest::addColumn<QList<int>>("following");
        QTest::addColumn<int>("rejected"); // the pair whose box keeps a guess not taken, or 0
        QTest::addColumn<QString>("note");
        QTest::newRow("THE at the start") << QStringList{"1=th", "2=e"} << QList<int>{13, 14, 41, 43} << 0
                                          << "Двойка 14 (AH) повтаря двойка 2 и също се чете E?.";
        QTest::newRow("a reversed pair") << QStringList{"3=RE"} << QList<int>{12, 44} << 0 << "се чете обратно: ER";
        QTest::newRow("a guess that contradicts")
            << QStringList{"1=TH", "13=HE"} << QList<int>{43} << 13 << "двойки 1 и 13 (TH = LT, HE = LT)";
        QTest::newRow("Cyrillic letters") << QStringList{"1=тх"} << QList<int>{} << 1 << "латински букви";
    }

    void typedGuesses()
    {
        QFETCH(QStringList, typed);
        QFETCH(QList<int>, following);
        QFETCH(int, rejected);
        QFETCH(QString, note);
        ByHandDriver driver;
        QVERIFY(driver.open());
        for (int number = 1; number <= driver.window->session().pairCount(); ++number)
            QCOMPARE(driver.pair(number)->accessibleName(), QStringLiteral("Двойка %1").arg(number));
        for (const QString &entry : typed)
            driver.guess(entry.section(u'=', 0, 0).toInt(), entry.section(u'=', 1));

        for (int number : following) {
            QCOMPARE(driver.pair(number)->text(), QString());
            const QString shown = driver.pair(number)->placeholderText();
            const QString truth = lesson().plaintext().mid(2 * (number - 1), 2);
            QCOMPARE(shown.size(), 2);
            for (int i = 0; i < 2; ++i)
                QVERIFY(shown[i] == u'?' || shown[i] == truth[i]);
        }
        const QString plaintext = driver.control<QPlainTextEdit>(QStringLiteral("plaintext"))->toPlainText();
        QCOMPARE(driver.control<QPlainTextEdit>(QStringLiteral("plaintext"))->accessibleName(), QStringLiteral("Открит текст"));
        QCOMPARE(plaintext, driver.window->session().plaintextPairs());
        QCOMPARE(driver.control<QPlainTextEdit>(QStringLiteral("notes"))->accessibleName(), QStringLiteral("Изводи"));
        QVERIFY2(driver.notes().contains(note), qPrintable(driver.notes()));
        if (rejected) {
            const QString kept = typed.last().section(u'=', 1);
            QCOMPARE(driver.pair(rejected)->text(), kept);
            QVERIFY(driver.pair(rejected)->styleSheet().contains(QStringLiteral("color")));
            QCOMPARE(driver.window->session().guess(rejected - 1), QString());
        }
    }

    // Undo and Redo (Ctrl+Z, Ctrl+Shift+Z) in a box that holds nothing typed of its own
    // step the board back and forth; letters typed into the square's cells
    // are placed, and one that contradicts stays red in its cell.
    void undoRedoAndTheSquare()
    {
        ByHandDriver driver;
        QVERIFY(driver.open());
        driver.guess(1, QStringLiteral("TH"));
        driver.guess(2, QStringLiteral("ET"));
        QCOMPARE(driver.window->session().guess(1), QStringLiteral("ET"));
        QLineEdit *third = driver.pair(3);
        QVERIFY(third->hasFocus());
        QTest::keyClick(third, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(driver.window->session().guess(1), QString());
        QCOMPARE(driver.pair(2)->text(), QString());
        const QKeyCombination redo = QKeySequence(QKeySequence::Redo)[0];
        QTest::keyClick(third, redo.key(), redo.keyboardModifiers());
        QCOMPARE(driver.pair(2)->text(), QStringLiteral("ET"));

        // A fresh board with TH = LT: T and L stand in one row or column.
        QVERIFY(driver.open());
        driver.guess(1, QStringLiteral("TH"));
        QLineEdit *cell = driver.control<QLineEdit>(QStringLiteral("cell_0"));
        QCOMPARE(cell->accessibleName(), QStringLiteral("ред 1, колона 1"));
        cell->setFocus();
        QTest::keyClicks(cell, QStringLiteral("t"));
        QVERIFY(driver.window->session().isPlaced(0));
        QCOMPARE(cell->text(), QStringLiteral("T"));
        QLineEdit *apart = driver.control<QLineEdit>(QStringLiteral("cell_12"));
        apart->setFocus();
        QTest::keyClicks(apart, QStringLiteral("L"));
        QCOMPARE(apart->text(), QStringLiteral("L"));
        QVERIFY(apart->styleSheet().contains(QStringLiteral("color: #c80000")));
        QVERIFY(!driver.window->session().isPlaced(12));
        QVERIFY2(driver.notes().contains(QStringLiteral("двойка 1 (TH = LT)")), qPrintable(driver.notes()));
    }

    // The lesson from its button to its last step, with "Покажи" and
    // "Напред": every step shown done, and at its end the square whole, the
    // key word named and the message in words.
    void theLessonToItsEnd()
    {
        ByHandDriver driver;
        QVERIFY(driver.open(QString()));
        QVERIFY(!driver.control(QStringLiteral("lessonFrame"))->isVisible());
        driver.click("lesson");
        QVERIFY(driver.control(QStringLiteral("lessonFrame"))->isVisible());
        const QList<LessonText> texts = Lesson::texts(UiLanguage::Bulgarian);
        for (int step = 0; step < lesson().stepCount(); ++step) {
            QCOMPARE(driver.control<QLabel>(QStringLiteral("stepTitle"))->text(),
                     QStringLiteral("Стъпка %1 от %2: %3").arg(step + 1).arg(lesson().stepCount()).arg(texts[step].title));
            QCOMPARE(driver.control<QPlainTextEdit>(QStringLiteral("stepText"))->toPlainText(), texts[step].body);
            QCOMPARE(driver.control<QPushButton>(QStringLiteral("back"))->isEnabled(), step > 0);
            driver.click("show");
            QCOMPARE(driver.control<QLabel>(QStringLiteral("stepDone"))->text(), QStringLiteral("✓ Готово"));
            QCOMPARE(driver.control<QPushButton>(QStringLiteral("forward"))->isEnabled(), step + 1 < lesson().stepCount());
            driver.click("forward");
        }
        QString square;
        for (int k = 0; k < 25; ++k)
            square += driver.control<QLineEdit>(QStringLiteral("cell_%1").arg(k))->text();
        QCOMPARE(square.size(), 25);
        QCOMPARE(driver.control<QWidget>(QStringLiteral("keyNote"))->property("text").toString(),
                 QStringLiteral("Ключовата дума е LIGHTHOUSE."));
        QVERIFY(driver.control(QStringLiteral("words"))->isVisible());
        QVERIFY(driver.control<QPlainTextEdit>(QStringLiteral("words"))->toPlainText().contains(
            QStringLiteral("THE TREASURE IS HIDDEN")));
    }

    // The key words come from their thread without the window waiting, and
    // "Приложи" applies the best; a window closed while they are looked for
    // ends the search.
    void keyWordsFromTheirThread()
    {
        ByHandDriver driver;
        QVERIFY(driver.open());
        driver.guess(1, QStringLiteral("TH"));
        driver.guess(2, QStringLiteral("ET"));
        driver.guess(3, QStringLiteral("RE"));
        QVERIFY(driver.window->session().isSearchingKeys());
        auto *keys = driver.control<QListWidget>(QStringLiteral("keyWords"));
        QTRY_VERIFY_WITH_TIMEOUT(!driver.window->session().isSearchingKeys(), 60000);
        QVERIFY(itemsOf(keys).contains(QStringLiteral("LIGHTHOUSE")));
        keys->setCurrentRow(int(itemsOf(keys).indexOf(QStringLiteral("LIGHTHOUSE"))));
        driver.click("applyKey");
        QCOMPARE(driver.window->session().squareLetters().count(u'.'), 0);
        QCOMPARE(driver.window->session().plaintextPairs().remove(u' '), lesson().plaintext());

        driver.guess(5, QStringLiteral("UR")); // the key word no longer counts: a new search
        driver.guess(6, QStringLiteral("EI"));
        QVERIFY(driver.window->session().isSearchingKeys());
        driver.window->close();
        driver.window.reset();
        QTRY_COMPARE_WITH_TIMEOUT(KeyJob::running(), 0, 2000);
    }

    // Ctrl+R in the main window opens the by-hand window on its cipher
    // pairs, and again brings the same one forward: new pairs make a new
    // board, which Undo takes back; the break window opens it on its
    // ciphertext.
    void openedFromTheOtherWindows()
    {
        MainWindowDriver main;
        QVERIFY(main.openWindow());
        main.encrypt(QStringLiteral("rodina"), QStringLiteral("send help"));
        QTest::keyClick(main.window.get(), Qt::Key_R, Qt::ControlModifier);
        QPointer<ByHandWindow> byHand = main.window->findChild<ByHandWindow *>();
        QVERIFY(byHand);
        QVERIFY(byHand->windowTitle().contains(QStringLiteral("на ръка")));
        const QString pairs = QStringList(main.window->workspace().List1[1].items()).join(QString());
        QCOMPARE(byHand->session().board().ciphertext, pairs);
        byHand->findChild<QLineEdit *>(QStringLiteral("pair1"))->setText(QString());
        QTest::keyClicks(byHand->findChild<QLineEdit *>(QStringLiteral("pair1")), QStringLiteral("SE"));
        QTest::keyClick(byHand->findChild<QLineEdit *>(QStringLiteral("pair1")), Qt::Key_Return);
        QCOMPARE(byHand->session().guess(0), QStringLiteral("SE"));

        QApplication::setActiveWindow(main.window.get());
        QTest::keyClick(main.window.get(), Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(main.window->findChildren<ByHandWindow *>().size(), 1);
        QCOMPARE(byHand->session().guess(0), QStringLiteral("SE"));

        main.encrypt(QStringLiteral("rodina"), QStringLiteral("meet me"));
        QTest::keyClick(main.window.get(), Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(main.window->findChildren<ByHandWindow *>().size(), 1);
        QCOMPARE(byHand->session().board().ciphertext,
                 QStringList(main.window->workspace().List1[1].items()).join(QString()));
        QTest::mouseClick(byHand->findChild<QPushButton *>(QStringLiteral("undo")), Qt::LeftButton);
        QCOMPARE(byHand->session().board().ciphertext, pairs);
        QCOMPARE(byHand->session().guess(0), QStringLiteral("SE"));
        byHand->close();

        QTest::keyClick(main.window.get(), Qt::Key_B, Qt::ControlModifier);
        auto *breaking = main.window->findChild<BreakWindow *>();
        QVERIFY(breaking);
        breaking->findChild<QPlainTextEdit *>(QStringLiteral("ciphertext"))->setPlainText(QStringLiteral("KXJEY UREBE"));
        QApplication::setActiveWindow(breaking);
        QTest::keyClick(breaking, Qt::Key_R, Qt::ControlModifier);
        ByHandWindow *fromBreak = openWindowOf<ByHandWindow>(main.window.get());
        QVERIFY(fromBreak);
        QCOMPARE(fromBreak->session().board().ciphertext, QStringLiteral("KXIEYUREBE"));
        breaking->close();
    }

    // A switch of language shows the window, mid-lesson, all in the other
    // language, and back again every text as it was.
    void switchesLanguage()
    {
        ByHandDriver driver;
        QVERIFY(driver.open(QString()));
        driver.click("lesson");
        for (int step = 0; step < 5; ++step) {
            driver.click("show");
            driver.click("forward");
        }
        driver.guess(13, QStringLiteral("HE")); // a rejected guess and its note
        const QStringList bulgarian = textsOf(driver.window.get());
        showLanguage(UiLanguage::English);
        QCoreApplication::processEvents();
        QCOMPARE(driver.window->windowTitle(), QStringLiteral("Breaking by hand - Playfair"));
        QStringList cyrillic;
        for (const QString &text : textsOf(driver.window.get())) {
            if (hasCyrillic(text))
                cyrillic << text;
        }
        QVERIFY2(cyrillic.isEmpty(), qPrintable(cyrillic.join(u'\n')));
        QVERIFY(driver.notes().contains(QStringLiteral("is not taken")));
        showLanguage(UiLanguage::Bulgarian);
        QCoreApplication::processEvents();
        QCOMPARE(textsOf(driver.window.get()), bulgarian);
    }
};

QTEST_MAIN(TestByHandWindow)
#include "tst_byhandwindow.moc"
