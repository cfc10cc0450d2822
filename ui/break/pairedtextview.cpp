#include "pairedtextview.h"

#include "pairedtexthighlighter.h"

#include <QEvent>
#include <QFontDatabase>
#include <QScrollBar>

namespace playfair {

PairedTextView::PairedTextView(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Always there, so that its coming and going cannot change the width
    // the lines are laid out for.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_highlighter = new PairedTextHighlighter(document());
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(12);
    setFont(fixed);
}

PairedTextView::~PairedTextView() = default;

QColor PairedTextView::rightColour()
{
    return {160, 255, 160};
}

QColor PairedTextView::garbledColour()
{
    return {220, 0, 0};
}

int PairedTextView::pairsPerLine() const
{
    const int letter = qMax(1, fontMetrics().horizontalAdvance(u'M'));
    const int room = viewport()->width() - 2 * int(document()->documentMargin());
    // n pairs take 3n - 1 letters.
    return qMax(1, (room + letter) / (3 * letter));
}

void PairedTextView::setTexts(const QString &cipher, const QString &plain, const QString &truth,
                              const QList<int> &garbled)
{
    if (cipher == m_cipher && plain == m_plain && truth == m_truth && garbled == m_garbled)
        return;
    m_cipher = cipher;
    m_plain = plain;
    m_truth = truth;
    m_garbled = garbled;
    m_laidPairs = 0;
    lay();
}

void PairedTextView::lay()
{
    const int perLine = pairsPerLine();
    const qsizetype shown = qMin(m_cipher.size(), shownLetters);
    const qsizetype pairs = (shown + 1) / 2;
    const int groups = int((pairs + perLine - 1) / perLine);

    QString text;
    text.reserve(3 * shown + 64);
    for (int group = 0; group < groups; ++group) {
        const qsizetype from = qsizetype(group) * perLine * 2;
        const qsizetype to = qMin(from + qsizetype(perLine) * 2, shown);
        for (const QString *letters : {&m_cipher, &m_plain}) {
            for (qsizetype i = from; i < to && i < letters->size(); i += 2) {
                if (i > from)
                    text += u' ';
                text += letters->mid(i, 2);
            }
            text += u'\n';
        }
        if (group + 1 < groups)
            text += u'\n';
    }
    if (shown < m_cipher.size())
        text += u'\n' + tr("… и още %1 букви").arg(m_cipher.size() - shown);
    else if (text.endsWith(u'\n'))
        text.chop(1);

    m_laidPairs = perLine;
    m_highlighter->setLayout(perLine, groups, m_truth, m_garbled);
    if (text == toPlainText()) {
        if (m_truth != m_markedTruth || m_garbled != m_markedGarbled)
            m_highlighter->rehighlight();
    } else {
        QScrollBar *bar = verticalScrollBar();
        const int top = bar->value();
        setPlainText(text);
        bar->setValue(top);
    }
    m_markedTruth = m_truth;
    m_markedGarbled = m_garbled;
}

void PairedTextView::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    if (pairsPerLine() != m_laidPairs)
        lay();
}

void PairedTextView::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LanguageChange)
        lay();
}

} // namespace playfair
