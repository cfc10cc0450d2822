#include "practicewindow.h"

#include "ui/application.h"
#include "ui/shared/alphabetnames.h"
#include "ui/translations.h"
#include "ui/shared/languagemenu.h"
#include "ui/shared/pairtooltip.h"
#include "ui/shared/squareview.h"
#include "ui/shared/windowcolours.h"
#include "ui/shared/windowparts.h"
#include "ui/shared/zoom.h"
#include "ui/shared/wrappedlabel.h"
#include "workspace/slipsentence.h"
#include "classsetdialog.h"
#include "worksheet.h"
#include "worksheetpdf.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QValidator>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <functional>

namespace playfair {

namespace {

const QColor rightColour(190, 255, 190);
const QColor wrongColour(255, 200, 200);

// Pairs shown in one row of the exercise.
constexpr int pairsPerRow = 6;

QList<int> cellsOf(const QList<SquarePosition> &positions, SquareShape shape)
{
    QList<int> cells;
    for (SquarePosition p : positions)
        cells << p.cell(shape);
    return cells;
}

// What an answer input takes: up to two letters of the task's alphabet (in
// either case; digits too in latin-digits). A letter of the other script,
// as a keyboard layout of the other language types it, is refused and
// reported: a Cyrillic one for the Latin alphabets, a Latin one for
// cyrillic.
class AnswerValidator : public QValidator
{
public:
    AnswerValidator(std::function<const Alphabet &()> alphabet, std::function<void()> onOtherScript, QObject *parent)
        : QValidator(parent)
        , m_alphabet(std::move(alphabet))
        , m_onOtherScript(std::move(onOtherScript))
    {
    }

    State validate(QString &input, int &) const override
    {
        const Alphabet &alphabet = m_alphabet();
        const bool cyrillic = alphabet.id() == Alphabet::Id::Cyrillic;
        bool fits = input.size() <= 2;
        for (QChar c : std::as_const(input)) {
            const bool latin = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
            if (cyrillic ? latin : c.script() == QChar::Script_Cyrillic && c.isLetter()) {
                m_onOtherScript();
                return Invalid;
            }
            fits = fits && alphabet.letterFor(c.unicode()) != 0;
        }
        return fits ? Acceptable : Invalid;
    }

private:
    std::function<const Alphabet &()> m_alphabet;
    std::function<void()> m_onOtherScript;
};

} // namespace

QString PracticeWindow::markText(PracticeSession::Mark mark)
{
    switch (mark) {
    case PracticeSession::Mark::Open:
        break;
    case PracticeSession::Mark::Right:
        return tr("✓ вярно");
    case PracticeSession::Mark::Wrong:
        return tr("✗ грешно");
    case PracticeSession::Mark::Revealed:
        //: Under a pair answered wrong twice, whose answer is now shown.
        return tr("✗ показан");
    }
    return {};
}

PracticeWindow::PracticeWindow(const PracticeTask &task, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_session(task, PracticeDirection::Encrypt)
    , m_random(QRandomGenerator::global()->generate())
{
    setUpWindow(this, QStringLiteral("PracticeWindow"), caption());

    createControls();
    retranslate();
    createPairs(true);
    render();
    followZoom(this);
}

PracticeWindow::~PracticeWindow()
{
    releaseInputs();
}

QString PracticeWindow::caption()
{
    return tr("Упражнение - шифър Playfair");
}

void PracticeWindow::retranslate()
{
    setWindowTitle(caption());
    m_title->setText(tr("Упражнение - диграфов шифър, cipher Playfair"));
    m_direction->setText(tr("посока:"));
    m_encrypt->setText(tr("криптиране"));
    m_decrypt->setText(tr("декриптиране"));
    m_squareFrame->setTitle(tr("квадрат на Polybius"));
    m_keyWordOnly->setText(tr("в листа само ключовата дума"));
    m_keyWordOnly->setToolTip(tr("По-труден лист: вместо квадрата е дадена ключовата дума и празна мрежа, в която "
                                 "ученикът сам строи квадрата."));
    m_save->setText(tr("Запази като PDF…"));
    m_save->setToolTip(tr("Лист А4 за тази задача: на първата страница задачата, на втората отговорите с правилото "
                          "за всяка двойка."));
    m_classSet->setText(tr("Комплект за класа…"));
    m_classSet->setToolTip(tr("Различна задача за всеки ученик и отговорите на всички, в един PDF файл за печат."));
    m_next->setText(tr("Нова задача"));
    m_checkMode->setText(tr("Провери текст"));
    m_checkMode->setToolTip(tr("Проверка на текст, криптиран или декриптиран на хартия: всяка двойка се отбелязва "
                               "като вярна или с грешката ѝ."));
    m_checkKeyLabel->setText(tr("&Ключова дума:"));
    m_checkButton->setText(tr("Провери"));
    m_alphabetLabel->setText(tr("&азбука:"));
    {
        const QSignalBlocker blocker(m_alphabet);
        AlphabetNames::fill(m_alphabet);
        AlphabetNames::choose(m_alphabet, m_session.alphabet());
    }
    m_checkPairs->setHorizontalHeaderLabels({tr("Двойка"), tr("Вярно"), tr("Отговор"), tr("Оценка")});
}

void PracticeWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        render();
    }
    if (event->type() == QEvent::FontChange && m_hint)
        fitToFont();
    QWidget::changeEvent(event);
}

