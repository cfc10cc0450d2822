#pragma once

#include "workspace/breaksession.h"
#include "workspace/byhand/byhandsession.h"

#include <QPointer>
#include <QWidget>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace playfair {

class ColourButton;
class KeyJob;
class PairBoard;
class SquareEditor;
class WrappedLabel;

// The by-hand window: a class breaks a Playfair ciphertext with pencil and
// paper, and the program keeps the books. The board shows the cipher pairs
// with a box under each for the pupil's guess; beside it the square as far
// as it follows, the textbook's counts, a probable word and its places, the
// key words that fit, a hint, and the guided lesson.
//
// The ByHandSession is the single source of truth: every user action calls
// one of its commands, and render() shows the whole session again, with
// the controls' signals blocked. All the reasoning is the session's (and
// through it the deduction's); the window only shows it. The key words are
// looked for on a KeyJob's thread: after each action the window asks the
// session whether a search is due and hands it to a new job, giving up the
// one before; what comes back carries its run number, and the session takes
// only the last run's. The window never waits for a job.
class ByHandWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ByHandWindow(const BreakInput &input = {}, QWidget *parent = nullptr);
    ~ByHandWindow() override;

    const ByHandSession &session() const { return m_session; }

    // Another window's ciphertext on a new board (which Undo takes back);
    // nothing when it has none or the board holds it already.
    void offerInput(const BreakInput &input);

    // Saves the board to `path`, or tells the user why not; returns whether
    // it saved. Opens a saved board the same way.
    bool saveBoardAs(const QString &path);
    bool openBoardFrom(const QString &path);

    void render();

    static QString caption();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void createControls();
    QWidget *createTopRow();
    QWidget *createLesson();
    QWidget *createSquare();
    QWidget *createTools();
    QWidget *createPlaintext();
    void createActions();
    void connectControls();
    void retranslate();
    void fitToFont();
    // After every action: a key-word search the session asks for, then render().
    void followSession();
    void startKeySearch(ByHandSession::KeySearch search);
    void forgetKeyJob();
    void renderBoard();
    void renderTools();
    void renderLesson();
    void chooseFileToOpen();
    void chooseFileToSave();

    ByHandSession m_session;
    QPointer<KeyJob> m_keyJob;

    QLabel *m_title = nullptr;
    QGroupBox *m_ciphertextFrame = nullptr;
    QPlainTextEdit *m_ciphertext = nullptr;
    QPushButton *m_newBoard = nullptr;
    QPushButton *m_lessonButton = nullptr;
    QPushButton *m_undo = nullptr;
    QPushButton *m_redo = nullptr;
    QLabel *m_languageLabel = nullptr;
    QComboBox *m_language = nullptr;

    QGroupBox *m_lesson = nullptr;
    WrappedLabel *m_stepTitle = nullptr;
    QPlainTextEdit *m_stepText = nullptr;
    QLabel *m_stepDone = nullptr;
    QPushButton *m_back = nullptr;
    QPushButton *m_show = nullptr;
    QPushButton *m_forward = nullptr;

    QGroupBox *m_boardFrame = nullptr;
    PairBoard *m_board = nullptr;

    QTabWidget *m_tools = nullptr;
    QPlainTextEdit *m_tally = nullptr;
    QLineEdit *m_word = nullptr;
    QListWidget *m_places = nullptr;
    QPushButton *m_placeWord = nullptr;
    QListWidget *m_keys = nullptr;
    WrappedLabel *m_keyNote = nullptr;
    QLineEdit *m_ownKey = nullptr;
    ColourButton *m_applyKey = nullptr;

    QGroupBox *m_squareFrame = nullptr;
    SquareEditor *m_square = nullptr;
    WrappedLabel *m_squareNote = nullptr;
    QPlainTextEdit *m_pieces = nullptr;
    ColourButton *m_hintButton = nullptr;
    WrappedLabel *m_hint = nullptr;

    QGroupBox *m_plainFrame = nullptr;
    QPlainTextEdit *m_plaintext = nullptr;
    QPlainTextEdit *m_words = nullptr;
    QGroupBox *m_notesFrame = nullptr;
    QPlainTextEdit *m_notes = nullptr;

    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    QAction *m_openAction = nullptr;
    QAction *m_saveAction = nullptr;
};

// Opens a by-hand window on `input`'s ciphertext (none: an empty board). With
// an owner the window belongs to it and closes with it. The window deletes
// itself when closed.
ByHandWindow *openByHandWindow(const BreakInput &input = {}, QWidget *owner = nullptr);
// Opens a by-hand window on a file: a saved board, or else a ciphertext,
// read as the break window reads one.
ByHandWindow *openByHandWindowOn(const QString &path);
// The by-hand window `owner` has open, brought forward and offered `input`,
// or a new one when it has none.
ByHandWindow *showByHandWindow(const BreakInput &input, QWidget *owner);

} // namespace playfair
