// The program in its two languages, driven as a user drives it. CTest runs
// this twice: tst_languages starts it under LC_ALL=C.UTF-8, that is in
// Bulgarian, and switches from a window's menu; tst_languages_en starts it
// under LANGUAGE=en and checks that every window speaks English.

#include "breakwindowfixture.h"
#include "helpers.h"

#include "ui/application.h"
#include "ui/practice/classsetdialog.h"
#include "ui/practice/practicewindow.h"
#include "ui/practice/worksheet.h"
#include "ui/translations.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>
#include <functional>

using namespace playfair;
using namespace playfair::testing;

namespace {

bool hasCyrillic(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x400 && c.unicode() < 0x530; });
}

// Every text a window shows, or reads out to a screen reader, each with the
// control it is on.
QStringList textsOf(QWidget *window)
{
    QStringList texts;
    const auto add = [&texts](const QObject *on, const QString &text) {
        if (!text.isEmpty())
            texts << on->objectName() + QStringLiteral(": ") + text;
    };
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *w : std::as_const(widgets)) {
        if (w->isWindow())
            add(w, w->windowTitle());
        for (const QString &text : {w->toolTip(), w->accessibleName(), w->accessibleDescription()})
            add(w, text);
        for (const QAction *action : w->actions())
            add(action, action->text());
        if (auto *label = qobject_cast<QLabel *>(w))
            add(w, label->text());
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            add(w, button->text());
        else if (auto *group = qobject_cast<QGroupBox *>(w))
            add(w, group->title());
        else if (auto *line = qobject_cast<QLineEdit *>(w))
            texts << line->text() << line->placeholderText();
        else if (auto *box = qobject_cast<QPlainTextEdit *>(w))
            texts << box->toPlainText() << box->placeholderText();
        else if (auto *list = qobject_cast<QListWidget *>(w))
            for (int row = 0; row < list->count(); ++row)
                texts << list->item(row)->text() << list->item(row)->toolTip();
        else if (auto *combo = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < combo->count(); ++i)
                add(w, combo->itemText(i));
    }
    return texts;
}

// Opens a window's menu on its background; returns the texts of its
// entries and submenus, and chooses the entry named `choose`, if any.
QStringList menuOf(QWidget *window, const QString &choose = QString())
{
    QStringList texts;
    QTimer::singleShot(0, window, [&] {
        auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!popup)
            return;
        const std::function<void(const QMenu *)> collect = [&](const QMenu *menu) {
            for (const QAction *action : menu->actions()) {
                // Български and English: each language named in itself.
                if (!action->objectName().startsWith(QStringLiteral("language_")))
                    texts << action->text();
                if (action->menu())
                    collect(action->menu());
            }
        };
        collect(popup);
        QAction *chosen = popup->findChild<QAction *>(choose);
        popup->close();
        if (chosen)
            chosen->trigger();
    });
    const QPoint background(window->width() / 2, window->height() - 3);
    QContextMenuEvent event(QContextMenuEvent::Mouse, background, window->mapToGlobal(background));
    QApplication::sendEvent(window, &event);
    QCoreApplication::processEvents(); // the windows take the LanguageChange posted to them
    return texts;
}

// The three windows after some work in each: an Encrypt with a row
// selected, a pair answered right and one wrong, a known word typed.
struct Windows : MainWindowDriver
{
    PracticeWindow *practice = nullptr;
    BreakWindow *breaking = nullptr;

    bool open()
    {
        if (!openWindow())
            return false;
        encrypt(QStringLiteral("rodina"), QStringLiteral("send help to the north gate"));
        clickRow(list(1), 2);
        QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
        practice = window->findChild<PracticeWindow *>();
        QTest::keyClick(window.get(), Qt::Key_B, Qt::ControlModifier);
        breaking = window->findChild<BreakWindow *>();
        if (!practice || !breaking)
            return false;
        const PracticeSession &session = practice->session();
        const QString wrong = session.expected(1) == QStringLiteral("AB") ? QStringLiteral("AC") : QStringLiteral("AB");
        for (const auto &[pair, answer] : {std::pair(0, session.expected(0)), std::pair(1, wrong)}) {
            auto *input = practice->findChild<QLineEdit *>(QStringLiteral("answer%1").arg(pair + 1));
            input->setFocus();
            QTest::keyClicks(input, answer);
            QTest::keyClick(input, Qt::Key_Return);
        }
        QTest::keyClicks(breaking->findChild<QLineEdit *>(QStringLiteral("crib")), QStringLiteral("HELP"));
        return true;
    }

    QWidget *byName(const QString &which) const
    {
        return which == u"main" ? window.get() : which == u"practice" ? static_cast<QWidget *>(practice) : breaking;
    }

    QStringList texts() const { return textsOf(window.get()); } // the other two are its children

