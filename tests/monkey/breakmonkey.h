#pragma once

#include "workspace/breaksession.h"

#include <QPointer>
#include <QRandomGenerator>
#include <QString>

namespace playfair {
class BreakWindow;
}

namespace playfair::testing {

struct MonkeyWorld;

// A user action in one of the open break windows: typing or pasting a
// ciphertext (good, in groups, odd, with a doubled pair, empty, very long,
// anything), a crib, a demonstration text and key word, the random square,
// Криптирай, the language, the time limit, Започни in three ways, Спри,
// or Escape, closing the window, or a pause while the searches run.
struct BreakAction
{
    enum class Kind { Ciphertext, Crib, DemoText, KeyWord, RandomSquare, Demonstrate, Language, TimeLimit,
                      Start, Stop, Close, Wait };

    Kind kind = Kind::Wait;
    int window = 0; // which open break window, counted round them
    // The texts: 0 replaces the box's text by typing, 1 by pasting, 2 types
    // it at the end. Start: 0 the button, 1 Enter in the ciphertext, 2 Enter
    // in the crib. Stop: 0 the button, 1 Escape in the ciphertext, 2 Escape
    // in the paired text. Language and TimeLimit: a key. Wait: milliseconds.
    int how = 0;
    QString text;

    QString describe() const;
    static BreakAction random(QRandomGenerator &random);
};

// Makes a newly opened break window's searches fast and repeatable: one or
// two threads, a seed from the run's and the shortest time limit.
void prepareBreakWindow(BreakWindow *window, MonkeyWorld &world);

// Drives the break windows and checks them after each action.
class BreakMonkey
{
public:
    // A demonstration made gives the window a known key for its text.
    void perform(const BreakAction &action, MonkeyWorld &world);
    // Remembers what the action's window holds before it.
    void before(const BreakAction &action, const MonkeyWorld &world);
    // The rule `action` broke in its window; empty if none.
    QString brokenRule(const BreakAction &action);

    int searches = 0; // started

private:
    QString brokenByAction(const BreakAction &action) const;

    QPointer<BreakWindow> m_window; // the action's, while it is open
    BreakSession::State m_state = BreakSession::State::Idle;
    int m_run = 0;
    QString m_ciphertext;
    QString m_crib;
    QString m_demoText;
    bool m_onKeyWord = false; // the demonstration's key word is chosen
    QString m_keyWord;
    // What the window offered: it shows a search's end up to 50 ms late.
    bool m_startEnabled = false;
    bool m_cribEnabled = false;
    bool m_demonstrationEnabled = false;
};

// What every break window shows at any time, the present input's and no
// earlier one's; empty if it holds.
QString brokenBreakWindow(const BreakWindow &window, const MonkeyWorld &world);

} // namespace playfair::testing
