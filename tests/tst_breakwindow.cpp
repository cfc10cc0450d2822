#include "helpers.h"
#include "windowfixture.h"

#include "analysis/ciphertext.h"
#include "analysis/crib.h"
#include "engine/characters.h"
#include "engine/demonstration.h"
#include "engine/textbook.h"
#include "ui/application.h"
#include "ui/break/breakjob.h"
#include "ui/break/breakwindow.h"
#include "ui/break/pairedtextview.h"
#include "ui/break/scoreplot.h"
#include "ui/shared/squareview.h"

#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTimer>

#include <variant>

using namespace playfair;
using namespace playfair::testing;

namespace {

const QString playfairExample = QStringLiteral("PLAYFIREXMBCDGHKNOQSTUVWZ");

QString pairsOf(const QString &letters)
{
    QStringList pairs;
    for (qsizetype i = 0; i < letters.size(); i += 2)
        pairs << letters.mid(i, 2);
    return pairs.join(u' ');
}

// The letters of a text, as the solver reads a ciphertext.
QString lettersIn(const QString &text)
{
    const auto read = analysis::readCiphertext(text.toStdString());
    const auto &letters = std::get<std::vector<analysis::Letter>>(read);
    return QString::fromStdString(analysis::lettersToText(letters.data(), letters.size()));
}

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

class TestBreakWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<BreakWindow> window;

