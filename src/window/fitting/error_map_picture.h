#pragma once

#include "fitting/confidence_region.h"
#include "fitting/descent_path.h"
#include "window/fitting/error_map_layers.h"

#include <QFont>
#include <QRectF>

#include <functional>
#include <optional>

class QPainter;

namespace ajuste {

// What stands on the layers: where the parameters are, where "Un paso"
// would take them, the path so far and the least-squares optimum with its
// confidence region.
struct MapMarks {
    Params current;
    std::optional<Params> stepEnd;
    std::optional<Params> optimum;
    std::optional<ConfidenceRegion> region; // about the optimum, of the plane's two parameters
};

struct MapPicture {
    const MapLayers& layers;
    const MapMarks& marks;
    const std::vector<PathPoint>& path;
    std::function<QString(double)> text; // in the user's notation
    QFont font;
};

// Where the colour bar's labels stand, from 0 at its foot to 1 at its top.
struct BarLabel {
    double fraction;
    QString text;
};

// Each differs from the next.
std::vector<BarLabel> barLabels(const MapPicture& picture);
// Where the cells lie in a picture of this size, in its logical pixels:
// around them the axes and the colour bar.
QRectF plotArea(const QSizeF& size, const MapPicture& picture);
// Where the parameters stand on the cells, in the same pixels.
QPointF placeOnPlot(const QRectF& plot, const ErrorSurface& surface, const Params& p);
// From (0, 0), at this size.
void paintMap(QPainter& painter, const QSizeF& size, const MapPicture& picture);

} // namespace ajuste
