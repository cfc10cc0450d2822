#include "breakwindow.h"

#include "analysis/ciphertext.h"
#include "analysis/crib.h"
#include "analysis/letterstatistics.h"
#include "analysis/squarealignment.h"
#include "application.h"
#include "breakjob.h"
#include "colourbutton.h"
#include "engine/demonstration.h"
#include "engine/textbook.h"
#include "pairedtextview.h"
#include "scoreplot.h"
#include "squareview.h"
#include "windowcolours.h"
#include "workspace/workspace.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>
#include <variant>

namespace playfair {

namespace {

using analysis::Language;

const QColor startColour(0, 255, 0);
const QColor stopColour(255, 0, 0);

// The window shows what the search has found at most this often.
constexpr int renderInterval = 50; // ms

// A file is read up to this size: a ciphertext is never longer.
constexpr qint64 mostFileBytes = 1 << 20;

QLocale bulgarian()
{
    return QLocale(QLocale::Bulgarian, QLocale::Bulgaria);
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

template<typename T>
T *named(T *widget, const char *objectName, const QString &accessibleName = QString())
{
    widget->setObjectName(QLatin1String(objectName));
    if (!accessibleName.isEmpty())
        widget->setAccessibleName(accessibleName);
    return widget;
}

QLabel *wrappedLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

std::vector<analysis::Letter> lettersOf(const QString &letters)
{
    std::vector<analysis::Letter> numbers;
    numbers.reserve(std::size_t(letters.size()));
    for (QChar letter : letters)
        numbers.push_back(analysis::Letter(analysis::letterNumber(char(letter.unicode()))));
    return numbers;
}

double scoreOf(const QString &letters, Language language)
{
    const std::vector<analysis::Letter> numbers = lettersOf(letters);
    return analysis::LetterStatistics::of(language).meanLog10(numbers.data(), numbers.size());
}

QString pairsOf(const QString &letters)
{
    QString text;
    text.reserve(letters.size() * 3 / 2);
    for (qsizetype i = 0; i < letters.size(); i += 2) {
        if (i > 0)
            text += u' ';
        text += letters.mid(i, 2);
    }
    return text;
}

bool hasCyrillic(const QString &text)
{
    for (QChar c : text) {
        if (c.script() == QChar::Script_Cyrillic)
            return true;
    }
    return false;
}

QString seconds(double value)
{
    return QStringLiteral("%1 s").arg(bulgarian().toString(value, 'f', 1));
}

// A count in groups of three digits, as Bulgarian writes it: 1 461 274.
// (Qt 6.4's Bulgarian locale leaves the first group of a 7-digit number whole.)
QString grouped(std::uint64_t number)
{
    QString digits = QString::number(qulonglong(number));
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QChar(0x00A0));
    return digits;
}

QString keysTested(std::uint64_t keys)
{
    return QStringLiteral("%1 %2").arg(grouped(keys), keys == 1 ? QStringLiteral("ключ") : QStringLiteral("ключа"));
}

} // namespace

BreakInput BreakInput::fromWorkspace(const Workspace &ws)
{
    BreakInput input;
    const QList<QString> &pairs = ws.List1[1].items();
    if (pairs.isEmpty())
        return input;
    input.ciphertext = QStringList(pairs).join(u' ');
    QString square;
    for (const QString &cell : ws.Label3)
        square += cell;
    if (isSquare(square.toStdString()))
        input.trueSquare = square;
    return input;
}

BreakInput BreakInput::fromFile(const QString &path)
{
    BreakInput input;
    const QFileInfo info(path);
    QFile file(path);
    if (!info.exists()) {
        input.note = QStringLiteral("Файлът „%1“ не съществува.").arg(path);
    } else if (info.isDir()) {
        input.note = QStringLiteral("„%1“ е папка, а не файл с шифрован текст.").arg(path);
    } else if (!file.open(QIODevice::ReadOnly)) {
        input.note = QStringLiteral("Файлът „%1“ не може да бъде прочетен.").arg(path);
    } else {
        const QByteArray bytes = file.read(mostFileBytes + 1);
        input.ciphertext = QString::fromUtf8(bytes.left(mostFileBytes));
        if (bytes.size() > mostFileBytes)
            input.note = QStringLiteral("Файлът „%1“ е по-дълъг от 1 MiB: прочетено е само началото му.").arg(path);
    }
    return input;
}

BreakWindow::BreakWindow(const BreakInput &input, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("BreakWindow"));
    setWindowTitle(caption());
    setWindowIcon(QIcon(QStringLiteral(":/playfair/playfair.png")));
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(12);
    font.setStyleHint(QFont::Serif);
    setFont(font);

