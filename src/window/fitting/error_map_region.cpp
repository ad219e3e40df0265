#include "window/fitting/error_map_region.h"

#include "window/fitting/error_map_picture.h"

#include <QPainter>
#include <QPolygonF>

namespace ajuste {

namespace {

constexpr double kShadowWidth = 5;

} // namespace

void paintRegion(QPainter& painter, const QRectF& plot, const MapPicture& picture)
{
    const std::optional<ConfidenceRegion>& region = picture.marks.region;
    if (!region || !picture.marks.optimum)
        return;
    const ErrorSurface& surface = picture.layers.surface;
    auto at = [&](double x, double y) {
        Params p = *picture.marks.optimum;
        p[region->x] = x;
        p[region->y] = y;
        return placeOnPlot(plot, surface, p);
    };
    QPolygonF outline;
    for (const auto& [x, y] : region->outline)
        outline << at(x, y);
    painter.setBrush(Qt::NoBrush);
    for (const auto& [colour, style] : {std::pair{QColor(Qt::black), Qt::SolidLine}, std::pair{QColor(Qt::white), Qt::DashLine}}) {
        painter.setPen(QPen(colour, 2, style));
        painter.drawPolyline(outline);
    }
    const QPointF low = at(region->xInterval.low, region->yInterval.low);
    const QPointF high = at(region->xInterval.high, region->yInterval.high);
    painter.setPen(QPen(Qt::white, kShadowWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(low.x(), plot.bottom() - kShadowWidth / 2), QPointF(high.x(), plot.bottom() - kShadowWidth / 2));
    painter.drawLine(QPointF(plot.left() + kShadowWidth / 2, low.y()), QPointF(plot.left() + kShadowWidth / 2, high.y()));
}

} // namespace ajuste
