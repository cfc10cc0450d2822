#include "breakwindow.h"

#include "breakjob.h"
#include "breakwindowparts.h"
#include "pairedtextview.h"
#include "scoreplot.h"
#include "ui/byhand/byhandwindow.h"
#include "ui/application.h"
#include "ui/shared/colourbutton.h"
#include "ui/shared/languagemenu.h"
#include "engine/alphabet.h"
#include "ui/shared/squareview.h"
#include "ui/shared/windowcolours.h"
#include "ui/shared/windowparts.h"
#include "ui/shared/zoom.h"
#include "ui/shared/wrappedlabel.h"
#include "ui/translations.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

namespace playfair {

namespace {

using namespace breakwindowparts;

// The window shows what the search has found at most this often.
constexpr int renderInterval = 50; // ms

} // namespace

BreakWindow::BreakWindow(const BreakInput &input, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setUpWindow(this, QStringLiteral("BreakWindow"), caption());

    m_renderTimer.setSingleShot(true);
    connect(&m_renderTimer, &QTimer::timeout, this, &BreakWindow::render);

    createControls();
    fitToFont();
    retranslate();
    connectControls();
    // The alphabet chosen last time, unless the window opens on the main
    // window's pairs, which are on the classic square.
    if (input.trueSquare.isEmpty()) {
        const Alphabet *stored = storedBreakAlphabet();
        m_session.setAlphabet(stored ? std::optional(stored->id()) : std::nullopt);
    }
    setInput(input);
    m_ciphertext->setFocus();
    followZoom(this);
}

BreakWindow::~BreakWindow()
{
    forgetJob();
}

// The job's thread is asked to stop, and nothing it sends reaches the
// window any more.
void BreakWindow::forgetJob()
{
    if (m_job) {
        m_job->disconnect(this);
        m_job->stop();
        m_job = nullptr;
    }
}

QString BreakWindow::caption()
{
    return tr("Разбиване на шифъра - Playfair");
}

void BreakWindow::retranslate()
{
    setWindowTitle(caption());
    m_title->setText(tr("Разбиване на шифъра без ключа - диграфов шифър, cipher Playfair"));

    m_byHandAction->setText(tr("Разбиване на ръка…"));
    retranslateInputs();

    m_squareFrame->setTitle(tr("квадрат на Polybius"));
    m_square->setAccessibleName(tr("Намереният квадрат"));
    m_scoreFrame->setTitle(tr("Оценка на открития текст"));
    m_foundKeyWord->setAccessibleName(tr("Ключовата дума"));
    m_plainFrame->setTitle(tr("Открит текст: под всяка двойка на шифъра - нейният текст"));
    m_plaintext->setAccessibleName(tr("Открит текст"));
    m_words->setAccessibleName(tr("Думите на открития текст (догадка)"));
    m_status->setAccessibleName(tr("Състояние"));
}

void BreakWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        render();
    }
    if (event->type() == QEvent::FontChange && m_status) {
        // The buttons' widths are measured from their texts, and the key
        // word's font from the window's.
        fitToFont();
        retranslate();
        render();
    }
    QWidget::changeEvent(event);
}

void BreakWindow::contextMenuEvent(QContextMenuEvent *event)
{
    execWindowMenu(this, actions(), event->globalPos());
}

// The ciphertext in the box, to break by hand: in the window the main
// window has open, if this one belongs to it, so that Ctrl+R there brings
// the same one forward.
void BreakWindow::openByHand()
{
    BreakInput input;
    input.ciphertext = m_session.ciphertext();
    showByHandWindow(input, parentWidget() ? parentWidget() : this);
}

