#include "breakwindowfixture.h"
#include "helpers.h"

#include "analysis/ciphertext.h"
#include "analysis/crib.h"
#include "workspace/solvererrors.h"
#include "engine/demonstration.h"
#include "engine/textbook.h"
#include "ui/application.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSpinBox>
#include <QTimer>

#include <variant>

using namespace playfair;
using namespace playfair::testing;

namespace {

// The letters of a text, as the solver reads a ciphertext.
QString lettersIn(const QString &text, Doubles doubles = Doubles::Split)
{
    const auto read = analysis::readCiphertext(text.toStdString(), doubles);
    const auto &letters = std::get<analysis::Ciphertext>(read).letters;
    return QString::fromStdString(analysis::lettersToText(letters.data(), letters.size()));
}

} // namespace

// The break window's controls, without a search that runs to its end (see
// tst_breaksearch): how it opens, what its boxes pass on, the
// demonstration, bad input.
class TestBreakWindow : public QObject, BreakWindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { setUpApplication(*qApp); }

    void cleanup() { closeTheWindow(); }

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
        MainWindowDriver main;
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
                                        QStringLiteral("Разбиване на шифъра…\tCtrl+B"),
                                        QStringLiteral("Разбиване на ръка…\tCtrl+R"), QStringLiteral("\t"),
                                        QStringLiteral("Език\t"), QStringLiteral("Мащаб\t"),
                                        QStringLiteral("Помощ\tF1")}));
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
        MainWindowDriver main;
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

        // The language is left to the search until one is chosen.
        auto *language = control<QComboBox>("language");
        QVERIFY(!window->session().language().has_value());
        language->setFocus();
        QTest::keyClick(language, Qt::Key_Down);
        QTest::keyClick(language, Qt::Key_Down);
        QCOMPARE(window->session().language(), analysis::Language::Bulgarian);
        QCOMPARE(control<QLabel>("scoreNote")->text(), window->session().scoreNote());
        QVERIFY(control<QLabel>("scoreNote")->text().contains(QStringLiteral("български")));

        auto *timeLimit = control<QSpinBox>("timeLimit");
        timeLimit->setFocus();
        QTest::keyClick(timeLimit, Qt::Key_Up);
        QCOMPARE(window->session().timeLimit(), 31);
        // Up to an hour, for a long hunt; no more.
        timeLimit->selectAll();
        QTest::keyClicks(timeLimit, QStringLiteral("3600"));
        QCOMPARE(window->session().timeLimit(), 3600);
        QTest::keyClick(timeLimit, Qt::Key_Up);
        QCOMPARE(window->session().timeLimit(), 3600);
    }

    // The demonstration's controls: the text encrypted on the key word's
    // square, written in by the route chosen, or on a random one, its
    // doubled letters split or kept, goes into the box in pairs; the
    // language stays for the search to find, the score read meanwhile in
    // the language of the plaintext.
    void demonstration_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("keyWord"); // empty: a random square
        QTest::addColumn<QString>("route");
        QTest::addColumn<bool>("kept");
        QTest::addColumn<QString>("cipher");
        QTest::addColumn<QString>("prepared");
        QTest::addColumn<QString>("language");

        const QString english = QStringLiteral("английски");
        QTest::newRow("a doubled letter split by X: the textbook example")
            << "Hide the gold in the tree stump!" << "Playfair example" << "rows" << false
            << "BM OD ZB XD NA BE KU DM UI XM MO UV IF" << "HIDETHEGOLDINTHETREXESTUMP" << english;
        QTest::newRow("a key word by columns, its doubled letters kept")
            << "Hide the gold in the tree stump!" << "Playfair example" << "columns" << true << ""
            << "HIDETHEGOLDINTHETREESTUMPX" << english;
        QTest::newRow("a key word as a spiral") << "Attack at dawn; hold the bridge until noon." << "garden" << "spiral"
                                                << false << "" << "ATTACKATDAWNHOLDTHEBRIDGEUNTILNOON" << english;
        QTest::newRow("a random square") << "Attack at dawn; hold the bridge until noon." << "" << "rows" << false << ""
                                         << "ATTACKATDAWNHOLDTHEBRIDGEUNTILNOON" << english;
        QTest::newRow("Bulgarian in Latin letters is recognised")
            << "Utre sutrinta shte se sreshtnem na garata v Plovdiv, kakto se dogovorihme minalata sedmitsa."
            << "rodina" << "rows" << false << "" << "" << QStringLiteral("български");
    }

    void demonstration()
    {
        QFETCH(QString, text);
        QFETCH(QString, keyWord);
        QFETCH(QString, route);
        QFETCH(bool, kept);
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
        const SquareRoute way = *routeFromCode(route.toStdString());
        auto *routes = control<QComboBox>("demoRoute");
        QCOMPARE(routes->isEnabled(), !keyWord.isEmpty());
        routes->setCurrentIndex(routes->findData(int(way)));
        if (kept)
            QTest::mouseClick(control("demoDoublesKept"), Qt::LeftButton);
        QTest::mouseClick(control("encrypt"), Qt::LeftButton);

        const QString shown = ciphertext()->toPlainText();
        if (!cipher.isEmpty())
            QCOMPARE(shown, cipher);
        QCOMPARE(shown, pairsOf(lettersIn(shown, kept ? Doubles::Kept : Doubles::Split)));
        const QString square = window->knownSquare();
        QVERIFY(isSquare(square.toStdString()));
        if (!keyWord.isEmpty())
            QCOMPARE(square, Demonstration::keySquare(keyWord, way));
        const QString decrypted = QString::fromStdString(
            transformedPairs(square.toStdString(), lettersIn(shown, kept ? Doubles::Kept : Doubles::Split).toStdString(), -1));
        if (!prepared.isEmpty())
            QCOMPARE(decrypted, prepared);
        // A ciphertext that kept its doubled letters is read as one.
        QCOMPARE(control<QCheckBox>("doublesKept")->isChecked(), kept);
        QCOMPARE(window->session().doubles(), kept ? Doubles::Kept : Doubles::Split);
        QCOMPARE(control<QComboBox>("language")->currentText(), QStringLiteral("автоматично"));
        QVERIFY(control<QLabel>("scoreNote")->text().contains(language));
        QCOMPARE(control<QLabel>("inPlace")->text(),
                 QStringLiteral("Ключът е известен: буквите, които са на мястото си, ще се оцветят в зелено."));
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
        QTest::newRow("a pair of equal letters, by Enter") << "BM ZZ OD" << "" << true;
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
        QString message;
        // A doubled pair's refusal also names the choice for messages that
        // kept their doubled letters.
        bool doubled = false;
        if (const auto *error = std::get_if<analysis::CiphertextError>(&read)) {
            message = sentenceOf(*error).text();
            doubled = error->kind == analysis::CiphertextError::Kind::DoubledPair;
        } else {
            const auto made = analysis::Crib::make(crib.toStdString(), std::nullopt,
                                                   std::get<analysis::Ciphertext>(read).letters);
            QVERIFY(std::holds_alternative<analysis::CribError>(made));
            message = sentenceOf(std::get<analysis::CribError>(made)).text();
        }
        QVERIFY2(status().startsWith(message), qPrintable(status()));
        QCOMPARE(status().contains(QStringLiteral("„удвоените букви са оставени“")), doubled);
        QCOMPARE(BreakJob::running(), 0);
        QVERIFY(startButton()->isEnabled());
        QVERIFY(!stopButton()->isEnabled());
        QCOMPARE(ciphertext()->toPlainText(), cipher); // Enter started, it broke no line
    }
};

QTEST_MAIN(TestBreakWindow)
#include "tst_breakwindow.moc"
