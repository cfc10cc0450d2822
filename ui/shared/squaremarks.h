#pragma once

#include <QList>
#include <QWidget>

#include <functional>

namespace playfair {

// A transparent layer over the square that outlines chosen cells in the gaps
// between them: the plain letters of a pair with a solid line, its cipher
// letters with a dashed one, so the two differ without relying on colour. A
// cell that is both gets both outlines, the plain one outside. The cells keep
// their own colour and caption; with nothing marked the layer draws nothing.
class SquareMarks : public QWidget
{
    Q_OBJECT

public:
    // `cellRect` gives a cell's rectangle (0..24) in this widget's coordinates.
    SquareMarks(const std::function<QRect(int)> &cellRect, QWidget *parent);

    void setMarks(const QList<int> &plainCells, const QList<int> &cipherCells);
    QList<int> plainCells() const { return m_plain; }
    QList<int> cipherCells() const { return m_cipher; }

    static QColor plainColour();
    static QColor cipherColour();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::function<QRect(int)> m_cellRect;
    QList<int> m_plain;
    QList<int> m_cipher;
};

} // namespace playfair
