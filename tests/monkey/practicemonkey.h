#pragma once

#include "workspace/classset.h"
#include "workspace/practicesession.h"

#include <QByteArray>
#include <QPointer>
#include <QRandomGenerator>
#include <QString>

#include <optional>

namespace playfair {
class PracticeWindow;
}

namespace playfair::testing {

struct MonkeyWorld;

// A user action in one of the open exercise windows: an answer typed into a
// pair (right, wrong, in lower case, in Cyrillic letters that look Latin,
// empty, anything) and handed in by Enter or Tab, the direction, Нова
// задача, the check box for the harder sheet, a worksheet saved to a place
// that takes it or not, a class set (of any choices, some that make no set,
// names of any text) saved the same way, Tab, closing the window; "Провери
// текст" turned on or off, and a text typed or pasted into one of its boxes
// (the key word, the message, the pupil's answer: the right answer,
// Cyrillic, empty, very long, anything) and checked.
struct PracticeAction
{
    enum class Kind { Answer, Direction, NewTask, KeyWordOnly, Save, ClassSet, Close, Tab, CheckMode, CheckText };
    enum class CheckContent { Right, Cyrillic, Empty, Long, Anything };
    enum class Answer { Right, Wrong, LowerCase, Cyrillic, Empty, Anything };
    // Where a worksheet goes: the temporary folder, a folder and a name in
    // Cyrillic letters, a name without ".pdf", a folder that cannot be
    // written, one that does not exist, a file in the place of the folder,
    // a disk that fills up part of the way, a sheet that cannot be written over.
    enum class Place { Plain, Cyrillic, NoEnding, LockedFolder, MissingFolder, FileAsFolder, FullDisk, LockedFile };

    Kind kind = Kind::Tab;
    int window = 0; // which open exercise window, counted round them
    int pair = 0;   // counted round the task's pairs
    Answer answer = Answer::Right;
    bool byTab = false; // the answer handed in by leaving the input rather than by Enter
    QString text;       // the anything answer
    Place place = Place::Plain;
    int number = 0;     // Save: which of a few file names; Direction: 0 encrypt, 1 decrypt
    int bytes = 0;      // FullDisk: how much fits
    int box = 0;        // CheckText: 0 the key word, 1 the message, 2 the answer
    bool pasted = false; // CheckText: pasted rather than typed
    CheckContent content = CheckContent::Right;
    ClassSetChoices classSet; // ClassSet: the teacher's choices, as the dialog would pass them

    QString describe() const;
    static PracticeAction random(QRandomGenerator &random);
};

// Makes the folders and files the worksheets are saved among.
void prepareWorksheetFolder(const QString &folder);

// Pages of a complete PDF file, or -1 for anything else (a partial file,
// one cut short, no PDF).
int pagesOfCompletePdf(const QByteArray &bytes);

// Drives the exercise windows and checks them after each action.
class PracticeMonkey
{
public:
    void before(const PracticeAction &action, const MonkeyWorld &world);
    void perform(const PracticeAction &action, MonkeyWorld &world);
    // The rule `action` broke in its window; empty if none.
    QString brokenRule(const PracticeAction &action, const MonkeyWorld &world);

    int saved = 0;    // worksheets written
    int notSaved = 0; // and refused
    int classSets = 0; // of them class sets written

private:
    QString brokenByAnswer(const PracticeSession &session) const;
    QString brokenBySaving(const MonkeyWorld &world) const;
    QString brokenByCheck(const PracticeWindow &window) const;

    QPointer<PracticeWindow> m_window; // the action's, while it is open
    std::optional<PracticeSession> m_session; // as it was before the action
    int m_pair = 0;                    // the pair answered
    QString m_typed;                   // what was typed into it
    QString m_path;                    // the worksheet's file, ".pdf" added
    std::optional<QByteArray> m_file;  // what it held before, if it was there
    bool m_saved = false;              // what saveWorksheetAs or saveClassSetAs returned
    int m_fewestPages = 2;             // the pages the file saved may have
    int m_mostPages = 3;
    QString m_refusal;                 // what the message of a file not saved says, besides the file's name
    bool m_rightAnswerGiven = false;   // the text check's answer is the right one of its texts
};

// What every exercise window shows at any time; empty if it holds.
QString brokenPracticeWindow(const PracticeWindow &window);

} // namespace playfair::testing