void PracticeWindow::contextMenuEvent(QContextMenuEvent *event)
{
    execWindowMenu(this, {}, event->globalPos());
}

void PracticeWindow::createControls()
{
    QVBoxLayout *layout = titledLayout(this, QString());
    m_title = findChild<QLabel *>(QStringLiteral("title"), Qt::FindDirectChildrenOnly);

    auto *top = new QHBoxLayout;
    m_keyWord = colouredLabel(QStringLiteral("keyWord"), captionColour, this);
    m_keyWord->setMargin(4);
    top->addWidget(m_keyWord);
    top->addStretch();
    m_direction = new QLabel(this);
    m_encrypt = new QRadioButton(this);
    m_decrypt = new QRadioButton(this);
    m_encrypt->setObjectName(QStringLiteral("encrypt"));
    m_decrypt->setObjectName(QStringLiteral("decrypt"));
    auto *directions = new QButtonGroup(this);
    directions->addButton(m_encrypt);
    directions->addButton(m_decrypt);
    m_encrypt->setChecked(true);
    m_direction->setBuddy(m_encrypt);
    top->addWidget(m_direction);
    top->addWidget(m_encrypt);
    top->addWidget(m_decrypt);
    m_alphabetLabel = new QLabel(this);
    m_alphabet = new QComboBox(this);
    m_alphabet->setObjectName(QStringLiteral("alphabet"));
    m_alphabetLabel->setBuddy(m_alphabet);
    top->addSpacing(12);
    top->addWidget(m_alphabetLabel);
    top->addWidget(m_alphabet);
    layout->addLayout(top);

    auto *middle = new QHBoxLayout;
    m_squareFrame = new QGroupBox(this);
    QGroupBox *frame = m_squareFrame;
    frame->setObjectName(QStringLiteral("squareFrame"));
    auto *frameLayout = new QVBoxLayout(frame);
    m_square = new SquareView(frame);
    m_square->setObjectName(QStringLiteral("square"));
    frameLayout->addWidget(m_square, 0, Qt::AlignHCenter | Qt::AlignTop);
    m_alphabetLine = new WrappedLabel(QString(), frame);
    m_alphabetLine->setObjectName(QStringLiteral("alphabetLine"));
    frameLayout->addWidget(m_alphabetLine);
    frameLayout->addStretch();
    middle->addWidget(frame, 0, Qt::AlignTop);

    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("pages"));
    auto *exercisePage = new QWidget(m_pages);
    auto *work = new QVBoxLayout(exercisePage);
    work->setContentsMargins(0, 0, 0, 0);
    m_instruction = new WrappedLabel(QString(), this);
    m_instruction->setObjectName(QStringLiteral("instruction"));
    work->addWidget(m_instruction);
    // The validator is asked in the middle of an edit: the window shows the
    // session again once the edit is done.
    m_lettersOnly = new AnswerValidator(
        [this]() -> const Alphabet & { return m_session.alphabet(); },
        [this] {
            m_session.noteCyrillicTyped();
            QMetaObject::invokeMethod(this, [this] { render(); }, Qt::QueuedConnection);
        },
        this);
    m_pairGrid = new QGridLayout;
    m_pairGrid->setHorizontalSpacing(10);
    m_pairGrid->setVerticalSpacing(2);
    work->addLayout(m_pairGrid);
    work->addStretch();
    m_pages->addWidget(exercisePage);
    createCheckPage();
    middle->addWidget(m_pages, 1);
    layout->addLayout(middle);

    // As high as its text needs, so that a long explanation never squeezes
    // the square.
    m_hint = new WrappedLabel(QString(), this);
    m_hint->setObjectName(QStringLiteral("hint"));
    m_hint->setMargin(6);
    m_hint->setFrameShape(QFrame::Panel);
    m_hint->setFrameShadow(QFrame::Sunken);
    m_hint->setTextInteractionFlags(Qt::TextSelectableByMouse);
    setBackground(m_hint, QColor(255, 255, 240));
    layout->addWidget(m_hint);

    auto *bottom = new QHBoxLayout;
    m_tally = colouredLabel(QStringLiteral("tally"), numberColour, this);
    m_tally->setMargin(4);
    bottom->addWidget(m_tally);
    bottom->addStretch();
    m_keyWordOnly = new QCheckBox(this);
    m_keyWordOnly->setObjectName(QStringLiteral("keyWordOnly"));
    m_save = new QPushButton(this);
    m_save->setObjectName(QStringLiteral("saveWorksheet"));
    m_classSet = new QPushButton(this);
    m_classSet->setObjectName(QStringLiteral("classSet"));
    m_next = new QPushButton(this);
    m_next->setObjectName(QStringLiteral("newTask"));
    bottom->addWidget(m_keyWordOnly);
    bottom->addWidget(m_save);
    bottom->addWidget(m_classSet);
    bottom->addWidget(m_next);
    m_checkMode = new QPushButton(this);
    m_checkMode->setObjectName(QStringLiteral("checkMode"));
    m_checkMode->setCheckable(true);
    bottom->addWidget(m_checkMode);
    layout->addLayout(bottom);

    connect(m_encrypt, &QRadioButton::toggled, this, [this](bool checked) {
        setDirection(checked ? PracticeDirection::Encrypt : PracticeDirection::Decrypt);
    });
    connect(m_alphabet, &QComboBox::currentIndexChanged, this,
            [this] { chooseAlphabet(AlphabetNames::chosenIn(m_alphabet)); });
    connect(m_save, &QPushButton::clicked, this, &PracticeWindow::askAndSaveWorksheet);
    connect(m_checkMode, &QPushButton::toggled, this, &PracticeWindow::setCheckingText);
    connect(m_classSet, &QPushButton::clicked, this, &PracticeWindow::askAndSaveClassSet);
    connect(m_next, &QPushButton::clicked, this, &PracticeWindow::newTask);
}

