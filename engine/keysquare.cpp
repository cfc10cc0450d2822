#include "playfair.h"

#include "characters.h"
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

} // namespace

void BuildKeySquare(Workspace &ws)
{
    // Cleaning: the key word first, then the message, each in place.
    ws.KeyLength = qint32(upperCaseBox(ws.Text2[0]));
    ws.Text2[0] = cleaned(ws.Text2[0]);

    const qsizetype messageLength = upperCaseBox(ws.Text2[1]);
    if (messageLength > std::numeric_limits<qint16>::max())
        throw OverflowError(QStringLiteral("Препълване: текстът за криптиране има %1 знака, а дължината му "
                                           "трябва да се събере в число до 32767.")
                                .arg(messageLength));
    ws.MessageLength = qint16(messageLength);
    ws.Text2[1] = cleaned(ws.Text2[1]);

    // The letter pool: A..Z without J, in alphabetical order.
    ItemList &pool = ws.List1[3];
    for (int n = 1; n <= 26; ++n) {
        const QChar letter(64 + n);
        if (letter != u'J')
            pool.AddItem(letter);
    }

    ws.KeyLength = qint32(characterCount(ws.Text2[0]));
    qint16 cell = 0;
    OptionalNumber<qint32> scan;

    // Each distinct key letter moves from the pool into the next cell; a
    // repeated letter is no longer in the pool and places nothing.
    for (qint32 i = 1; i <= ws.KeyLength.value(); ++i) {
        const qint16 poolSize = pool.ListCount();
        const QString letter = characterAt(ws.Text2[0], i);
        bool found = false;
        for (scan = 1; !found && scan.value() <= poolSize; scan = scan.value() + 1) {
            const qint16 position = qint16(scan.value() - 1);
            if (letter == pool.List(position)) {
                found = true;
                pool.RemoveItem(position);
                ws.Label3[cell++] = letter;
            }
        }
    }

    // The trace line: where the search for the last key letter stopped.
    ws.Text1[0] = ws.Text1[0] + scan.toText() + QStringLiteral("\r\n");

    while (cell <= 24) {
        ws.Label3[cell++] = pool.List(0);
        pool.RemoveItem(0);
    }
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
