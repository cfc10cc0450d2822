#include "scoreplot.h"

#include "workspace/uilanguage.h"

#include <QEvent>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

namespace playfair {

namespace {

const QColor lineColour(0, 0, 200);
const QColor randomColour(128, 128, 128);
const QColor languageColour(200, 100, 0);
const QColor trueColour(0, 140, 0);

constexpr double dotRadius = 2.5;
constexpr double lineGap = 3; // between a landmark's line and its name

// The end of the time axis: the first of these at or past `seconds`.
double timeSpan(double seconds)
{
    static constexpr std::array spans{2.0, 5.0, 10.0, 15.0, 20.0, 30.0, 45.0, 60.0, 90.0, 120.0, 180.0, 300.0, 600.0};
    for (double span : spans) {
        if (seconds <= span)
            return span;
    }
    return std::ceil(seconds / 600) * 600;
}

// A tick step that gives four to ten ticks over `span`.
double tickStep(double span)
{
    static constexpr std::array steps{0.5, 1.0, 2.0, 5.0, 10.0, 15.0, 30.0, 60.0, 120.0};
    for (double step : steps) {
        if (span / step <= 10)
            return step;
    }
    return span / 5;
}

QString secondsLabel(double seconds)
{
    //: The time axis's last figure, in seconds: "30 с" in Bulgarian.
    return ScorePlot::tr("%1 с").arg(uiLocale().toString(seconds, 'g', 4));
}

// What a name's box must keep clear of: the other landmarks' lines, the
// step line, the dot and the names already placed.
struct Obstacles
{
    QList<double> lines;
    QList<QRectF> boxes;

    // How much of `box` they cover, in square pixels; a line counts as a
    // band two pixels high.
    double overlap(const QRectF &box) const
    {
        double covered = 0;
        for (double y : lines) {
            const QRectF band(box.left(), y - 1, box.width(), 2);
            const QRectF common = box.intersected(band);
            covered += common.width() * common.height() + (box.top() <= y && y <= box.bottom() ? 1 : 0);
        }
        for (const QRectF &other : boxes) {
            const QRectF common = box.intersected(other);
            covered += common.width() * common.height() + (box.intersects(other) ? 1 : 0);
        }
        return covered;
    }
};

// The box for a name beside its line at `y`: the first place that is clear,
// nearest the line first (above, then below), from the preferred end
// along; else the least covered place right beside the line.
QRectF placeName(QSizeF size, double y, bool rightFirst, const QRectF &area, const Obstacles &obstacles)
{
    const double inset = 4;
    const double left = area.left() + inset;
    const double right = std::max(left, area.right() - inset - size.width());
    const double step = 8;
    QList<double> xs;
    for (double x = 0; x <= right - left; x += step)
        xs << (rightFirst ? right - x : left + x);
    if (xs.constLast() != (rightFirst ? left : right))
        xs << (rightFirst ? left : right);

    QRectF best;
    double bestCover = -1;
    // Farther than three names' height from its line a name no longer reads
    // as its line's.
    for (double gap = lineGap; gap <= lineGap + 3 * size.height(); gap += 2) {
        for (double top : {y - gap - size.height(), y + gap}) {
            for (double x : std::as_const(xs)) {
                const QRectF box(QPointF(x, top), size);
                if (!area.contains(box))
                    continue;
                const double cover = obstacles.overlap(box);
                if (cover == 0)
                    return box;
                if (gap == lineGap && (bestCover < 0 || cover < bestCover)) {
                    best = box;
                    bestCover = cover;
                }
            }
        }
    }
    return bestCover < 0 ? QRectF(QPointF(left, y - lineGap - size.height()), size) : best;
}

} // namespace

ScorePlot::ScorePlot(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("График на оценката"));
}

void ScorePlot::changeEvent(QEvent *event)
{
    // The landmarks' names are written as the plot is painted, which the
    // new language brings about.
    if (event->type() == QEvent::LanguageChange)
        setAccessibleName(tr("График на оценката"));
    QWidget::changeEvent(event);
}

void ScorePlot::setLevels(double random, double language)
{
    m_random = random;
    m_language = language;
    update();
}

void ScorePlot::setTrueScore(std::optional<double> score)
{
    m_trueScore = score;
    update();
}

void ScorePlot::setPoints(const QList<QPointF> &points)
{
    m_points = points;
}

// Both grow with the font, which grows with the zoom; the sizes are
// those of the window's font, 12 points.
QSize ScorePlot::sizeHint() const
{
    return (QSizeF(320, 170) * (font().pointSizeF() / 12)).toSize();
}

QSize ScorePlot::minimumSizeHint() const
{
    return (QSizeF(240, 130) * (font().pointSizeF() / 12)).toSize();
}

QFont ScorePlot::smallFont() const
{
    QFont small = font();
    small.setPointSizeF(font().pointSizeF() * 0.8);
    return small;
}