    template<typename T = QWidget>
    T *control(const char *name) const
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("No control named %s", name);
        return found;
    }
    QPlainTextEdit *ciphertext() const { return control<QPlainTextEdit>("ciphertext"); }
    QPushButton *startButton() const { return control<QPushButton>("start"); }
    QPushButton *stopButton() const { return control<QPushButton>("stop"); }
    QString status() const { return control<QLabel>("status")->text(); }
    SquareView *square() const { return control<SquareView>("square"); }
    PairedTextView *plaintext() const { return control<PairedTextView>("plaintext"); }

    void openWindow(const BreakInput &input = {})
    {
        window = std::make_unique<BreakWindow>(input);
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    // Replaces a box's text the way a user does: typed, or pasted where
    // the keyboard has no keys for it.
    static void typeInto(QWidget *edit, const QString &text)
    {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        if (QStringView(text).toLatin1() == text.toUtf8()) {
            QTest::keyClicks(edit, text);
        } else {
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        }
    }

    // Waits for the search to end; the time is only a safety net.
    bool waitForTheEnd(int milliseconds = 60000)
    {
        return QTest::qWaitFor([this] { return startButton()->isEnabled(); }, milliseconds);
    }

private Q_SLOTS:
    void initTestCase() { setUpApplication(*qApp); }

    void cleanup()
    {
        window.reset();
        // Every search has ended and every job has deleted itself.
        QTRY_COMPARE_WITH_TIMEOUT(BreakJob::running(), 0, 5000);
        QTRY_VERIFY(qApp->findChildren<BreakJob *>().isEmpty());
    }

    // The main window's menu and Ctrl+B, wherever the focus is, open the
    // break window with the cipher pairs and the square of the last Encrypt.
    void openedFromTheMainWindow_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("the window's menu") << "menu";
        QTest::newRow("Ctrl+B in the key word box") << "Text2_0";
        QTest::newRow("Ctrl+B in the message box") << "Text2_1";
        QTest::newRow("Ctrl+B in the explanation") << "Text1_0";
        QTest::newRow("Ctrl+B on the Encrypt button") << "Command1_0";
    }

    void openedFromTheMainWindow()
    {
        QFETCH(QString, how);
        struct MainWindowFixture : WindowFixture
        {
            using WindowFixture::control;
            using WindowFixture::encrypt;
            using WindowFixture::list;
            using WindowFixture::openWindow;
            using WindowFixture::window;
        } main;
        QVERIFY(main.openWindow());
        main.encrypt(QStringLiteral("rodina"), QStringLiteral("send help to the north gate"));

        if (how == QStringLiteral("menu")) {
            QStringList menu;
            QTimer::singleShot(0, this, [&menu] {
                if (auto popup = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                    for (const QAction *action : popup->actions())
                        menu << action->text() + u'\t' + action->shortcut().toString();
                    QTest::keyClick(popup, Qt::Key_Down);
                    QTest::keyClick(popup, Qt::Key_Down);
                    QTest::keyClick(popup, Qt::Key_Return);
                }
            });
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(250, 421), main.window->mapToGlobal(QPoint(250, 421)));
            QApplication::sendEvent(main.window.get(), &event);
            QCOMPARE(menu, (QStringList{QStringLiteral("Упражнение…\tCtrl+E"),
                                        QStringLiteral("Разбиване на шифъра…\tCtrl+B")}));
        } else {
            QWidget *focus = main.control(how);
            focus->setFocus();
            QTest::keyClick(focus, Qt::Key_B, Qt::ControlModifier);
        }

        auto *opened = main.window->findChild<BreakWindow *>();
        QVERIFY(opened);
        QVERIFY(opened->isWindow() && opened->isVisible());
        QVERIFY(opened->testAttribute(Qt::WA_DeleteOnClose));
        const QString pairs = itemsOf(main.list(1)).join(u' ');
        QCOMPARE(pairs.size(), 32); // 11 pairs
        QCOMPARE(opened->findChild<QPlainTextEdit *>(QStringLiteral("ciphertext"))->toPlainText(), pairs);
        QCOMPARE(opened->knownSquare(), QStringLiteral("RODINABCEFGHKLMPQSTUVWXYZ"));
        // Twenty-two letters: the status line says the text is short and
        // asks for a known word.
        const QString status = opened->findChild<QLabel *>(QStringLiteral("status"))->text();
        QVERIFY2(status.contains(QStringLiteral("22 букви")) && status.contains(QStringLiteral("„Известна дума“")),
                 qPrintable(status));
        // Nothing changed in the main window.
        QVERIFY(main.window->workspace()
                == encrypted(QStringLiteral("rodina"), QStringLiteral("send help to the north gate")));
    }

    // Before any Encrypt the main window has no cipher pairs to give.
    void openedBeforeEncrypt()
    {
        struct MainWindowFixture : WindowFixture
        {
            using WindowFixture::control;
            using WindowFixture::openWindow;
            using WindowFixture::window;
        } main;
        QVERIFY(main.openWindow());
        QTest::keyClick(main.control(QStringLiteral("Text2_0")), Qt::Key_B, Qt::ControlModifier);
        auto *opened = main.window->findChild<BreakWindow *>();
        QVERIFY(opened);
        QCOMPARE(opened->findChild<QPlainTextEdit *>(QStringLiteral("ciphertext"))->toPlainText(), QString());
        QCOMPARE(opened->knownSquare(), QString());
        QCOMPARE(opened->findChild<QLabel *>(QStringLiteral("inPlace"))->text(),
                 QStringLiteral("Ключът не е известен: нищо не се отбелязва."));
    }

    // What the user types reaches the session at once, and the window
    // shows what follows from it.
    void boxesReachTheSession()
    {
        openWindow();
        typeInto(ciphertext(), QStringLiteral("bm od zb xd"));
        QCOMPARE(window->session().ciphertext(), QStringLiteral("bm od zb xd"));
        QVERIFY2(status().contains(QStringLiteral("8 букви")) && status().contains(QStringLiteral("„Известна дума“")),
                 qPrintable(status()));
        typeInto(control("crib"), QStringLiteral("hide"));
        QCOMPARE(window->session().crib(), QStringLiteral("hide"));
        QVERIFY2(!status().contains(QStringLiteral("„Известна дума“")), qPrintable(status()));
        QCOMPARE(status(), window->session().status());

        auto *language = control<QComboBox>("language");
        language->setFocus();
        QTest::keyClick(language, Qt::Key_Down);
        QCOMPARE(window->session().language(), analysis::Language::Bulgarian);
        QCOMPARE(control<QLabel>("scoreNote")->text(), window->session().scoreNote());
        QVERIFY(control<QLabel>("scoreNote")->text().contains(QStringLiteral("български")));

        auto *timeLimit = control<QSpinBox>("timeLimit");
        timeLimit->setFocus();
        QTest::keyClick(timeLimit, Qt::Key_Up);
        QCOMPARE(window->session().timeLimit(), 31);
    }

    // The demonstration's controls: the text encrypted on the key word's
    // square or on a random one goes into the box in pairs, and the
    // language box follows its plaintext.
    void demonstration_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("keyWord"); // empty: a random square
        QTest::addColumn<QString>("cipher");
        QTest::addColumn<QString>("prepared");
        QTest::addColumn<QString>("language");

        const QString english = QStringLiteral("английски");
        QTest::newRow("a doubled letter split by X: the textbook example")
            << "Hide the gold in the tree stump!" << "Playfair example"
            << "BM OD ZB XD NA BE KU DM UI XM MO UV IF" << "HIDETHEGOLDINTHETREXESTUMP" << english;
        QTest::newRow("a random square") << "Attack at dawn; hold the bridge until noon." << "" << ""
                                         << "ATTACKATDAWNHOLDTHEBRIDGEUNTILNOON" << english;
        QTest::newRow("Bulgarian in Latin letters is recognised")
            << "Utre sutrinta shte se sreshtnem na garata v Plovdiv, kakto se dogovorihme minalata sedmitsa."
            << "rodina" << "" << "" << QStringLiteral("български на латиница");
    }

    void demonstration()
    {
        QFETCH(QString, text);
        QFETCH(QString, keyWord);
        QFETCH(QString, cipher);
        QFETCH(QString, prepared);
        QFETCH(QString, language);

        openWindow();
        typeInto(control("demoText"), text);
        if (keyWord.isEmpty()) {
            QTest::mouseClick(control("useRandomSquare"), Qt::LeftButton);
        } else {
            QTest::mouseClick(control("useKeyWord"), Qt::LeftButton);
            typeInto(control("keyWord"), keyWord);
        }
        QTest::mouseClick(control("encrypt"), Qt::LeftButton);

        const QString shown = ciphertext()->toPlainText();
        if (!cipher.isEmpty())
            QCOMPARE(shown, cipher);
        QCOMPARE(shown, pairsOf(lettersIn(shown)));
        const QString square = window->knownSquare();
        QVERIFY(isSquare(square.toStdString()));
        if (!keyWord.isEmpty())
            QCOMPARE(square, Demonstration::keySquare(keyWord));
        const QString decrypted
            = QString::fromStdString(transformedPairs(square.toStdString(), lettersIn(shown).toStdString(), -1));
        if (!prepared.isEmpty())
            QCOMPARE(decrypted, prepared);
        QCOMPARE(control<QComboBox>("language")->currentText(), language);
        QCOMPARE(control<QLabel>("inPlace")->text(),
                 QStringLiteral("Ключът е известен: буквите, които са на мястото си, ще се оцветят в зелено."));
    }

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
        QVERIFY(!control<ScorePlot>("scorePlot")->points().isEmpty());
        // Each plain pair stands under its cipher pair.
        const QStringList lines = plaintext()->toPlainText().split(u'\n');
        QCOMPARE(lines.value(0).size(), lines.value(1).size());
        QCOMPARE(lines.value(0).left(5), pairsOf(known.ciphertext.left(4)));
        QCOMPARE(lines.value(1).left(5), pairsOf(known.prepared.left(4)));
    }

    // Stopping, closing the window and closing the main window that owns it
    // each end the search at once, and nothing is left running.
    void stopAndClose_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("the stop button") << "stop";
        QTest::newRow("closing the window") << "close";
        QTest::newRow("closing the main window") << "owner";
    }

    void stopAndClose()
    {
        QFETCH(QString, how);
        struct MainWindowFixture : WindowFixture
        {
            using WindowFixture::openWindow;
            using WindowFixture::window;
        } main;
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

        if (how == QStringLiteral("stop")) {
            QTest::mouseClick(opened->findChild<QPushButton *>(QStringLiteral("stop")), Qt::LeftButton);
            QVERIFY(!opened->findChild<QPushButton *>(QStringLiteral("stop"))->isEnabled());
        } else if (how == QStringLiteral("close")) {
            QVERIFY(opened->close());
        } else {
            main.window.reset();
            QVERIFY(!opened);
        }
        // A generous bound: the benchmark measures the real time.
        QTRY_COMPARE_WITH_TIMEOUT(BreakJob::running(), 0, 2000);
        if (how == QStringLiteral("stop")) {
            QTRY_VERIFY(opened->findChild<QPushButton *>(QStringLiteral("start"))->isEnabled());
            const QString status = opened->findChild<QLabel *>(QStringLiteral("status"))->text();
            QVERIFY2(status.contains(QStringLiteral(": спряно")), qPrintable(status));
        } else {
            QTRY_VERIFY(!opened);
        }
    }

    // Bad input gets the solver's own message in the status line and starts
    // nothing, whether Start is clicked or Enter pressed (the session's
    // tests go through every kind).
    void badInput_data()
    {
        QTest::addColumn<QString>("cipher");
        QTest::addColumn<QString>("crib");
        QTest::addColumn<bool>("byEnter");

        QTest::newRow("no letters") << "12 34 !?" << "" << false;
        QTest::newRow("a pair of equal letters, by Enter") << "BM OD ZZ" << "" << true;
        QTest::newRow("a crib that contradicts the text") << "BM OD" << "bmod" << false;
    }

    void badInput()
    {
        QFETCH(QString, cipher);
        QFETCH(QString, crib);
        QFETCH(bool, byEnter);

        openWindow();
        typeInto(ciphertext(), cipher);
        typeInto(control("crib"), crib);
        if (byEnter)
            QTest::keyClick(ciphertext(), Qt::Key_Enter);
        else
            QTest::mouseClick(startButton(), Qt::LeftButton);

        const auto read = analysis::readCiphertext(cipher.toStdString());
        std::string message;
        if (const auto *error = std::get_if<analysis::CiphertextError>(&read)) {
            message = error->message(analysis::Language::Bulgarian);
        } else {
            const auto made = analysis::Crib::make(crib.toStdString(), std::nullopt,
                                                   std::get<std::vector<analysis::Letter>>(read));
            QVERIFY(std::holds_alternative<analysis::CribError>(made));
            message = std::get<analysis::CribError>(made).message(analysis::Language::Bulgarian);
        }
        QCOMPARE(status(), QString::fromStdString(message));
        QCOMPARE(BreakJob::running(), 0);
        QVERIFY(startButton()->isEnabled());
        QVERIFY(!stopButton()->isEnabled());
        QCOMPARE(ciphertext()->toPlainText(), cipher); // Enter started, it broke no line
    }
};

QTEST_MAIN(TestBreakWindow)
#include "tst_breakwindow.moc"