void BreakWindow::createControls()
{
    QVBoxLayout *layout = titledLayout(this, QString());
    m_title = findChild<QLabel *>(QStringLiteral("title"), Qt::FindDirectChildrenOnly);

    // The inputs on the left; on the right what the search has found: the
    // square and the score over time, under them the key word, and then the
    // plaintext with its words.
    auto *columns = new QHBoxLayout;
    auto *inputs = new QVBoxLayout;
    inputs->addWidget(createDemonstration());
    inputs->addWidget(createSearchInputs(), 1);
    columns->addLayout(inputs, 2);

    auto *results = new QVBoxLayout;
    auto *pictures = new QHBoxLayout;
    m_squareFrame = named(new QGroupBox(this), "squareFrame");
    auto *squareLayout = new QVBoxLayout(m_squareFrame);
    m_square = named(new SquareView(m_squareFrame), "square");
    squareLayout->addWidget(m_square, 0, Qt::AlignHCenter);
    m_inPlace = named(new WrappedLabel(QString(), m_squareFrame), "inPlace");
    squareLayout->addWidget(m_inPlace);
    squareLayout->addStretch();
    pictures->addWidget(m_squareFrame);

    m_scoreFrame = named(new QGroupBox(this), "scoreFrame");
    auto *scoreLayout = new QVBoxLayout(m_scoreFrame);
    m_plot = named(new ScorePlot(m_scoreFrame), "scorePlot");
    scoreLayout->addWidget(m_plot, 1);
    m_scoreNote = named(new WrappedLabel(QString(), m_scoreFrame), "scoreNote");
    scoreLayout->addWidget(m_scoreNote);
    pictures->addWidget(m_scoreFrame, 1);
    results->addLayout(pictures);
    results->addWidget(createKeyWord());

    m_plainFrame = named(new QGroupBox(this), "plaintextFrame");
    auto *plainLayout = new QVBoxLayout(m_plainFrame);
    m_plaintext = named(new PairedTextView(m_plainFrame), "plaintext");
    plainLayout->addWidget(m_plaintext, 1);
    // The words wrap in a box of three lines, which scrolls for a long text
    // rather than pushing the window past the screen.
    m_words = named(new QPlainTextEdit(m_plainFrame), "words");
    m_words->setReadOnly(true);
    m_words->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_words->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_words->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_words->setFrameShape(QFrame::NoFrame);
    m_words->setFocusPolicy(Qt::ClickFocus);
    setBackground(m_words, windowColour, QPalette::Base);
    plainLayout->addWidget(m_words);
    results->addWidget(m_plainFrame, 1);
    columns->addLayout(results, 3);
    layout->addLayout(columns, 1);

    m_status = named(new WrappedLabel(QString(), this), "status");
    m_status->setFrameShape(QFrame::Panel);
    m_status->setFrameShadow(QFrame::Sunken);
    m_status->setMargin(4);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    setBackground(m_status, noteColour());
    layout->addWidget(m_status);

    // The window's menu: the ciphertext to break by hand.
    m_byHandAction = addWindowAction(this, QKeySequence(Qt::CTRL | Qt::Key_R), [this] { openByHand(); });
}

// What is measured from the font: at the start and at every zoom.
void BreakWindow::fitToFont()
{
    m_demoText->setFixedHeight(3 * m_demoText->fontMetrics().lineSpacing() + 12);
    m_ciphertext->setMinimumHeight(2 * m_ciphertext->fontMetrics().lineSpacing() + 12);
    m_inPlace->setFixedWidth(m_square->sizeHint().width() + 24);
    // Wide enough that the note takes four lines, not six, at the window's
    // least width: the window is then less tall at its least.
    m_scoreNote->setMinimumWidth(36 * m_scoreNote->fontMetrics().averageCharWidth());
    // The plaintext's fixed font at the window's size.
    QFont fixed = m_plaintext->font();
    fixed.setPointSizeF(font().pointSizeF());
    m_plaintext->setFont(fixed);
    // Two lines of pairs with their plaintext, whole.
    m_plaintext->setMinimumHeight(5 * m_plaintext->fontMetrics().lineSpacing()
                                  + 2 * (m_plaintext->frameWidth() + int(m_plaintext->document()->documentMargin())));
    m_words->setFixedHeight(3 * m_words->fontMetrics().lineSpacing() + 2 * int(m_words->document()->documentMargin()));
    m_status->setLeastHeight(2 * fontMetrics().lineSpacing() + 12);
}

// The key word of the square found, large, and under it why a key word is
// weak: a panel like the status line's, shown once there is something to
// say, which takes less height than a titled frame.
QWidget *BreakWindow::createKeyWord()
{
    auto *panel = named(new QFrame(this), "keyWordFrame");
    m_keyWordFrame = panel;
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    setBackground(panel, noteColour());
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(2);
    m_foundKeyWord = named(new WrappedLabel(QString(), panel), "foundKeyWord");
    m_foundKeyWord->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_foundKeyWord);
    m_keyWordNote = named(new WrappedLabel(QString(), panel), "keyWordNote");
    layout->addWidget(m_keyWordNote);
    panel->hide();
    return panel;
}

void BreakWindow::setInput(const BreakInput &input)
{
    m_session.setInput(input);
    render();
}

void BreakWindow::offerInput(const BreakInput &input)
{
    if (m_session.offerInput(input))
        forgetJob();
    render();
}

void BreakWindow::setSearchOptions(int threads, std::optional<std::uint64_t> seed)
{
    m_session.setSearchOptions(threads, seed);
}

void BreakWindow::start()
{
    if (std::optional<BreakSession::Search> search = m_session.start())
        launch(std::move(*search));
    render();
}

