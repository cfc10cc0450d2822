#include "squareview.h"

#include "squaremarks.h"
#include "windowcolours.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>

namespace playfair {

namespace {

// The gap between two cells: the outlines are drawn in it, 2 pixels a side.
constexpr int gap = 4;

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QColor &colour)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    return label;
}

} // namespace

SquareView::SquareView(QWidget *parent)
    : QWidget(parent)
{
    m_grid = new QGridLayout(this);
    m_grid->setContentsMargins(gap / 2, gap / 2, gap / 2, gap / 2);
    m_grid->setSpacing(gap);
    m_grid->setSizeConstraint(QLayout::SetFixedSize);
    makeCells();

    m_marks = new SquareMarks([this](int cell) { return cellRect(cell); }, this);
    m_marks->setObjectName(QStringLiteral("SquareMarks"));
    m_marks->raise();
    applyFont();
    nameCells();
}

void SquareView::makeCells()
{
    qDeleteAll(m_numbers);
    qDeleteAll(m_cells);
    m_numbers.clear();
    m_cells.clear();
    for (int i = 0; i < m_shape.columns; ++i) {
        m_numbers << makeLabel(this, QStringLiteral("column_%1").arg(i + 1), QString::number(i + 1), numberColour);
        m_grid->addWidget(m_numbers.back(), 0, i + 1);
    }
    for (int i = 0; i < m_shape.rows; ++i) {
        m_numbers << makeLabel(this, QStringLiteral("row_%1").arg(i + 1), QString::number(i + 1), numberColour);
        m_grid->addWidget(m_numbers.back(), i + 1, 0);
    }
    for (int k = 0; k < m_shape.cells(); ++k) {
        const SquarePosition place = SquarePosition::ofCell(k, m_shape);
        m_cells << makeLabel(this, QStringLiteral("cell_%1").arg(k), QString(), cellColour);
        m_grid->addWidget(m_cells.back(), place.row + 1, place.column + 1);
    }
}

void SquareView::setShape(SquareShape shape)
{
    if (shape == m_shape)
        return;
    m_shape = shape;
    m_emphasised.clear();
    m_wrong.clear();
    m_marks->setMarks({}, {});
    makeCells();
    applyFont();
    nameCells();
    colourCells();
    m_marks->raise();
}

void SquareView::nameCells()
{
    for (int k = 0; k < m_cells.size(); ++k) {
        const SquarePosition place = SquarePosition::ofCell(k, m_shape);
        m_cells[k]->setAccessibleName(tr("ред %1, колона %2").arg(place.row + 1).arg(place.column + 1));
    }
}

void SquareView::applyFont()
{
    // 20 pixels a cell with the main window's font at 96 dots per inch, more
    // for a larger font.
    const int side = qMax(20, QFontMetrics(font()).height() + 2);
    for (QLabel *label : m_numbers)
        label->setFixedSize(side, side);
    for (QLabel *cell : m_cells)
        cell->setFixedSize(side, side);
}

void SquareView::setLetters(const QString &letters)
{
    for (int k = 0; k < m_cells.size(); ++k) {
        const QString letter = k < letters.size() ? QString(letters[k]) : QString();
        if (m_cells[k]->text() != letter)
            m_cells[k]->setText(letter);
    }
}

QString SquareView::letters() const
{
    QString letters;
    for (const QLabel *cell : m_cells)
        letters += cell->text();
    return letters;
}

void SquareView::setOutlines(const QList<int> &plainCells, const QList<int> &cipherCells)
{
    m_marks->setMarks(plainCells, cipherCells);
}

QList<int> SquareView::plainCells() const
{
    return m_marks->plainCells();
}

QList<int> SquareView::cipherCells() const
{
    return m_marks->cipherCells();
}

void SquareView::setEmphasised(const QList<int> &cells)
{
    m_emphasised = cells;
    colourCells();
}

void SquareView::setWrongCells(const QList<int> &cells)
{
    if (cells == m_wrong)
        return;
    m_wrong = cells;
    colourCells();
}

void SquareView::colourCells()
{
    for (int k = 0; k < m_cells.size(); ++k) {
        const bool emphasised = m_emphasised.contains(k);
        // Only the weight: the size stays the view's, which grows with the zoom.
        QFont font;
        font.setBold(emphasised || m_wrong.contains(k));
        m_cells[k]->setFont(font);
        QPalette palette = m_cells[k]->palette();
        palette.setColor(QPalette::Window, emphasised         ? emphasisColour()
                                           : m_wrong.contains(k) ? wrongColour()
                                                                 : cellColour);
        m_cells[k]->setPalette(palette);
    }
}

QRect SquareView::cellRect(int cell) const
{
    return cell >= 0 && cell < m_cells.size() ? m_cells[cell]->geometry() : QRect();
}

QColor SquareView::emphasisColour()
{
    return {160, 255, 160};
}

QColor SquareView::wrongColour()
{
    return {255, 150, 150};
}

void SquareView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_marks->setGeometry(rect());
}

void SquareView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyFont();
    if (event->type() == QEvent::LanguageChange)
        nameCells();
}

} // namespace playfair
