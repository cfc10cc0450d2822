#include "byhandsquare.h"

#include <array>

namespace playfair {

using namespace analysis;

namespace {

constexpr int leastRun = 5;

} // namespace

int letterNumberOf(QChar c)
{
    return c == u'?' ? unknownLetter : letterNumber(char(c.toLatin1()));
}

QString shiftedText(const QString &square, int rows, int columns)
{
    QString shifted(25, u'.');
    for (int cell = 0; cell < 25 && cell < square.size(); ++cell)
        shifted[(cell / 5 + rows) % 5 * 5 + (cell % 5 + columns) % 5] = square[cell];
    return shifted;
}

ShownSquare shownSquare(const DeductionResult &result, bool placed)
{
    ShownSquare shown;
    shown.square = QString::fromStdString(partialSquare(result));
    shown.run = alphabeticalRun(shown.square.toStdString(), leastRun);
    if (!placed && shown.run && (shown.run->rows != 0 || shown.run->columns != 0)) {
        shown.square = shiftedText(shown.square, shown.run->rows, shown.run->columns);
        shown.run = alphabeticalRun(shown.square.toStdString(), leastRun);
    }
    return shown;
}

std::optional<QString> squareKeeping(const QString &square, const QList<PlacedCell> &placed)
{
    for (int rows = 0; rows < 5; ++rows) {
        for (int columns = 0; columns < 5; ++columns) {
            const QString shifted = shiftedText(square, rows, columns);
            bool keeps = true;
            for (const PlacedCell &p : placed)
                keeps = keeps && shifted[p.cell] == p.letter;
            if (keeps)
                return shifted;
        }
    }
    return std::nullopt;
}

QString pieceText(const Fragment &fragment)
{
    // Rows and columns counted from the piece's first letter, round the
    // square; the piece starts after its widest gap of rows and of columns.
    std::array<bool, 5> rowUsed{};
    std::array<bool, 5> columnUsed{};
    for (const auto &[letter, at] : fragment.letters) {
        rowUsed[std::size_t(at.row)] = true;
        columnUsed[std::size_t(at.column)] = true;
    }
    const auto start = [](const std::array<bool, 5> &used) {
        int best = 0;
        int bestGap = -1;
        for (int first = 0; first < 5; ++first) {
            if (!used[std::size_t(first)])
                continue;
            int gap = 0;
            while (gap < 5 && !used[std::size_t((first + 4 - gap) % 5)])
                ++gap;
            if (gap > bestGap) {
                bestGap = gap;
                best = first;
            }
        }
        return best;
    };
    const int firstRow = start(rowUsed);
    const int firstColumn = start(columnUsed);
    std::array<std::array<QChar, 5>, 5> grid;
    for (auto &row : grid)
        row.fill(QChar(0x00B7));
    int rows = 0;
    int columns = 0;
    for (const auto &[letter, at] : fragment.letters) {
        const int row = (at.row - firstRow + 5) % 5;
        const int column = (at.column - firstColumn + 5) % 5;
        grid[std::size_t(row)][std::size_t(column)] = QChar(letterName(letter));
        rows = std::max(rows, row + 1);
        columns = std::max(columns, column + 1);
    }
    QStringList lines;
    for (int row = 0; row < rows; ++row) {
        QStringList cells;
        for (int column = 0; column < columns; ++column)
            cells.append(grid[std::size_t(row)][std::size_t(column)]);
        lines.append(cells.join(u' '));
    }
    return lines.join(u'\n');
}

QString inGroups(const QString &letters)
{
    QStringList groups;
    for (qsizetype i = 0; i < letters.size(); i += 10)
        groups.append(letters.mid(i, 10));
    return groups.join(u' ');
}

void mergeWord(ByHandBoard &board, const QString &word, int position)
{
    for (int i = 0; i < word.size(); ++i) {
        const int letter = position + i;
        if (letter >= board.ciphertext.size())
            break;
        QString &guess = board.guesses[letter / 2];
        if (guess.isEmpty())
            guess = QStringLiteral("??");
        guess[letter % 2] = word[i];
    }
}

} // namespace playfair
