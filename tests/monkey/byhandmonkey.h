#pragma once

#include "workspace/byhand/byhandboard.h"

#include <QPointer>
#include <QRandomGenerator>
#include <QString>

#include <optional>

namespace playfair {
class ByHandWindow;
}

namespace playfair::testing {

struct MonkeyWorld;

// A user action in one of the open by-hand windows: a guess typed under a
// pair (the true one, one of its letters, in lower case, a wrong one, in
// Cyrillic, empty, anything) and handed in by Enter or by leaving the box, a
// letter typed into a cell of the square or taken out, a probable word and
// one of its places, a key word applied (from the list or typed), Undo and
// Redo by the buttons or the keys, a new ciphertext, the lesson's buttons,
// the hint, the text's language, a board saved or opened (a saved one, a
// damaged or foreign file, a folder), closing the window, a pause.
struct ByHandAction
{
    enum class Kind { Guess, Cell, Word, Key, Undo, Redo, UndoRedo, NewBoard, Lesson, Hint, Language, Save, Open,
                      Close, Wait };

    Kind kind = Kind::Wait;
    int window = 0; // which open by-hand window, counted round them
    int number = 0; // the pair or cell, counted round them; the lesson's button; the file
    int how = 0;    // what kind of guess, letter or word; Enter or leaving the box; buttons or keys
    QString text;

    QString describe() const;
    static ByHandAction random(QRandomGenerator &random);
};

// Drives the by-hand windows and checks them after each action.
class ByHandMonkey
{
public:
    void before(const ByHandAction &action, const MonkeyWorld &world);
    void perform(const ByHandAction &action, MonkeyWorld &world);
    // The rule `action` broke in its window; empty if none.
    QString brokenRule(const ByHandAction &action, const MonkeyWorld &world);

    int actions = 0; // performed in an open window
    int changes = 0; // that changed its board

private:
    QPointer<ByHandWindow> m_window; // the action's, while it is open
    ByHandBoard m_board;             // as it was before the action
    bool m_couldUndo = false;
    bool m_couldRedo = false;
    QString brokenByAction(const ByHandAction &action, const MonkeyWorld &world) const;

    QString m_path;                  // the file saved or opened
    bool m_done = false;             // what saving or opening returned
};

// What every by-hand window shows at any time; empty if it holds.
QString brokenByHandWindow(const ByHandWindow &window);

} // namespace playfair::testing
