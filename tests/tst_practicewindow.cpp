#include "helpers.h"
#include "windowfixture.h"

#include "ui/application.h"
#include "ui/practice/classsetdialog.h"
#include "ui/practice/practicewindow.h"
#include "ui/practice/worksheet.h"
#include "ui/shared/squareview.h"
#include "ui/translations.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QPageSize>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <csignal>
#include <sys/resource.h>

using namespace playfair;
using namespace playfair::testing;

Q_DECLARE_METATYPE(PracticeDirection)

namespace {

// Key RODINA: RODIN / ABCEF / GHKLM / PQSTU / VWXYZ, cells 0..24.
// SE → TC rectangle, NR → RO row out of column 5, ZN → NF column out of row 5,
// RO → OD row, RA → AG column, HK → KL row, DN → IR row, IE → EL column.
const PracticeTask rodinaTask{QStringLiteral("RODINA"), QStringLiteral("RODINABCEFGHKLMPQSTUVWXYZ"),
                              QStringLiteral("SE NR ZN RO RA HK DN IE").split(u' ')};

QString tally(int right)
{
    return QStringLiteral("%1 от 8 от първия опит").arg(right);
}

} // namespace

class TestPracticeWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<PracticeWindow> window;

    QLineEdit *input(int pair) const { return window->findChild<QLineEdit *>(QStringLiteral("answer%1").arg(pair + 1)); }
    QString textOf(const QString &name) const { return window->findChild<QLabel *>(name)->text(); }
    SquareView *square() const { return window->findChild<SquareView *>(); }

    // Types an answer into a pair's input the way a pupil does and hands it
    // in with Enter or by leaving the input with Tab.
    void answer(int pair, const QString &text, bool byLeaving = false)
    {
        QLineEdit *edit = input(pair);
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, byLeaving ? Qt::Key_Tab : Qt::Key_Return);
    }

    static int pagesOf(const QByteArray &pdf)
    {
        return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "));
    }

