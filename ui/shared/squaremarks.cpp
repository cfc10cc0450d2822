#include "squaremarks.h"

#include <QPainter>

namespace playfair {

SquareMarks::SquareMarks(const std::function<QRect(int)> &cellRect, QWidget *parent)
    : QWidget(parent)
    , m_cellRect(cellRect)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

QColor SquareMarks::plainColour()
{
    return Qt::black;
}

QColor SquareMarks::cipherColour()
{
    return {160, 0, 0};
}

void SquareMarks::setMarks(const QList<int> &plainCells, const QList<int> &cipherCells)
{
    if (plainCells == m_plain && cipherCells == m_cipher)
        return;
    m_plain = plainCells;
    m_cipher = cipherCells;
    update();
}

void SquareMarks::paintEvent(QPaintEvent *)
{
    // The gap between two cells is 4 pixels, 2 on each cell's side. A cell
    // with one kind of mark gets a 2-pixel outline there; a cell with both
    // gets the solid one in the outer pixel and the dashed one in the inner.
    QPainter painter(this);
    QPen solid(plainColour(), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    QPen dashed(cipherColour(), 1, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    dashed.setDashPattern({3, 2});

    for (int cell = 0; cell < 25; ++cell) {
        const bool plain = m_plain.contains(cell);
        const bool cipher = m_cipher.contains(cell);
        const QRect rect = m_cellRect(cell);
        const QRect outer = rect.adjusted(-2, -2, 1, 1); // drawRect covers one more pixel right and down
        const QRect inner = rect.adjusted(-1, -1, 0, 0);
        if (plain) {
            painter.setPen(solid);
            painter.drawRect(outer);
            if (!cipher)
                painter.drawRect(inner);
        }
        if (cipher) {
            painter.setPen(dashed);
            painter.drawRect(inner);
            if (!plain)
                painter.drawRect(outer);
        }
    }
}

} // namespace playfair