    // What the windows keep whatever language they are shown in.
    QString work() const
    {
        Workspace ws = window->workspace();
        ws.translateExplanation(UiLanguage::Bulgarian);
        QStringList parts{ws.Text2[0], ws.Text2[1], ws.Text1[0], squareOf(ws)};
        for (const ItemList &list : ws.List1)
            parts << itemsOf(list) << QString::number(list.ListIndex());
        const PracticeSession &exercise = practice->session();
        for (int pair = 0; pair < exercise.pairCount(); ++pair)
            parts << exercise.answer(pair) << QString::number(int(exercise.mark(pair)));
        parts << QString::number(exercise.explainedPair()) << breaking->session().ciphertext()
              << breaking->session().crib();
        return parts.join(u'|');
    }
};

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { setUpApplication(*qApp); }

    // Under LC_ALL=C.UTF-8 the program is Bulgarian, with no translator of
    // its own: its texts are the code's.
    void startsInBulgarian()
    {
        QCOMPARE(uiLanguage(), UiLanguage::Bulgarian);
        QCOMPARE(QCoreApplication::translate("playfair::MainWindow", "Криптирай"), QStringLiteral("Криптирай"));
        Windows windows;
        QVERIFY(windows.open());
        QCOMPARE(windows.button(0)->text(), QStringLiteral("Криптирай"));
    }

    // A switch from any window's menu shows every open window in the other
    // language, as if it had been opened in it, and keeps what each holds;
    // switching back gives every text as it was. The choice outlives the run.
    void switchingKeepsTheWork_data()
    {
        QTest::addColumn<QString>("from");
        QTest::newRow("the main window's menu") << "main";
        QTest::newRow("the exercise window's menu") << "practice";
        QTest::newRow("the break window's menu") << "break";
    }

    void switchingKeepsTheWork()
    {
        QFETCH(QString, from);
        QStringList english;
        QString work;
        {
            Windows bulgarian;
            QVERIFY(bulgarian.open());
            const QStringList before = bulgarian.texts();
            work = bulgarian.work();
            menuOf(bulgarian.byName(from), QStringLiteral("language_en"));
            QCOMPARE(uiLanguage(), UiLanguage::English);
            QCOMPARE(bulgarian.button(0)->text(), QStringLiteral("Encrypt"));
            QCOMPARE(bulgarian.work(), work);
            english = bulgarian.texts();
            QVERIFY(english != before);
        }
        QCOMPARE(storedLanguage(), UiLanguage::English);
        QProcess help; // the next run of the program
        help.start(QStringLiteral(PLAYFAIR_PROGRAM), {QStringLiteral("--help")});
        QVERIFY(help.waitForFinished());
        QVERIFY(help.readAllStandardOutput().startsWith("Usage: playfair"));

        Windows opened; // in English from the start
        QVERIFY(opened.open());
        QCOMPARE(opened.texts(), english);
        menuOf(opened.byName(from), QStringLiteral("language_bg"));
        QCOMPARE(storedLanguage(), UiLanguage::Bulgarian);
        QCOMPARE(opened.work(), work);
        Windows fresh;
        QVERIFY(fresh.open());
        QCOMPARE(opened.texts(), fresh.texts());
    }

    // What a window words from its session as it shows it (a demonstration's
    // notes on Cyrillic, a refusal, the end of a search with its seconds, the
    // hint on Cyrillic answers) and its fixed texts follow a switch either
    // way. Each pattern must match a whole line of the control's text.
    void sentencesFollowTheSwitch_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QStringList>("bulgarian");
        QTest::addColumn<QStringList>("english");
        QTest::newRow("a demonstration in Cyrillic, with a Cyrillic key word")
            << "cyrillic demonstration" << "status" << QByteArray("text")
            << QStringList{"Кирилицата в текста е написана с латински букви по официалната транслитерация, на която "
                           "е и статистиката на българския: „SRESHTA PRI MOSTA“\\.",
                           "Ключовата дума РОДИНА е написана с латински букви: RODINA\\."}
            << QStringList{"The Cyrillic in the text is written in Latin letters by the official transliteration, "
                           "the one the Bulgarian statistics are counted in: “SRESHTA PRI MOSTA”\\.",
                           "The key word РОДИНА is written in Latin letters: RODINA\\."};
        QTest::newRow("a ciphertext of Cyrillic letters only")
            << "cyrillic ciphertext" << "status" << QByteArray("text")
            << QStringList{"В текста има само букви на кирилица, а шифърът Playfair се пише с латински букви\\."}
            << QStringList{"The text has Cyrillic letters only, and a Playfair ciphertext is written in Latin "
                           "letters\\."};
        QTest::newRow("the end of a search, in seconds")
            << "search" << "status" << QByteArray("text")
            << QStringList{"Търсенето приключи след [0-9]+,[0-9] с и [0-9\\x{00A0}]+ проверени ключа: .+\\."}
            << QStringList{"The search ended after [0-9]+\\.[0-9] s and [0-9,]+ keys tested: .+\\."};
        QTest::newRow("the known key word, found")
            << "search" << "foundKeyWord" << QByteArray("text") << QStringList{"Ключовата дума е MONARCHY"}
            << QStringList{"The key word is MONARCHY"};
        QTest::newRow("the time limit's unit")
            << "" << "timeLimit" << QByteArray("suffix") << QStringList{" с"} << QStringList{" s"};
        QTest::newRow("Escape, named in Stop's tooltip")
            << "" << "stop" << QByteArray("toolTip")
            << QStringList{"Спира търсенето; същото прави клавишът Esc\\."}
            << QStringList{"Stops the search; so does the Esc key\\."};
        QTest::newRow("a Cyrillic letter typed into an answer")
            << "cyrillic answer" << "hint" << QByteArray("text")
            << QStringList{"Отговорите се пишат с латински букви: превключете клавиатурата на латиница\\."}
            << QStringList{"Answers are written in Latin letters: switch the keyboard to a Latin layout\\."};
    }

    void sentencesFollowTheSwitch()
    {
        QFETCH(QString, what);
        QFETCH(QString, control);
        QFETCH(QByteArray, property);
        QFETCH(QStringList, bulgarian);
        QFETCH(QStringList, english);
        QCOMPARE(uiLanguage(), UiLanguage::Bulgarian);
        Windows windows;
        QVERIFY(windows.open());
        BreakWindow *breaking = windows.breaking;
        const auto edit = [breaking](const char *name) { return breaking->findChild<QLineEdit *>(name); };
        if (what == u"cyrillic demonstration" || what == u"search") {
            const bool cyrillic = what == u"cyrillic demonstration";
            breaking->findChild<QPlainTextEdit *>(QStringLiteral("demoText"))
                ->setPlainText(cyrillic ? QStringLiteral("Среща при моста")
                                        : QStringLiteral("Meet me at the old mill after dark and bring the map of "
                                                         "the northern pass."));
            breaking->findChild<QRadioButton *>(QStringLiteral("useKeyWord"))->setChecked(true);
            edit("keyWord")->setText(cyrillic ? QStringLiteral("РОДИНА") : QStringLiteral("MONARCHY"));
            edit("crib")->clear();
            breaking->makeDemonstration();
        } else if (what == u"cyrillic ciphertext") {
            // On the classic square chosen: automatic would read the letters in Cyrillic.
            auto *alphabet = breaking->findChild<QComboBox *>(QStringLiteral("alphabet"));
            alphabet->setCurrentIndex(alphabet->findData(0));
            breaking->findChild<QPlainTextEdit *>(QStringLiteral("ciphertext"))->setPlainText(QStringLiteral("шифър"));
            breaking->start();
        } else if (what == u"cyrillic answer") {
            QLineEdit *answer = windows.practice->findChild<QLineEdit *>(QStringLiteral("answer3"));
            answer->setFocus();
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("д"));
            QApplication::sendEvent(answer, &press);
            QCoreApplication::processEvents(); // the window shows the session once the edit is done
        }
        if (what == u"search") {
            breaking->setSearchOptions(2, 1);
            breaking->start();
            // The window shows the end at its next repaint, which enables Start.
            QTRY_VERIFY_WITH_TIMEOUT(breaking->findChild<QPushButton *>(QStringLiteral("start"))->isEnabled(), 60000);
        }
        QWidget *window = what == u"cyrillic answer" ? static_cast<QWidget *>(windows.practice) : breaking;
        const QObject *shown = window->findChild<QObject *>(control);
        QVERIFY(shown);
        const auto check = [&](const QStringList &patterns) {
            const QStringList lines = shown->property(property.constData()).toString().split(u'\n');
            return std::all_of(patterns.begin(), patterns.end(), [&lines](const QString &pattern) {
                const QRegularExpression whole(QRegularExpression::anchoredPattern(pattern));
                return std::any_of(lines.begin(), lines.end(),
                                   [&whole](const QString &line) { return whole.match(line).hasMatch(); });
            });
        };
        const auto text = [&] { return shown->property(property.constData()).toString(); };
        QVERIFY2(check(bulgarian), qPrintable(text()));
        menuOf(window, QStringLiteral("language_en"));
        QVERIFY2(check(english), qPrintable(text()));
        menuOf(window, QStringLiteral("language_bg"));
        QVERIFY2(check(bulgarian), qPrintable(text()));
    }

    // Under LANGUAGE=en (tst_languages_en): the main controls' English names.
    void startsInEnglish_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("Encrypt") << "main" << "Command1_0" << "Encrypt";
        QTest::newRow("Clear") << "main" << "Command1_1" << "Clear";
        QTest::newRow("New task") << "practice" << "newTask" << "New task";
        QTest::newRow("Save as PDF") << "practice" << "saveWorksheet" << "Save as PDF…";
        QTest::newRow("Class set") << "practice" << "classSet" << "Class set…";
        QTest::newRow("Start") << "break" << "start" << "Start";
        QTest::newRow("Stop") << "break" << "stop" << "Stop";
    }

    void startsInEnglish()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, text);
        QCOMPARE(uiLanguage(), UiLanguage::English);
        Windows windows;
        QVERIFY(windows.open());
        QCOMPARE(windows.byName(window)->findChild<QAbstractButton *>(control)->text(), text);
        const QStringList menu = menuOf(windows.window.get());
        QCOMPARE(menu.mid(0, 2), (QStringList{"Exercise…", "Break the cipher…"}));
        QVERIFY(menu.contains(QStringLiteral("Language")));
    }

    // Under LANGUAGE=en: not one Cyrillic letter in any window, its menu,
    // the worksheet, a message or the report of a search.
    void noCyrillicInAnyWindow_data()
    {
        QTest::addColumn<QString>("what");
        for (const char *what : {"windows", "menus", "worksheet", "class set", "error message", "demonstration", "search"})
            QTest::newRow(what) << what;
    }

    void noCyrillicInAnyWindow()
    {
        QFETCH(QString, what);
        QCOMPARE(uiLanguage(), UiLanguage::English);
        Windows windows;
        QVERIFY(windows.open());
        QStringList texts;
        if (what == u"windows") {
            texts = windows.texts();
        } else if (what == u"menus") {
            for (const char *window : {"main", "practice", "break"})
                texts << menuOf(windows.byName(QLatin1String(window)));
        } else if (what == u"worksheet") {
            const PracticeTask &task = windows.practice->session().task();
            for (const bool squareShown : {true, false}) {
                const Worksheet sheet = Worksheet::forTask(task, PracticeDirection::Decrypt, squareShown);
                texts << sheet.title << sheet.pupilLine << sheet.instruction << sheet.keyWordLine << sheet.givenHeading
                      << sheet.answerHeading << sheet.rules << sheet.keyTitle << sheet.keyLine << sheet.keyContinued;
            }
        } else if (what == u"class set") {
            ClassSetChoices choices;
            choices.variants = 4;
            choices.direction = ClassSetDirection::Mixed;
            choices.names = QStringList{QStringLiteral("Anna")};
            const ClassSetPrint print = ClassSetPrint::forSet(ClassSet::draw(choices));
            texts << print.title << print.keyTitle << print.keyLine << print.keyContinued;
            for (const Worksheet &sheet : print.sheets)
                texts << sheet.heading << sheet.setLine << sheet.keyHeading << sheet.ruleNames << sheet.title
                      << sheet.instruction << sheet.givenHeading;
            ClassSetDialog dialog(choices, windows.practice);
            dialog.show();
            texts << textsOf(&dialog) << dialog.windowTitle();
            for (auto *box : dialog.findChildren<QComboBox *>()) {
                for (int i = 0; i < box->count(); ++i)
                    texts << box->itemText(i);
            }
        } else if (what == u"error message") {
            QTimer::singleShot(0, [&texts] {
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                    texts << box->text() << box->informativeText();
                    box->accept();
                }
            });
            windows.window->workspace().Text2[1] = QString(40000, u'A'); // more than 32767 letters
            windows.button(0)->click();
            QVERIFY(!texts.isEmpty());
        } else {
            BreakWindow *window = windows.breaking;
            window->findChild<QPlainTextEdit *>(QStringLiteral("demoText"))->setPlainText(
                QStringLiteral("Meet me at the old mill after dark and bring the map of the northern pass."));
            window->findChild<QRadioButton *>(QStringLiteral("useKeyWord"))->setChecked(true);
            window->findChild<QLineEdit *>(QStringLiteral("keyWord"))->setText(QStringLiteral("MONARCHY"));
            window->makeDemonstration();
            if (what == u"search") {
                window->findChild<QSpinBox *>(QStringLiteral("timeLimit"))->setValue(5);
                window->setSearchOptions(2, 1);
                window->start();
                QTRY_VERIFY_WITH_TIMEOUT(!window->isSearching(), 60000);
            }
            texts = textsOf(window);
        }
        QStringList cyrillic;
        std::copy_if(texts.begin(), texts.end(), std::back_inserter(cyrillic), hasCyrillic);
        QVERIFY2(cyrillic.isEmpty(), qPrintable(cyrillic.join(u'\n')));
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
