#pragma once

#include <QRectF>

class QPainter;

namespace ajuste {

struct MapPicture;

// The joint 95 % confidence region of the plane's two parameters around the
// optimum, when the marks hold one: its outline dashed over the cells, and
// each parameter's 95 % interval as a bar along its axis, the region's
// shadow there.
void paintRegion(QPainter& painter, const QRectF& plot, const MapPicture& picture);

} // namespace ajuste