void PracticeWindow::createCheckPage()
{
    auto *page = new QWidget(m_pages);
    auto *form = new QGridLayout(page);
    form->setContentsMargins(0, 0, 0, 0);
    m_checkKeyLabel = new QLabel(page);
    m_checkKey = new QLineEdit(page);
    m_checkKey->setObjectName(QStringLiteral("checkKeyWord"));
    m_checkKeyLabel->setBuddy(m_checkKey);
    m_checkMessageLabel = new QLabel(page);
    m_checkMessage = new QPlainTextEdit(page);
    m_checkMessage->setObjectName(QStringLiteral("checkMessage"));
    m_checkMessageLabel->setBuddy(m_checkMessage);
    m_checkAnswerLabel = new QLabel(page);
    m_checkAnswer = new QPlainTextEdit(page);
    m_checkAnswer->setObjectName(QStringLiteral("checkAnswer"));
    m_checkAnswerLabel->setBuddy(m_checkAnswer);
    for (QPlainTextEdit *edit : {m_checkMessage, m_checkAnswer}) {
        edit->setTabChangesFocus(true);
        edit->setFixedHeight(2 * fontMetrics().lineSpacing() + 12);
    }
    m_checkButton = new QPushButton(page);
    m_checkButton->setObjectName(QStringLiteral("checkText"));
    m_checkPairs = new QTableWidget(0, 4, page);
    m_checkPairs->setObjectName(QStringLiteral("checkPairs"));
    m_checkPairs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_checkPairs->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_checkPairs->horizontalHeader()->setStretchLastSection(true);
    m_checkPairs->setSelectionMode(QAbstractItemView::SingleSelection);
    m_checkPairs->setMinimumHeight(9 * fontMetrics().lineSpacing());

    form->addWidget(m_checkKeyLabel, 0, 0);
    form->addWidget(m_checkKey, 0, 1);
    form->addWidget(m_checkMessageLabel, 1, 0, Qt::AlignTop);
    form->addWidget(m_checkMessage, 1, 1);
    form->addWidget(m_checkAnswerLabel, 2, 0, Qt::AlignTop);
    form->addWidget(m_checkAnswer, 2, 1);
    form->addWidget(m_checkButton, 3, 1, Qt::AlignLeft);
    form->addWidget(m_checkPairs, 4, 0, 1, 2);
    form->setRowStretch(4, 1);
    m_pages->addWidget(page);

    connect(m_checkKey, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_textCheck.setKeyWord(text);
        render();
    });
    connect(m_checkMessage, &QPlainTextEdit::textChanged, this, [this] {
        m_textCheck.setMessage(m_checkMessage->toPlainText());
        render();
    });
    connect(m_checkAnswer, &QPlainTextEdit::textChanged, this, [this] {
        m_textCheck.setAnswer(m_checkAnswer->toPlainText());
        render();
    });
    connect(m_checkButton, &QPushButton::clicked, this, [this] {
        m_textCheck.check();
        render();
    });
    connect(m_checkKey, &QLineEdit::returnPressed, m_checkButton, &QPushButton::click);
    connect(m_checkPairs, &QTableWidget::currentCellChanged, this, [this](int row) {
        m_textCheck.explain(row);
        render();
    });
}

void PracticeWindow::setCheckingText(bool checking)
{
    if (checking == m_textCheck.isActive())
        return;
    m_textCheck.setActive(checking);
    render();
    if (checking)
        m_checkKey->setFocus(Qt::OtherFocusReason);
}