    m_renderTimer.setSingleShot(true);
    connect(&m_renderTimer, &QTimer::timeout, this, &BreakWindow::render);

    createControls();
    connectControls();
    setInput(input);
    m_ciphertext->setFocus();
}

BreakWindow::~BreakWindow()
{
    if (m_job) {
        m_job->disconnect(this);
        m_job->stop();
    }
}

QString BreakWindow::caption()
{
    return QStringLiteral("Разбиване на шифъра - Playfair");
}

void BreakWindow::createControls()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);

    auto *title = new QLabel(QStringLiteral("Разбиване на шифъра без ключа - диграфов шифър, cipher Playfair"), this);
    title->setAlignment(Qt::AlignCenter);
    title->setMargin(2);
    setBackground(title, captionColour);
    layout->addWidget(title);

    // The inputs on the left; on the right what the search has found: the
    // square and the score over time, and under them the plaintext.
    auto *columns = new QHBoxLayout;
    auto *inputs = new QVBoxLayout;
    inputs->addWidget(createDemonstration());
    inputs->addWidget(createSearchInputs(), 1);
    columns->addLayout(inputs, 2);

    auto *results = new QVBoxLayout;
    auto *pictures = new QHBoxLayout;
    auto *squareFrame = named(new QGroupBox(QStringLiteral("квадрат на Polybius"), this), "squareFrame");
    auto *squareLayout = new QVBoxLayout(squareFrame);
    m_square = named(new SquareView(squareFrame), "square", QStringLiteral("Намереният квадрат"));
    squareLayout->addWidget(m_square, 0, Qt::AlignHCenter);
    m_inPlace = named(wrappedLabel(QString(), squareFrame), "inPlace");
    m_inPlace->setFixedWidth(m_square->sizeHint().width() + 24);
    squareLayout->addWidget(m_inPlace);
    squareLayout->addStretch();
    pictures->addWidget(squareFrame);

    auto *scoreFrame = named(new QGroupBox(QStringLiteral("Оценка на открития текст"), this), "scoreFrame");
    auto *scoreLayout = new QVBoxLayout(scoreFrame);
    m_plot = named(new ScorePlot(scoreFrame), "scorePlot");
    scoreLayout->addWidget(m_plot, 1);
    m_scoreNote = named(wrappedLabel(QString(), scoreFrame), "scoreNote");
    scoreLayout->addWidget(m_scoreNote);
    pictures->addWidget(scoreFrame, 1);
    results->addLayout(pictures);

    auto *plainFrame = named(new QGroupBox(QStringLiteral("Открит текст: под всяка двойка на шифъра - нейният текст"),
                                           this),
                             "plaintextFrame");
    auto *plainLayout = new QVBoxLayout(plainFrame);
    m_plaintext = named(new PairedTextView(plainFrame), "plaintext", QStringLiteral("Открит текст"));
    m_plaintext->setMinimumHeight(5 * m_plaintext->fontMetrics().lineSpacing());
    plainLayout->addWidget(m_plaintext);
    results->addWidget(plainFrame, 1);
    columns->addLayout(results, 3);
    layout->addLayout(columns, 1);

    m_status = named(wrappedLabel(QString(), this), "status", QStringLiteral("Състояние"));
    m_status->setFrameShape(QFrame::Panel);
    m_status->setFrameShadow(QFrame::Sunken);
    m_status->setMargin(4);
    m_status->setMinimumHeight(2 * fontMetrics().lineSpacing() + 12);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    setBackground(m_status, QColor(255, 255, 240));
    layout->addWidget(m_status);
}

