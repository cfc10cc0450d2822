#include "itemlist.h"

#include "errors.h"

#include <limits>

namespace playfair {

namespace {

void checkPosition(const ItemList &list, qint16 position)
{
    if (position < 0 || position >= list.ListCount())
        throw InvalidCallError(RuntimeError::tr("Списъкът няма ред с номер %1 (редовете са %2).")
                                   .arg(position)
                                   .arg(list.ListCount()));
}

} // namespace

void ItemList::AddItem(const QString &item)
{
    if (m_items.size() >= std::numeric_limits<qint16>::max())
        throw OverflowError(RuntimeError::tr("Препълване: списъкът не може да има повече от 32767 реда."));
    m_items.append(item);
}

void ItemList::RemoveItem(qint16 position)
{
    checkPosition(*this, position);
    m_items.removeAt(position);
    // The selection follows its item; a removed selected item leaves none.
    if (m_listIndex == position)
        m_listIndex = -1;
    else if (m_listIndex > position)
        --m_listIndex;
}

void ItemList::Clear()
{
    m_items.clear();
    m_listIndex = -1;
}

QString ItemList::List(qint16 position) const
{
    checkPosition(*this, position);
    return m_items.at(position);
}

void ItemList::SetListIndex(qint16 position)
{
    if (position != -1)
        checkPosition(*this, position);
    m_listIndex = position;
}

} // namespace playfair
