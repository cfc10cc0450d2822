#pragma once

// Small pieces of the by-hand session's sentences, for its files of texts.

#include "byhandsession.h"

namespace playfair::byhandwording {

// "2", "2 и 5", "2, 5 и 7".
inline QString listed(const QStringList &items)
{
    if (items.size() <= 1)
        return items.value(0);
    //: Joins the last two items of a list: "2, 5 и 7".
    return ByHandSession::tr("%1 и %2").arg(items.mid(0, items.size() - 1).join(QStringLiteral(", ")), items.last());
}

// Pair numbers from 0, written from 1.
inline QStringList numbers(const QList<int> &pairs)
{
    QStringList items;
    for (int pair : pairs)
        items.append(QString::number(pair + 1));
    return items;
}

inline QString letterText(analysis::Letter letter)
{
    return QString(QChar(analysis::letterName(letter)));
}

} // namespace playfair::byhandwording
