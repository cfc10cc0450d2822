#pragma once

#include <QRandomGenerator>
#include <QString>

namespace playfair::testing {

struct MonkeyWorld;

// A user action with the handbook, now and then: F1 in one of the open
// windows, a text typed into the handbook's search box (a word of its pages,
// anything, nothing), its buttons (back, forward, the contents), closing it.
struct HandbookAction
{
    enum class Kind { Help, Search, Back, Forward, Home, Close };
    enum class Window { Main, Exercise, Break, ByHand };

    Kind kind = Kind::Help;
    Window window = Window::Main; // where F1 is pressed, if that window is open
    int index = 0;                // which one of its kind, counted round them
    QString text;                 // what is searched for

    QString describe() const;
    static HandbookAction random(QRandomGenerator &random);
};

// Drives the handbook and checks it after each action: one handbook at
// most, showing a page of its pages in the program's language, F1 opening
// the page of the window it was pressed in.
class HandbookMonkey
{
public:
    void perform(const HandbookAction &action, MonkeyWorld &world);
    QString brokenRule(const HandbookAction &action, const MonkeyWorld &world) const;
    int opened = 0; // F1 presses in the run

private:
    QString m_expectedPage; // after F1: the page of the window it was pressed in
};

// What every open handbook must show whatever the action was; empty if so.
QString brokenHandbook(const MonkeyWorld &world);

} // namespace playfair::testing
