#pragma once

#include <QStyledItemDelegate>

namespace playfair {

// Draws the rows of a narrow list box so that every pair stays readable in
// full. A row is always as wide as the list's text area and never asks for
// more, so the list never needs a horizontal scroll bar, whatever its pairs.
// The pair stands at the style's usual left margin where it has the room;
// a wide pair ("MW", "WM", "WW") gives up the margin, and a pair wider than
// the whole row is narrowed to fit it rather than cut off or shortened to
// "M…".
class PairDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

} // namespace playfair
