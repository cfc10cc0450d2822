#include "mainwindow.h"

#include "engine/rowinsight.h"
#include "pairdelegate.h"
#include "ui/break/breakwindow.h"
#include "ui/byhand/byhandwindow.h"
#include "ui/help/handbook.h"
#include "ui/practice/practicewindow.h"
#include "ui/shared/colourbutton.h"
#include "ui/shared/languagemenu.h"
#include "ui/shared/pairtooltip.h"
#include "ui/shared/squaremarks.h"
#include "ui/shared/windowcolours.h"
#include "ui/shared/windowparts.h"
#include "ui/shared/zoom.h"
#include "workspace/errors.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QIcon>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTextCursor>

#include <algorithm>

namespace playfair {

namespace {

// The layout is measured in twips: 15 twips are one logical pixel.
QRect fromTwips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

const QColor encryptColour(0, 255, 0);
const QColor clearColour(255, 0, 0);

QLabel *makeLabel(QWidget *parent, const QString &name, const QColor &colour, const QRect &geometry,
                  const QString &caption = QString())
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setGeometry(geometry);
    setBackground(label, colour);
    return label;
}

QString indexed(const char *control, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(control)).arg(index);
}

// The explanation keeps CR LF line ends; the text widget wants LF alone.
QString forDisplay(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

int selectedRow(const QListWidget *list)
{
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

QStringList itemsOf(const QListWidget *list)
{
    QStringList items;
    for (int row = 0; row < list->count(); ++row)
        items << list->item(row)->text();
    return items;
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(QIcon(QStringLiteral(":/playfair/playfair.png")));
    // A fixed border with the close button and the window menu, but neither
    // a maximise nor a minimise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(504, 424);

    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(12);
    font.setStyleHint(QFont::Serif);
    setFont(font);

    createControls();
    createSquare();
    connectControls();
    setTabOrder();
    m_Text1[0]->setFocus();

    // An exercise, break or by-hand window already open comes forward with
    // the present pairs rather than another opening beside it; each is made
    // only when its action is chosen.
    m_practiceAction
        = addWindowAction(this, QKeySequence(Qt::CTRL | Qt::Key_E), [this] { showPracticeWindow(m_ws, this); });
    m_breakAction = addWindowAction(this, QKeySequence(Qt::CTRL | Qt::Key_B),
                                    [this] { showBreakWindow(BreakInput::fromWorkspace(m_ws), this); });
    m_byHandAction = addWindowAction(this, QKeySequence(Qt::CTRL | Qt::Key_R),
                                     [this] { showByHandWindow(BreakInput::fromWorkspace(m_ws), this); });
    addHelpShortcut(this);
    retranslate();
    const std::array<QWidget *, 3> boxes{m_Text2[0], m_Text2[1], m_Text1[0]};
    for (QWidget *box : boxes)
        box->installEventFilter(this);

    render();
    run(tr("Зареждане"), [this] { m_ws.Form_Load(); });
    followZoom(this);

    if (const QScreen *screen = this->screen()) {
        // Zoomed larger than the screen, its top-left corner stays on it.
        const QRect available = screen->availableGeometry();
        QRect place = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), available);
        place.moveTopLeft({std::max(place.left(), available.left()), std::max(place.top(), available.top())});
        setGeometry(place);
    }
}

QString MainWindow::caption()
{
    //: The window's caption; %1 is the publisher's web address.
    return tr("%1 Информатика - криптиране, Playfair cipher").arg(QStringLiteral(PLAYFAIR_WEB_ADDRESS));
}

