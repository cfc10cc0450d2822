#include "handbookmonkey.h"

#include "monkeytext.h"
#include "monkeyworld.h"

#include "ui/break/breakwindow.h"
#include "ui/byhand/byhandwindow.h"
#include "ui/help/handbook.h"
#include "ui/help/handbookwindow.h"
#include "ui/main/mainwindow.h"
#include "ui/practice/practicewindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>

namespace playfair::testing {

namespace {

HandbookWindow *handbookOf(const MonkeyWorld &world)
{
    return world.main ? world.main->findChild<HandbookWindow *>() : nullptr;
}

QWidget *windowFor(const HandbookAction &action, const MonkeyWorld &world)
{
    switch (action.window) {
    case HandbookAction::Window::Main: return world.main;
    case HandbookAction::Window::Exercise: return MonkeyWorld::pick(world.exercises, action.index);
    case HandbookAction::Window::Break: return MonkeyWorld::pick(world.breaks, action.index);
    case HandbookAction::Window::ByHand: return MonkeyWorld::pick(world.byHands, action.index);
    }
    return nullptr;
}

} // namespace

QString HandbookAction::describe() const
{
    static const char *const windows[] = {"the main window", "exercise window", "break window", "by-hand window"};
    switch (kind) {
    case Kind::Help: return QStringLiteral("F1 in %1 %2").arg(QLatin1String(windows[int(window)])).arg(index);
    case Kind::Search: return QStringLiteral("search the handbook for \"%1\"").arg(text);
    case Kind::Back: return QStringLiteral("the handbook's back button");
    case Kind::Forward: return QStringLiteral("the handbook's forward button");
    case Kind::Home: return QStringLiteral("the handbook's contents button");
    case Kind::Close: return QStringLiteral("close the handbook");
    }
    return {};
}

HandbookAction HandbookAction::random(QRandomGenerator &random)
{
    HandbookAction action;
    const int pick = random.bounded(10);
    if (pick < 4) {
        action.kind = Kind::Help;
        action.window = Window(random.bounded(4));
        action.index = random.bounded(3);
    } else if (pick < 6) {
        action.kind = Kind::Search;
        static const char *const words[] = {"Ctrl+E", "Упражнение", "TREASURE", "square", "квадрат", "F1", "xyzzy"};
        const int which = random.bounded(int(std::size(words)) + 2);
        action.text = which < int(std::size(words)) ? QString::fromUtf8(words[which])
            : which == int(std::size(words))    ? randomText(random, 2)
                                                : QString();
    } else {
        static const Kind others[] = {Kind::Back, Kind::Forward, Kind::Home, Kind::Close};
        action.kind = others[random.bounded(4)];
    }
    return action;
}

void HandbookMonkey::perform(const HandbookAction &action, MonkeyWorld &world)
{
    m_expectedPage.clear();
    HandbookWindow *handbook = handbookOf(world);
    switch (action.kind) {
    case HandbookAction::Kind::Help: {
        QWidget *window = windowFor(action, world);
        if (!window)
            return;
        QApplication::setActiveWindow(window);
        QTest::keyClick(window, Qt::Key_F1);
        m_expectedPage = handbookPageOf(window);
        ++opened;
        return;
    }
    case HandbookAction::Kind::Search:
        if (handbook) {
            auto *box = handbook->findChild<QLineEdit *>(QStringLiteral("handbookSearch"));
            box->selectAll();
            for (const QChar letter : action.text) {
                QTest::sendKeyEvent(QTest::Press, box, Qt::Key_unknown, QString(letter), Qt::NoModifier);
                QTest::sendKeyEvent(QTest::Release, box, Qt::Key_unknown, QString(letter), Qt::NoModifier);
            }
            QTest::keyClick(box, Qt::Key_Return);
        }
        return;
    case HandbookAction::Kind::Back:
    case HandbookAction::Kind::Forward:
    case HandbookAction::Kind::Home:
        if (handbook) {
            static const char *const buttons[] = {"handbookBack", "handbookForward", "handbookHome"};
            const int button = int(action.kind) - int(HandbookAction::Kind::Back);
            QTest::mouseClick(handbook->findChild<QToolButton *>(QLatin1String(buttons[button])), Qt::LeftButton);
        }
        return;
    case HandbookAction::Kind::Close:
        if (handbook)
            handbook->close();
        return;
    }
}

QString HandbookMonkey::brokenRule(const HandbookAction &action, const MonkeyWorld &world) const
{
    if (action.kind != HandbookAction::Kind::Help || m_expectedPage.isEmpty())
        return {};
    const HandbookWindow *handbook = handbookOf(world);
    if (!handbook || !handbook->isVisible())
        return QStringLiteral("F1 opened no handbook");
    if (handbook->page() != m_expectedPage)
        return QStringLiteral("F1 opened the handbook at %1, not at %2").arg(handbook->page(), m_expectedPage);
    return {};
}

QString brokenHandbook(const MonkeyWorld &world)
{
    if (!world.main)
        return {};
    const QList<HandbookWindow *> handbooks = world.main->findChildren<HandbookWindow *>();
    if (handbooks.size() > 1)
        return QStringLiteral("%1 handbooks are open").arg(handbooks.size());
    if (handbooks.isEmpty())
        return {};
    const HandbookWindow *handbook = handbooks.first();
    if (handbook->language() != HandbookWindow::languageOfProgram())
        return QStringLiteral("the handbook is in %1, the program in %2")
            .arg(handbook->language(), HandbookWindow::languageOfProgram());
    if (!HandbookWindow::pages(handbook->language()).contains(handbook->page()))
        return QStringLiteral("the handbook shows %1, none of its pages").arg(handbook->page());
    const auto *browser = handbook->findChild<QTextBrowser *>(QStringLiteral("handbookBrowser"));
    if (browser->document()->isEmpty())
        return QStringLiteral("the handbook shows an empty page at %1").arg(handbook->page());
    return {};
}

} // namespace playfair::testing
