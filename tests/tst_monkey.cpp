// Seeded sequences of random user actions on the real windows (offscreen),
// all four at once: the main window as before (typing and pasting all kinds
// of text, both buttons, mouse and keyboard in the lists, Tab) with Ctrl+E,
// Ctrl+B and Ctrl+R, which open exercise, break and by-hand windows beside
// it; answers, directions, new tasks, worksheets and class sets saved anywhere in the
// exercise windows; ciphertexts, cribs, demonstrations, searches started,
// stopped and closed in the break windows, several searching at once;
// guesses, letters in the square, probable words, key words, Undo and Redo,
// the lesson and boards saved and opened in the by-hand windows, whose key
// words are looked for on threads of their own; now and then F1 in any of
// them and the handbook's search and buttons. After every action
// each window must agree with its session and keep its rules, and the main
// window's workspace must be what its model says; at the end of a run,
// closing the main window must end every search. A failure prints the seed
// and the shortest sequence of actions found that still fails; a crash
// prints the seed and the action it happened in.
//
// PLAYFAIR_MONKEY_SEED=n runs that seed only; PLAYFAIR_MONKEY_SECONDS=s keeps
// running new seeds for s seconds (a long hunt); PLAYFAIR_MONKEY_ACTIONS sets
// the actions per seed (default 600).

#include "monkey/breakmonkey.h"
#include "monkey/byhandmonkey.h"
#include "monkey/handbookmonkey.h"
#include "monkey/lastwords.h"
#include "monkey/mainmonkey.h"
#include "monkey/monkeyworld.h"
#include "monkey/practicemonkey.h"

#include "ui/application.h"
#include "ui/break/breakjob.h"
#include "ui/break/breakwindow.h"
#include "ui/byhand/byhandwindow.h"
#include "ui/byhand/keyjob.h"
#include "ui/practice/practicewindow.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <exception>
#include <memory>
#include <optional>
#include <variant>

using namespace playfair;
using namespace playfair::testing;

namespace {

using Action = std::variant<MainAction, PracticeAction, BreakAction, ByHandAction, HandbookAction>;

template<typename... Ts>
struct Overloaded : Ts...
{
    using Ts::operator()...;
};

// Two actions in five in the main window, one in five in each of the others;
// one in twenty before them with the handbook.
Action randomAction(QRandomGenerator &random)
{
    if (random.bounded(20) == 0)
        return HandbookAction::random(random);
    const int pick = random.bounded(5);
    if (pick < 2)
        return MainAction::random(random);
    if (pick == 2)
        return PracticeAction::random(random);
    if (pick == 3)
        return BreakAction::random(random);
    return ByHandAction::random(random);
}

QString describe(const Action &action)
{
    return std::visit([](const auto &a) { return a.describe(); }, action);
}

// An action after which a message box may tell the user why a file was
// not written or read.
bool isSave(const Action &action)
{
    const auto *practice = std::get_if<PracticeAction>(&action);
    const auto *byHand = std::get_if<ByHandAction>(&action);
    return (practice && (practice->kind == PracticeAction::Kind::Save || practice->kind == PracticeAction::Kind::ClassSet))
        || (byHand && (byHand->kind == ByHandAction::Kind::Save || byHand->kind == ByHandAction::Kind::Open));
}

// Every search has ended and every job has deleted itself; a generous
// bound, as the sanitizers slow the solver down many times.
bool searchesEnded()
{
    return QTest::qWaitFor(
        [] {
            return BreakJob::running() == 0 && qApp->findChildren<BreakJob *>().isEmpty() && KeyJob::running() == 0
                && qApp->findChildren<KeyJob *>().isEmpty();
        },
        60000);
}

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

    MonkeyWorld m_world;
    MainMonkey m_main;
    PracticeMonkey m_practice;
    BreakMonkey m_break;
    ByHandMonkey m_byHand;
    HandbookMonkey m_handbook;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<QTemporaryDir> m_boardFolder;