QWidget *BreakWindow::createDemonstration()
{
    auto *group = named(new QGroupBox(QStringLiteral("Демонстрация: текст, криптиран с известен ключ"), this),
                        "demonstration");
    m_demonstration = group;
    auto *layout = new QVBoxLayout(group);

    m_demoText = named(new QPlainTextEdit(group), "demoText", QStringLiteral("Текст за демонстрация"));
    m_demoText->setPlaceholderText(
        QStringLiteral("Напишете или поставете текст с латински букви, на английски или на български…"));
    m_demoText->setTabChangesFocus(true);
    m_demoText->setFixedHeight(3 * m_demoText->fontMetrics().lineSpacing() + 12);
    layout->addWidget(m_demoText);

    auto *key = new QGridLayout;
    m_useKeyWord = named(new QRadioButton(QStringLiteral("ключова дума:"), group), "useKeyWord");
    m_keyWord = named(new QLineEdit(QStringLiteral("RODINA"), group), "keyWord", QStringLiteral("Ключова дума"));
    m_useRandom = named(new QRadioButton(QStringLiteral("случаен квадрат"), group), "useRandomSquare");
    auto *choice = new QButtonGroup(group);
    choice->addButton(m_useKeyWord);
    choice->addButton(m_useRandom);
    m_useRandom->setChecked(true);
    m_encrypt = named(new ColourButton(QStringLiteral("Криптирай"), startColour, group), "encrypt",
                      QStringLiteral("Криптирай текста за демонстрация"));
    m_encrypt->setAutoDefault(false);
    m_encrypt->setMinimumWidth(m_encrypt->fontMetrics().horizontalAdvance(m_encrypt->text()) + 24);
    key->addWidget(m_useKeyWord, 0, 0);
    key->addWidget(m_keyWord, 0, 1);
    key->addWidget(m_useRandom, 1, 0);
    key->addWidget(m_encrypt, 1, 1, Qt::AlignRight);
    key->setColumnStretch(1, 1);
    layout->addLayout(key);

    layout->addWidget(wrappedLabel(
        QStringLiteral("Текстът се подготвя като истинските съобщения Playfair: между двете букви на двойка от "
                       "еднакви букви се вмъква X (Q, ако буквата е X), а накрая X изравнява нечетен брой букви "
                       "(Q след крайно X)."),
        group));
    return group;
}

