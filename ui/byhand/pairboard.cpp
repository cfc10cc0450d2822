#include "pairboard.h"

#include "ui/shared/windowcolours.h"
#include "ui/shared/windowparts.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace playfair {

namespace {

const QColor followingColour(0, 0, 200);  // letters that follow, in an empty box
const QColor rejectedColour(200, 0, 0);   // a guess not taken
const QColor markedColour(255, 255, 128); // a pair the lesson points at
const QColor reversedColour(128, 0, 128); // a pair whose reverse occurs too

QString styleOf(const PairBoard::Pair &pair)
{
    QStringList style;
    if (pair.marked)
        style << QStringLiteral("background: %1").arg(markedColour.name());
    if (pair.reversed)
        style << QStringLiteral("color: %1; text-decoration: underline").arg(reversedColour.name());
    if (pair.repeated)
        style << QStringLiteral("font-weight: bold");
    return style.join(QStringLiteral("; "));
}

} // namespace

PairBoard::PairBoard(QWidget *parent)
    : QScrollArea(parent)
{
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_content = new QWidget(this);
    setBackground(m_content, windowColour);
    m_grid = new QGridLayout(m_content);
    m_grid->setSpacing(4);
    m_grid->setContentsMargins(4, 4, 4, 4);
    setWidget(m_content);
    setBackground(viewport(), windowColour);
}

void PairBoard::rebuild(const QList<Pair> &pairs)
{
    qDeleteAll(m_cells);
    m_cells.clear();
    m_ciphers.clear();
    m_boxes.clear();
    m_shownCiphers.clear();
    for (int i = 0; i < int(pairs.size()); ++i) {
        auto *cell = new QWidget(m_content);
        auto *layout = new QVBoxLayout(cell);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(1);
        auto *number = new QLabel(QString::number(i + 1), cell);
        number->setObjectName(QStringLiteral("number%1").arg(i + 1));
        number->setAlignment(Qt::AlignCenter);
        auto *cipher = new QLabel(pairs[i].cipher, cell);
        cipher->setObjectName(QStringLiteral("cipher%1").arg(i + 1));
        cipher->setAlignment(Qt::AlignCenter);
        auto *box = new QLineEdit(cell);
        box->setObjectName(QStringLiteral("pair%1").arg(i + 1));
        box->setAlignment(Qt::AlignCenter);
        QPalette palette = box->palette();
        palette.setColor(QPalette::PlaceholderText, followingColour);
        box->setPalette(palette);
        box->installEventFilter(this);
        connect(box, &QLineEdit::editingFinished, this, [this, i, box] {
            if (box->isModified()) {
                box->setModified(false);
                Q_EMIT guessEntered(i, box->text());
            }
        });
        connect(box, &QLineEdit::returnPressed, this, [this, i] {
            if (QLineEdit *next = m_boxes.value(i + 1))
                next->setFocus(Qt::TabFocusReason);
        });
        layout->addWidget(number);
        layout->addWidget(cipher);
        layout->addWidget(box);
        m_cells.append(cell);
        m_ciphers.append(cipher);
        m_boxes.append(box);
        m_shownCiphers.append(pairs[i].cipher);
    }
    for (int i = 1; i < int(m_boxes.size()); ++i)
        setTabOrder(m_boxes[i - 1], m_boxes[i]);
    sizeCells();
    retranslate();
    Q_EMIT boxesMade();
}

// The pair's number small, its box wide enough for three letters, in the
// board's font; then as many pairs a row as fit.
void PairBoard::sizeCells()
{
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.75);
    const int width = fontMetrics().horizontalAdvance(QStringLiteral("WWW")) + 8;
    for (int i = 0; i < int(m_cells.size()); ++i) {
        m_cells[i]->findChild<QLabel *>(QStringLiteral("number%1").arg(i + 1))->setFont(small);
        m_boxes[i]->setFixedWidth(width);
    }
    m_columns = 0;
    arrange();
}

void PairBoard::changeEvent(QEvent *event)
{
    QScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        sizeCells();
}

void PairBoard::arrange()
{
    if (m_cells.isEmpty())
        return;
    const int cellWidth = m_cells.first()->sizeHint().width() + m_grid->horizontalSpacing();
    const int columns = std::max(4, (viewport()->width() - 8) / std::max(1, cellWidth));
    if (columns == m_columns)
        return;
    m_columns = columns;
    for (QWidget *cell : std::as_const(m_cells))
        m_grid->removeWidget(cell);
    for (int i = 0; i < int(m_cells.size()); ++i)
        m_grid->addWidget(m_cells[i], i / columns, i % columns);
    m_grid->setRowStretch(int(m_cells.size() - 1) / columns + 1, 1);
    m_grid->setColumnStretch(columns, 1);
}

void PairBoard::showPairs(const QList<Pair> &pairs)
{
    QStringList ciphers;
    for (const Pair &pair : pairs)
        ciphers.append(pair.cipher);
    if (ciphers != m_shownCiphers)
        rebuild(pairs);
    for (int i = 0; i < int(pairs.size()); ++i) {
        const Pair &pair = pairs[i];
        QLineEdit *box = m_boxes[i];
        // What the user is typing stays until they leave the box.
        if (!(box->hasFocus() && box->isModified()) && box->text() != pair.guess) {
            const QSignalBlocker blocker(box);
            box->setText(pair.guess);
        }
        if (box->placeholderText() != pair.following)
            box->setPlaceholderText(pair.following);
        const QString boxStyle = pair.rejected ? QStringLiteral("color: %1").arg(rejectedColour.name()) : QString();
        if (box->styleSheet() != boxStyle)
            box->setStyleSheet(boxStyle);
        box->setToolTip(pair.tip);
        const QString style = styleOf(pair);
        if (m_ciphers[i]->styleSheet() != style)
            m_ciphers[i]->setStyleSheet(style);
        m_ciphers[i]->setToolTip(pair.tip);
    }
}

void PairBoard::retranslate()
{
    for (int i = 0; i < int(m_boxes.size()); ++i)
        m_boxes[i]->setAccessibleName(tr("Двойка %1").arg(i + 1));
}

void PairBoard::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    arrange();
}

bool PairBoard::eventFilter(QObject *watched, QEvent *event)
{
    // A box that takes the focus shows itself whole.
    if (event->type() == QEvent::FocusIn) {
        if (auto *box = qobject_cast<QLineEdit *>(watched))
            ensureWidgetVisible(box);
    }
    return QScrollArea::eventFilter(watched, event);
}

} // namespace playfair