    void perform(const Action &action)
    {
        std::visit(Overloaded{[this](const MainAction &a) { m_main.perform(a, m_world); },
                              [this](const PracticeAction &a) {
                                  m_practice.before(a, m_world);
                                  m_practice.perform(a, m_world);
                              },
                              [this](const BreakAction &a) {
                                  m_break.before(a, m_world);
                                  m_break.perform(a, m_world);
                              },
                              [this](const ByHandAction &a) {
                                  m_byHand.before(a, m_world);
                                  m_byHand.perform(a, m_world);
                              },
                              [this](const HandbookAction &a) { m_handbook.perform(a, m_world); }},
                   action);
        // What the event loop does between two of the user's actions: the
        // searches' reports, the windows closed.
        QTest::qWait(0);
    }

    // The rules that hold after `action`, given the workspace before it.
    QString brokenRule(const Action &action, const Workspace &before, int encrypts)
    {
        if (!m_world.messages.isEmpty() && !isSave(action))
            return QStringLiteral("a message appeared: ") + m_world.messages.join(u'|');
        // What every window shows whatever the action was: actions in one
        // window, the focus leaving another, a search's reports all change
        // what the others must show.
        const auto *main = std::get_if<MainAction>(&action);
        QString broken = m_main.brokenRule(main ? *main : MainAction(), before, encrypts, m_world);
        if (broken.isEmpty())
            broken = MonkeyWorld::brokenIn(m_world.exercises, "exercise window", brokenPracticeWindow);
        if (broken.isEmpty())
            broken = MonkeyWorld::brokenIn(m_world.breaks, "break window",
                                           [this](const BreakWindow &window) { return brokenBreakWindow(window, m_world); });
        if (broken.isEmpty())
            broken = MonkeyWorld::brokenIn(m_world.byHands, "by-hand window", brokenByHandWindow);
        if (broken.isEmpty())
            broken = brokenHandbook(m_world);
        if (!broken.isEmpty())
            return broken;
        return std::visit(Overloaded{[](const MainAction &) { return QString(); },
                                     [this](const PracticeAction &a) { return m_practice.brokenRule(a, m_world); },
                                     [this](const BreakAction &a) { return m_break.brokenRule(a); },
                                     [this](const ByHandAction &a) { return m_byHand.brokenRule(a, m_world); },
                                     [this](const HandbookAction &a) { return m_handbook.brokenRule(a, m_world); }},
                          action);
    }

    // Closes every window; false if a search outlives them.
    bool closeAll()
    {
        m_main.close(m_world);
        m_folder.reset();
        m_boardFolder.reset();
        return searchesEnded();
    }

    // Runs the actions on fresh windows; on a broken rule returns it and the
    // number of actions performed. `shrinking`: the actions are not the
    // seed's own sequence.
    std::optional<std::pair<QString, int>> run(const QList<Action> &actions, quint32 seed, bool shrinking = false)
    {
        if (!closeAll())
            return std::pair{QStringLiteral("a search of an earlier run still runs"), 0};
        m_world = MonkeyWorld();
        m_world.seed = seed;
        m_folder = std::make_unique<QTemporaryDir>();
        m_world.folder = m_folder->path();
        m_boardFolder = std::make_unique<QTemporaryDir>();
        m_world.boardFolder = m_boardFolder->path();
        prepareWorksheetFolder(m_world.folder);
        if (!m_main.open(m_world))
            return std::pair{QStringLiteral("the window did not open"), 0};
        int encrypts = 0;
        for (int i = 0; i < actions.size(); ++i) {
            lastWords::say((shrinking ? QStringLiteral("seed %1, while shrinking its sequence, action %2 of %3: %4")
                                      : QStringLiteral("seed %1, action %2 of %3: %4 (PLAYFAIR_MONKEY_SEED=%1 "
                                                       "PLAYFAIR_MONKEY_ACTIONS=%2 repeats the way there)"))
                               .arg(seed)
                               .arg(i + 1)
                               .arg(actions.size())
                               .arg(describe(actions[i]))
                               .toUtf8());
            m_world.messages.clear();
            const Workspace before = m_world.main->workspace();
            QString broken;
            try {
                perform(actions[i]);
            } catch (const std::exception &error) {
                broken = QStringLiteral("an exception escaped: ") + QString::fromLocal8Bit(error.what());
            } catch (...) {
                broken = QStringLiteral("an exception escaped");
            }
            if (const auto *main = std::get_if<MainAction>(&actions[i]); main && main->kind == MainAction::Kind::Encrypt)
                ++encrypts;
            if (broken.isEmpty())
                broken = brokenRule(actions[i], before, encrypts);
            if (!broken.isEmpty())
                return std::pair{broken, i + 1};
        }
        lastWords::say(QStringLiteral("seed %1, closing every window").arg(seed).toUtf8());
        if (!closeAll())
            return std::pair{QStringLiteral("a search still ran after its windows had closed"), int(actions.size())};
        return std::nullopt;
    }