ScorePlot::Layout ScorePlot::layoutAt(QSize size) const
{
    Layout layout;
    const QFontMetricsF metrics(smallFont());
    const QLocale locale = uiLocale();

    // The score axis spans the landmarks and every point, in whole units.
    double low = m_random;
    double high = std::max(m_language, m_trueScore.value_or(m_language));
    for (const QPointF &point : m_points) {
        low = std::min(low, point.y());
        high = std::max(high, point.y());
    }
    layout.low = std::floor(low - 0.2);
    layout.high = std::ceil(high + 0.2);
    layout.timeSpan = timeSpan(m_points.isEmpty() ? 0 : m_points.constLast().x());

    const double left = metrics.horizontalAdvance(locale.toString(-10)) + 8;
    const double bottom = metrics.height() + 6;
    const double right = metrics.horizontalAdvance(secondsLabel(600)) / 2 + 2;
    const QRectF area(left, metrics.height() / 2 + 2, size.width() - left - right,
                      size.height() - bottom - metrics.height() / 2 - 2);
    if (area.width() < 10 || area.height() < 10)
        return layout;
    layout.area = area;
    const auto at = [&](double seconds, double score) {
        return QPointF(area.left() + area.width() * seconds / layout.timeSpan,
                       area.bottom() - area.height() * (score - layout.low) / (layout.high - layout.low));
    };

    Obstacles obstacles;
    if (!m_points.isEmpty()) {
        // A corner where the score rises, and the end: a search reports far
        // more often than its best score changes.
        layout.line << at(m_points.constFirst().x(), m_points.constFirst().y());
        for (qsizetype i = 1; i < m_points.size(); ++i) {
            if (m_points[i].y() != m_points[i - 1].y())
                layout.line << at(m_points[i].x(), m_points[i - 1].y()) << at(m_points[i].x(), m_points[i].y());
        }
        const QPointF end = at(m_points.constLast().x(), m_points.constLast().y());
        if (layout.line.constLast() != end)
            layout.line << end;
        layout.dot = QRectF(end - QPointF(dotRadius, dotRadius), QSizeF(2 * dotRadius, 2 * dotRadius));
        obstacles.boxes << layout.dot.adjusted(-1, -1, 1, 1);
        for (qsizetype i = 1; i < layout.line.size(); ++i)
            obstacles.boxes << QRectF(layout.line[i - 1], layout.line[i]).normalized().adjusted(-1.5, -1.5, 1.5, 1.5);
    }

    layout.landmarks = {{tr("случайни букви"), randomColour, at(0, m_random).y(), {}},
                        {tr("обикновен текст"), languageColour, at(0, m_language).y(), {}}};
    if (m_trueScore)
        layout.landmarks.append({tr("истинският текст"), trueColour, at(0, *m_trueScore).y(), {}});
    // The true text's name goes first to the right, where the step line ends
    // up, so that the two names of close lines stand apart.
    for (qsizetype i = 0; i < layout.landmarks.size(); ++i) {
        Layout::Landmark &landmark = layout.landmarks[i];
        Obstacles around = obstacles;
        for (qsizetype other = 0; other < layout.landmarks.size(); ++other) {
            if (other != i)
                around.lines << layout.landmarks[other].y;
        }
        const QSizeF size(metrics.horizontalAdvance(landmark.name), metrics.height());
        landmark.label = placeName(size, landmark.y, i == 2, area, around);
        obstacles.boxes << landmark.label;
    }
    return layout;
}

void ScorePlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFont small = smallFont();
    painter.setFont(small);
    const QFontMetricsF metrics(small);
    const QLocale locale = uiLocale();

    const Layout layout = layoutAt(size());
    const QRectF &area = layout.area;
    if (area.isEmpty())
        return;
    const auto at = [&](double seconds, double score) {
        return QPointF(area.left() + area.width() * seconds / layout.timeSpan,
                       area.bottom() - area.height() * (score - layout.low) / (layout.high - layout.low));
    };

    painter.setPen(QColor(225, 225, 225));
    for (double score = layout.low; score <= layout.high; score += 1)
        painter.drawLine(at(0, score), at(layout.timeSpan, score));
    const double step = tickStep(layout.timeSpan);
    painter.setPen(Qt::black);
    for (double score = layout.low; score <= layout.high; score += 1) {
        const QPointF p = at(0, score);
        painter.drawText(QRectF(0, p.y() - metrics.height() / 2.0, area.left() - 5, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, locale.toString(score, 'f', 0));
    }
    for (double seconds = 0; seconds <= layout.timeSpan + 1e-9; seconds += step) {
        const QPointF p = at(seconds, layout.low);
        painter.drawLine(p, p + QPointF(0, 3));
        const QString label = seconds + step > layout.timeSpan + 1e-9 ? secondsLabel(seconds)
                                                                       : locale.toString(seconds, 'g', 4);
        const qreal w = metrics.horizontalAdvance(label);
        const qreal x = std::min(p.x() - w / 2, qreal(width()) - w - 1);
        painter.drawText(QPointF(x, area.bottom() + 4 + metrics.ascent()), label);
    }
    painter.drawRect(area);

    for (const Layout::Landmark &landmark : layout.landmarks) {
        painter.setPen(QPen(landmark.colour, 1, Qt::DashLine));
        painter.drawLine(QPointF(area.left(), landmark.y), QPointF(area.right(), landmark.y));
        painter.drawText(landmark.label, Qt::AlignLeft | Qt::AlignVCenter, landmark.name);
    }

    if (layout.line.isEmpty())
        return;
    QPainterPath path(layout.line.constFirst());
    for (qsizetype i = 1; i < layout.line.size(); ++i)
        path.lineTo(layout.line[i]);
    painter.setPen(QPen(lineColour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.setClipRect(area.adjusted(-4, -4, 4, 4));
    painter.drawPath(path);
    // A dot where the line ends, so that a search that ends on its first
    // square, as a key word's often does, still shows its score.
    painter.setBrush(lineColour);
    painter.drawEllipse(layout.dot);
}

} // namespace playfair
