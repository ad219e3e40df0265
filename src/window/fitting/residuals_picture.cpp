#include "window/fitting/residuals_picture.h"

#include "graph/ticks.h"
#include "window/palette.h"
#include "window/texts.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace ajuste {

namespace {

// Logical pixels.
constexpr double kGap = 6;
constexpr double kMark = 4;
constexpr double kDotRadius = 3.5;

struct Axes {
    QRectF plot;
    std::vector<double> across, up; // the ticks
};

Axes layOut(const QSizeF& size, const ResidualsPicture& picture)
{
    const QFontMetricsF metrics(picture.font);
    Axes axes{{}, ticks(picture.plot.t.low, picture.plot.t.high),
              ticks(picture.plot.residual.low, picture.plot.residual.high)};
    double widest = 0.0;
    for (double value : axes.up)
        widest = std::max(widest, metrics.horizontalAdvance(picture.text(value)));
    const double line = metrics.height();
    const double left = kGap + widest + kMark + 2, top = kGap + 2 * line + kGap;
    const double right = kGap + metrics.horizontalAdvance(picture.text(axes.across.back())) / 2;
    const double bottom = kMark + 2 + 2 * line + kGap;
    axes.plot = QRectF(left, top, std::max(1.0, size.width() - left - right), std::max(1.0, size.height() - top - bottom));
    return axes;
}

QPointF placeOf(const QRectF& plot, const ResidualsPlot& residuals, double t, double r)
{
    return {plot.left() + residuals.t.fractionOf(t) * plot.width(),
            plot.bottom() - residuals.residual.fractionOf(r) * plot.height()};
}

void paintAxes(QPainter& painter, const Axes& axes, const ResidualsPicture& picture)
{
    const QRectF& plot = axes.plot;
    const double line = QFontMetricsF(picture.font).height();
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    for (double t : axes.across) {
        const double x = placeOf(plot, picture.plot, t, 0).x();
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + kMark));
        painter.drawText(QRectF(x - plot.width(), plot.bottom() + kMark + 2, 2 * plot.width(), line),
                         Qt::AlignHCenter | Qt::AlignTop, picture.text(t));
    }
    for (double r : axes.up) {
        const double y = placeOf(plot, picture.plot, 0, r).y();
        painter.drawLine(QPointF(plot.left() - kMark, y), QPointF(plot.left(), y));
        painter.drawText(QRectF(0, y - line / 2, plot.left() - kMark - 2, line), Qt::AlignRight | Qt::AlignVCenter,
                         picture.text(r));
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + kMark + 2 + line, plot.width(), line), Qt::AlignHCenter, "t");
    painter.drawText(QRectF(plot.left(), plot.top() - kGap - line, plot.width(), line), Qt::AlignLeft,
                     texts::kResidualAxis);
}

// The line at 0 in the curve's colour, as a point on it leaves nothing.
void paintPoints(QPainter& painter, const QRectF& plot, const ResidualsPicture& picture)
{
    if (picture.plot.overflowed) {
        painter.setPen(Qt::black);
        painter.drawText(plot, Qt::AlignCenter | Qt::TextWordWrap, texts::kResidualsOverflow);
        return;
    }
    painter.setPen(QPen(palette::red, 1));
    const double zero = placeOf(plot, picture.plot, 0, 0).y();
    painter.drawLine(QPointF(plot.left(), zero), QPointF(plot.right(), zero));
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::blue);
    for (const Residual& point : picture.plot.points)
        painter.drawEllipse(placeOf(plot, picture.plot, point.t, point.residual), kDotRadius, kDotRadius);
}

} // namespace

void paintResiduals(QPainter& painter, const QSizeF& size, const ResidualsPicture& picture)
{
    const Axes axes = layOut(size, picture);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(QPointF(), size), Qt::white);
    painter.setFont(picture.font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, kGap, size.width(), QFontMetricsF(picture.font).height()), Qt::AlignHCenter,
                     picture.plot.title);
    painter.save();
    painter.setClipRect(axes.plot, Qt::IntersectClip);
    paintPoints(painter, axes.plot, picture);
    painter.restore();
    paintAxes(painter, axes, picture);
    painter.restore();
}

} // namespace ajuste
