#pragma once

#include "workspace/breaksession.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;

namespace playfair {

class BreakJob;
class ColourButton;
class PairedTextView;
class ScorePlot;
class SquareView;
class WrappedLabel;

// The break window: a class watches a statistical attack find the key of a
// Playfair ciphertext, the square filling in while the plaintext turns from
// noise into words.
//
// The BreakSession is the single source of truth, as the Workspace is for
// the main window: a user action writes a box's text into the session or
// calls one of its commands, and render() shows the whole session again,
// with the controls' signals blocked. start() gets the search to run from
// the session and hands it to a BreakJob, which runs the solver on its own
// thread and sends its reports back as queued signals. Each connection
// passes them to the session with the number of the run it belongs to (the
// session ignores all but the last run's), and the window shows the result
// at most every 50 ms, so however often reports come the window repaints at
// most 20 times a second. The window never waits for the job: stopping or closing asks it
// to stop and returns, and a job that outlives its window deletes itself
// when it ends.
class BreakWindow : public QWidget
{
    Q_OBJECT

public:
    explicit BreakWindow(const BreakInput &input = {}, QWidget *parent = nullptr);
    ~BreakWindow() override;

    const BreakSession &session() const { return m_session; }

    // Puts the input's ciphertext into the box; its key, if given, is known
    // from then on for that ciphertext.
    void setInput(const BreakInput &input);
    // The main window's pairs, given again: taken unless there are none or
    // the window holds them already; a search on other input is stopped
    // and forgotten first.
    void offerInput(const BreakInput &input);
    // The known key's 25 letters, or empty.
    QString knownSquare() const { return m_session.knownSquare(); }

    // Reads the ciphertext and the crib and starts a search; bad input is
    // named in the status line instead.
    void start();
    // Asks the search to stop; returns at once.
    void stop();
    bool isSearching() const { return m_session.isSearching(); }

    // Encrypts the demonstration text on the key word's square or on a
    // random one and puts the ciphertext into the box.
    void makeDemonstration();

    // Every search draws a fresh seed and uses every core, unless fixed
    // here (tests and benchmarks): `threads` 0 is every core.
    void setSearchOptions(int threads, std::optional<std::uint64_t> seed);

    void render();

    static QString caption();

protected:
    // A new language: the captions and everything render() writes are shown
    // in it; the session keeps the boxes and the search as they were.
    void changeEvent(QEvent *event) override;
    // The window's menu, on its background: the language.
    void contextMenuEvent(QContextMenuEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void createControls();
    // The fixed captions, in the language shown; those of the inputs.
    void retranslate();
    void fitToFont();
    void openByHand();
    void retranslateInputs();
    QWidget *createKeyWord();
    QWidget *createDemonstration();
    QWidget *createSearchInputs();
    void connectControls();
    // Runs the session's search on a job's thread.
    void launch(BreakSession::Search search);
    void onProgress(int run, const analysis::SolverReport &report);
    void onFinished(int run, const analysis::SolverResult &result);
    void onFailed(int run, const QString &message);
    void scheduleRender();
    void forgetJob();
    void renderInputs();

    BreakSession m_session;
    QAction *m_byHandAction = nullptr;
    QPointer<BreakJob> m_job; // the running search's thread

    QTimer m_renderTimer;
    QElapsedTimer m_sinceRender;

    QLabel *m_title = nullptr;
    QGroupBox *m_demonstration = nullptr;
    QPlainTextEdit *m_demoText = nullptr;
    QRadioButton *m_useKeyWord = nullptr;
    QLineEdit *m_keyWord = nullptr;
    QRadioButton *m_useRandom = nullptr;
    QLabel *m_routeLabel = nullptr;
    QComboBox *m_demoRoute = nullptr;     // how the key word is written in
    QCheckBox *m_demoDoubles = nullptr;   // the demonstration keeps doubled letters
    ColourButton *m_encrypt = nullptr;
    WrappedLabel *m_preparation = nullptr; // how a demonstration text is prepared
    QGroupBox *m_ciphertextFrame = nullptr;
    QPlainTextEdit *m_ciphertext = nullptr;
    QLabel *m_languageLabel = nullptr;
    QComboBox *m_language = nullptr;
    QLabel *m_alphabetLabel = nullptr;
    QComboBox *m_alphabet = nullptr;      // the square's alphabet, or automatic
    QCheckBox *m_doublesKept = nullptr;   // the ciphertext kept its doubled letters
    QLabel *m_cribLabel = nullptr;
    QLineEdit *m_crib = nullptr;
    QLabel *m_timeLimitLabel = nullptr;
    QSpinBox *m_timeLimit = nullptr;
    ColourButton *m_start = nullptr;
    ColourButton *m_stop = nullptr;
    QGroupBox *m_squareFrame = nullptr;
    SquareView *m_square = nullptr;
    WrappedLabel *m_inPlace = nullptr;
    QGroupBox *m_scoreFrame = nullptr;
    ScorePlot *m_plot = nullptr;
    WrappedLabel *m_scoreNote = nullptr;
    QWidget *m_keyWordFrame = nullptr;
    WrappedLabel *m_foundKeyWord = nullptr;
    WrappedLabel *m_keyWordNote = nullptr;
    QGroupBox *m_plainFrame = nullptr;
    PairedTextView *m_plaintext = nullptr;
    QPlainTextEdit *m_words = nullptr;
    WrappedLabel *m_status = nullptr;
};

// Opens a break window on `input`. With an owner the window belongs to it
// and closes with it. The window deletes itself when closed.
BreakWindow *openBreakWindow(const BreakInput &input = {}, QWidget *owner = nullptr);
// The break window `owner` has open, brought forward and offered `input`,
// or a new one when it has none.
BreakWindow *showBreakWindow(const BreakInput &input, QWidget *owner);

} // namespace playfair
