#include "wrappedlabel.h"

#include <QEvent>

#include <algorithm>

namespace playfair {

WrappedLabel::WrappedLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void WrappedLabel::setWrappedText(const QString &text)
{
    if (text == this->text())
        return;
    setText(text);
    fitHeight();
}

void WrappedLabel::setLeastHeight(int height)
{
    m_leastHeight = height;
    setMinimumHeight(std::max(minimumHeight(), height));
    fitHeight();
}

void WrappedLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fitHeight();
}

void WrappedLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitHeight();
}

void WrappedLabel::fitHeight()
{
    // Until a layout has given the label its width, the width is a
    // default that says nothing of the room it will have.
    if (!testAttribute(Qt::WA_Resized) && minimumWidth() != maximumWidth())
        return;
    const int width = minimumWidth() == maximumWidth() ? minimumWidth() : this->width();
    const int needed = std::max(m_leastHeight, heightForWidth(width));
    if (needed != minimumHeight())
        setMinimumHeight(needed);
}

} // namespace playfair
