#pragma once

#include "windowfixture.h"

#include "engine/practicetask.h"

#include <QRandomGenerator>
#include <QString>

#include <optional>

namespace playfair::testing {

struct MonkeyWorld;

// A user action in the main window: typing and pasting all kinds of text,
// both buttons, mouse and keyboard in the lists, Tab, and Ctrl+E, Ctrl+B and
// Ctrl+R, which open the other windows or bring the open one forward; and
// the zoom's keys in any open window.
struct MainAction
{
    enum class Kind { Type, Paste, Erase, Undo, Encrypt, Clear, ClickRow, ListKey, Tab, OpenExercise, OpenBreak,
                      OpenByHand, Zoom };

    Kind kind = Kind::Tab;
    int target = 0; // box or list index; for Ctrl+E and Ctrl+B the control with the focus; for the zoom the window
    int row = 0;    // list row, or cursor position in a box
    QString text;
    Qt::Key key = Qt::Key_unknown;

    QString describe() const;
    static MainAction random(QRandomGenerator &random);
};

// Drives the main window and checks it against what it must show after each
// action: the workspace as the window shows it, the rules every workspace
// keeps, and what each command leaves.
class MainMonkey : public WindowFixture
{
public:
    bool open(MonkeyWorld &world);
    void close(MonkeyWorld &world);

    void perform(const MainAction &action, MonkeyWorld &world);
    // The rule `action` broke, given the workspace before it and the number
    // of Encrypts so far; empty if none.
    QString brokenRule(const MainAction &action, const Workspace &before, int encrypts,
                       const MonkeyWorld &world) const;

private:
    QString brokenByOpening(const MainAction &action, const MonkeyWorld &world) const;

    QString brokenByOpeningByHand(const MonkeyWorld &world) const;

    QWidget *m_opened = nullptr; // the window Ctrl+E, Ctrl+B or Ctrl+R opened or brought forward
    // What the window brought forward held before, when one was open.
    bool m_wasOpen = false;
    std::optional<PracticeTask> m_task;
    QString m_ciphertext;
    QString m_knownSquare;
    bool m_searching = false;
    int m_run = 0;
    QString m_board; // the by-hand window's ciphertext
};

} // namespace playfair::testing