// What is measured from the font: at the start, for new pairs and at
// every zoom.
void PracticeWindow::fitToFont()
{
    m_hint->setLeastHeight(5 * fontMetrics().lineSpacing() + 16);
    const int inputWidth = fontMetrics().horizontalAdvance(QStringLiteral("WW")) + 24;
    for (QLineEdit *answer : std::as_const(m_answers))
        answer->setMinimumWidth(inputWidth);
    if (m_checkMessage) {
        for (QPlainTextEdit *edit : {m_checkMessage, m_checkAnswer})
            edit->setFixedHeight(2 * fontMetrics().lineSpacing() + 12);
        m_checkPairs->setMinimumHeight(9 * fontMetrics().lineSpacing());
    }
}

// Inputs that are going away must not report a lost focus into a new task
// or into a window being destroyed.
void PracticeWindow::releaseInputs()
{
    for (QLineEdit *answer : std::as_const(m_answers)) {
        answer->blockSignals(true);
        answer->removeEventFilter(this);
    }
}

void PracticeWindow::createPairs(bool focusFirst)
{
    releaseInputs();
    for (QList<QLabel *> *labels : {&m_given, &m_marks})
        qDeleteAll(*labels);
    qDeleteAll(m_answers);
    m_given.clear();
    m_answers.clear();
    m_marks.clear();

    for (int i = 0; i < m_session.pairCount(); ++i) {
        const int row = 3 * (i / pairsPerRow);
        const int column = i % pairsPerRow;

        QLabel *given = colouredLabel(QStringLiteral("given%1").arg(i + 1), captionColour, this);
        m_pairGrid->addWidget(given, row, column);

        auto *answer = new QLineEdit(this);
        answer->setObjectName(QStringLiteral("answer%1").arg(i + 1));
        answer->setMaxLength(2);
        answer->setValidator(m_lettersOnly);
        answer->setAlignment(Qt::AlignCenter);
        answer->installEventFilter(this);
        m_pairGrid->addWidget(answer, row + 1, column);
        connect(answer, &QLineEdit::returnPressed, this, [this, i] { check(i, true); });
        connect(answer, &QLineEdit::editingFinished, this, [this, i] { check(i, false); });

        QLabel *mark = new QLabel(this);
        mark->setObjectName(QStringLiteral("mark%1").arg(i + 1));
        mark->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        m_pairGrid->addWidget(mark, row + 2, column);

        // Shown now rather than on the next turn of the event loop, so the
        // focus can move into them at once.
        given->show();
        answer->show();
        mark->show();
        m_given << given;
        m_answers << answer;
        m_marks << mark;
    }
    fitToFont();
    QWidget *previous = m_decrypt;
    for (QLineEdit *answer : std::as_const(m_answers)) {
        QWidget::setTabOrder(previous, answer);
        previous = answer;
    }
    QWidget::setTabOrder(previous, m_keyWordOnly);
    QWidget::setTabOrder(m_keyWordOnly, m_save);
    QWidget::setTabOrder(m_save, m_classSet);
    QWidget::setTabOrder(m_classSet, m_next);
    QWidget::setTabOrder(m_next, m_checkMode);
    if (focusFirst && !m_answers.isEmpty())
        m_answers.first()->setFocus();
}

void PracticeWindow::setTask(const PracticeTask &task)
{
    const QStringList others = m_session.otherSquares();
    m_session = PracticeSession(task, m_session.direction());
    for (const QString &square : others)
        m_session.alsoTry(square);
    createPairs(true);
    render();
}

void PracticeWindow::newTask()
{
    setTask(PracticeTask::random(m_random, m_session.alphabet()));
}

void PracticeWindow::chooseAlphabet(const Alphabet &alphabet)
{
    storeAlphabet(alphabet);
    if (alphabet == m_session.alphabet()) {
        render();
        return;
    }
    setTask(PracticeTask::random(m_random, alphabet));
}

void PracticeWindow::setDirection(PracticeDirection direction)
{
    m_textCheck.setDirection(direction);
    if (direction == m_session.direction()) {
        render();
        return;
    }
    m_session.setDirection(direction);
    createPairs(false);
    render();
}

