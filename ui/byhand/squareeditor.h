#pragma once

#include <QList>
#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;

namespace playfair {

// The square as far as it is known, in the main window's colours, with a box
// in each cell the pupil can type a letter into (accessible names "ред 2,
// колона 3"). The pupil's own letters are black and bold, the letters that
// follow blue; the cells of an alphabetical run are light green, and a
// letter not taken stays red in its cell until the next change. Cells are
// counted 0 to 24 row by row.
class SquareEditor : public QWidget
{
    Q_OBJECT

public:
    explicit SquareEditor(QWidget *parent = nullptr);

    // `letters`: 25 characters row by row, '.' where unknown.
    void showSquare(const QString &letters, const QList<int> &placedCells, const QList<int> &runCells,
                    int rejectedCell, const QString &rejectedLetter);
    QLineEdit *cell(int cell) const { return m_cells[std::size_t(cell)]; }
    QString letters() const;
    void retranslate();

Q_SIGNALS:
    // A letter typed into a cell, or the cell emptied.
    void letterTyped(int cell, const QString &text);

protected:
    // A larger font (the zoom) makes larger cells.
    void changeEvent(QEvent *event) override;

private:
    void sizeCells();

    std::array<QLabel *, 10> m_numbers{};
    std::array<QLineEdit *, 25> m_cells{};
};

} // namespace playfair