QWidget *BreakWindow::createSearchInputs()
{
    auto *group = named(new QGroupBox(QStringLiteral("Шифрован текст"), this), "ciphertextFrame");
    auto *layout = new QVBoxLayout(group);

    m_ciphertext = named(new QPlainTextEdit(group), "ciphertext", QStringLiteral("Шифрован текст"));
    m_ciphertext->setPlaceholderText(
        QStringLiteral("Поставете шифрован текст: броят се само латинските букви, J е I."));
    m_ciphertext->setTabChangesFocus(true);
    m_ciphertext->setMinimumHeight(2 * m_ciphertext->fontMetrics().lineSpacing() + 12);
    m_ciphertext->installEventFilter(this);
    layout->addWidget(m_ciphertext, 1);

    auto *settings = new QGridLayout;
    m_language = named(new QComboBox(group), "language", QStringLiteral("Език"));
    m_language->addItem(QStringLiteral("английски"), int(Language::English));
    m_language->addItem(QStringLiteral("български на латиница"), int(Language::Bulgarian));
    m_crib = named(new QLineEdit(group), "crib", QStringLiteral("Известна дума"));
    m_crib->setPlaceholderText(QStringLiteral("ако знаете дума от текста"));
    m_timeLimit = named(new QSpinBox(group), "timeLimit", QStringLiteral("Време за търсене"));
    m_timeLimit->setRange(5, 600);
    m_timeLimit->setValue(30);
    m_timeLimit->setSuffix(QStringLiteral(" s"));
    m_timeLimit->setToolTip(QStringLiteral("Търсенето спира най-късно след толкова секунди."));
    const auto label = [group](const QString &text, QWidget *buddy) {
        auto *caption = new QLabel(text, group);
        caption->setBuddy(buddy);
        return caption;
    };
    settings->addWidget(label(QStringLiteral("език:"), m_language), 0, 0);
    settings->addWidget(m_language, 0, 1, 1, 3);
    settings->addWidget(label(QStringLiteral("известна дума:"), m_crib), 1, 0);
    settings->addWidget(m_crib, 1, 1, 1, 3);
    settings->addWidget(label(QStringLiteral("най-много:"), m_timeLimit), 2, 0);
    settings->addWidget(m_timeLimit, 2, 1);
    m_start = named(new ColourButton(QStringLiteral("Започни"), startColour, group), "start", QStringLiteral("Започни"));
    m_stop = named(new ColourButton(QStringLiteral("Спри"), stopColour, group), "stop", QStringLiteral("Спри"));
    for (ColourButton *button : {m_start, m_stop}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(m_start->text()) + 32);
    }
    settings->addWidget(m_start, 2, 2);
    settings->addWidget(m_stop, 2, 3);
    settings->setColumnStretch(1, 1);
    layout->addLayout(settings);
    return group;
}

void BreakWindow::connectControls()
{
    connect(m_encrypt, &QPushButton::clicked, this, &BreakWindow::makeDemonstration);
    connect(m_start, &QPushButton::clicked, this, &BreakWindow::start);
    connect(m_stop, &QPushButton::clicked, this, &BreakWindow::stop);
    connect(m_crib, &QLineEdit::returnPressed, this, &BreakWindow::start);
    connect(m_useKeyWord, &QRadioButton::toggled, m_keyWord, &QLineEdit::setEnabled);
    connect(m_keyWord, &QLineEdit::textEdited, this, [this] { m_useKeyWord->setChecked(true); });
    m_keyWord->setEnabled(false);
    connect(m_language, &QComboBox::currentIndexChanged, this, &BreakWindow::updateScoreNote);
    connect(m_ciphertext, &QPlainTextEdit::textChanged, this, [this] {
        if (m_state == State::Idle || m_state == State::Refused) {
            m_state = State::Idle;
            m_message.clear();
            renderStatus();
        }
    });
}

void BreakWindow::setInput(const BreakInput &input)
{
    m_ciphertext->setPlainText(input.ciphertext);
    m_knownSquare.clear();
    m_knownFor.clear();
    if (!input.trueSquare.isEmpty() && isSquare(input.trueSquare.toStdString())) {
        const auto letters = analysis::readCiphertext(input.ciphertext.toStdString());
        if (const auto *numbers = std::get_if<std::vector<analysis::Letter>>(&letters)) {
            m_knownSquare = input.trueSquare;
            m_knownFor = QString::fromStdString(analysis::lettersToText(numbers->data(), numbers->size()));
            chooseLanguageFor(
                QString::fromStdString(transformedPairs(m_knownSquare.toStdString(), m_knownFor.toStdString(), -1)));
        }
    }
    m_state = State::Idle;
    m_message = input.note;
    updateScoreNote();
    render();
}

