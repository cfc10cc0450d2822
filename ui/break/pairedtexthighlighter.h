#pragma once

#include <QSyntaxHighlighter>

namespace playfair {

// Colours the lines of a PairedTextView: cipher lines muted, and on the plain
// lines each letter that matches the true plaintext on a light green ground,
// and the pairs likely garbled underlined with a red wave.
// The text is laid out in groups of three lines (cipher, plain, blank), each
// of `pairsPerLine` pairs; lines after the last group are left alone.
class PairedTextHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT

public:
    explicit PairedTextHighlighter(QTextDocument *document);

    // Takes effect at the next change of the document.
    void setLayout(int pairsPerLine, int groups, const QString &truth, const QList<int> &garbled);

protected:
    void highlightBlock(const QString &text) override;

private:
    int m_pairsPerLine = 1;
    int m_groups = 0;
    QString m_truth;
    QList<int> m_garbled; // ascending
};

} // namespace playfair
