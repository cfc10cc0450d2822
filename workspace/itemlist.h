#pragma once

#include <QList>
#include <QString>

namespace playfair {

// The data of one list control: items in the order they were added (never
// sorted) and one selected position, -1 for none. Counts and positions are
// 16-bit signed numbers; an operation that would need more than 32767 items,
// or is given a position the list does not have, raises a RuntimeError.
//
// Changing a list from the program never runs a click handler: only a
// selection made by the user does (see Workspace::SelectItem).
class ItemList
{
public:
    void AddItem(const QString &item);
    void RemoveItem(qint16 position);
    void Clear();

    QString List(qint16 position) const;
    qint16 ListCount() const { return qint16(m_items.size()); }
    qint16 ListIndex() const { return m_listIndex; }
    void SetListIndex(qint16 position);

    const QList<QString> &items() const { return m_items; }

    friend bool operator==(const ItemList &, const ItemList &) = default;

private:
    QList<QString> m_items;
    qint16 m_listIndex = -1;
};

} // namespace playfair