void MainWindow::retranslate()
{
    setWindowTitle(caption());
    m_Label1[0]->setText(tr("Информатика - диграфов шифър, cipher Playfair"));
    m_Label1[1]->setText(tr("ключова дума:"));
    m_Label1[2]->setText(tr("текст за криптиране:"));
    for (int i = 0; i < 2; ++i)
        m_Text2[i]->setAccessibleName(m_Label1[i + 1]->text());

    //: The heading of the message list and of the decrypted list.
    const QString text = tr("Текст");
    //: The heading of the cipher list.
    const QString cipher = tr("Шифър");
    const std::array<QString, 3> headings{text, cipher, text};
    const std::array<QString, 3> listNames{text, cipher, tr("Текст, декриптиран")};
    for (int i = 0; i < 3; ++i) {
        m_Label4[i]->setText(headings[i]);
        m_List1[i]->setAccessibleName(listNames[i]);
    }

    m_Command1[0]->setText(tr("Криптирай"));
    m_Command1[1]->setText(tr("Чисти"));
    for (ColourButton *button : m_Command1)
        button->setAccessibleName(button->text());
    m_Text1[0]->setAccessibleName(tr("Обяснение на шифъра"));
    m_Frame1->setTitle(tr("квадрат на Polybius"));
    m_practiceAction->setText(tr("Упражнение…"));
    m_breakAction->setText(tr("Разбиване на шифъра…"));
    m_byHandAction->setText(tr("Разбиване на ръка…"));
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        m_ws.translateExplanation(uiLanguage());
        render();
    }
    // The zoom: the fixed geometry grows with the font (m_Frame1 is not
    // there yet when the constructor sets the font at 100 %).
    if (event->type() == QEvent::FontChange && m_Frame1)
        scaleFixedGeometry(this, {this, m_Frame1});
    QWidget::changeEvent(event);
}

