#include "playfair.h"

#include "characters.h"
#include "rules.h"
#include "workspace/workspace.h"

namespace playfair {

namespace {

// Looks a letter up through SearchLetter, FindLetter and FoundRow/FoundColumn.
SquarePosition lookUp(Workspace &ws, const QString &letter)
{
    ws.SearchLetter = letter;
    FindLetter(ws);
    return {ws.FoundRow.value(), ws.FoundColumn.value()};
}

// Appends to `output` the Playfair image of every item of `input` (`step` +1
// encrypts, -1 decrypts). An item whose letters share a cell gives nothing.
void transformPairs(Workspace &ws, const ItemList &input, ItemList &output, int step)
{
    const qint16 count = input.ListCount();
    for (qint16 p = 0; p < count; ++p) {
        const QString item = input.List(p);
        const SquarePosition first = lookUp(ws, firstCharacter(item));
        const SquarePosition second = lookUp(ws, lastCharacter(item));
        if (ruleFor(first, second) == PairRule::SameCell)
            continue;
        const auto [firstImage, secondImage] = imageOf(first, second, step);
        output.AddItem(ws.Label3[firstImage.cell()] + ws.Label3[secondImage.cell()]);
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
