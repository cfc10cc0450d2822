#include "squareeditor.h"

#include "ui/shared/squareview.h"
#include "ui/shared/windowcolours.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace playfair {

namespace {

const QColor followingColour(0, 0, 200);
const QColor rejectedColour(200, 0, 0);

} // namespace

SquareEditor::SquareEditor(QWidget *parent)
    : QWidget(parent)
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(3);
    for (int i = 0; i < 5; ++i) {
        for (int k : {i, i + 5}) {
            auto *number = new QLabel(QString::number(i + 1), this);
            number->setAlignment(Qt::AlignCenter);
            number->setAutoFillBackground(true);
            QPalette palette = number->palette();
            palette.setColor(QPalette::Window, numberColour);
            number->setPalette(palette);
            m_numbers[std::size_t(k)] = number;
        }
        grid->addWidget(m_numbers[std::size_t(i)], 0, i + 1);
        grid->addWidget(m_numbers[std::size_t(i + 5)], i + 1, 0);
    }
    for (int k = 0; k < 25; ++k) {
        auto *box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("cell_%1").arg(k));
        box->setAlignment(Qt::AlignCenter);
        box->setFrame(false);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, cellColour);
        box->setPalette(palette);
        // A letter typed takes the cell at once; the last one typed counts.
        connect(box, &QLineEdit::textEdited, this, [this, k](const QString &text) {
            Q_EMIT letterTyped(k, text.right(1));
        });
        m_cells[std::size_t(k)] = box;
        grid->addWidget(box, k / 5 + 1, k % 5 + 1);
    }
    for (int k = 1; k < 25; ++k)
        setTabOrder(m_cells[std::size_t(k - 1)], m_cells[std::size_t(k)]);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    sizeCells();
    retranslate();
}

void SquareEditor::sizeCells()
{
    const int side = qMax(22, fontMetrics().height() + 4);
    for (QLabel *number : m_numbers)
        number->setFixedSize(side, side);
    for (QLineEdit *box : m_cells)
        box->setFixedSize(side, side);
}

void SquareEditor::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange && m_cells[0])
        sizeCells();
}

void SquareEditor::showSquare(const QString &letters, const QList<int> &placedCells, const QList<int> &runCells,
                              int rejectedCell, const QString &rejectedLetter)
{
    for (int k = 0; k < 25; ++k) {
        QLineEdit *box = m_cells[std::size_t(k)];
        const QChar letter = k < letters.size() ? letters[k] : QChar(u'.');
        const QString text = k == rejectedCell ? rejectedLetter : letter == u'.' ? QString() : QString(letter);
        if (box->text() != text) {
            const QSignalBlocker blocker(box);
            box->setText(text);
        }
        QStringList style;
        style << QStringLiteral("background: %1")
                     .arg((runCells.contains(k) ? SquareView::emphasisColour() : cellColour).name());
        if (k == rejectedCell)
            style << QStringLiteral("color: %1").arg(rejectedColour.name());
        else if (placedCells.contains(k))
            style << QStringLiteral("color: black; font-weight: bold");
        else
            style << QStringLiteral("color: %1").arg(followingColour.name());
        const QString sheet = style.join(QStringLiteral("; "));
        if (box->styleSheet() != sheet)
            box->setStyleSheet(sheet);
    }
}

QString SquareEditor::letters() const
{
    QString letters;
    for (const QLineEdit *box : m_cells)
        letters += box->text().isEmpty() ? QChar(u'.') : box->text().at(0);
    return letters;
}

void SquareEditor::retranslate()
{
    for (int k = 0; k < 25; ++k)
        m_cells[std::size_t(k)]->setAccessibleName(tr("ред %1, колона %2").arg(k / 5 + 1).arg(k % 5 + 1));
}

} // namespace playfair
