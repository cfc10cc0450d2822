#pragma once

#include <QColor>
#include <QPushButton>

namespace playfair {

// A push button whose face is painted in its own colour on every widget
// style, with the classic raised bevel, a centred caption and a focus frame.
class ColourButton : public QPushButton
{
    Q_OBJECT

public:
    ColourButton(const QString &text, const QColor &face, QWidget *parent = nullptr);

    QColor face() const { return m_face; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_face;
};

} // namespace playfair