void BreakWindow::makeDemonstration()
{
    if (isSearching())
        return;
    const QString text = m_demoText->toPlainText();
    QString square;
    if (m_useRandom->isChecked()) {
        square = Demonstration::randomSquare(*QRandomGenerator::global());
    } else {
        if (m_keyWord->text().trimmed().isEmpty()) {
            refuse(QStringLiteral("Напишете ключова дума или изберете „случаен квадрат“."));
            return;
        }
        square = Demonstration::keySquare(m_keyWord->text());
    }
    const std::optional<Demonstration> demonstration = Demonstration::make(text, square);
    if (!demonstration) {
        refuse(hasCyrillic(text) ? QStringLiteral("Текстът за демонстрация трябва да е с латински букви: "
                                                  "програмата пропуска кирилицата.")
                                 : QStringLiteral("Текстът за демонстрация няма нито една латинска буква."));
        return;
    }
    BreakInput input;
    input.ciphertext = pairsOf(demonstration->ciphertext);
    input.trueSquare = demonstration->square;
    if (hasCyrillic(text))
        input.note = QStringLiteral("Кирилицата в текста за демонстрация е пропусната: криптирани са само латинските "
                                    "букви.");
    setInput(input);
}

void BreakWindow::setSearchOptions(int threads, std::optional<std::uint64_t> seed)
{
    m_threads = threads;
    m_seed = seed;
}

bool BreakWindow::isSearching() const
{
    return m_state == State::Searching || m_state == State::Stopping;
}

Language BreakWindow::language() const
{
    return Language(m_language->currentData().toInt());
}

void BreakWindow::chooseLanguageFor(const QString &plainLetters)
{
    if (plainLetters.size() < 8)
        return;
    const bool bulgarianText = scoreOf(plainLetters, Language::Bulgarian) > scoreOf(plainLetters, Language::English);
    m_language->setCurrentIndex(m_language->findData(int(bulgarianText ? Language::Bulgarian : Language::English)));
}

void BreakWindow::refuse(const QString &message)
{
    m_state = State::Refused;
    m_message = message;
    render();
}

void BreakWindow::start()
{
    if (isSearching())
        return;
    const auto read = analysis::readCiphertext(m_ciphertext->toPlainText().toStdString());
    if (const auto *error = std::get_if<analysis::CiphertextError>(&read)) {
        refuse(QString::fromStdString(error->message(Language::Bulgarian)));
        return;
    }
    const std::vector<analysis::Letter> &letters = std::get<std::vector<analysis::Letter>>(read);

    analysis::SolverOptions options;
    options.language = language();
    options.timeLimit = std::chrono::seconds(m_timeLimit->value());
    options.threads = m_threads;
    options.seed = m_seed ? *m_seed : QRandomGenerator::global()->generate64();
    options.crib = m_crib->text().toStdString();
    if (!m_crib->text().trimmed().isEmpty()) {
        const auto crib = analysis::Crib::make(options.crib, std::nullopt, letters);
        if (const auto *error = std::get_if<analysis::CribError>(&crib)) {
            refuse(QString::fromStdString(error->message(Language::Bulgarian)));
            return;
        }
    } else {
        options.crib.clear();
    }
    m_cribGiven = !options.crib.empty();

    m_letters = QString::fromStdString(analysis::lettersToText(letters.data(), letters.size()));
    m_trueSquare.reset();
    m_truePlain.clear();
    if (!m_knownSquare.isEmpty() && m_knownFor == m_letters) {
        analysis::Square square{};
        analysis::squareFromText(m_knownSquare.toStdString(), square);
        m_trueSquare = square;
        m_truePlain = QString::fromStdString(transformedPairs(m_knownSquare.toStdString(), m_letters.toStdString(), -1));
    }

    const analysis::LetterStatistics &levels = analysis::LetterStatistics::of(options.language);
    m_plot->clear();
    m_plot->setLevels(levels.randomLog10(), levels.typicalLog10());
    m_plot->setTrueScore(m_trueSquare ? std::optional<double>(scoreOf(m_truePlain, options.language)) : std::nullopt);

    m_report = analysis::SolverResult();
    m_message.clear();
    m_state = State::Searching;
    const int run = ++m_run;
    auto *job = new BreakJob(letters, options);
    connect(
        job, &BreakJob::progress, this,
        [this, run](const analysis::SolverReport &report) {
            if (run == m_run)
                onProgress(report);
        },
        Qt::QueuedConnection);
    connect(
        job, &BreakJob::finished, this,
        [this, run](const analysis::SolverResult &result) {
            if (run == m_run)
                onFinished(result);
        },
        Qt::QueuedConnection);
    connect(
        job, &BreakJob::failed, this,
        [this, run](const QString &message) {
            if (run == m_run)
                onFailed(message);
        },
        Qt::QueuedConnection);
    m_job = job;
    job->start();
    render();
}

