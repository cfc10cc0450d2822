#pragma once

#include "engine/rules.h"

#include <QList>
#include <QWidget>

class QGridLayout;
class QLabel;

namespace playfair {

class SquareMarks;

// The 5 x 5 square as the main window draws it, for the program's other
// windows, or a square of another shape (6 x 6, 5 rows x 6 columns): orange
// cells with the row and column numbers from 1 on blue
// labels, in the window's font. It can outline a pair's cells as the main
// window does (plain letters solid, cipher letters dashed) and emphasise any
// set of cells (bold letters on a light green cell). The cells are sized from
// the font, so the square grows with it; cells are counted from 0 row by row
// (0 to 24 on the 5 x 5 square).
class SquareView : public QWidget
{
    Q_OBJECT

public:
    explicit SquareView(QWidget *parent = nullptr);

    // The rows and columns drawn; 5 x 5 until set. A new shape empties the
    // cells and drops the outlines and marks.
    void setShape(SquareShape shape);
    SquareShape shape() const { return m_shape; }

    // Up to shape().cells() letters row by row; cells past the text's end
    // stay empty.
    void setLetters(const QString &letters);
    QString letters() const;

    void setOutlines(const QList<int> &plainCells, const QList<int> &cipherCells);
    QList<int> plainCells() const;
    QList<int> cipherCells() const;

    void setEmphasised(const QList<int> &cells);
    QList<int> emphasised() const { return m_emphasised; }

    // Cells marked as wrong (a light red cell), such as where a pupil's wrong
    // letter came from; emphasis wins where a cell is both.
    void setWrongCells(const QList<int> &cells);
    QList<int> wrongCells() const { return m_wrong; }

    // A cell's rectangle in this widget's coordinates.
    QRect cellRect(int cell) const;

    static QColor emphasisColour();
    static QColor wrongColour();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void applyFont();
    // The cells' names for screen readers: "row 2, column 4".
    void nameCells();
    void colourCells();

    void makeCells();

    QGridLayout *m_grid = nullptr;
    SquareShape m_shape;
    QList<QLabel *> m_numbers;
    QList<QLabel *> m_cells;
    SquareMarks *m_marks = nullptr;
    QList<int> m_emphasised;
    QList<int> m_wrong;
};

} // namespace playfair
