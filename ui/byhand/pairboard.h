#pragma once

#include <QList>
#include <QScrollArea>

class QGridLayout;
class QLabel;
class QLineEdit;

namespace playfair {

// The board: the ciphertext as numbered pairs, each with a box under it for
// the plain pair the pupil guesses (accessible names "Двойка 1", …). A pair
// whose plain letters follow shows them in its empty box, in another colour;
// a guess that was not taken stays in its box in red until the next change.
// It wraps the pairs to its width and scrolls.
class PairBoard : public QScrollArea
{
    Q_OBJECT

public:
    struct Pair
    {
        QString cipher;
        QString guess;     // what the box holds
        QString following; // the letters that follow, for an empty box
        bool rejected = false;
        bool reversed = false; // its reverse occurs too
        bool repeated = false; // it occurs more than once
        bool marked = false;   // the lesson points at it
        QString tip;
    };

    explicit PairBoard(QWidget *parent = nullptr);

    // Shows the pairs; the boxes are made anew only when the ciphertext
    // changes. A box the user is typing in keeps what is typed.
    void showPairs(const QList<Pair> &pairs);
    int pairCount() const { return int(m_boxes.size()); }
    QLineEdit *box(int pair) const { return m_boxes.value(pair); }
    void retranslate();

Q_SIGNALS:
    // A box's text, when the user leaves it or presses Enter.
    void guessEntered(int pair, const QString &text);
    // The boxes were made anew, for a new ciphertext.
    void boxesMade();

protected:
    void resizeEvent(QResizeEvent *event) override;
    // A larger font (the zoom) makes wider boxes.
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void rebuild(const QList<Pair> &pairs);
    void arrange();
    void sizeCells();

    QWidget *m_content = nullptr;
    QGridLayout *m_grid = nullptr;
    QList<QWidget *> m_cells;
    QList<QLabel *> m_ciphers;
    QList<QLineEdit *> m_boxes;
    QStringList m_shownCiphers;
    int m_columns = 0;
};

} // namespace playfair
