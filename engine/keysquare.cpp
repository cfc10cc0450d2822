#include "playfair.h"

#include "characters.h"
#include "keyedsquare.h"
#include "workspace/errors.h"
#include "workspace/workspace.h"

#include <limits>

namespace playfair {

namespace {

// Replaces a box's text by its upper-cased form, as the user sees it between
// the two phases of cleaning, and returns the number of its characters.
qsizetype upperCaseBox(QString &box)
{
    box = upperCased(box);
    return characterCount(box);
}

// The workspace's letter pool, the hidden list List1[3], as the key square's
// construction uses it.
struct WorkspacePool
{
    ItemList &list;

    void append(char32_t code) { list.AddItem(QChar(char16_t(code))); }
    int size() const { return list.ListCount(); }
    QString at(int position) const { return list.List(qint16(position)); }
    void removeAt(int position) { list.RemoveItem(qint16(position)); }
};

} // namespace

void BuildKeySquare(Workspace &ws)
{
    // Cleaning: the key word first, then the message, each in place.
    ws.KeyLength = qint32(upperCaseBox(ws.Text2[0]));
    ws.Text2[0] = cleaned(ws.Text2[0]);

    const qsizetype messageLength = upperCaseBox(ws.Text2[1]);
    if (messageLength > std::numeric_limits<qint16>::max())
        throw OverflowError(RuntimeError::tr("Препълване: текстът за криптиране има %1 знака, а дължината му "
                                             "трябва да се събере в число до 32767.")
                                .arg(messageLength));
    ws.MessageLength = qint16(messageLength);
    ws.Text2[1] = cleaned(ws.Text2[1]);

    // The letter pool List1[3]: A..Z without J, in alphabetical order. Each
    // distinct key letter moves from the pool into the next cell; a repeated
    // letter is no longer in the pool and places nothing.
    WorkspacePool pool{ws.List1[3]};
    fillKeyPool(pool);
    ws.KeyLength = qint32(characterCount(ws.Text2[0]));
    const auto setCell = [&ws](int cell, const QString &letter) { ws.Label3[cell] = letter; };
    std::optional<int> scan;
    const int placed = placeKeyLetters(
        pool, ws.KeyLength.value(), [&ws](int i) { return characterAt(ws.Text2[0], i); }, setCell, scan);

    // The trace line: where the search for the last key letter stopped.
    OptionalNumber<qint32> trace;
    if (scan)
        trace = qint32(*scan);
    ws.Text1[0] = ws.Text1[0] + trace.toText() + QStringLiteral("\r\n");

    fillRemainingCells(pool, placed, setCell);
}

void FindLetter(Workspace &ws)
{
    for (qint16 i = 0; i <= 24; ++i) {
        if (ws.Label3[i] == ws.SearchLetter) {
            ws.FoundRow = qint16(i / 5);
            ws.FoundColumn = qint16(i % 5);
        }
    }
}

} // namespace playfair