void PracticeWindow::check(int pair, bool moveOn)
{
    if (pair >= m_answers.size())
        return;
    QLineEdit *input = m_answers[pair];
    const int tries = m_session.tries(pair);
    const PracticeSession::Mark mark = m_session.check(pair, input->text());
    // A wrong answer stays as it was checked, ready to be typed over.
    if (mark == PracticeSession::Mark::Wrong && m_session.normalisedAnswer(input->text()) == m_session.answer(pair)) {
        input->setText(m_session.answer(pair));
        if (m_session.tries(pair) != tries)
            input->selectAll();
    }
    render();
    if (!moveOn || !m_session.isClosed(pair))
        return;
    for (int step = 1; step < m_session.pairCount(); ++step) {
        const int next = (pair + step) % m_session.pairCount();
        if (!m_session.isClosed(next)) {
            m_answers[next]->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    m_next->setFocus(Qt::TabFocusReason);
}

bool PracticeWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        const int pair = int(m_answers.indexOf(qobject_cast<QLineEdit *>(watched)));
        if (pair >= 0 && m_session.mark(pair) != PracticeSession::Mark::Open && pair != m_session.explainedPair()) {
            m_session.explain(pair);
            render();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PracticeWindow::render()
{
    const bool checking = m_textCheck.isActive();
    m_pages->setCurrentIndex(checking ? 1 : 0);
    {
        const QSignalBlocker blocker(m_checkMode);
        m_checkMode->setChecked(checking);
    }
    m_keyWordOnly->setVisible(!checking);
    m_save->setVisible(!checking);
    m_next->setVisible(!checking);
    // The text check works on the classic square.
    const Alphabet &alphabet = checking ? Alphabet::classic() : m_session.alphabet();
    m_square->setShape(alphabet.shape());
    m_square->setWrongCells({});
    {
        const QSignalBlocker blocker(m_alphabet);
        AlphabetNames::choose(m_alphabet, m_session.alphabet());
    }
    m_alphabet->setEnabled(!checking);
    QString alphabetLine = AlphabetNames::line(alphabet);
    if (checking && m_session.alphabet() != Alphabet::classic())
        alphabetLine += u'\n' + tr("Проверката на текст работи на класическия квадрат.");
    else if (!checking && !m_session.task().dropped.isEmpty())
        alphabetLine += u'\n' + AlphabetNames::droppedNote(alphabet, m_session.task().dropped);
    m_alphabetLine->setWrappedText(alphabetLine);

    const PracticeTask &task = m_session.task();
    const bool decrypting = m_session.decrypting();
    m_keyWord->setText(task.keyWord.isEmpty() ? tr("ключова дума: няма (квадратът е азбуката по ред)")
                                              : tr("ключова дума: %1").arg(task.keyWord));
    m_keyWordOnly->setEnabled(!task.keyWord.isEmpty());
    m_square->setLetters(task.square);
    m_instruction->setWrappedText(decrypting
                                      ? tr("Декриптирайте всяка двойка: под нея напишете двете букви на текста.")
                                      : tr("Криптирайте всяка двойка: под нея напишете двете букви на шифъра."));

    for (int i = 0; i < m_session.pairCount(); ++i) {
        const PracticeSession::Mark mark = m_session.mark(i);
        m_given[i]->setText(QStringLiteral("%1. %2").arg(i + 1).arg(m_session.given(i)));
        QLineEdit *answer = m_answers[i];
        answer->setAccessibleName(tr("Двойка %1").arg(i + 1));
        if (mark == PracticeSession::Mark::Right && answer->text() != m_session.answer(i))
            answer->setText(m_session.answer(i));
        if (mark == PracticeSession::Mark::Revealed && answer->text() != m_session.expected(i))
            answer->setText(m_session.expected(i));
        answer->setReadOnly(m_session.isClosed(i));
        const QColor base = mark == PracticeSession::Mark::Right ? rightColour
            : mark == PracticeSession::Mark::Open               ? palette().color(QPalette::Base)
                                                                 : wrongColour;
        setBackground(answer, base, QPalette::Base);
        m_marks[i]->setText(markText(mark));
        const QString description = mark == PracticeSession::Mark::Open
            ? m_session.given(i)
            : QStringLiteral("%1, %2").arg(m_session.given(i), markText(mark));
        answer->setAccessibleDescription(description);
    }

    QList<int> plainCells;
    QList<int> cipherCells;
    const int explained = m_session.explainedPair();
    if (explained >= 0 && m_session.mark(explained) == PracticeSession::Mark::Wrong)
        m_square->setWrongCells(m_session.wrongCells(explained));
    if (explained >= 0) {
        const RowInsight insight = m_session.insight(explained);
        const PracticeSession::Mark mark = m_session.mark(explained);
        if (mark == PracticeSession::Mark::Revealed || (mark == PracticeSession::Mark::Wrong && !decrypting))
            plainCells = cellsOf(insight.plainPositions, alphabet.shape());
        if (mark == PracticeSession::Mark::Revealed || (mark == PracticeSession::Mark::Wrong && decrypting))
            cipherCells = cellsOf(insight.cipherPositions, alphabet.shape());
    }
    m_square->setOutlines(plainCells, cipherCells);
    m_hint->setWrappedText(hint());
    m_tally->setText(tally());
    // The exercise stays as it is underneath, for when the mode ends.
    if (checking)
        renderCheck();
}

QString PracticeWindow::hint() const
{
    const bool decrypting = m_session.decrypting();
    const int pair = m_session.explainedPair();
    QString text;
    if (pair < 0) {
        text = decrypting ? tr("Под всяка двойка напишете текста ѝ и натиснете Enter. При грешка квадратът показва "
                               "буквите на двойката, а тук пише кое правило важи за нея.")
                          : tr("Под всяка двойка напишете шифъра ѝ и натиснете Enter. При грешка квадратът показва "
                               "буквите на двойката, а тук пише кое правило важи за нея.");
    } else {
        const RowInsight insight = m_session.insight(pair);
        const QString answer = m_session.answer(pair);
        switch (m_session.mark(pair)) {
        case PracticeSession::Mark::Open:
            break;
        case PracticeSession::Mark::Right:
            text = tr("Двойка %1: %2 → %3 е вярно.").arg(pair + 1).arg(m_session.given(pair), answer);
            break;
        case PracticeSession::Mark::Wrong:
            text = wrongHint(pair);
            break;
        case PracticeSession::Mark::Revealed:
            //: %4 is the rule of the pair with where each letter goes, %5 says how the square outlines its letters.
            text = tr("Двойка %1: %2 също не е вярно. Вярното е %3. %4\n%5")
                       .arg(QString::number(pair + 1), answer, m_session.expected(pair),
                            ruleSentence(insight, decrypting, true), marksLegend());
            break;
        }
    }
    if (m_session.isFinished())
        text += u'\n' + tr("Задачата е решена. Бутонът „Нова задача“ дава следваща.");
    if (m_session.otherScriptTyped())
        text = (m_session.alphabet().id() == Alphabet::Id::Cyrillic
                    ? tr("Отговорите се пишат на кирилица: превключете клавиатурата на кирилица.")
                    : tr("Отговорите се пишат с латински букви: превключете клавиатурата на латиница."))
            + u'\n' + text;
    return text;
}

namespace {

// A slip in a word or two, for the text check's table.
const char *const slipNames[] = {
    QT_TRANSLATE_NOOP("playfair::PracticeWindow", "преписана без промяна"),
    QT_TRANSLATE_NOOP("playfair::PracticeWindow", "обратен ред на буквите"),
    QT_TRANSLATE_NOOP("playfair::PracticeWindow", "преместено в обратна посока"),
    QT_TRANSLATE_NOOP("playfair::PracticeWindow", "обратната посока"),
    QT_TRANSLATE_NOOP("playfair::PracticeWindow", "без пренасяне през ръба"),
    QT_TRANSLATE_NOOP("playfair::PracticeWindow", "друго правило"),
    QT_TRANSLATE_NOOP("playfair::PracticeWindow", "две клетки вместо една"),
    QT_TRANSLATE_NOOP("playfair::PracticeWindow", "друг квадрат"),
    QT_TRANSLATE_NOOP("playfair::PracticeWindow", "една буква вярна"),
    QT_TRANSLATE_NOOP("playfair::PracticeWindow", "грешно"),
};

} // namespace

void PracticeWindow::renderCheck()
{
    const bool decrypting = m_textCheck.decrypting();
    const QString key = m_textCheck.cleanedKey();
    m_keyWord->setText(tr("ключова дума: %1").arg(key.isEmpty() ? QStringLiteral("–") : key));
    m_square->setLetters(key.isEmpty() ? QString() : m_textCheck.square());
    m_square->setOutlines({}, {});
    m_square->setWrongCells({});
    m_checkMessageLabel->setText(decrypting ? tr("&Шифър:") : tr("&Текст:"));
    m_checkAnswerLabel->setText(decrypting ? tr("Текст на &ученика:") : tr("Шифър на &ученика:"));
    if (m_checkKey->text() != m_textCheck.keyWord())
        m_checkKey->setText(m_textCheck.keyWord());
    for (auto [edit, text] : {std::pair{m_checkMessage, m_textCheck.message()}, {m_checkAnswer, m_textCheck.answer()}}) {
        if (edit->toPlainText() != text) {
            const QSignalBlocker blocker(edit);
            edit->setPlainText(text);
        }
    }

    const TextCheck &result = m_textCheck.result();
    const int rows = m_textCheck.isChecked() ? int(result.pairs.size()) : 0;
    const QSignalBlocker tableBlocker(m_checkPairs);
    m_checkPairs->setRowCount(rows);
    QStringList numbers;
    for (int i = 0; i < rows; ++i) {
        const CheckedPair &pair = result.pairs[std::size_t(i)];
        numbers << QString::number(i + 1);
        const QString given = QString::fromStdString(pair.given);
        const QString answer = QString::fromStdString(pair.answer);
        QString mark;
        QString why;
        if (!pair.counted)
            mark = tr("не се брои");
        else if (!pair.slip)
            mark = tr("✓ вярно");
        else {
            mark = QStringLiteral("✗ %1").arg(tr(slipNames[int(pair.slip->slip)]));
            why = slipSentence(*pair.slip, given, answer, decrypting);
            if (why.isEmpty() && pair.slip->slip != Slip::Unknown)
                why = rightLetterSentence(*pair.slip, answer);
        }
        const auto shown = [](const std::string &letters) {
            return letters.empty() ? QStringLiteral("–") : QString::fromStdString(letters);
        };
        const QStringList cells{shown(pair.given), shown(pair.expected), shown(pair.answer), mark};
        for (int column = 0; column < 4; ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            if (pair.counted)
                item->setBackground(pair.slip ? wrongColour : rightColour);
            item->setToolTip(why);
            m_checkPairs->setItem(i, column, item);
        }
    }
    m_checkPairs->setVerticalHeaderLabels(numbers);
    const int explained = m_textCheck.explainedRow();
    if (explained >= 0 && explained < rows) {
        m_checkPairs->setCurrentCell(explained, 0);
        // The pair's letters outlined, its answer's wrong letters in red.
        const CheckedPair &pair = result.pairs[std::size_t(explained)];
        const std::string square = m_textCheck.square().toStdString();
        QList<int> given;
        QList<int> wrong;
        for (std::size_t i = 0; i < pair.given.size(); ++i)
            given << cellOf(square, pair.given[i]);
        for (std::size_t i = 0; pair.slip && i < pair.answer.size(); ++i) {
            if (i >= pair.expected.size() || pair.answer[i] != pair.expected[i])
                wrong << cellOf(square, pair.answer[i]);
        }
        given.removeAll(-1);
        wrong.removeAll(-1);
        if (decrypting)
            m_square->setOutlines({}, given);
        else
            m_square->setOutlines(given, {});
        m_square->setWrongCells(wrong);
    }
    m_hint->setWrappedText(checkNotes());
    m_tally->setText(m_textCheck.isChecked()
                         //: The text check's score: pairs right of all pairs.
                         ? tr("%1 от %2 двойки вярно").arg(result.right).arg(result.total)
                         : QString());
}

QString PracticeWindow::checkNotes() const
{
    switch (m_textCheck.problem()) {
    case TextCheckSession::Problem::NoKeyLetters:
        return tr("Ключовата дума няма латински букви.");
    case TextCheckSession::Problem::NoMessageLetters:
        return m_textCheck.decrypting() ? tr("Шифърът няма двойка латински букви.")
                                        : tr("Текстът няма латински букви.");
    case TextCheckSession::Problem::NoAnswerLetters:
        return tr("Отговорът на ученика няма латински букви.");
    case TextCheckSession::Problem::None:
        break;
    }
    if (!m_textCheck.isChecked())
        return m_textCheck.decrypting()
            ? tr("Напишете ключовата дума, шифъра и текста, който ученикът е получил на хартия, и натиснете "
                 "„Провери“. Всяка двойка се отбелязва като вярна или с грешката ѝ.")
            : tr("Напишете ключовата дума, текста и шифъра, който ученикът е получил на хартия, и натиснете "
                 "„Провери“. Текстът се подготвя по учебника и всяка двойка се отбелязва като вярна или с грешката ѝ.");
    const TextCheck &result = m_textCheck.result();
    QStringList lines;
    const int explained = m_textCheck.explainedRow();
    if (explained >= 0) {
        const CheckedPair &pair = result.pairs[std::size_t(explained)];
        const QString given = pair.given.empty() ? QStringLiteral("–") : QString::fromStdString(pair.given);
        const QString answer = pair.answer.empty() ? QStringLiteral("–") : QString::fromStdString(pair.answer);
        QString why;
        if (!pair.counted)
            why = tr("Тази буква остава сама и не се брои.");
        else if (!pair.slip)
            why = tr("Вярно е.");
        else if (pair.expected.empty() || pair.answer.empty() || pair.given.empty())
            why = tr("Тази двойка не е вярна: вижте бележките по-долу.");
        else {
            why = slipSentence(*pair.slip, given, answer, m_textCheck.decrypting());
            if (why.isEmpty())
                why = rightLetterSentence(*pair.slip, answer);
        }
        //: The explained row of the text check: its number, the pair, the pupil's letters, what is wrong.
        lines << tr("Двойка %1: %2 → %3. %4").arg(QString::number(explained + 1), given, answer, why);
    }
    for (const PreparationNote &note : result.preparation) {
        const CheckedPair *pair = note.pair >= 0 ? &result.pairs[std::size_t(note.pair)] : nullptr;
        const QString sentence = preparationSentence(note, pair ? QString::fromStdString(pair->given) : QString(),
                                                     pair ? QString::fromStdString(pair->textbook) : QString());
        lines << (pair ? tr("Двойка %1: %2").arg(note.pair + 1).arg(sentence) : sentence);
    }
    if (result.right == result.total)
        lines << tr("Всички двойки са вярни.");
    else
        lines << tr("Изберете ред на таблицата, за да видите грешката на двойката.");
    return lines.join(u'\n');
}

// The first wrong answer: the slip that gave it, or, when none did, which
// letter is right and the rule again.
QString PracticeWindow::wrongHint(int pair) const
{
    const bool decrypting = m_session.decrypting();
    const QString answer = m_session.answer(pair);
    const std::optional<SlipFinding> slip = m_session.slip(pair);
    QString why = slip ? slipSentence(*slip, m_session.given(pair), answer, decrypting, m_session.slipAlsoIn(pair) + 1)
                       : QString();
    if (why.isEmpty()) {
        const SlipFinding none = slip.value_or(SlipFinding{});
        why = rightLetterSentence(none, answer) + u' ' + ruleSentence(m_session.insight(pair), decrypting, false);
    }
    //: %3 names the slip that gave the wrong answer (or the pair's rule), %4 says how the square marks the cells.
    return tr("Двойка %1: %2 не е вярно. %3 Опитайте отново.\n%4")
        .arg(QString::number(pair + 1), answer, why,
             marksLegend() + u' ' + tr("В червено са клетките на грешните букви на отговора."));
}

QString PracticeWindow::tally() const
{
    //: The tally: how many pairs of all were right at the first try.
    return tr("%1 от %2 от първия опит").arg(m_session.rightAtFirstTry()).arg(m_session.pairCount());
}

bool PracticeWindow::saveWorksheet(const QString &path, bool squareShown) const
{
    return writeWorksheetPdf(Worksheet::forTask(m_session.task(), m_session.direction(), squareShown), path);
}

void PracticeWindow::askAndSaveWorksheet()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    //: The save dialog's title.
    const QString path = QFileDialog::getSaveFileName(this, tr("Запази като PDF"),
                                                      //: The worksheet's file name that the save dialog proposes.
                                                      QDir(folder).filePath(tr("упражнение-playfair.pdf")),
                                                      QStringLiteral("PDF (*.pdf)"));
    if (!path.isEmpty())
        saveWorksheetAs(path);
}

bool PracticeWindow::saveWorksheetAs(QString path)
{
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    if (saveWorksheet(path, !m_keyWordOnly->isChecked()))
        return true;
    QMessageBox::warning(this, caption(), tr("Листът не можа да бъде записан в %1.").arg(path));
    return false;
}

ClassSetChoices PracticeWindow::classSetChoices()
{
    ClassSetChoices choices;
    if (m_lastClassSet) {
        choices = *m_lastClassSet;
    } else {
        choices.squareShown = !m_keyWordOnly->isChecked();
        choices.direction = m_session.decrypting() ? ClassSetDirection::Decrypt : ClassSetDirection::Encrypt;
    }
    choices.setNumber = m_random.bounded(1u, ClassSet::largestSetNumber + 1);
    // The set is in the alphabet of the exercise shown.
    choices.alphabet = m_session.alphabet().id();
    return choices;
}

void PracticeWindow::askAndSaveClassSet()
{
    ClassSetDialog dialog(classSetChoices(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const ClassSetChoices choices = dialog.choices();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Запази комплекта като PDF"),
        //: The class set's file name that the save dialog proposes; %1 is the set's number.
        QDir(folder).filePath(tr("комплект-%1.pdf").arg(choices.setNumber)), QStringLiteral("PDF (*.pdf)"));
    if (!path.isEmpty())
        saveClassSetAs(choices, path);
}

bool PracticeWindow::saveClassSetAs(const ClassSetChoices &choices, QString path)
{
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    const QString problem = ClassSetDialog::problemText(choices);
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, caption(), problem);
        return false;
    }
    if (!writeClassSetPdf(ClassSetPrint::forSet(ClassSet::draw(choices)), path)) {
        QMessageBox::warning(this, caption(), tr("Комплектът не можа да бъде записан в %1.").arg(path));
        return false;
    }
    m_lastClassSet = choices;
    return true;
}

void PracticeWindow::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), windowColour);
}

PracticeWindow *openPracticeWindow(const std::optional<PracticeTask> &task, QWidget *owner)
{
    auto *window = new PracticeWindow(task ? *task : PracticeTask::random(*QRandomGenerator::global(), storedAlphabet()),
                                      owner);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->adjustSize();
    showCentred(window, owner);
    return window;
}

PracticeWindow *showPracticeWindow(const Workspace &ws, QWidget *owner)
{
    PracticeWindow *window = openWindowOf<PracticeWindow>(owner);
    if (!window)
        return openPracticeWindow(PracticeTask::fromWorkspace(ws, *QRandomGenerator::global()), owner);
    // The pupil's work on the same pairs stays.
    const std::optional<PracticeTask> task = PracticeTask::ofWorkspacePairs(ws);
    const PracticeTask &now = window->session().task();
    if (task && (task->square != now.square || task->pairs != now.pairs))
        window->setTask(*task);
    // The main window's square, built from another key word, is the other
    // square a pupil works on by mistake.
    QString square;
    for (const QString &cell : ws.Label3)
        square += cell;
    window->alsoTry(square);
    bringForward(window);
    return window;
}

} // namespace playfair
