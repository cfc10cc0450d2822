#include "colourbutton.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace playfair {

ColourButton::ColourButton(const QString &text, const QColor &face, QWidget *parent)
    : QPushButton(text, parent)
    , m_face(face)
{
}

void ColourButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool sunken = isDown() || isChecked();
    // A disabled button keeps a pale trace of its colour.
    const QColor grey = palette().color(QPalette::Button);
    const QBrush fill(isEnabled() ? m_face
                                  : QColor((m_face.red() + 3 * grey.red()) / 4, (m_face.green() + 3 * grey.green()) / 4,
                                           (m_face.blue() + 3 * grey.blue()) / 4));
    qDrawWinButton(&painter, rect(), palette(), sunken, &fill);

    QRect textRect = rect().adjusted(2, 2, -2, -2);
    if (sunken)
        textRect.translate(1, 1);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(textRect, Qt::AlignCenter, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        focus.backgroundColor = m_face;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

} // namespace playfair
