#include "byhandwindow.h"

#include "pairboard.h"
#include "squareeditor.h"
#include "ui/application.h"
#include "ui/shared/colourbutton.h"
#include "ui/shared/languagemenu.h"
#include "ui/shared/windowcolours.h"
#include "ui/shared/windowparts.h"
#include "ui/shared/zoom.h"
#include "ui/shared/wrappedlabel.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace playfair {

namespace {

using analysis::Language;

const QColor applyColour(0, 255, 0);
const QColor hintColour(255, 255, 128);

template<typename T>
T *named(T *widget, const char *objectName)
{
    widget->setObjectName(QLatin1String(objectName));
    return widget;
}

void setLeastLines(QPlainTextEdit *text, int lines)
{
    text->setMinimumHeight(lines * text->fontMetrics().lineSpacing() + 2 * int(text->document()->documentMargin()) + 4);
}

// The fixed font of the pieces and the plaintext, a point smaller than the
// window's at 100 %.
QFont fixedFont(const QFont &windowFont)
{
    QFont fixed(QStringLiteral("DejaVu Sans Mono"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setPointSizeF(windowFont.pointSizeF() * 11 / 12);
    return fixed;
}

// A read-only text of `lines` lines at least, on the window's colour.
QPlainTextEdit *readOnlyText(QWidget *parent, const char *objectName, int lines)
{
    auto *text = named(new QPlainTextEdit(parent), objectName);
    text->setReadOnly(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setTabChangesFocus(true);
    setBackground(text, QColor(255, 255, 240), QPalette::Base);
    setLeastLines(text, lines);
    return text;
}

} // namespace

ByHandWindow::ByHandWindow(const BreakInput &input, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setUpWindow(this, QStringLiteral("ByHandWindow"), caption());
    createControls();
    fitToFont();
    createActions();
    retranslate();
    connectControls();
    if (!input.ciphertext.trimmed().isEmpty() || !input.note.isEmpty())
        m_session.setInput(input.ciphertext, input.note);
    followSession();
    m_ciphertext->setFocus();
    followZoom(this);
}

// What is measured from the font: at the start and at every zoom.
void ByHandWindow::fitToFont()
{
    m_board->setMinimumHeight(2 * (3 * fontMetrics().height() + 12));
    m_ciphertext->setFixedHeight(2 * m_ciphertext->fontMetrics().lineSpacing() + 12);
    setLeastLines(m_notes, 4);
    setLeastLines(m_stepText, 3);
    setLeastLines(m_tally, 4);
    m_places->setMinimumHeight(3 * m_places->fontMetrics().lineSpacing());
    m_keys->setMinimumHeight(3 * m_keys->fontMetrics().lineSpacing());
    // Room for the counts of a long text; the board takes what is left.
    m_tools->setMinimumHeight(5 * fontMetrics().lineSpacing());
    m_tools->setMaximumHeight(8 * fontMetrics().lineSpacing());
    for (QPlainTextEdit *text : {m_pieces, m_plaintext}) {
        const QFont fixed = fixedFont(font());
        text->setFont(fixed);
        text->setFixedHeight(3 * QFontMetrics(fixed).lineSpacing() + 12);
    }
    m_words->setFixedHeight(2 * m_words->fontMetrics().lineSpacing() + 8);
}

ByHandWindow::~ByHandWindow()
{
    forgetKeyJob();
}

QString ByHandWindow::caption()
{
    return tr("Разбиване на ръка - Playfair");
}

void ByHandWindow::createControls()
{
    QVBoxLayout *layout = titledLayout(this, QString());
    m_title = findChild<QLabel *>(QStringLiteral("title"), Qt::FindDirectChildrenOnly);
    layout->addWidget(createTopRow());

    // On the left the lesson, the board with the plaintext under it and the
    // textbook's tools; on the right the square and the notes.
    auto *columns = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    left->addWidget(createLesson());
    m_boardFrame = named(new QGroupBox(this), "boardFrame");
    auto *boardLayout = new QVBoxLayout(m_boardFrame);
    m_board = named(new PairBoard(m_boardFrame), "board");
    boardLayout->addWidget(m_board);
    left->addWidget(m_boardFrame, 1);
    left->addWidget(createPlaintext());
    left->addWidget(createTools());
    columns->addLayout(left, 3);

    auto *right = new QVBoxLayout;
    right->addWidget(createSquare());
    m_notesFrame = named(new QGroupBox(this), "notesFrame");
    auto *notesLayout = new QVBoxLayout(m_notesFrame);
    m_notes = readOnlyText(m_notesFrame, "notes", 4);
    notesLayout->addWidget(m_notes);
    right->addWidget(m_notesFrame, 1);
    columns->addLayout(right, 2);
    layout->addLayout(columns, 1);
}

QWidget *ByHandWindow::createTopRow()
{
    m_ciphertextFrame = named(new QGroupBox(this), "ciphertextFrame");
    auto *layout = new QHBoxLayout(m_ciphertextFrame);
    m_ciphertext = named(new QPlainTextEdit(m_ciphertextFrame), "ciphertext");
    m_ciphertext->setTabChangesFocus(true);
    m_ciphertext->installEventFilter(this);
    layout->addWidget(m_ciphertext, 1);

    auto *buttons = new QGridLayout;
    buttons->setVerticalSpacing(2);
    m_newBoard = named(new QPushButton(m_ciphertextFrame), "newBoard");
    m_lessonButton = named(new QPushButton(m_ciphertextFrame), "lesson");
    m_undo = named(new QPushButton(m_ciphertextFrame), "undo");
    m_redo = named(new QPushButton(m_ciphertextFrame), "redo");
    auto *open = named(new QPushButton(m_ciphertextFrame), "open");
    auto *save = named(new QPushButton(m_ciphertextFrame), "save");
    const QList<QPushButton *> row{m_newBoard, m_lessonButton, open, save, m_undo, m_redo};
    for (int i = 0; i < int(row.size()); ++i) {
        row[i]->setAutoDefault(false);
        buttons->addWidget(row[i], i / 4, i % 4);
    }
    connect(open, &QPushButton::clicked, this, &ByHandWindow::chooseFileToOpen);
    connect(save, &QPushButton::clicked, this, &ByHandWindow::chooseFileToSave);
    m_language = named(new QComboBox(m_ciphertextFrame), "language");
    m_language->addItem(QString(), int(Language::English));
    m_language->addItem(QString(), int(Language::Bulgarian));
    m_languageLabel = new QLabel(m_ciphertextFrame);
    m_languageLabel->setBuddy(m_language);
    auto *language = new QHBoxLayout;
    language->addWidget(m_languageLabel);
    language->addWidget(m_language);
    buttons->addLayout(language, 1, 2, 1, 2);
    layout->addLayout(buttons);
    return m_ciphertextFrame;
}

QWidget *ByHandWindow::createLesson()
{
    m_lesson = named(new QGroupBox(this), "lessonFrame");
    auto *layout = new QVBoxLayout(m_lesson);
    layout->setSpacing(4);
    auto *heading = new QHBoxLayout;
    m_stepTitle = named(new WrappedLabel(QString(), m_lesson), "stepTitle");
    QFont bold; // the weight alone: the size grows with the zoom
    bold.setBold(true);
    m_stepTitle->setFont(bold);
    heading->addWidget(m_stepTitle, 1);
    m_stepDone = named(new QLabel(m_lesson), "stepDone");
    m_stepDone->setStyleSheet(QStringLiteral("color: #006400; font-weight: bold"));
    heading->addWidget(m_stepDone);
    m_back = named(new QPushButton(m_lesson), "back");
    m_show = named(new QPushButton(m_lesson), "show");
    m_forward = named(new QPushButton(m_lesson), "forward");
    for (QPushButton *button : {m_back, m_show, m_forward}) {
        button->setAutoDefault(false);
        heading->addWidget(button);
    }
    layout->addLayout(heading);
    m_stepText = readOnlyText(m_lesson, "stepText", 3);
    layout->addWidget(m_stepText, 1);
    m_lesson->hide();
    return m_lesson;
}

QWidget *ByHandWindow::createTools()
{
    m_tools = named(new QTabWidget(this), "tools");

    m_tally = readOnlyText(m_tools, "tally", 4);
    m_tools->addTab(m_tally, QString());

    auto *wordPage = new QWidget(m_tools);
    auto *wordLayout = new QGridLayout(wordPage);
    m_word = named(new QLineEdit(wordPage), "probableWord");
    m_placeWord = named(new QPushButton(wordPage), "placeWord");
    m_placeWord->setAutoDefault(false);
    m_places = named(new QListWidget(wordPage), "places");
    wordLayout->addWidget(m_word, 0, 0);
    wordLayout->addWidget(m_placeWord, 0, 1);
    wordLayout->addWidget(m_places, 1, 0, 1, 2);
    m_tools->addTab(wordPage, QString());

    auto *keyPage = new QWidget(m_tools);
    auto *keyLayout = new QGridLayout(keyPage);
    m_keyNote = named(new WrappedLabel(QString(), keyPage), "keyNote");
    m_keys = named(new QListWidget(keyPage), "keyWords");
    m_ownKey = named(new QLineEdit(keyPage), "ownKeyWord");
    m_applyKey = named(new ColourButton(QString(), applyColour, keyPage), "applyKey");
    m_applyKey->setAutoDefault(false);
    keyLayout->addWidget(m_keyNote, 0, 0, 1, 2);
    keyLayout->addWidget(m_keys, 1, 0, 1, 2);
    keyLayout->addWidget(m_ownKey, 2, 0);
    keyLayout->addWidget(m_applyKey, 2, 1);
    m_tools->addTab(keyPage, QString());
    return m_tools;
}

QWidget *ByHandWindow::createSquare()
{
    m_squareFrame = named(new QGroupBox(this), "squareFrame");
    auto *layout = new QVBoxLayout(m_squareFrame);
    m_square = named(new SquareEditor(m_squareFrame), "square");
    layout->addWidget(m_square, 0, Qt::AlignHCenter);
    m_squareNote = named(new WrappedLabel(QString(), m_squareFrame), "squareNote");
    layout->addWidget(m_squareNote);
    m_pieces = readOnlyText(m_squareFrame, "pieces", 3);
    layout->addWidget(m_pieces);
    auto *hintRow = new QHBoxLayout;
    m_hintButton = named(new ColourButton(QString(), hintColour, m_squareFrame), "hintButton");
    m_hintButton->setAutoDefault(false);
    hintRow->addWidget(m_hintButton, 0, Qt::AlignTop);
    m_hint = named(new WrappedLabel(QString(), m_squareFrame), "hint");
    hintRow->addWidget(m_hint, 1);
    layout->addLayout(hintRow);
    return m_squareFrame;
}

QWidget *ByHandWindow::createPlaintext()
{
    m_plainFrame = named(new QGroupBox(this), "plaintextFrame");
    auto *layout = new QVBoxLayout(m_plainFrame);
    layout->setSpacing(2);
    m_plaintext = readOnlyText(m_plainFrame, "plaintext", 2);
    layout->addWidget(m_plaintext);
    m_words = readOnlyText(m_plainFrame, "words", 1);
    m_words->setFrameShape(QFrame::NoFrame);
    setBackground(m_words, windowColour, QPalette::Base);
    m_words->hide(); // until the plaintext is whole
    layout->addWidget(m_words);
    return m_plainFrame;
}

void ByHandWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        render();
    }
    if (event->type() == QEvent::FontChange && m_board)
        fitToFont();
    QWidget::changeEvent(event);
}

void ByHandWindow::closeEvent(QCloseEvent *event)
{
    forgetKeyJob();
    QWidget::closeEvent(event);
}

void ByHandWindow::contextMenuEvent(QContextMenuEvent *event)
{
    execWindowMenu(this, actions(), event->globalPos());
}

bool ByHandWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *box = qobject_cast<QLineEdit *>(watched);
        const auto *key = static_cast<QKeyEvent *>(event);
        if (box && !box->isModified() && (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)))
            return true;
    }
    // Enter in the ciphertext box makes the new board; Shift+Enter still
    // breaks the line.
    if (watched == m_ciphertext && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !(key->modifiers() & Qt::ShiftModifier)) {
            m_session.startBoard();
            followSession();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ByHandWindow::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), windowColour);
}

ByHandWindow *openByHandWindow(const BreakInput &input, QWidget *owner)
{
    auto *window = new ByHandWindow(input, owner);
    window->setAttribute(Qt::WA_DeleteOnClose);
    const QRect screen = window->screen()->availableGeometry();
    window->resize(QSize(zoomed(1100), zoomed(800)).boundedTo(screen.size() - QSize(16, 48)).expandedTo(window->minimumSizeHint()));
    showCentred(window, owner);
    return window;
}

ByHandWindow *openByHandWindowOn(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && ByHandFile::isBoardText(file.read(256))) {
        ByHandWindow *window = openByHandWindow();
        window->openBoardFrom(path);
        return window;
    }
    return openByHandWindow(BreakInput::fromFile(path));
}

ByHandWindow *showByHandWindow(const BreakInput &input, QWidget *owner)
{
    ByHandWindow *window = openWindowOf<ByHandWindow>(owner);
    if (!window)
        return openByHandWindow(input, owner);
    window->offerInput(input);
    bringForward(window);
    return window;
}

} // namespace playfair
