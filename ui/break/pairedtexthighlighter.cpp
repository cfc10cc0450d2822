#include "pairedtexthighlighter.h"

#include "pairedtextview.h"

#include <QTextBlock>

#include <algorithm>

namespace playfair {

PairedTextHighlighter::PairedTextHighlighter(QTextDocument *document)
    : QSyntaxHighlighter(document)
{
}

void PairedTextHighlighter::setLayout(int pairsPerLine, int groups, const QString &truth, const QList<int> &garbled)
{
    m_pairsPerLine = pairsPerLine;
    m_groups = groups;
    m_truth = truth;
    m_garbled = garbled;
}

void PairedTextHighlighter::highlightBlock(const QString &text)
{
    const int line = currentBlock().blockNumber();
    if (line >= 3 * m_groups)
        return;
    if (line % 3 == 0) {
        setFormat(0, int(text.size()), QColor(70, 70, 140));
        return;
    }
    if (line % 3 != 1 || (m_truth.isEmpty() && m_garbled.isEmpty()))
        return;
    const qsizetype first = qsizetype(line / 3) * m_pairsPerLine * 2;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i % 3 == 2)
            continue;
        const qsizetype letter = first + (i / 3) * 2 + i % 3;
        QTextCharFormat format;
        if (letter < m_truth.size() && text[i] == m_truth[letter])
            format.setBackground(PairedTextView::rightColour());
        if (std::binary_search(m_garbled.begin(), m_garbled.end(), int(letter / 2))) {
            format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
            format.setUnderlineColor(PairedTextView::garbledColour());
            format.setForeground(PairedTextView::garbledColour());
        }
        if (format.propertyCount() > 0)
            setFormat(int(i), 1, format);
    }
}

} // namespace playfair
