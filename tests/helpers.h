#pragma once

#include "workspace/workspace.h"

#include <QStringList>

namespace playfair::testing {

// The 25 cell captions read row by row, e.g. "PLAYFIREXMBCDGHKNOQSTUVWZ".
inline QString squareOf(const Workspace &ws)
{
    QString square;
    for (const QString &cell : ws.Label3)
        square += cell;
    return square;
}

// A list's items joined by single spaces, e.g. "HI TH EG".
inline QString itemsOf(const ItemList &list)
{
    return QStringList(list.items()).join(u' ');
}

// A started workspace after one Encrypt of `message` with the key `key`.
inline Workspace encrypted(const QString &key, const QString &message)
{
    Workspace ws;
    ws.Form_Load();
    ws.Text2[0] = key;
    ws.Text2[1] = message;
    ws.Command1_Click(0);
    return ws;
}

// A cleaned message cut in twos; an odd last letter stands alone.
inline QStringList groupsOf(const QString &message)
{
    QStringList groups;
    for (qsizetype i = 0; i < message.size(); i += 2)
        groups << message.mid(i, 2);
    return groups;
}

// The groups that give a cipher pair: two different letters.
inline QStringList pairsWithCipher(const QStringList &groups)
{
    QStringList pairs;
    for (const QString &group : groups) {
        if (group.size() == 2 && group[0] != group[1])
            pairs << group;
    }
    return pairs;
}

// The last line of the explanation box, without its CR LF.
inline QString lastLineOf(const QString &text)
{
    QStringList lines = text.split(QStringLiteral("\r\n"));
    lines.removeLast(); // the text ends with CR LF
    return lines.last();
}

} // namespace playfair::testing
