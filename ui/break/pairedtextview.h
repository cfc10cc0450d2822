#pragma once

#include <QPlainTextEdit>

namespace playfair {

class PairedTextHighlighter;

// A read-only text of cipher pairs with the plain pairs under them, line
// for line, in a fixed-pitch font so that each plain pair stands under its
// cipher pair:
//
//     BM OD ZB XD NA BE
//     HI DE TH EG OL DI
//
// Lines are filled to the width of the box and laid out again when it is
// resized. With the true plaintext given, the plain letters already right
// are marked; the plain pairs likely garbled are underlined. A long text is
// shown up to `shownLetters` letters.
class PairedTextView : public QPlainTextEdit
{
    Q_OBJECT

public:
    static constexpr qsizetype shownLetters = 4000;

    explicit PairedTextView(QWidget *parent = nullptr);
    ~PairedTextView() override;

    // Letters A..Z, `plain` as long as `cipher` or empty (nothing found yet);
    // `garbled`: the plain pairs (from 0) to underline.
    void setTexts(const QString &cipher, const QString &plain, const QString &truth = QString(),
                  const QList<int> &garbled = {});
    const QList<int> &garbled() const { return m_garbled; }
    QString cipher() const { return m_cipher; }
    QString plain() const { return m_plain; }

    // Pairs on one line at the box's present width.
    int pairsPerLine() const;

    static QColor rightColour();
    static QColor garbledColour();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void lay();

    QString m_cipher;
    QString m_plain;
    QString m_truth;
    QList<int> m_garbled;
    QString m_markedTruth; // the truth the shown text was coloured for
    QList<int> m_markedGarbled;
    int m_laidPairs = 0;
    PairedTextHighlighter *m_highlighter = nullptr;
};

} // namespace playfair