void BreakWindow::stop()
{
    if (m_state != State::Searching)
        return;
    if (m_job)
        m_job->stop();
    m_state = State::Stopping;
    render();
}

void BreakWindow::onProgress(const analysis::SolverReport &report)
{
    if (m_state != State::Searching && m_state != State::Stopping)
        return;
    static_cast<analysis::SolverReport &>(m_report) = report;
    if (report.found)
        m_plot->addPoint(report.elapsedSeconds, report.score);
    scheduleRender();
}

void BreakWindow::onFinished(const analysis::SolverResult &result)
{
    m_report = result;
    if (result.found)
        m_plot->addPoint(result.elapsedSeconds, result.score);
    m_state = State::Finished;
    m_job = nullptr;
    scheduleRender();
}

void BreakWindow::onFailed(const QString &message)
{
    m_job = nullptr;
    refuse(message);
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

    const bool searching = isSearching();
    m_start->setEnabled(!searching);
    m_stop->setEnabled(m_state == State::Searching);
    m_demonstration->setEnabled(!searching);
    m_ciphertext->setReadOnly(searching);
    m_language->setEnabled(!searching);
    m_crib->setEnabled(!searching);
    m_timeLimit->setEnabled(!searching);

    renderSquare();
    const bool shown = m_state != State::Idle && m_state != State::Refused && m_report.found;
    m_plaintext->setTexts(m_letters, shown ? QString::fromStdString(m_report.plaintext) : QString(), m_truePlain);
    m_plot->update();
    renderStatus();
}

void BreakWindow::renderSquare()
{
    const bool searched = m_state == State::Searching || m_state == State::Stopping || m_state == State::Finished;
    const bool known = searched ? m_trueSquare.has_value() : !m_knownSquare.isEmpty();
    if (!searched || !m_report.found) {
        m_square->setLetters(QString());
        m_square->setEmphasised({});
        m_inPlace->setText(known ? QStringLiteral("Ключът е известен: буквите, които са на мястото си, ще се "
                                                  "оцветят в зелено.")
                                 : QStringLiteral("Ключът не е известен: нищо не се отбелязва."));
        return;
    }
    if (!m_trueSquare) {
        m_square->setLetters(QString::fromStdString(m_report.squareText));
        m_square->setEmphasised({});
        m_inPlace->setText(QStringLiteral("Ключът не е известен: нищо не се отбелязва."));
        return;
    }
    // The found square in the shift that matches the key best: all 25
    // shifts decrypt alike, so this is the square the class can compare.
    const analysis::SquareAlignment aligned = analysis::alignedSquare(m_report.square, *m_trueSquare);
    QList<int> right;
    for (int cell = 0; cell < 25; ++cell) {
        if (aligned.inPlace[cell])
            right << cell;
    }
    m_square->setLetters(QString::fromStdString(analysis::squareToText(aligned.square)));
    if (m_square->emphasised() != right)
        m_square->setEmphasised(right);

    const QString plain = QString::fromStdString(m_report.plaintext);
    qsizetype same = 0;
    for (qsizetype i = 0; i < plain.size() && i < m_truePlain.size(); ++i)
        same += plain[i] == m_truePlain[i];
    const int percent = m_truePlain.isEmpty() ? 0 : int(std::floor(100.0 * double(same) / double(m_truePlain.size())));
    m_inPlace->setText(QStringLiteral("На мястото си: %1 от 25 букви.\nВерен текст: %2 % от буквите.")
                           .arg(aligned.count)
                           .arg(percent));
}

void BreakWindow::renderStatus()
{
    const QString text = statusText();
    if (m_status->text() != text)
        m_status->setText(text);
}