void BreakWindow::launch(BreakSession::Search search)
{
    const int run = search.run;
    auto *job = search.alphabet == analysis::AlphabetKind::LatinIJ
        ? new BreakJob(std::move(search.ciphertext), std::move(search.options))
        : new BreakJob(std::move(search.shapedCiphertext), std::move(search.shapedOptions));
    connect(
        job, &BreakJob::progress, this,
        [this, run](const analysis::SolverReport &report) {
            if (m_session.reportArrived(run, report))
                scheduleRender();
        },
        Qt::QueuedConnection);
    connect(
        job, &BreakJob::finished, this,
        [this, run](const analysis::SolverResult &result) {
            if (m_session.searchFinished(run, result)) {
                m_job = nullptr;
                if (std::optional<BreakSession::Search> next = m_session.followingSearch())
                    launch(std::move(*next));
                scheduleRender();
            }
        },
        Qt::QueuedConnection);
    connect(
        job, &BreakJob::failed, this,
        [this, run](const QString &message) {
            if (m_session.searchFailed(run, message)) {
                m_job = nullptr;
                render();
            }
        },
        Qt::QueuedConnection);
    m_job = job;
    job->start();
}

void BreakWindow::stop()
{
    if (!m_session.stop())
        return;
    if (m_job)
        m_job->stop();
    render();
}

void BreakWindow::scheduleRender()
{
    if (m_renderTimer.isActive())
        return;
    const qint64 since = m_sinceRender.isValid() ? m_sinceRender.elapsed() : renderInterval;
    if (since >= renderInterval)
        render();
    else
        m_renderTimer.start(int(renderInterval - since));
}

void BreakWindow::render()
{
    m_renderTimer.stop();
    m_sinceRender.restart();

    const bool searching = m_session.isSearching();
    m_start->setEnabled(!searching);
    m_stop->setEnabled(m_session.canStop());
    m_demonstration->setEnabled(!searching);
    m_ciphertext->setReadOnly(searching);
    m_language->setEnabled(!searching);
    m_alphabet->setEnabled(!searching);
    m_doublesKept->setEnabled(!searching);
    m_crib->setEnabled(!searching);
    m_timeLimit->setEnabled(!searching);
    renderInputs();

    // The square in the shape of its alphabet: 5 x 5, 6 x 6 or 5 rows of 6.
    const SquareShape shape = Alphabet::of(m_session.squareAlphabet()).shape();
    if (m_square->shape() != shape)
        m_square->setShape(shape);
    m_square->setLetters(m_session.squareLetters());
    const QList<int> right = m_session.rightCells();
    if (m_square->emphasised() != right)
        m_square->setEmphasised(right);
    m_inPlace->setWrappedText(m_session.inPlaceNote());

    // Only what is beyond doubt stands large.
    const QString keyWord = m_session.keyWordLine();
    QFont keyWordFont = font();
    if (m_session.keyWordTrusted()) {
        keyWordFont.setPointSizeF(keyWordFont.pointSizeF() * 1.5);
        keyWordFont.setBold(true);
    }
    if (m_foundKeyWord->font() != keyWordFont)
        m_foundKeyWord->setFont(keyWordFont);
    m_foundKeyWord->setWrappedText(keyWord);
    const QString keyWordNote = m_session.keyWordNote();
    m_keyWordNote->setWrappedText(keyWordNote);
    m_keyWordNote->setVisible(!keyWordNote.isEmpty());
    m_keyWordFrame->setVisible(!keyWord.isEmpty());

    m_plaintext->setTexts(m_session.cipherLetters(), m_session.foundPlaintext(), m_session.truePlaintext(),
                          m_session.garbledPairs());

    const QString words = m_session.wordsLine();
    if (m_words->toPlainText() != words)
        m_words->setPlainText(words);

    const BreakSession::Levels levels = m_session.levels();
    m_plot->setLevels(levels.random, levels.typical);
    m_plot->setTrueScore(m_session.trueScore());
    m_plot->setPoints(m_session.scorePoints());
    m_plot->update();
    m_scoreNote->setWrappedText(m_session.scoreNote());

    m_status->setWrappedText(m_session.status());
}

void BreakWindow::closeEvent(QCloseEvent *event)
{
    stop();
    QWidget::closeEvent(event);
}

bool BreakWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Enter in the ciphertext box starts the search; Shift+Enter still
    // breaks the line.
    if (watched == m_ciphertext && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            && !(key->modifiers() & Qt::ShiftModifier)) {
            start();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void BreakWindow::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), windowColour);
}

BreakWindow *openBreakWindow(const BreakInput &input, QWidget *owner)
{
    auto *window = new BreakWindow(input, owner);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // Room for the plaintext, within the screen less a window frame.
    const QRect screen = window->screen()->availableGeometry();
    window->resize(QSize(zoomed(1000), zoomed(720)).boundedTo(screen.size() - QSize(16, 48)).expandedTo(window->minimumSizeHint()));
    showCentred(window, owner);
    return window;
}

BreakWindow *showBreakWindow(const BreakInput &input, QWidget *owner)
{
    BreakWindow *window = openWindowOf<BreakWindow>(owner);
    if (!window)
        return openBreakWindow(input, owner);
    window->offerInput(input);
    bringForward(window);
    return window;
}

} // namespace playfair
