#pragma once

#include "analysis/solver.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <optional>

class QComboBox;
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
class Workspace;

// What a break window opens with.
struct BreakInput
{
    QString ciphertext; // any text: its letters are the ciphertext
    QString trueSquare; // the key's 25 letters row by row, when it is known
    QString note;       // a first word for the status line, such as a file that could not be read

    // The main window's cipher pairs and its square, after an Encrypt;
    // nothing before one.
    static BreakInput fromWorkspace(const Workspace &ws);
    // A file's text (its first MiB), or a note saying why there is none.
    static BreakInput fromFile(const QString &path);
};

// The break window: a class watches a statistical attack find the key of a
// Playfair ciphertext, the square filling in while the plaintext turns from
// noise into words.
//
// The window keeps plain fields: the ciphertext letters of the last search,
// the true square and plaintext when the key is known (from a demonstration
// or from the main window, and only for the ciphertext they belong to), the
// running BreakJob and the latest SolverReport. The job runs the solver on
// its own thread and hands reports over as queued signals; the window only
// stores them, and render() shows the stored state at most every 50 ms, so
// however often reports come the window repaints at most 20 times a second.
// The window never waits for the job: stopping or closing asks it to stop and
// returns, and a job that outlives its window deletes itself when it ends.
class BreakWindow : public QWidget
{
    Q_OBJECT

public:
    explicit BreakWindow(const BreakInput &input = {}, QWidget *parent = nullptr);
    ~BreakWindow() override;

    // Puts the input's ciphertext into the box; its key, if given, is known
    // from then on for that ciphertext.
    void setInput(const BreakInput &input);
    // The known key's 25 letters, or empty.
    QString knownSquare() const { return m_knownSquare; }

    // Reads the ciphertext and the crib and starts a search; bad input is
    // named in the status line instead.
    void start();
    // Asks the search to stop; returns at once.
    void stop();
    bool isSearching() const;

    // Encrypts the demonstration text on the key word's square or on a
    // random one and puts the ciphertext into the box.
    void makeDemonstration();

    // Every search draws a fresh seed and uses every core, unless fixed
    // here (tests and benchmarks): `threads` 0 is every core.
    void setSearchOptions(int threads, std::optional<std::uint64_t> seed);

    void render();

    static QString caption();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    enum class State { Idle, Searching, Stopping, Finished, Refused };

    void createControls();
    QWidget *createDemonstration();
    QWidget *createSearchInputs();
    void connectControls();
    void refuse(const QString &message);
    void onProgress(const analysis::SolverReport &report);
    void onFinished(const analysis::SolverResult &result);
    void onFailed(const QString &message);
    void scheduleRender();
    void renderSquare();
    void renderStatus();
    void updateScoreNote();
    void chooseLanguageFor(const QString &plainLetters);
    analysis::Language language() const;
    QString statusText() const;
    QString shortTextNote(qsizetype letters) const;

    // The known key and the ciphertext letters it belongs to.
    QString m_knownSquare;
    QString m_knownFor;

    // The last search.
    State m_state = State::Idle;
    QString m_message;     // why the input was refused, or the opening note
    QString m_letters;     // its ciphertext letters
    QString m_truePlain;   // its true plaintext, when the key is known
    std::optional<analysis::Square> m_trueSquare;
    analysis::SolverResult m_report;
    bool m_cribGiven = false;
    int m_run = 0;         // counts searches, so a stale job's signals are ignored
    QPointer<BreakJob> m_job;

    int m_threads = 0;
    std::optional<std::uint64_t> m_seed;

    QTimer m_renderTimer;
    QElapsedTimer m_sinceRender;

    QPlainTextEdit *m_demoText = nullptr;
    QRadioButton *m_useKeyWord = nullptr;
    QLineEdit *m_keyWord = nullptr;
    QRadioButton *m_useRandom = nullptr;
    ColourButton *m_encrypt = nullptr;
    QWidget *m_demonstration = nullptr;
    QPlainTextEdit *m_ciphertext = nullptr;
    QComboBox *m_language = nullptr;
    QLineEdit *m_crib = nullptr;
    QSpinBox *m_timeLimit = nullptr;
    ColourButton *m_start = nullptr;
    ColourButton *m_stop = nullptr;
    SquareView *m_square = nullptr;
    QLabel *m_inPlace = nullptr;
    ScorePlot *m_plot = nullptr;
    QLabel *m_scoreNote = nullptr;
    PairedTextView *m_plaintext = nullptr;
    QLabel *m_status = nullptr;
};

// Opens a break window on `input`. With an owner the window belongs to it
// and closes with it. The window deletes itself when closed.
BreakWindow *openBreakWindow(const BreakInput &input = {}, QWidget *owner = nullptr);

} // namespace playfair
