#include "playfair.h"

#include "characters.h"
#include "workspace/workspace.h"

namespace playfair {

namespace {

struct Position
{
    int row = 0;
    int column = 0;
};

// Looks a letter up through SearchLetter, FindLetter and FoundRow/FoundColumn.
Position lookUp(Workspace &ws, const QString &letter)
{
    ws.SearchLetter = letter;
    FindLetter(ws);
    return {ws.FoundRow.value(), ws.FoundColumn.value()};
}

// Moves a row or column (0..4) by `step` cells, wrapping around the square.
int moved(int coordinate, int step)
{
    return (coordinate + step + 5) % 5;
}

const QString &cell(const Workspace &ws, int row, int column)
{
    return ws.Label3[5 * row + column];
}

// Appends to `output` the Playfair image of every item of `input`: the
// rectangle rule, or a move by `step` along a shared column or row. An item
// whose two letters stand in the same cell gives nothing.
void transformPairs(Workspace &ws, const ItemList &input, ItemList &output, int step)
{
    const qint16 count = input.ListCount();
    for (qint16 p = 0; p < count; ++p) {
        const QString item = input.List(p);
        const Position a = lookUp(ws, firstCharacter(item));
        const Position b = lookUp(ws, lastCharacter(item));

        if (a.row != b.row && a.column != b.column)
            output.AddItem(cell(ws, a.row, b.column) + cell(ws, b.row, a.column));
        else if (a.row != b.row)
            output.AddItem(cell(ws, moved(a.row, step), a.column) + cell(ws, moved(b.row, step), b.column));
        else if (a.column != b.column)
            output.AddItem(cell(ws, a.row, moved(a.column, step)) + cell(ws, b.row, moved(b.column, step)));
    }
}

} // namespace

void SplitDigraphs(Workspace &ws)
{
    BuildKeySquare(ws);
    ws.List1[0].Clear();
    ws.List1[1].Clear();

    // The cleaned message holds only A..Z, one UTF-16 unit per character.
    const QString message = ws.Text2[1];
    const qsizetype n = message.size();
    const qint16 pairs = qint16(n / 2);
    for (qint16 i = 1; i <= pairs; ++i)
        ws.List1[0].AddItem(message.mid(2 * i - 2, 2));
    if (n % 2 == 1)
        ws.List1[0].AddItem(message.right(1));
}

void EncryptDigraphs(Workspace &ws)
{
    transformPairs(ws, ws.List1[0], ws.List1[1], +1);
}

void DecryptDigraphs(Workspace &ws)
{
    ws.List1[2].Clear();
    transformPairs(ws, ws.List1[1], ws.List1[2], -1);
}

} // namespace playfair
