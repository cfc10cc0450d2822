// The handbook in the program: F1 and "Помощ" open it at the page of the
// window they come from, in the program's language; every link and picture
// of every page resolves; every entry of the windows' menus is named on the
// window's page or the contents; nothing of it is loaded before it opens.

#include "ui/application.h"
#include "ui/help/handbook.h"
#include "ui/help/handbookwindow.h"
#include "ui/main/mainwindow.h"
#include "ui/translations.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

using namespace playfair;

namespace {

// Pages written beside the handbook on other branches; a link to one of them
// is let pass while the page is missing. Empty this list once they are in.

QString pageText(const QString &language, const QString &page)
{
    QFile file(QStringLiteral(":/handbook/docs/handbook/%1/%2").arg(language, page));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The first heading of a page's Markdown, as the browser shows it.
QString titleOf(const QString &markdown)
{
    const QString first = markdown.section(QLatin1Char('\n'), 0, 0);
    return first.startsWith(QLatin1String("# ")) ? first.mid(2) : QString();
}

QString resourcePath(const QUrl &url)
{
    return url.scheme() == QLatin1String("qrc") ? QLatin1Char(':') + url.path() : url.toLocalFile();
}

// Opens `window`'s context menu on its background and runs `use` on it
// while it is open, then closes it.
void withWindowMenu(QWidget *window, const std::function<void(QMenu *)> &use)
{
    bool seen = false;
    QTimer::singleShot(0, window, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        seen = true;
        use(menu);
        menu->close();
    });
    const QPoint place(window->width() - 3, window->height() - 3);
    QContextMenuEvent event(QContextMenuEvent::Mouse, place, window->mapToGlobal(place));
    QApplication::sendEvent(window, &event);
    QVERIFY2(seen, qPrintable(window->objectName() + QStringLiteral(" showed no menu")));
}

// Types `text` the way a keyboard does, letter by letter, Cyrillic too.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar letter : text) {
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(letter), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(letter), Qt::NoModifier);
    }
}

UiLanguage languageOf(const QString &code)
{
    return code == QLatin1String("en") ? UiLanguage::English : UiLanguage::Bulgarian;
}

} // namespace

class TestHandbook : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> m_main;

    // The main window, or the window its shortcut opens, active.
    QWidget *openWindow(const QString &name, int shortcutKey)
    {
        m_main = std::make_unique<MainWindow>();
        m_main->show();
        QApplication::setActiveWindow(m_main.get());
        if (!QTest::qWaitForWindowActive(m_main.get()))
            return nullptr;
        if (!shortcutKey)
            return m_main.get();
        QTest::keyClick(m_main.get(), Qt::Key(shortcutKey), Qt::ControlModifier);
        auto *window = m_main->findChild<QWidget *>(name);
        if (!window)
            return nullptr;
        QApplication::setActiveWindow(window);
        if (!QTest::qWaitForWindowActive(window))
            return nullptr;
        return window;
    }

    HandbookWindow *handbook() const { return m_main->findChild<HandbookWindow *>(); }

    static void windowsTable()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("shortcutKey");
        QTest::addColumn<QString>("page");
        const struct
        {
            const char *window;
            int key;
            const char *page;
        } windows[] = {
            {"Form1", 0, "index.md"},
            {"PracticeWindow", Qt::Key_E, "exercise.md"},
            {"BreakWindow", Qt::Key_B, "break.md"},
            {"ByHandWindow", Qt::Key_R, "by-hand.md"},
        };
        for (const char *language : {"bg", "en"}) {
            for (const auto &w : windows) {
                QTest::addRow("%s, %s", language, w.window)
                    << QString::fromLatin1(language) << QString::fromLatin1(w.window) << w.key
                    << QString::fromLatin1(w.page);
            }
        }
    }

