#include "window/graph/figure.h"

#include "window/graph/graph_widget.h"
#include "window/twips.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace ajuste {

namespace {

inline constexpr int kMargin = 8; // logical pixels round the figure and above its lines

QRect drawingBounds(const Figure& figure)
{
    QRect bounds = figure.graphPlace;
    for (const PlacedText& number : figure.axisNumbers)
        bounds |= number.place;
    return bounds;
}

} // namespace

QSize figureSize(const Figure& figure)
{
    const QFontMetricsF metrics(figure.font);
    const QRect bounds = drawingBounds(figure);
    qreal width = bounds.width();
    for (const QString& line : figure.lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    const qreal height = bounds.height() + kMargin + metrics.lineSpacing() * figure.lines.size();
    // Whole pixels, so that at a whole ratio the dots fall on whole pixels.
    return QSize(int(std::ceil(width)), int(std::ceil(height))) + QSize(2 * kMargin, 2 * kMargin);
}

void paintFigure(QPainter& painter, const QRectF& target, const Figure& figure)
{
    const QRect bounds = drawingBounds(figure);
    painter.save();
    painter.fillRect(target, Qt::white);
    fitInto(painter, target, figureSize(figure));
    painter.translate(kMargin - bounds.left(), kMargin - bounds.top()); // to the window's coordinates

    painter.save();
    painter.translate(figure.graphPlace.topLeft());
    figure.graph.paint(painter);
    painter.restore();

    painter.setFont(figure.font);
    painter.setPen(Qt::black);
    for (const PlacedText& number : figure.axisNumbers)
        painter.drawText(number.place, int(number.align), number.text);
    const QFontMetricsF metrics(figure.font);
    QPointF baseline(bounds.left(), bounds.bottom() + 1 + kMargin + metrics.ascent());
    for (const QString& line : figure.lines) {
        painter.drawText(baseline, line);
        baseline.ry() += metrics.lineSpacing();
    }
    painter.restore();
}

Picture figurePicture(const Figure& figure)
{
    return {figureSize(figure), figure.graph.pixelsPerTwip() * kTwipsPerInch,
            [figure](QPainter& painter, const QRectF& target) { paintFigure(painter, target, figure); }};
}

} // namespace ajuste