private Q_SLOTS:
    void initTestCase() { setUpApplication(*qApp); }

    void init()
    {
        window = std::make_unique<PracticeWindow>(rodinaTask);
        window->show();
        QApplication::setActiveWindow(window.get());
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    void cleanup() { window.reset(); }

    void theWindowShowsTheTask()
    {
        QCOMPARE(square()->letters(), rodinaTask.square);
        QCOMPARE(textOf(QStringLiteral("keyWord")), QStringLiteral("ключова дума: RODINA"));
        QCOMPARE(textOf(QStringLiteral("given1")), QStringLiteral("1. SE"));
        QCOMPARE(textOf(QStringLiteral("given8")), QStringLiteral("8. IE"));
        QCOMPARE(input(7)->accessibleName(), QStringLiteral("Двойка 8"));
        QCOMPARE(input(8), nullptr);
        QCOMPARE(textOf(QStringLiteral("tally")), tally(0));
        QCOMPARE(QApplication::focusWidget(), input(0));
        QCOMPARE(window->font().family(), QStringLiteral("Times New Roman"));

        window->findChild<QRadioButton *>(QStringLiteral("decrypt"))->click();
        QCOMPARE(textOf(QStringLiteral("given1")), QStringLiteral("1. TC"));
        QCOMPARE(textOf(QStringLiteral("given8")), QStringLiteral("8. EL"));
    }

    void answers_data()
    {
        QTest::addColumn<PracticeDirection>("direction");
        QTest::addColumn<int>("pair");
        QTest::addColumn<QStringList>("tries");
        QTest::addColumn<bool>("byLeaving");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("shown"); // the input's text afterwards
        QTest::addColumn<QList<int>>("solid");
        QTest::addColumn<QList<int>>("dashed");
        QTest::addColumn<QStringList>("present"); // in the sentence under the square
        QTest::addColumn<QStringList>("absent");
        QTest::addColumn<int>("right");

        const auto E = PracticeDirection::Encrypt;
        const auto D = PracticeDirection::Decrypt;
        const QString rectangleOfSE = QStringLiteral("Правоъгълник: S (ред 4, колона 3) и E (ред 2, колона 4) са в "
                                                     "различни редове и колони.");
        const QString rectangleOfTC = QStringLiteral("Правоъгълник: T (ред 4, колона 4) и C (ред 2, колона 3) са в "
                                                     "различни редове и колони.");

        QTest::newRow("encrypt, right") << E << 0 << QStringList{"TC"} << false << "✓ вярно" << "TC" << QList<int>{}
                                        << QList<int>{} << QStringList{"Двойка 1: SE → TC е вярно."} << QStringList{}
                                        << 1;
        QTest::newRow("encrypt, right in lower case, by leaving the input")
            << E << 0 << QStringList{"tc"} << true << "✓ вярно" << "TC" << QList<int>{} << QList<int>{}
            << QStringList{"вярно"} << QStringList{} << 1;
        QTest::newRow("encrypt, J counts as I") << E << 6 << QStringList{"jr"} << false << "✓ вярно" << "IR"
                                                << QList<int>{} << QList<int>{} << QStringList{"DN → IR е вярно"}
                                                << QStringList{} << 1;
        QTest::newRow("encrypt, wrong: the plain cells and the rule, not the answer")
            << E << 0 << QStringList{"ts"} << false << "✗ грешно" << "TS" << QList<int>{17, 8} << QList<int>{}
            << QStringList{"Двойка 1: TS не е вярно.", rectangleOfSE, "на другата. Опитайте отново.", "пунктир"}
            << QStringList{"TC", "→ T"} << 0;
        QTest::newRow("encrypt, wrong out of column 5")
            << E << 1 << QStringList{"OR"} << false << "✗ грешно" << "OR" << QList<int>{4, 0} << QList<int>{}
            << QStringList{"Буквите O и R са верните, но в обратен ред: първа се пише буквата, която заменя N. "
                           "Опитайте отново."}
            << QStringList{"RO", "Един и същ ред"} << 0;
        QTest::newRow("encrypt, the same wrong answer again is one try")
            << E << 0 << QStringList{"TS", "ts"} << false << "✗ грешно" << "TS" << QList<int>{17, 8} << QList<int>{}
            << QStringList{"Опитайте отново"} << QStringList{"TC"} << 0;
        QTest::newRow("encrypt, second wrong reveals the answer")
            << E << 0 << QStringList{"TS", "CT"} << false << "✗ показан" << "TC" << QList<int>{17, 8}
            << QList<int>{18, 7}
            << QStringList{"Двойка 1: CT също не е вярно. Вярното е TC.", rectangleOfSE,
                           "S → T (ред 4, колона 4), E → C (ред 2, колона 3)."}
            << QStringList{"Опитайте отново"} << 0;
        QTest::newRow("encrypt, right at the second try is not counted")
            << E << 0 << QStringList{"TS", "TC"} << false << "✓ вярно" << "TC" << QList<int>{} << QList<int>{}
            << QStringList{"SE → TC е вярно"} << QStringList{} << 0;
        QTest::newRow("encrypt, one letter is no answer") << E << 0 << QStringList{"T"} << false << "" << "T"
                                                          << QList<int>{} << QList<int>{}
                                                          << QStringList{"натиснете Enter"} << QStringList{} << 0;

        QTest::newRow("decrypt, right in lower case") << D << 0 << QStringList{"se"} << false << "✓ вярно" << "SE"
                                                      << QList<int>{} << QList<int>{}
                                                      << QStringList{"Двойка 1: TC → SE е вярно."} << QStringList{}
                                                      << 1;
        QTest::newRow("decrypt, J counts as I") << D << 7 << QStringList{"JE"} << false << "✓ вярно" << "IE"
                                                << QList<int>{} << QList<int>{} << QStringList{"EL → IE"}
                                                << QStringList{} << 1;
        QTest::newRow("decrypt, wrong: the cipher cells and the rule, not the answer")
            << D << 0 << QStringList{"ES"} << false << "✗ грешно" << "ES" << QList<int>{} << QList<int>{18, 7}
            << QStringList{"Двойка 1: ES не е вярно.", "Буквите E и S са верните, но в обратен ред: първа се пише "
                           "буквата, която заменя T, а тя стои в реда на T. Опитайте отново."}
            << QStringList{"SE", "S (ред", "→", rectangleOfTC} << 0;
        QTest::newRow("decrypt, wrong out of row 1")
            << D << 2 << QStringList{"NZ"} << false << "✗ грешно" << "NZ" << QList<int>{} << QList<int>{4, 9}
            << QStringList{"Буквите N и Z са верните, но в обратен ред: първа се пише буквата, която заменя N."}
            << QStringList{"ZN"} << 0;
        QTest::newRow("decrypt, second wrong reveals the answer")
            << D << 0 << QStringList{"ES", "ST"} << true << "✗ показан" << "SE" << QList<int>{17, 8}
            << QList<int>{18, 7}
            << QStringList{"Вярното е SE.", rectangleOfTC, "T → S (ред 4, колона 3), C → E (ред 2, колона 4)."}
            << QStringList{} << 0;
    }

    void answers()
    {
        QFETCH(PracticeDirection, direction);
        QFETCH(int, pair);
        QFETCH(QStringList, tries);
        QFETCH(bool, byLeaving);
        QFETCH(QString, mark);
        QFETCH(QString, shown);
        QFETCH(QList<int>, solid);
        QFETCH(QList<int>, dashed);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        QFETCH(int, right);

        if (direction == PracticeDirection::Decrypt)
            window->findChild<QRadioButton *>(QStringLiteral("decrypt"))->click();
        for (const QString &text : tries)
            answer(pair, text, byLeaving);

        QCOMPARE(textOf(QStringLiteral("mark%1").arg(pair + 1)), mark);
        QCOMPARE(input(pair)->text(), shown);
        QCOMPARE(input(pair)->isReadOnly(), mark == QStringLiteral("✓ вярно") || mark == QStringLiteral("✗ показан"));
        QCOMPARE(square()->plainCells(), solid);
        QCOMPARE(square()->cipherCells(), dashed);
        const QString sentence = textOf(QStringLiteral("hint"));
        for (const QString &text : present)
            QVERIFY2(sentence.contains(text), qPrintable(QStringLiteral("«%1» not in: %2").arg(text, sentence)));
        for (const QString &text : absent)
            QVERIFY2(!sentence.contains(text), qPrintable(QStringLiteral("«%1» in: %2").arg(text, sentence)));
        QCOMPARE(textOf(QStringLiteral("tally")), tally(right));
        QCOMPARE(square()->letters(), rodinaTask.square);
    }

    // A first wrong answer names the slip that gave it and marks the cells
    // of its wrong letters; a second gives the answer.
    void slipsAreNamed_data()
    {
        QTest::addColumn<PracticeDirection>("direction");
        QTest::addColumn<QStringList>("tries"); // "pair=answer", pairs counted from 1; the last one is explained
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QList<int>>("wrongCells");

        const auto E = PracticeDirection::Encrypt;
        const auto D = PracticeDirection::Decrypt;
        QTest::newRow("rectangle, letters swapped")
            << E << QStringList{"1=CT"}
            << "Двойка 1: CT не е вярно. Буквите C и T са верните, но в обратен ред: първа се пише буквата, която "
               "заменя S, а тя стои в реда на S. Опитайте отново."
            << QList<int>{7, 18};
        QTest::newRow("row moved left") << E << QStringList{"4=NR"}
                                        << "R и O са в един ред, а сте ги преместили наляво: при криптиране всяка "
                                           "буква се заменя със съседната вдясно."
                                        << QList<int>{4, 0};
        QTest::newRow("row moved right decrypting")
            << D << QStringList{"4=DI"}
            << "O и D са в един ред, а сте ги преместили надясно: при декриптиране всяка буква се заменя със "
               "съседната вляво."
            << QList<int>{2, 3};
        QTest::newRow("on to the next row at the right edge")
            << E << QStringList{"2=AO"}
            << "N е на края на реда и сте минали на съседния ред. След колона 5 идва колона 1 на същия ред."
            << QList<int>{5};
        QTest::newRow("stopped at the bottom edge")
            << E << QStringList{"3=ZF"}
            << "Z е на ръба на квадрата и сте я оставили на мястото ѝ. След ред 5 идва ред 1 на същата колона."
            << QList<int>{24};
        QTest::newRow("two cells on") << E << QStringList{"4=DI"}
                                      << "R и O са в един ред и сте преместили всяка с две клетки, а се мести само "
                                         "с една."
                                      << QList<int>{2, 3};
        QTest::newRow("rectangle moved along its rows")
            << E << QStringList{"1=TF"}
            << "S и E са в различни редове и колони, а сте ги преместили по редовете им." << QList<int>{9};
        QTest::newRow("plain alphabet square")
            << E << QStringList{"1=UC"} << "Отговорът е от квадрата на азбуката по ред, без ключовата дума."
            << QList<int>{19};
        QTest::newRow("the given pair copied")
            << E << QStringList{"1=SE"} << "Преписали сте дадената двойка SE без промяна" << QList<int>{17, 8};
        QTest::newRow("one letter right, the other by another rule")
            << E << QStringList{"1=TL"}
            << "Първата буква, T, е вярна, втората не е. Грешната буква е намерена по друго правило, не по правилото "
               "на двойката."
            << QList<int>{13};
        QTest::newRow("the other direction twice") << E << QStringList{"4=NR", "5=VR"}
                                                   << "Както и в двойка 4, сте декриптирали вместо да криптирате"
                                                   << QList<int>{20, 0};
        QTest::newRow("nothing explains it: the rule again")
            << E << QStringList{"1=WY"}
            << "Нито една от двете букви не е вярна. Правоъгълник: S (ред 4, колона 3) и E (ред 2, колона 4)"
            << QList<int>{21, 23};
        QTest::newRow("the second wrong answer gives the answer")
            << E << QStringList{"1=CT", "1=WY"} << "Двойка 1: WY също не е вярно. Вярното е TC." << QList<int>{};
    }

    void slipsAreNamed()
    {
        QFETCH(PracticeDirection, direction);
        QFETCH(QStringList, tries);
        QFETCH(QString, sentence);
        QFETCH(QList<int>, wrongCells);

        if (direction == PracticeDirection::Decrypt)
            window->findChild<QRadioButton *>(QStringLiteral("decrypt"))->click();
        for (const QString &typed : tries)
            answer(typed.section(u'=', 0, 0).toInt() - 1, typed.section(u'=', 1));
        const QString hint = textOf(QStringLiteral("hint"));
        QVERIFY2(hint.contains(sentence), qPrintable(hint));
        QCOMPARE(square()->wrongCells(), wrongCells);
        if (tries.size() == 1) {
            // Never the answer itself.
            const int pair = tries.first().section(u'=', 0, 0).toInt() - 1;
            QVERIFY(!hint.contains(window->session().expected(pair)));
        }
    }

    // "Check a text": work done on paper typed in and marked pair by pair.
    void checkingAText_data()
    {
        QTest::addColumn<PracticeDirection>("direction");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("marks"); // the table's last column, row by row
        QTest::addColumn<QString>("note");      // in the sentence under the square
        QTest::addColumn<QString>("score");

        const auto E = PracticeDirection::Encrypt;
        const auto D = PracticeDirection::Decrypt;
        // Hello, world! is HE LX LO WO RL DX, on RODINA LB KY HI OB IG CD.
        QTest::newRow("all right") << E << "rodina" << "Hello, world!" << "lbky hiob igcd"
                                   << QStringList(6, QStringLiteral("✓ вярно")) << "Всички двойки са вярни."
                                   << "6 от 6 двойки вярно";
        QTest::newRow("a forgotten filler marks only the doubled pair")
            << E << "RODINA" << "Hello, world!" << "LB LL BO DO KI"
            << QStringList{"✓ вярно", "✗ грешно", "✓ вярно", "✓ вярно", "✓ вярно"}
            << "Двойка 2: В LL двете букви са еднакви: между тях се пише X, а двойката е LX."
            << "4 от 5 двойки вярно";
        QTest::newRow("a slip named") << E << "RODINA" << "Hello, world!" << "BL KY HI OB IG CD"
                                      << QStringList{"✗ обратен ред на буквите", "✓ вярно", "✓ вярно", "✓ вярно",
                                                     "✓ вярно", "✓ вярно"}
                                      << "Изберете ред на таблицата" << "5 от 6 двойки вярно";
        QTest::newRow("decrypting, the fillers left out")
            << D << "RODINA" << "LBKYHIOBIGCD" << "hello world" << QStringList(6, QStringLiteral("✓ вярно"))
            << "Двойка 2: Пълнителят X е изпуснат при четенето, както е прието: това не е грешка."
            << "6 от 6 двойки вярно";
        QTest::newRow("Cyrillic only in the key") << E << "Родина" << "Hello" << "LB" << QStringList{}
                                                  << "Ключовата дума няма латински букви." << "";
        QTest::newRow("no answer") << E << "RODINA" << "Hello" << "" << QStringList{}
                                   << "Отговорът на ученика няма латински букви." << "";
    }

    void checkingAText()
    {
        QFETCH(PracticeDirection, direction);
        QFETCH(QString, key);
        QFETCH(QString, message);
        QFETCH(QString, answer);
        QFETCH(QStringList, marks);
        QFETCH(QString, note);
        QFETCH(QString, score);

        if (direction == PracticeDirection::Decrypt)
            window->findChild<QRadioButton *>(QStringLiteral("decrypt"))->click();
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("checkMode")), Qt::LeftButton);
        QVERIFY(window->textCheck().isActive());
        // A Cyrillic key is pasted, as the test's key events type Latin only.
        auto *keyWord = window->findChild<QLineEdit *>(QStringLiteral("checkKeyWord"));
        if (key.front().script() == QChar::Script_Cyrillic) {
            QGuiApplication::clipboard()->setText(key);
            QTest::keyClick(keyWord, Qt::Key_V, Qt::ControlModifier);
        } else {
            QTest::keyClicks(keyWord, key);
        }
        QCOMPARE(window->textCheck().keyWord(), key);
        QTest::keyClicks(window->findChild<QPlainTextEdit *>(QStringLiteral("checkMessage")), message);
        QTest::keyClicks(window->findChild<QPlainTextEdit *>(QStringLiteral("checkAnswer")), answer);
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("checkText")), Qt::LeftButton);

        auto *table = window->findChild<QTableWidget *>(QStringLiteral("checkPairs"));
        QStringList shown;
        for (int row = 0; row < table->rowCount(); ++row)
            shown << table->item(row, 3)->text();
        QCOMPARE(shown, marks);
        const QString hint = textOf(QStringLiteral("hint"));
        QVERIFY2(hint.contains(note), qPrintable(hint));
        QCOMPARE(textOf(QStringLiteral("tally")), score);
        if (!score.isEmpty())
            QCOMPARE(square()->letters(), rodinaTask.square);

        // A wrong row clicked: its slip in words, its wrong letters red.
        for (int row = 0; row < table->rowCount(); ++row) {
            const auto &pair = window->textCheck().result().pairs[std::size_t(row)];
            if (!pair.slip || pair.answer.size() != 2)
                continue;
            const QRect cell = table->visualItemRect(table->item(row, 0));
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
            QCOMPARE(window->textCheck().explainedRow(), row);
            const QString explained = textOf(QStringLiteral("hint"));
            QVERIFY2(explained.startsWith(QStringLiteral("Двойка %1: ").arg(row + 1)), qPrintable(explained));
            QVERIFY(!square()->wrongCells().isEmpty());
            if (QString::fromStdString(pair.answer) == QStringLiteral("BL"))
                QVERIFY2(explained.contains(QStringLiteral("Буквите B и L са верните, но в обратен ред")),
                         qPrintable(explained));
            break;
        }

        // Changing a text drops the marks until checked again; leaving the
        // mode shows the exercise as it was.
        QTest::keyClicks(window->findChild<QPlainTextEdit *>(QStringLiteral("checkAnswer")), QStringLiteral("Q"));
        QCOMPARE(table->rowCount(), 0);
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("checkMode")), Qt::LeftButton);
        QVERIFY(input(0)->isVisible());
        QCOMPARE(square()->letters(), rodinaTask.square);
        QCOMPARE(textOf(QStringLiteral("tally")), tally(0));
    }

    // The main window's square of another key word, worked by mistake.
    void anotherKeyWordsSquareIsNamed()
    {
        window->alsoTry(QStringLiteral("PLAYFIRBCDEGHKMNOQSTUVWXZ"));
        answer(0, QStringLiteral("NK"));
        QVERIFY2(textOf(QStringLiteral("hint")).contains(QStringLiteral("Отговорът е от квадрата на друга ключова дума.")),
                 qPrintable(textOf(QStringLiteral("hint"))));
    }

    void enterMovesOnAndGoingBackExplainsAgain()
    {
        answer(0, QStringLiteral("XX"));
        QCOMPARE(QApplication::focusWidget(), input(0));
        answer(0, QStringLiteral("YY"));
        QCOMPARE(QApplication::focusWidget(), input(1));
        answer(1, QStringLiteral("RO"));
        QCOMPARE(QApplication::focusWidget(), input(2));
        QCOMPARE(square()->plainCells(), QList<int>());

        QTest::mouseClick(input(0), Qt::LeftButton);
        QCOMPARE(square()->cipherCells(), QList<int>({18, 7}));
        QVERIFY(textOf(QStringLiteral("hint")).contains(QStringLiteral("Вярното е TC")));
    }

    void aWholeTaskAndTheNextOne()
    {
        const QStringList answers = QStringLiteral("TC RO NF OD AG KL IR EL").split(u' ');
        for (int pair = 0; pair < answers.size(); ++pair)
            answer(pair, pair == 3 ? QStringLiteral("DO") : answers[pair]);
        answer(3, answers[3]);
        QCOMPARE(textOf(QStringLiteral("tally")), tally(7));
        QVERIFY(textOf(QStringLiteral("hint")).contains(QStringLiteral("Задачата е решена")));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("newTask"));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        const PracticeTask next = window->session().task();
        QVERIFY(next.pairs.size() >= 8 && next.pairs.size() <= 12);
        QCOMPARE(square()->letters(), next.square);
        QCOMPARE(textOf(QStringLiteral("tally")), QStringLiteral("0 от %1 от първия опит").arg(next.pairs.size()));
        QCOMPARE(input(0)->text(), QString());
        QCOMPARE(textOf(QStringLiteral("keyWord")), QStringLiteral("ключова дума: %1").arg(next.keyWord));
    }

    void openingFromTheMainWindowUsesItsSquareAndPairs_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("the window's menu") << "menu";
        QTest::newRow("Ctrl+E in the message box") << "Text2_1";
        QTest::newRow("Ctrl+E in the explanation box") << "Text1_0";
        QTest::newRow("Ctrl+E in a list") << "List1_0";
    }

    void openingFromTheMainWindowUsesItsSquareAndPairs()
    {
        QFETCH(QString, how);
        window.reset();
        MainWindowDriver main;
        QVERIFY(main.openWindow());
        main.encrypt(QStringLiteral("rodina"), QStringLiteral("senrzx"));

        QStringList menu;
        if (how == QStringLiteral("menu")) {
            QTimer::singleShot(0, this, [&menu] {
                if (auto popup = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                    for (const QAction *action : popup->actions())
                        menu << action->text() + u'\t' + action->shortcut().toString();
                    QTest::keyClick(popup, Qt::Key_Down);
                    QTest::keyClick(popup, Qt::Key_Return);
                }
            });
            // On the background below the explanation box.
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(250, 421), main.window->mapToGlobal(QPoint(250, 421)));
            QApplication::sendEvent(main.window.get(), &event);
            QCOMPARE(menu.value(0), QStringLiteral("Упражнение…\tCtrl+E"));
        } else {
            QWidget *focus = main.control(how);
            focus->setFocus();
            QTest::keyClick(focus, Qt::Key_E, Qt::ControlModifier);
            QCOMPARE(main.box(1)->text(), QStringLiteral("SENRZX"));
        }

        auto *practice = main.window->findChild<PracticeWindow *>();
        QVERIFY(practice);
        QVERIFY(practice->isWindow() && practice->isVisible());
        QCOMPARE(practice->session().task(),
                 (PracticeTask{QStringLiteral("RODINA"), rodinaTask.square, {"SE", "NR", "ZX"}}));
        QCOMPARE(practice->findChild<SquareView *>()->letters(), rodinaTask.square);
        QVERIFY(main.window->workspace() == encrypted(QStringLiteral("rodina"), QStringLiteral("senrzx")));
    }

    // Answers are in Latin letters: a Cyrillic letter, typed on a Bulgarian
    // keyboard or pasted, is not taken, and the hint says why until the
    // next answer.
    void cyrillicIsExplained_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pasted");
        QTest::newRow("typed on a Bulgarian keyboard") << "др" << false;
        QTest::newRow("a Latin letter, then a Cyrillic one") << "Tс" << false;
        QTest::newRow("pasted") << "ТС" << true;
    }

    void cyrillicIsExplained()
    {
        QFETCH(QString, text);
        QFETCH(bool, pasted);
        const QString latin = QStringLiteral("Отговорите се пишат с латински букви: превключете клавиатурата на "
                                             "латиница.");
        QLineEdit *edit = input(0);
        edit->setFocus();
        if (pasted) {
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        } else {
            for (QChar c : text) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(edit, &press);
            }
        }
        QTRY_VERIFY(textOf(QStringLiteral("hint")).startsWith(latin + u'\n'));
        QCOMPARE(edit->text(), QString(text[0]).contains(QRegularExpression(QStringLiteral("[A-Z]"))) ? text.left(1)
                                                                                                   : QString());
        QVERIFY(window->session().cyrillicTyped());
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(window->session().mark(0), PracticeSession::Mark::Open);
        QVERIFY(textOf(QStringLiteral("hint")).startsWith(latin));

        answer(0, QStringLiteral("TC"));
        QVERIFY(!textOf(QStringLiteral("hint")).contains(latin));
        QCOMPARE(window->session().mark(0), PracticeSession::Mark::Right);
    }

    void theListsAndBoxesHaveNoWindowMenu()
    {
        window.reset();
        MainWindowDriver main;
        QVERIFY(main.openWindow());
        bool opened = false;
        QTimer::singleShot(0, this, [&opened] {
            if (QWidget *popup = QApplication::activePopupWidget()) {
                opened = true;
                popup->close();
            }
        });
        const QPoint onList = main.list(0)->geometry().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, onList, main.window->mapToGlobal(onList));
        QApplication::sendEvent(main.window.get(), &event);
        QTest::qWait(10);
        QVERIFY(!opened);
    }

    void worksheetData_data()
    {
        QTest::addColumn<PracticeDirection>("direction");
        QTest::addColumn<bool>("squareShown");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("firstRule");
        QTest::addColumn<QString>("instruction");

        QTest::newRow("encrypt with the square")
            << PracticeDirection::Encrypt << true << "SE NR ZN RO RA HK DN IE" << "TC RO NF OD AG KL IR EL"
            << "Правоъгълник: S (ред 4, колона 3) и E (ред 2, колона 4) са в различни редове и колони. Всяка буква "
               "се заменя с буквата от своя ред в колоната на другата: S → T (ред 4, колона 4), E → C (ред 2, "
               "колона 3)."
            << "Използвайте квадрата";
        QTest::newRow("decrypt with only the key word")
            << PracticeDirection::Decrypt << false << "TC RO NF OD AG KL IR EL" << "SE NR ZN RO RA HK DN IE"
            << "Правоъгълник: T (ред 4, колона 4) и C (ред 2, колона 3) са в различни редове и колони. Всяка буква "
               "се заменя с буквата от своя ред в колоната на другата: T → S (ред 4, колона 3), C → E (ред 2, "
               "колона 4)."
            << "Постройте квадрата на Polybius от ключовата дума RODINA";
    }

    void worksheetData()
    {
        QFETCH(PracticeDirection, direction);
        QFETCH(bool, squareShown);
        QFETCH(QString, given);
        QFETCH(QString, answers);
        QFETCH(QString, firstRule);
        QFETCH(QString, instruction);

        const Worksheet sheet = Worksheet::forTask(rodinaTask, direction, squareShown);
        QCOMPARE(sheet.squareShown, squareShown);
        QCOMPARE(sheet.keyWord, QStringLiteral("RODINA"));
        QCOMPARE(sheet.square, rodinaTask.square);
        QCOMPARE(sheet.given.join(u' '), given);
        QCOMPARE(sheet.answers.join(u' '), answers);
        QCOMPARE(sheet.rules.size(), 8);
        QCOMPARE(sheet.rules[0], firstRule);
        QVERIFY(sheet.rules[1].contains(direction == PracticeDirection::Encrypt ? "след колона 5 идва колона 1"
                                                                                : "преди колона 1 идва колона 5"));
        QVERIFY2(sheet.instruction.startsWith(instruction), qPrintable(sheet.instruction));

        // Without a key word there is nothing to build the square from.
        PracticeTask plain = rodinaTask;
        plain.keyWord.clear();
        QVERIFY(Worksheet::forTask(plain, direction, false).squareShown);
    }

    void theSavedWorksheetIsATwoPageA4Pdf_data()
    {
        QTest::addColumn<bool>("squareShown");
        QTest::newRow("with the square") << true;
        QTest::newRow("with only the key word") << false;
    }

    void theSavedWorksheetIsATwoPageA4Pdf()
    {
        QFETCH(bool, squareShown);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("лист.pdf"));
        QVERIFY(window->saveWorksheet(path, squareShown));

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF-"));
        QCOMPARE(pagesOf(pdf), 2);
        const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Point);
        const QRegularExpression mediaBox(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
        auto boxes = mediaBox.globalMatch(QString::fromLatin1(pdf));
        int pages = 0;
        while (boxes.hasNext()) {
            const auto box = boxes.next();
            QCOMPARE(qRound(box.captured(1).toDouble()), qRound(a4.width()));
            QCOMPARE(qRound(box.captured(2).toDouble()), qRound(a4.height()));
            ++pages;
        }
        QCOMPARE(pages, 2);

        QVERIFY(!window->saveWorksheet(folder.filePath(QStringLiteral("no/such/folder/лист.pdf")), squareShown));
    }

    // A disk that fills up part of the way (a file size limit stands in for
    // one) leaves no half a sheet: an earlier sheet of the name stays as it
    // was, a new name gets no file, nothing else is left in the folder, and
    // the user is told where the sheet could not go.
    void aSheetThatDoesNotFitLeavesNoHalfSheet()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("лист.pdf"));
        QVERIFY(window->saveWorksheet(path, true));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray earlier = file.readAll();
        file.close();

        QStringList told;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&told] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                told << box->text();
                box->reject();
            }
        });
        closer.start(10);
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails rather than ending the test
        rlimit unlimited{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        rlimit limit = unlimited;
        limit.rlim_cur = rlim_t(earlier.size() / 2);
        setrlimit(RLIMIT_FSIZE, &limit);
        const bool savedOver = window->saveWorksheetAs(path);
        const bool savedNew = window->saveWorksheetAs(folder.filePath(QStringLiteral("нов лист")));
        setrlimit(RLIMIT_FSIZE, &unlimited);

        QVERIFY(!savedOver);
        QVERIFY(!savedNew);
        QCOMPARE(told, (QStringList{QStringLiteral("Листът не можа да бъде записан в %1.").arg(path),
                                    QStringLiteral("Листът не можа да бъде записан в %1.")
                                        .arg(folder.filePath(QStringLiteral("нов лист.pdf")))}));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), earlier);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("лист.pdf")});
    }

    // "Комплект за класа…" opens the dialog on the window's choices (the
    // harder sheet ticked, the direction shown); what the teacher chooses
    // there goes through the save dialog into one whole PDF.
    void theClassSetButtonSavesTheSetChosen()
    {
        QTest::mouseClick(window->findChild<QCheckBox *>(QStringLiteral("keyWordOnly")), Qt::LeftButton);
        QTest::mouseClick(window->findChild<QRadioButton *>(QStringLiteral("decrypt")), Qt::LeftButton);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("7б клас"));
        std::optional<ClassSetChoices> shown;
        std::optional<ClassSetChoices> chosen;
        QStringList told;
        QTimer driver;
        connect(&driver, &QTimer::timeout, this, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *dialog = qobject_cast<ClassSetDialog *>(modal)) {
                shown = dialog->choices();
                auto *variants = dialog->findChild<QSpinBox *>(QStringLiteral("variants"));
                variants->selectAll();
                QTest::keyClicks(variants, QStringLiteral("7"));
                dialog->findChild<QSpinBox *>(QStringLiteral("setNumber"))->setValue(314);
                chosen = dialog->choices();
                QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
            } else if (auto *files = qobject_cast<QFileDialog *>(modal)) {
                // The name it proposes; the file itself is saved below, as
                // the dialog's answer would save it (a file dialog driven by
                // a timer accepts before its folder has loaded on a busy
                // machine).
                told << files->selectedFiles().value(0);
                files->reject();
            } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                told << box->text();
                box->reject();
            }
        });
        driver.start(20);
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("classSet")), Qt::LeftButton);
        driver.stop();

        QVERIFY(shown);
        QVERIFY(!shown->squareShown);
        QCOMPARE(shown->direction, ClassSetDirection::Decrypt);
        QVERIFY(shown->setNumber >= 1 && shown->setNumber <= ClassSet::largestSetNumber);
        QCOMPARE(told.size(), 1); // the file dialog, no message
        QVERIFY2(told[0].endsWith(QStringLiteral("комплект-314.pdf")), qPrintable(told[0]));
        QVERIFY(chosen);
        QCOMPARE(chosen->variants, 7);
        QCOMPARE(chosen->setNumber, 314);
        QVERIFY(window->saveClassSetAs(*chosen, path));
        QFile file(path + QStringLiteral(".pdf"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.trimmed().endsWith("%%EOF"));
        QCOMPARE(pagesOf(pdf), 7 + 2);

        // Opened again, the dialog starts from the set saved, with a new number.
        const ClassSetChoices again = window->classSetChoices();
        QCOMPARE(again.variants, 7);
        QVERIFY(!again.squareShown);
    }

    // The dialog shows its choices and what is wrong with them: names typed
    // choose a sheet for each pupil, too many names or none stop it.
    void theClassSetDialogCollectsTheChoices()
    {
        ClassSetDialog dialog(ClassSetChoices{});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *names = dialog.findChild<QPlainTextEdit *>(QStringLiteral("names"));
        auto *summary = dialog.findChild<QLabel *>(QStringLiteral("summary"));
        QPushButton *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        QCOMPARE(dialog.choices().variants, 25);
        QVERIFY(!dialog.byNames());
        QCOMPARE(summary->text(), QStringLiteral("25 различни листа и отговорите на всички, в един PDF файл."));

        for (const char *line : {"  Ivan Petrov", "", "Maria   Ivanova"}) {
            QTest::keyClicks(names, QLatin1String(line));
            QTest::keyClick(names, Qt::Key_Return);
        }
        QVERIFY(dialog.byNames());
        QCOMPARE(dialog.choices().names, (QStringList{QStringLiteral("Ivan Petrov"), QStringLiteral("Maria Ivanova")}));
        QCOMPARE(dialog.choices().variants, 2);
        QVERIFY(ok->isEnabled());

        QStringList many;
        for (int i = 1; i <= 41; ++i)
            many << QStringLiteral("Ученик %1").arg(i);
        names->setPlainText(many.join(u'\n'));
        QCOMPARE(summary->text(), QStringLiteral("Имената са 41, а вариантите са най-много 40."));
        QVERIFY(!ok->isEnabled());
        names->clear();
        QCOMPARE(summary->text(), QStringLiteral("Напишете имената на учениците, по едно на ред."));
        QVERIFY(!ok->isEnabled());

        auto *byNumber = dialog.findChild<QRadioButton *>(QStringLiteral("byNumber"));
        QTest::mouseClick(byNumber, Qt::LeftButton, {}, QPoint(8, byNumber->height() / 2)); // on its circle
        QVERIFY(ok->isEnabled());
        QCOMPARE(dialog.choices().variants, 25);
        QVERIFY(dialog.choices().names.isEmpty());
        dialog.findChild<QComboBox *>(QStringLiteral("direction"))->setCurrentIndex(2);
        dialog.findChild<QComboBox *>(QStringLiteral("sheet"))->setCurrentIndex(1);
        dialog.findChild<QSpinBox *>(QStringLiteral("pairs"))->setValue(99);
        QCOMPARE(dialog.choices().direction, ClassSetDirection::Mixed);
        QVERIFY(!dialog.choices().squareShown);
        QCOMPARE(dialog.choices().pairs, PracticeTask::maxPairCount);
    }

    // A class set that does not fit on the disk leaves no file and says so.
    void aClassSetThatDoesNotFitLeavesNoFile()
    {
        QTemporaryDir folder;
        QStringList told;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&told] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                told << box->text();
                box->reject();
            }
        });
        closer.start(10);
        ClassSetChoices choices;
        choices.setNumber = 5;
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit unlimited{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        rlimit limit = unlimited;
        limit.rlim_cur = 20000;
        setrlimit(RLIMIT_FSIZE, &limit);
        const bool saved = window->saveClassSetAs(choices, folder.filePath(QStringLiteral("комплект")));
        setrlimit(RLIMIT_FSIZE, &unlimited);
        choices.variants = 0;
        const bool savedNone = window->saveClassSetAs(choices, folder.filePath(QStringLiteral("празен.pdf")));

        QVERIFY(!saved);
        QVERIFY(!savedNone);
        QCOMPARE(told, (QStringList{QStringLiteral("Комплектът не можа да бъде записан в %1.")
                                        .arg(folder.filePath(QStringLiteral("комплект.pdf"))),
                                    QStringLiteral("Напишете имената на учениците, по едно на ред.")}));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void theSquareViewEmphasisesCells()
    {
        SquareView view;
        view.setLetters(QStringLiteral("ABC"));
        QCOMPARE(view.letters(), QStringLiteral("ABC"));
        view.setEmphasised({0, 24});
        view.setOutlines({1}, {2});
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QImage image = view.grab().toImage();
        const auto colourIn = [&](int cell) { return image.pixelColor(view.cellRect(cell).topLeft() + QPoint(1, 18)); };
        QCOMPARE(colourIn(0), SquareView::emphasisColour());
        QCOMPARE(colourIn(24), SquareView::emphasisColour());
        QCOMPARE(colourIn(12), QColor(255, 128, 0));
        QCOMPARE(view.plainCells(), QList<int>{1});
        QCOMPARE(view.cipherCells(), QList<int>{2});
        QCOMPARE(view.cellRect(1).left() - view.cellRect(0).right(), 5); // the 4-pixel gap for the outlines
    }

    // The pupil chooses each alphabet in turn: a new task in it on a square
    // of its shape, named under the square, answers typed in its script
    // (a right one, then a slip the finder names on that square), the choice
    // kept in the settings.
    void theExerciseWorksInEachAlphabet_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("otherScript"); // a letter the answers refuse, and the hint it brings
        QTest::addColumn<QString>("otherHint");

        const QString latinHint = QStringLiteral("Отговорите се пишат с латински букви");
        QTest::newRow("latin-ij") << 0 << "latin-ij" << 5 << 5 << "Азбука: латиница, J като I (5 × 5)." << "д" << latinHint;
        QTest::newRow("latin-q") << 1 << "latin-q" << 5 << 5 << "Азбука: латиница без Q (5 × 5)." << "ж" << latinHint;
        QTest::newRow("latin-digits") << 2 << "latin-digits" << 6 << 6 << "Азбука: латиница и цифри (6 × 6)." << "я" << latinHint;
        QTest::newRow("cyrillic") << 3 << "cyrillic" << 5 << 6 << "Азбука: кирилица, 30 букви (5 × 6)." << "w"
                                  << "Отговорите се пишат на кирилица";
    }

    void theExerciseWorksInEachAlphabet()
    {
        QFETCH(int, index);
        QFETCH(QString, code);
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(QString, line);
        QFETCH(QString, otherScript);
        QFETCH(QString, otherHint);

        auto *choice = window->findChild<QComboBox *>(QStringLiteral("alphabet"));
        QVERIFY(choice);
        QCOMPARE(choice->currentIndex(), 0); // the main window's task is on the classic square
        if (index == 0) {
            // From another alphabet back to the classic one.
            QTest::keyClick(choice, Qt::Key_Down);
            QTest::keyClick(choice, Qt::Key_Up);
        } else {
            for (int i = 0; i < index; ++i)
                QTest::keyClick(choice, Qt::Key_Down);
        }
        QCOMPARE(choice->currentIndex(), index);
        const PracticeSession &session = window->session();
        QCOMPARE(QString::fromLatin1(session.alphabet().code().data()), code);
        QCOMPARE(square()->shape(), (SquareShape{rows, columns}));
        QCOMPARE(square()->letters(), session.task().square);
        QCOMPARE(session.task().square.size(), rows * columns);
        QVERIFY(textOf(QStringLiteral("alphabetLine")).startsWith(line));
        QCOMPARE(QString::fromLatin1(storedAlphabet().code().data()), code);
        QVERIFY(session.pairCount() >= 8);
        if (index == 3) // the Cyrillic messages are in Cyrillic
            QVERIFY(session.given(0).contains(QRegularExpression(QStringLiteral("^[А-Я]{2}$"))));

        // A letter of the other script is refused and named.
        QLineEdit *edit = input(0);
        edit->setFocus();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, otherScript);
        QApplication::sendEvent(edit, &press);
        QCOMPARE(edit->text(), QString());
        QTRY_VERIFY(textOf(QStringLiteral("hint")).startsWith(otherHint));

        // Typed letter by letter, Cyrillic ones too, and handed in with Enter.
        const auto typeIn = [this](int pair, const QString &text) {
            QLineEdit *edit = input(pair);
            QTest::mouseClick(edit, Qt::LeftButton);
            for (QChar c : text) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(edit, &press);
            }
            QTest::keyClick(edit, Qt::Key_Return);
        };
        // The right answer, typed in small letters.
        typeIn(0, session.expected(0).toLower());
        QCOMPARE(session.mark(0), PracticeSession::Mark::Right);

        // The pair copied as it stands: the finder names the slip.
        typeIn(1, session.given(1));
        QCOMPARE(session.mark(1), PracticeSession::Mark::Wrong);
        QVERIFY(session.slip(1));
        QCOMPARE(session.slip(1)->slip, Slip::Unchanged);
        QCOMPARE(textOf(QStringLiteral("mark2")), QStringLiteral("✗ грешно"));
        // The explained pair's letters outlined on this square's cells.
        const RowInsight insight = session.insight(1);
        QCOMPARE(square()->plainCells().size(), 2);
        QCOMPARE(square()->plainCells().at(0), insight.plainPositions.at(0).cell(square()->shape()));
        QCOMPARE(session.task().square.at(square()->plainCells().at(0)), session.given(1).at(0));

        // A new task stays in the alphabet.
        window->findChild<QPushButton *>(QStringLiteral("newTask"))->click();
        QCOMPARE(window->session().alphabet(), *Alphabet::byCode(code.toStdString()));
        QCOMPARE(square()->shape(), (SquareShape{rows, columns}));
    }

    // The square of each alphabet's shape: its cells row by row, numbered
    // rows and columns, and the last cell in the bottom right corner.
    void theSquareViewDrawsEachShape_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("letters");
        QTest::newRow("5x5") << 5 << 5 << "PLAYFIREXMBCDGHKNOQSTUVWZ";
        QTest::newRow("6x6") << 6 << 6 << "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        QTest::newRow("5x6") << 5 << 6 << "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЬЮЯ";
    }

    void theSquareViewDrawsEachShape()
    {
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(QString, letters);
        SquareView view;
        view.setShape({rows == 6 ? 5 : 6, 6}); // from another shape, as a window changing its alphabet does
        view.setEmphasised({0});
        view.setShape({rows, columns});
        view.setLetters(letters);
        view.setOutlines({0}, {rows * columns - 1});
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.letters(), letters);
        QCOMPARE(view.emphasised(), QList<int>());
        QCOMPARE(view.findChildren<QLabel *>(QRegularExpression(QStringLiteral("^cell_"))).size(), rows * columns);
        QVERIFY(view.findChild<QLabel *>(QStringLiteral("column_%1").arg(columns)));
        QVERIFY(!view.findChild<QLabel *>(QStringLiteral("column_%1").arg(columns + 1)));
        QVERIFY(view.findChild<QLabel *>(QStringLiteral("row_%1").arg(rows)));
        QVERIFY(!view.findChild<QLabel *>(QStringLiteral("row_%1").arg(rows + 1)));
        const QRect first = view.cellRect(0);
        const QRect belowFirst = view.cellRect(columns);
        const QRect last = view.cellRect(rows * columns - 1);
        QCOMPARE(belowFirst.left(), first.left());
        QVERIFY(belowFirst.top() > first.bottom());
        QCOMPARE(view.cellRect(columns - 1).top(), first.top());
        QVERIFY(view.rect().contains(last));
        QCOMPARE(last.left(), view.cellRect(columns - 1).left());
        QCOMPARE(last.top(), view.cellRect((rows - 1) * columns).top());
        QCOMPARE(view.cipherCells(), QList<int>{rows * columns - 1});
    }
};

QTEST_MAIN(TestPracticeWindow)
#include "tst_practicewindow.moc"