private Q_SLOTS:
    void initTestCase() { setUpApplication(*qApp); }

    void cleanup()
    {
        m_main.reset();
        showLanguage(UiLanguage::Bulgarian);
    }

    // The start-up pays for none of the handbook: its pages are not even
    // registered until it first opens.
    void nothingBeforeItOpens()
    {
        QVERIFY(openWindow(QStringLiteral("Form1"), 0));
        QVERIFY(!QFile::exists(QStringLiteral(":/handbook/docs/handbook/bg/index.md")));
        QVERIFY(!handbook());
        QTest::keyClick(m_main.get(), Qt::Key_F1);
        QVERIFY(handbook());
        QVERIFY(QFile::exists(QStringLiteral(":/handbook/docs/handbook/bg/index.md")));
    }

    void f1OpensTheWindowsPage_data() { windowsTable(); }
    void f1OpensTheWindowsPage()
    {
        QFETCH(QString, language);
        QFETCH(QString, window);
        QFETCH(int, shortcutKey);
        QFETCH(QString, page);
        showLanguage(languageOf(language));
        QWidget *opened = openWindow(window, shortcutKey);
        QVERIFY(opened);

        QTest::keyClick(opened, Qt::Key_F1);
        HandbookWindow *shown = handbook();
        QVERIFY(shown);
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QCOMPARE(shown->language(), language);
        QCOMPARE(shown->page(), page);
        const auto *browser = shown->findChild<QTextBrowser *>(QStringLiteral("handbookBrowser"));
        const QString title = titleOf(pageText(language, page));
        QVERIFY(!title.isEmpty());
        QCOMPARE(browser->document()->firstBlock().text(), title);
    }

    void menuOpensTheWindowsPage_data() { windowsTable(); }
    void menuOpensTheWindowsPage()
    {
        QFETCH(QString, language);
        QFETCH(QString, window);
        QFETCH(int, shortcutKey);
        QFETCH(QString, page);
        showLanguage(languageOf(language));
        QWidget *opened = openWindow(window, shortcutKey);
        QVERIFY(opened);

        withWindowMenu(opened, [](QMenu *menu) {
            if (auto *help = menu->findChild<QAction *>(QStringLiteral("helpAction")))
                help->trigger();
        });
        HandbookWindow *shown = handbook();
        QVERIFY(shown);
        QCOMPARE(shown->language(), language);
        QCOMPARE(shown->page(), page);
    }

    // Every entry of a window's menu, with its shortcut, stands on the
    // window's page or on the contents, in the language shown.
    void everyMenuEntryIsNamed_data() { windowsTable(); }
    void everyMenuEntryIsNamed()
    {
        QFETCH(QString, language);
        QFETCH(QString, window);
        QFETCH(int, shortcutKey);
        QFETCH(QString, page);
        showLanguage(languageOf(language));
        QWidget *opened = openWindow(window, shortcutKey);
        QVERIFY(opened);

        QStringList entries;
        withWindowMenu(opened, [&](QMenu *menu) {
            for (const QAction *action : menu->actions()) {
                if (action->isSeparator())
                    continue;
                entries << QString(action->text()).remove(QLatin1Char('&'));
                if (!action->shortcut().isEmpty())
                    entries << action->shortcut().toString(QKeySequence::PortableText);
            }
        });
        QVERIFY(entries.contains(language == QLatin1String("en") ? QStringLiteral("Help") : QStringLiteral("Помощ")));
        const QString text = pageText(language, page) + pageText(language, QStringLiteral("index.md"));
        for (const QString &entry : entries)
            QVERIFY2(text.contains(entry), qPrintable(entry + QStringLiteral(" is not in ") + page));
    }

    // Both languages have the same pages, and every link between them and
    // every picture they show resolves.
    void bothLanguagesHaveEveryPage()
    {
        const QStringList bulgarian = HandbookWindow::pages(QStringLiteral("bg"));
        QVERIFY(bulgarian.contains(QStringLiteral("index.md")));
        QCOMPARE(bulgarian, HandbookWindow::pages(QStringLiteral("en")));
    }

    void everyLinkResolves_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("page");
        for (const char *code : {"bg", "en"}) {
            const QString language = QString::fromLatin1(code);
            for (const QString &page : HandbookWindow::pages(language))
                QTest::addRow("%s/%s", qPrintable(language), qPrintable(page)) << language << page;
        }
    }
    void everyLinkResolves()
    {
        QFETCH(QString, language);
        QFETCH(QString, page);
        QTextDocument document;
        document.setMarkdown(pageText(language, page));
        const QUrl here = HandbookWindow::pageUrl(language, page);
        int links = 0;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                if (format.isImageFormat()) {
                    const QString path = resourcePath(here.resolved(QUrl(format.toImageFormat().name())));
                    QVERIFY2(!QImage(path).isNull(), qPrintable(path));
                    ++links;
                } else if (format.isAnchor() && !format.anchorHref().isEmpty()) {
                    const QUrl target = here.resolved(QUrl(format.anchorHref()));
                    if (target.scheme() == QLatin1String("https"))
                        continue;
                    ++links;
                    QVERIFY2(QFile::exists(resourcePath(target)),
                             qPrintable(format.anchorHref() + QStringLiteral(" leads nowhere")));
                }
            }
        }
        QVERIFY2(links > 0, "a page without a link back");
    }

    // The handbook follows the program's language on the page it shows.
    void followsTheLanguage()
    {
        QWidget *exercise = openWindow(QStringLiteral("PracticeWindow"), Qt::Key_E);
        QVERIFY(exercise);
        QTest::keyClick(exercise, Qt::Key_F1);
        HandbookWindow *shown = handbook();
        QVERIFY(shown);
        QCOMPARE(shown->language(), QStringLiteral("bg"));
        showLanguage(UiLanguage::English);
        QTRY_COMPARE(shown->language(), QStringLiteral("en"));
        QCOMPARE(shown->page(), QStringLiteral("exercise.md"));
        QCOMPARE(shown->windowTitle(), QStringLiteral("Handbook - Playfair"));
        const auto *browser = shown->findChild<QTextBrowser *>(QStringLiteral("handbookBrowser"));
        QCOMPARE(browser->document()->firstBlock().text(), titleOf(pageText(QStringLiteral("en"), shown->page())));
    }

    // The contents, back and forward, and F1 again from another window
    // with the handbook open: one handbook, at the new window's page.
    void movesAboutTheHandbook()
    {
        QWidget *exercise = openWindow(QStringLiteral("PracticeWindow"), Qt::Key_E);
        QVERIFY(exercise);
        QTest::keyClick(exercise, Qt::Key_F1);
        HandbookWindow *shown = handbook();
        QVERIFY(shown);
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        auto *back = shown->findChild<QToolButton *>(QStringLiteral("handbookBack"));
        auto *forward = shown->findChild<QToolButton *>(QStringLiteral("handbookForward"));
        QVERIFY(!back->isEnabled());
        QTest::mouseClick(shown->findChild<QToolButton *>(QStringLiteral("handbookHome")), Qt::LeftButton);
        QCOMPARE(shown->page(), QStringLiteral("index.md"));
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(shown->page(), QStringLiteral("exercise.md"));
        QVERIFY(forward->isEnabled());
        QTest::mouseClick(forward, Qt::LeftButton);
        QCOMPARE(shown->page(), QStringLiteral("index.md"));

        QApplication::setActiveWindow(m_main.get());
        QTest::keyClick(m_main.get(), Qt::Key_F1);
        QCOMPARE(m_main->findChildren<HandbookWindow *>().size(), 1);
        QCOMPARE(shown->page(), QStringLiteral("index.md"));
        QApplication::setActiveWindow(exercise);
        QTest::keyClick(exercise, Qt::Key_F1);
        QCOMPARE(shown->page(), QStringLiteral("exercise.md"));
    }

    // The search box finds a text in the page shown, then in the pages
    // after it, and says when no page holds it.
    void searchFindsAcrossPages_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("page");
        QTest::newRow("on the page shown") << QStringLiteral("Нова задача") << QStringLiteral("exercise.md");
        QTest::newRow("on a later page") << QStringLiteral("LIGHTHOUSE") << QStringLiteral("by-hand.md");
        QTest::newRow("round to an earlier page") << QStringLiteral("LC_MESSAGES")
                                                  << QStringLiteral("main-window.md");
        QTest::newRow("nowhere") << QStringLiteral("QWXZQ") << QStringLiteral("exercise.md");
    }
    void searchFindsAcrossPages()
    {
        QFETCH(QString, text);
        QFETCH(QString, page);
        QWidget *exercise = openWindow(QStringLiteral("PracticeWindow"), Qt::Key_E);
        QVERIFY(exercise);
        QTest::keyClick(exercise, Qt::Key_F1);
        HandbookWindow *shown = handbook();
        QVERIFY(shown);
        auto *search = shown->findChild<QLineEdit *>(QStringLiteral("handbookSearch"));
        typeText(search, text);
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(shown->page(), page);
        const auto *browser = shown->findChild<QTextBrowser *>(QStringLiteral("handbookBrowser"));
        const auto *note = shown->findChild<QLabel *>(QStringLiteral("handbookSearchNote"));
        if (text == QLatin1String("QWXZQ")) {
            QVERIFY(note->text().contains(text));
        } else {
            QCOMPARE(browser->textCursor().selectedText().toUpper(), text.toUpper());
            QVERIFY(note->text().isEmpty());
        }
    }
};

QTEST_MAIN(TestHandbook)
#include "tst_handbook.moc"
