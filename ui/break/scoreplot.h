#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QWidget>

#include <optional>

namespace playfair {

// The best score of a search over time, painted as a rising step line that
// ends in a dot, with dashed lines at the landmarks: letters at random,
// ordinary text of the language and, when the key is known, the true
// plaintext's own score. The time axis grows with the search; the score
// axis spans the landmarks. Each landmark is named beside its line, where
// the name keeps clear of the other lines, the step line and the dot.
class ScorePlot : public QWidget
{
    Q_OBJECT

public:
    // Where the parts of the plot stand at a size of the widget.
    struct Layout
    {
        struct Landmark
        {
            QString name;
            QColor colour;
            double y = 0;   // its dashed line
            QRectF label;   // its name's box
        };
        QRectF area;              // inside the axes; empty when too small to plot
        double timeSpan = 0;      // seconds at the right end
        double low = 0, high = 0; // scores at the bottom and the top
        QList<Landmark> landmarks;
        QPolygonF line; // the step line's corners
        QRectF dot;     // where it ends; empty without points
    };

    explicit ScorePlot(QWidget *parent = nullptr);

    void setLevels(double random, double language);
    void setTrueScore(std::optional<double> score);

    // The scores at their seconds into the search; shown at the next paint.
    void setPoints(const QList<QPointF> &points);
    const QList<QPointF> &points() const { return m_points; }

    Layout layoutAt(QSize size) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QFont smallFont() const;

    QList<QPointF> m_points;
    double m_random = -7;
    double m_language = -4;
    std::optional<double> m_trueScore;
};

} // namespace playfair
