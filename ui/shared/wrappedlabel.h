#pragma once

#include <QLabel>

namespace playfair {

// A label of plain text that wraps and is never cut off: its minimum height
// follows the height its text needs at its present width, so that no layout
// squeezes it and a window cannot be made too small to show it whole.
class WrappedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit WrappedLabel(const QString &text = QString(), QWidget *parent = nullptr);

    // Shows `text` and claims the height it needs.
    void setWrappedText(const QString &text);
    // The label is never lower than this, whatever its text.
    void setLeastHeight(int height);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fitHeight();

    int m_leastHeight = 0;
};

} // namespace playfair
