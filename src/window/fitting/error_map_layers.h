#pragma once

#include "fitting/error_surface.h"

#include <QImage>
#include <QPainterPath>

#include <optional>
#include <vector>

namespace ajuste {

// The colour of an overflowed cell, under its hatching.
inline constexpr QRgb kOverflowGrey = qRgb(190, 190, 190);

// What the map shows of one surface, worked out once for every paint.
struct MapLayers {
    ErrorSurface surface;
    std::optional<Range> logs;         // the colours' span of the error's logarithm
    std::vector<double> levels;       // the contours', round and evenly spaced in it
    QImage colours;                   // a pixel a cell, the highest row on top
    std::vector<QPainterPath> lines;  // a contour a level, in grid coordinates
    QPainterPath overflow;            // the overflowed cells, in grid coordinates
};

MapLayers mapLayers(ErrorSurface surface);

} // namespace ajuste
