#include "pairdelegate.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>

namespace playfair {

namespace {

QStyle *styleOf(const QStyleOptionViewItem &option)
{
    return option.widget ? option.widget->style() : QApplication::style();
}

// How far the pair reaches from where it starts: its advance, or further
// where a letter's ink overhangs it (the right arm of a serif W does).
int extentOf(const QFontMetrics &metrics, const QString &text)
{
    return std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).right() + 1);
}

} // namespace

void PairDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;

    // The style draws the row's background, selection and focus frame; the
    // pair is drawn below, placed to fit.
    item.text.clear();
    QStyle *style = styleOf(item);
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);
    if (text.isEmpty())
        return;

    QPalette::ColorGroup group = item.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(item.state & QStyle::State_Active))
        group = QPalette::Inactive;
    const QPalette::ColorRole role = item.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;

    const QRect row = item.rect;
    const QFontMetrics metrics(item.font);
    const int extent = extentOf(metrics, text);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &item, item.widget) + 1;
    const int left = std::clamp(row.width() - extent, 0, margin);

    painter->save();
    painter->setFont(item.font);
    painter->setPen(item.palette.color(group, role));
    painter->translate(row.left() + left, 0);
    if (extent > row.width())
        painter->scale(qreal(row.width()) / extent, 1);
    painter->drawText(QRect(0, row.top(), extent, row.height()), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      text);
    painter->restore();
}

QSize PairDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // Only the height: the row takes the list's width.
    return {0, QStyledItemDelegate::sizeHint(option, index).height()};
}

} // namespace playfair