void MainWindow::createControls()
{
    m_Label1[0] = makeLabel(this, indexed("Label1", 0), captionColour, fromTwips(1200, 0, 5175, 375));
    m_Label1[1] = makeLabel(this, indexed("Label1", 1), captionColour, fromTwips(120, 480, 1575, 375));
    m_Label1[2] = makeLabel(this, indexed("Label1", 2), captionColour, fromTwips(120, 960, 2295, 375));

    const std::array<QRect, 2> boxes{fromTwips(1680, 480, 3135, 405), fromTwips(2400, 960, 5055, 405)};
    const std::array<int, 2> maxLengths{200, 40};
    for (int i = 0; i < 2; ++i) {
        m_Text2[i] = new QLineEdit(this);
        m_Text2[i]->setObjectName(indexed("Text2", i));
        m_Text2[i]->setGeometry(boxes[i]);
        m_Text2[i]->setMaxLength(maxLengths[i]);
    }

    for (int i = 0; i < 4; ++i) {
        const int left = i < 3 ? 3480 + 840 * i : 2640;
        if (i < 3)
            m_Label4[i] = makeLabel(this, indexed("Label4", i), numberColour, fromTwips(left, 1560, 735, 375));
        m_List1[i] = new QListWidget(this);
        m_List1[i]->setObjectName(indexed("List1", i));
        m_List1[i]->setGeometry(fromTwips(left, 1920, 735, 2055));
        m_List1[i]->setSelectionMode(QAbstractItemView::SingleSelection);
        m_List1[i]->setSortingEnabled(false);
        // A list box scrolls only up and down; its rows fit its width.
        m_List1[i]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_List1[i]->setItemDelegate(new PairDelegate(m_List1[i]));
    }
    // The letter pool is working storage and is never shown.
    m_List1[3]->setFocusPolicy(Qt::NoFocus);
    m_List1[3]->hide();

    m_Command1[0] = new ColourButton(QString(), encryptColour, this);
    m_Command1[1] = new ColourButton(QString(), clearColour, this);
    const std::array<int, 2> buttonTops{1800, 3480};
    for (int i = 0; i < 2; ++i) {
        m_Command1[i]->setObjectName(indexed("Command1", i));
        m_Command1[i]->setGeometry(fromTwips(6120, buttonTops[i], 1335, 495));
        m_Command1[i]->setAutoDefault(false);
    }

    m_Text1[0] = new QPlainTextEdit(this);
    QPlainTextEdit *explanation = m_Text1[0];
    explanation->setObjectName(indexed("Text1", 0));
    explanation->setGeometry(fromTwips(120, 4200, 7335, 2055));
    explanation->setReadOnly(true);
    explanation->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    explanation->setFocusPolicy(Qt::StrongFocus);
    explanation->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    explanation->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    explanation->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void MainWindow::createSquare()
{
    m_Frame1 = new QGroupBox(this);
    m_Frame1->setObjectName(QStringLiteral("Frame1"));
    m_Frame1->setGeometry(fromTwips(120, 1440, 2415, 2655));
    setBackground(m_Frame1, windowColour);

    for (int i = 0; i < 5; ++i) {
        const QString digit = QString::number(i + 1);
        m_Label2[i] = makeLabel(m_Frame1, indexed("Label2", i), numberColour, fromTwips(480 + 360 * i, 360, 300, 300),
                                digit);
        m_Label2[i + 5] = makeLabel(m_Frame1, indexed("Label2", i + 5), numberColour,
                                    fromTwips(120, 720 + 360 * i, 300, 300), digit);
    }
    for (int k = 0; k < 25; ++k)
        m_Label3[k] = makeLabel(m_Frame1, indexed("Label3", k), cellColour,
                                fromTwips(480 + 360 * (k % 5), 720 + 360 * (k / 5), 300, 300));

    m_marks = new SquareMarks([this](int cell) { return m_Label3[cell]->geometry(); }, m_Frame1);
    m_marks->setObjectName(QStringLiteral("SquareMarks"));
    m_marks->setGeometry(m_Frame1->rect());
    m_marks->raise();
}

void MainWindow::connectControls()
{
    for (qint16 i = 0; i < 2; ++i) {
        // textChanged, not textEdited: a paste, an undo or an assistive tool
        // setting the text through accessibility must reach the workspace too.
        connect(m_Text2[i], &QLineEdit::textChanged, this, [this, i](const QString &text) { m_ws.Text2[i] = text; });
        connect(m_Command1[i], &QPushButton::clicked, this, [this, i] {
            run(m_Command1[i]->text(), [this, i] { m_ws.Command1_Click(i); });
        });
    }
    for (qint16 i = 0; i < 4; ++i)
        connect(m_List1[i], &QListWidget::itemSelectionChanged, this, [this, i] { onListSelectionChanged(i); });
}

void MainWindow::setTabOrder()
{
    const std::array<QWidget *, 8> order{m_Text1[0], m_Text2[0], m_Text2[1], m_Command1[0],
                                         m_Command1[1], m_List1[0], m_List1[1], m_List1[2]};
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void MainWindow::run(const QString &action, const std::function<void()> &handler)
{
    QString failure;
    try {
        handler();
    } catch (const RuntimeError &error) {
        failure = error.description();
    } catch (const std::exception &error) {
        failure = QString::fromLocal8Bit(error.what());
    }
    render();
    if (failure.isEmpty())
        return;

    //: %1 names what the user did: a button's caption, a list's heading.
    QMessageBox box(QMessageBox::Critical, caption(), tr("„%1“ спря с грешка.").arg(action), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("errorMessage"));
    box.setInformativeText(failure + QStringLiteral("\n\n")
                           + tr("Програмата продължава да работи: в прозореца остава това, което беше направено "
                                "до грешката."));
    box.exec();
}

void MainWindow::onListSelectionChanged(qint16 index)
{
    const int row = selectedRow(m_List1[index]);
    if (row < 0) {
        // A list keeps its selection until the program changes it (a
        // Ctrl+click cannot empty it): show the workspace's selection again.
        render();
    } else {
        m_markedList = index;
        run(m_Label4[index]->text(), [this, index, row] { m_ws.SelectItem(index, qint16(row)); });
    }
    levelListRows(index);
}

void MainWindow::levelListRows(qint16 leader)
{
    // Each list would otherwise scroll its new row into view on its own, from
    // wherever the user left it, and the rows would stand at different
    // heights. Instead all three take one scroll position: the one that shows
    // the selected row where the list the user works in shows it, or higher
    // up where a shorter list cannot scroll that far.
    const int row = m_ws.List1[leader].ListIndex();
    if (row < 0)
        return;
    m_List1[leader]->scrollToItem(m_List1[leader]->item(row));
    int top = m_List1[leader]->verticalScrollBar()->value();
    for (int i = 0; i < 3; ++i) {
        if (row < m_List1[i]->count()) {
            m_List1[i]->scrollToItem(m_List1[i]->item(row)); // lays the list out first
            top = std::min(top, m_List1[i]->verticalScrollBar()->maximum());
        }
    }
    for (int i = 0; i < 3; ++i)
        m_List1[i]->verticalScrollBar()->setValue(top);
}

void MainWindow::render()
{
    for (int i = 0; i < 2; ++i) {
        if (m_Text2[i]->text() != m_ws.Text2[i]) {
            const QSignalBlocker blocker(m_Text2[i]);
            m_Text2[i]->setText(m_ws.Text2[i]);
        }
    }
    renderExplanation();
    for (int k = 0; k < 25; ++k) {
        if (m_Label3[k]->text() != m_ws.Label3[k])
            m_Label3[k]->setText(m_ws.Label3[k]);
    }
    for (int i = 0; i < 4; ++i) {
        QListWidget *widget = m_List1[i];
        const ItemList &list = m_ws.List1[i];
        const QSignalBlocker blocker(widget);
        if (itemsOf(widget) != list.items()) {
            widget->clear();
            widget->addItems(list.items());
        }
        const int selected = list.ListIndex();
        if (selectedRow(widget) == selected)
            continue;
        if (selected < 0) {
            widget->clearSelection();
            widget->selectionModel()->clearCurrentIndex();
        } else {
            widget->setCurrentRow(selected);
            widget->scrollToItem(widget->item(selected));
        }
    }
    renderInsights();
}

void MainWindow::renderInsights()
{
    for (int i = 0; i < 3; ++i) {
        for (int row = 0; row < m_List1[i]->count(); ++row) {
            const auto insight = insightFor(m_ws, i, row);
            const QString tip = insight ? pairToolTip(*insight) : i == 2 ? earlierSquareToolTip() : QString();
            if (m_List1[i]->item(row)->toolTip() != tip)
                m_List1[i]->item(row)->setToolTip(tip);
        }
    }

    QList<int> plainCells;
    QList<int> cipherCells;
    if (m_markedList >= 0) {
        if (const auto insight = insightFor(m_ws, m_markedList, m_ws.List1[m_markedList].ListIndex())) {
            for (SquarePosition p : insight->plainPositions)
                plainCells << p.cell();
            for (SquarePosition p : insight->cipherPositions)
                cipherCells << p.cell();
        }
    }
    m_marks->setMarks(plainCells, cipherCells);
}

void MainWindow::renderExplanation()
{
    const QString &text = m_ws.Text1[0];
    if (text == m_shownExplanation)
        return;
    QPlainTextEdit *box = m_Text1[0];
    if (!m_shownExplanation.isEmpty() && text.startsWith(m_shownExplanation) && !m_shownExplanation.endsWith(u'\r')) {
        // Appending keeps the reader's scroll position and selection.
        QTextCursor end(box->document());
        end.movePosition(QTextCursor::End);
        end.insertText(forDisplay(text.mid(m_shownExplanation.size())));
    } else {
        box->setPlainText(forDisplay(text));
    }
    m_shownExplanation = text;
}

void MainWindow::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), windowColour);
}


bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The text boxes claim some Ctrl keys before any shortcut (on X11 Ctrl+E
    // moves to the end of the line); the window's actions come first.
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        for (const QAction *action : actions()) {
            if (action->shortcut() == pressed)
                return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::contextMenuEvent(QContextMenuEvent *event)
{
    // A box or a list that has no menu of its own passes the request on.
    for (QWidget *under = childAt(event->pos()); under; under = under->parentWidget()) {
        if (qobject_cast<QLineEdit *>(under) || qobject_cast<QAbstractScrollArea *>(under))
            return;
    }
    execWindowMenu(this, actions(), event->globalPos());
}

} // namespace playfair
