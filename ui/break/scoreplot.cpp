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

QSize ScorePlot::sizeHint() const
{
    return {320, 170};
}

QSize ScorePlot::minimumSizeHint() const
{
    return {240, 130};
}

void ScorePlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);

    QFont small = font();
    small.setPointSizeF(font().pointSizeF() * 0.8);
    painter.setFont(small);
    const QFontMetrics metrics(small);
    const QLocale locale = uiLocale();

    // The score axis spans the landmarks and every point, in whole units.
    double low = m_random;
    double high = std::max(m_language, m_trueScore.value_or(m_language));
    for (const QPointF &point : m_points) {
        low = std::min(low, point.y());
        high = std::max(high, point.y());
    }
    low = std::floor(low - 0.2);
    high = std::ceil(high + 0.2);
    const double span = timeSpan(m_points.isEmpty() ? 0 : m_points.constLast().x());

    const int left = metrics.horizontalAdvance(locale.toString(-10)) + 8;
    const int bottom = metrics.height() + 6;
    const int right = metrics.horizontalAdvance(QStringLiteral("600 s")) / 2 + 2;
    const QRectF area(left, metrics.height() / 2 + 2, width() - left - right,
                      height() - bottom - metrics.height() / 2 - 2);
    if (area.width() < 10 || area.height() < 10)
        return;
    const auto at = [&](double seconds, double score) {
        return QPointF(area.left() + area.width() * seconds / span,
                       area.bottom() - area.height() * (score - low) / (high - low));
    };

    painter.setPen(QColor(225, 225, 225));
    for (double score = low; score <= high; score += 1)
        painter.drawLine(at(0, score), at(span, score));
    const double step = tickStep(span);
    painter.setPen(Qt::black);
    for (double score = low; score <= high; score += 1) {
        const QPointF p = at(0, score);
        painter.drawText(QRectF(0, p.y() - metrics.height() / 2.0, left - 5, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, locale.toString(score, 'f', 0));
    }
    for (double seconds = 0; seconds <= span + 1e-9; seconds += step) {
        const QPointF p = at(seconds, low);
        painter.drawLine(p, p + QPointF(0, 3));
        const QString label = seconds + step > span + 1e-9
            ? QStringLiteral("%1 s").arg(locale.toString(seconds, 'g', 4))
            : locale.toString(seconds, 'g', 4);
        const qreal w = metrics.horizontalAdvance(label);
        const qreal x = std::min(p.x() - w / 2, qreal(width()) - w - 1);
        painter.drawText(QPointF(x, area.bottom() + 4 + metrics.ascent()), label);
    }
    painter.drawRect(area);

    // The landmarks, each named above its line: the true text's at the
    // right, where the step line ends up, so that it never covers the
    // language's name when the two are close.
    const auto landmark = [&](double score, const QColor &colour, const QString &name, bool right) {
        painter.setPen(QPen(colour, 1, Qt::DashLine));
        painter.drawLine(at(0, score), at(span, score));
        const qreal x = right ? area.right() - 4 - metrics.horizontalAdvance(name) : area.left() + 4;
        painter.drawText(QPointF(x, at(0, score).y() - 3), name);
    };
    landmark(m_random, randomColour, tr("случайни букви"), false);
    landmark(m_language, languageColour, tr("обикновен текст"), false);
    if (m_trueScore)
        landmark(*m_trueScore, trueColour, tr("истинският текст"), true);

    if (m_points.isEmpty())
        return;
    QPainterPath path(at(m_points.constFirst().x(), m_points.constFirst().y()));
    for (qsizetype i = 1; i < m_points.size(); ++i) {
        path.lineTo(at(m_points[i].x(), m_points[i - 1].y()));
        path.lineTo(at(m_points[i].x(), m_points[i].y()));
    }
    painter.setPen(QPen(lineColour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.setClipRect(area.adjusted(-4, -4, 4, 4));
    painter.drawPath(path);
    // A dot where the line ends, so that a search that ends on its first
    // square, as a key word's often does, still shows its score.
    painter.setBrush(lineColour);
    painter.drawEllipse(at(m_points.constLast().x(), m_points.constLast().y()), 2.5, 2.5);
}

} // namespace playfair