QString BreakWindow::shortTextNote(qsizetype letters) const
{
    if (letters == 0 || letters >= qsizetype(analysis::shortCiphertext))
        return {};
    QString note = QStringLiteral("Шифърът има само %1 букви: на толкова кратък текст пасват много квадрати.")
                       .arg(letters);
    if (m_crib->text().trimmed().isEmpty())
        note += QStringLiteral(" Ако знаете дума от текста, напишете я в „Известна дума“.");
    return note;
}

QString BreakWindow::statusText() const
{
    const auto lines = [](const QString &first, const QString &second) {
        return second.isEmpty() ? first : first + u'\n' + second;
    };
    const QString score = m_report.found
        ? QStringLiteral(", оценка %1").arg(bulgarian().toString(m_report.score, 'f', 2))
        : QString();
    switch (m_state) {
    case State::Idle: {
        if (!m_message.isEmpty())
            return m_message;
        const auto read = analysis::readCiphertext(m_ciphertext->toPlainText().toStdString());
        const auto *letters = std::get_if<std::vector<analysis::Letter>>(&read);
        if (m_ciphertext->toPlainText().trimmed().isEmpty())
            return QStringLiteral("Поставете шифрован текст или направете демонстрация, после натиснете „Започни“.");
        return lines(QStringLiteral("Натиснете „Започни“ или Enter в полето за шифрования текст."),
                     letters ? shortTextNote(qsizetype(letters->size())) : QString());
    }
    case State::Refused:
        return m_message;
    case State::Searching:
        return lines(QStringLiteral("Търсене: %1, проверени %2, завършени опити: %3%4.")
                         .arg(seconds(m_report.elapsedSeconds), keysTested(m_report.keysTested))
                         .arg(m_report.restarts)
                         .arg(score),
                     shortTextNote(m_letters.size()));
    case State::Stopping:
        return QStringLiteral("Спиране…");
    case State::Finished:
        break;
    }

    QString why;
    switch (m_report.stopped) {
    case analysis::StopReason::Confident:
        why = m_report.settled
            ? QStringLiteral("резултатът е сигурен: текстът прилича на езика и никое търсене от този квадрат не намери по-добър")
            : QStringLiteral("резултатът е сигурен, %1 независими търсения стигнаха до един и същ текст")
                  .arg(m_report.agreeing);
        break;
    case analysis::StopReason::TimeLimit:
        why = QStringLiteral("времето за търсене изтече");
        break;
    case analysis::StopReason::Cancelled:
        why = QStringLiteral("спряно");
        break;
    }
    QString first = QStringLiteral("Спря след %1 и %2 проверени ключа: %3%4.")
                        .arg(seconds(m_report.elapsedSeconds), grouped(m_report.keysTested),
                             why, score);
    if (!m_report.found)
        first += m_cribGiven ? QStringLiteral(" Не е намерен квадрат, при който известната дума е в текста.")
                             : QStringLiteral(" Не е намерен квадрат.");
    return lines(first, shortTextNote(m_letters.size()));
}

void BreakWindow::updateScoreNote()
{
    const Language chosen = language();
    const analysis::LetterStatistics &levels = analysis::LetterStatistics::of(chosen);
    m_scoreNote->setText(
        QStringLiteral("Оценката показва колко прилича текстът на %1: средният логаритъм от вероятността на "
                       "четворките поредни букви в него (около %2 за случайни букви, около %3 за обикновен текст).")
            .arg(chosen == Language::English ? QStringLiteral("английски") : QStringLiteral("български"),
                 bulgarian().toString(levels.randomLog10(), 'f', 1),
                 bulgarian().toString(levels.typicalLog10(), 'f', 1)));
    if (!isSearching()) {
        m_plot->setLevels(levels.randomLog10(), levels.typicalLog10());
    }
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
    window->resize(QSize(1000, 720).boundedTo(screen.size() - QSize(16, 48)).expandedTo(window->minimumSizeHint()));
    showCentred(window, owner);
    return window;
}

} // namespace playfair
