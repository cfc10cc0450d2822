#pragma once

#include <QList>
#include <QPointF>
#include <QWidget>

#include <optional>

namespace playfair {

// The best score of a search over time, painted as a rising step line that
// ends in a dot, with dashed lines at the landmarks: letters at random,
// ordinary text of the language and, when the key is known, the true
// plaintext's own score. The time axis grows with the search; the score
// axis spans the landmarks.
class ScorePlot : public QWidget
{
    Q_OBJECT

public:
    explicit ScorePlot(QWidget *parent = nullptr);

    void setLevels(double random, double language);
    void setTrueScore(std::optional<double> score);

    // The scores at their seconds into the search; shown at the next paint.
    void setPoints(const QList<QPointF> &points);
    const QList<QPointF> &points() const { return m_points; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QList<QPointF> m_points;
    double m_random = -7;
    double m_language = -4;
    std::optional<double> m_trueScore;
};

} // namespace playfair
