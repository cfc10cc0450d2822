#pragma once

#include "workspace/classset.h"
#include "workspace/practicesession.h"
#include "workspace/textchecksession.h"

#include <QRandomGenerator>
#include <QWidget>

#include <optional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableWidget;
class QValidator;

namespace playfair {

class SquareView;
class WrappedLabel;

// The exercise window: the pupil works a task pair by pair and the program
// checks each answer. The PracticeSession is the single source of truth; as
// in the main window, every user action calls a session command and then
// render() shows the whole session again: the marks of the answers, the
// outlines of the explained pair on the square with the sentence naming its
// rule, and the tally.
//
// An answer is checked on Enter or when its input loses the focus. Going
// back to an answered pair explains it again. After a first wrong answer the
// sentence names the slip that gave it (engine/mistakes.h) and the square
// marks the cells of the wrong letters; after a second it gives the answer.
//
// "Check a text" turns the window into a marker of work done on paper: the
// TextCheckSession holds the key word, the message and the pupil's answer,
// and render() shows its marks pair by pair, the preparation's slips and
// the score.
class PracticeWindow : public QWidget
{
    Q_OBJECT

public:
    explicit PracticeWindow(const PracticeTask &task, QWidget *parent = nullptr);
    ~PracticeWindow() override;

    const PracticeSession &session() const { return m_session; }
    const TextCheckSession &textCheck() const { return m_textCheck; }
    void setCheckingText(bool checking);
    // See PracticeSession::alsoTry.
    void alsoTry(const QString &square) { m_session.alsoTry(square); }

    // Starts `task` in the direction chosen now.
    void setTask(const PracticeTask &task);
    void newTask();
    void setDirection(PracticeDirection direction);
    // The pupil's choice of alphabet: kept in the settings, and a new task
    // in it unless the task is in it already.
    void chooseAlphabet(const Alphabet &alphabet);

    // Saves the worksheet of the current task; `squareShown` false gives the
    // harder sheet with only the key word. Returns false on failure.
    bool saveWorksheet(const QString &path, bool squareShown) const;
    // What the save dialog's answer leads to: saves the sheet the check box
    // asks for to `path` (".pdf" added when it has another ending) and tells
    // the user in a message box when that fails. Returns whether it saved.
    bool saveWorksheetAs(QString path);

    // Draws the class set of `choices` and saves it to `path` (".pdf" added
    // as above), telling the user in a message box when that fails. Returns
    // whether it saved.
    bool saveClassSetAs(const ClassSetChoices &choices, QString path);
    // What "Комплект за класа…" starts from: the choices of the last set
    // saved (the key word check box and the direction shown now before the
    // first), with a new set number.
    ClassSetChoices classSetChoices();

    void render();

    static QString caption();

protected:
    // A new language: the captions and everything render() writes are shown
    // in it; the session keeps the answers and the marks as they were.
    void changeEvent(QEvent *event) override;
    // The window's menu, on its background: the language.
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    static QString markText(PracticeSession::Mark mark);
    void createControls();
    // The fixed captions, in the language shown.
    void retranslate();
    void createPairs(bool focusFirst);
    void fitToFont();
    void releaseInputs();
    void check(int pair, bool moveOn);
    void askAndSaveWorksheet();
    void askAndSaveClassSet();
    QString hint() const;
    QString tally() const;
    QString wrongHint(int pair) const;
    void createCheckPage();
    void renderCheck();
    QString checkNotes() const;

    PracticeSession m_session;
    TextCheckSession m_textCheck;
    QRandomGenerator m_random;

    QLabel *m_title = nullptr;
    QLabel *m_keyWord = nullptr;
    QLabel *m_direction = nullptr;
    QRadioButton *m_encrypt = nullptr;
    QRadioButton *m_decrypt = nullptr;
    QLabel *m_alphabetLabel = nullptr;
    QComboBox *m_alphabet = nullptr;
    QGroupBox *m_squareFrame = nullptr;
    SquareView *m_square = nullptr;
    WrappedLabel *m_alphabetLine = nullptr; // under the square: the alphabet in use
    WrappedLabel *m_instruction = nullptr;
    QValidator *m_lettersOnly = nullptr; // what an answer input takes: up to two Latin letters
    QGridLayout *m_pairGrid = nullptr;
    QList<QLabel *> m_given;
    QList<QLineEdit *> m_answers;
    QList<QLabel *> m_marks;
    WrappedLabel *m_hint = nullptr;
    QLabel *m_tally = nullptr;
    QCheckBox *m_keyWordOnly = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_classSet = nullptr;
    std::optional<ClassSetChoices> m_lastClassSet; // the choices of the last set saved
    QPushButton *m_next = nullptr;
    QPushButton *m_checkMode = nullptr;
    QStackedWidget *m_pages = nullptr;
    QLabel *m_checkKeyLabel = nullptr;
    QLabel *m_checkMessageLabel = nullptr;
    QLabel *m_checkAnswerLabel = nullptr;
    QLineEdit *m_checkKey = nullptr;
    QPlainTextEdit *m_checkMessage = nullptr;
    QPlainTextEdit *m_checkAnswer = nullptr;
    QPushButton *m_checkButton = nullptr;
    QTableWidget *m_checkPairs = nullptr;
};

// Opens an exercise window: on `task` (the main window's, when opened from
// there) or else on a new random task. With an owner the window belongs to
// it and closes with it. The window deletes itself when closed.
PracticeWindow *openPracticeWindow(const std::optional<PracticeTask> &task = std::nullopt, QWidget *owner = nullptr);
// Ctrl+E in the main window: the exercise window `owner` has open, brought
// forward and given the workspace's pairs unless it has them already (or
// there are none), or a new one on the workspace's task.
PracticeWindow *showPracticeWindow(const Workspace &ws, QWidget *owner);

} // namespace playfair