    // Drops ever smaller runs of actions while the sequence still fails.
    QList<Action> shrink(QList<Action> actions, quint32 seed)
    {
        for (qsizetype chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
            for (qsizetype start = 0; start + chunk <= actions.size();) {
                QList<Action> shorter = actions;
                shorter.remove(start, chunk);
                if (const auto failure = run(shorter, seed, true)) {
                    actions = shorter.mid(0, failure->second);
                } else {
                    start += chunk;
                }
            }
        }
        return actions;
    }

    bool survives(quint32 seed, int count)
    {
        QRandomGenerator random(seed);
        QList<Action> actions;
        for (int i = 0; i < count; ++i)
            actions << randomAction(random);
        const auto failure = run(actions, seed);
        if (!failure)
            return true;
        const QList<Action> shortest = shrink(actions.mid(0, failure->second), seed);
        const auto again = run(shortest, seed, true);
        qWarning().noquote() << QStringLiteral("Seed %1 broke a rule after %2 actions: %3").arg(seed).arg(failure->second).arg(failure->first);
        qWarning().noquote() << QStringLiteral("The shortest sequence found (%1 actions) gives: %2")
                                    .arg(shortest.size())
                                    .arg(again ? again->first : QStringLiteral("(no longer fails)"));
        for (int i = 0; i < shortest.size(); ++i)
            qWarning().noquote() << QStringLiteral("  %1. %2").arg(i + 1).arg(describe(shortest[i]));
        return false;
    }

private Q_SLOTS:
    void initTestCase()
    {
        setUpApplication(*qApp);
        lastWords::install();
        // Not findings: right-to-left samples make the text shaper warn,
        // once per font on the machine, that a font has no tables for
        // Arabic; the offscreen platform cannot raise a window or pass on
        // its size hints.
        static const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                static const QStringList expected{QStringLiteral("This plugin does not support raise()"),
                                                  QStringLiteral("This plugin does not support propagateSizeHints()")};
                if (!message.contains(QStringLiteral("OpenType support missing")) && !expected.contains(message))
                    previous(type, context, message);
            });
        // A message box would wait for a click that never comes: note what
        // it says and close it.
        auto *closer = new QTimer(this);
        connect(closer, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                m_world.messages << box->text() + u' ' + box->informativeText();
                box->reject();
            }
        });
        closer->start(10);
    }

    void cleanup() { QVERIFY(closeAll()); }

    void randomUse()
    {
        const int count = qEnvironmentVariableIsSet("PLAYFAIR_MONKEY_ACTIONS")
            ? qEnvironmentVariableIntValue("PLAYFAIR_MONKEY_ACTIONS") : 600;
        if (qEnvironmentVariableIsSet("PLAYFAIR_MONKEY_SEED")) {
            QVERIFY(survives(quint32(qEnvironmentVariableIntValue("PLAYFAIR_MONKEY_SEED")), count));
            return;
        }
        const int seconds = qEnvironmentVariableIntValue("PLAYFAIR_MONKEY_SECONDS");
        QElapsedTimer clock;
        clock.start();
        quint32 seed = 1;
        qint64 actions = 0;
        do {
            QVERIFY(survives(seed, count));
            actions += count;
            ++seed;
        } while (seed <= 3 || clock.elapsed() < seconds * 1000LL);
        qInfo("%d seeds, %lld actions, %lld s, no broken rule: %d searches started, %d worksheets and class sets saved (%d "
              "of them class sets) and %d refused, %d actions in by-hand windows, %d of them changing the board, %d "
              "handbooks opened by F1",
              int(seed - 1), actions, clock.elapsed() / 1000, m_break.searches, m_practice.saved, m_practice.classSets,
              m_practice.notSaved, m_byHand.actions, m_byHand.changes, m_handbook.opened);
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
