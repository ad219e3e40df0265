#include "window/fitting/error_map_layers.h"

#include "graph/ticks.h"
#include "window/fitting/viridis.h"

#include <cmath>

namespace ajuste {

namespace {

// Round levels of the error's logarithm, evenly spaced: the ticks' step,
// or the next finer round step when that gives fewer than seven, so that
// there are about ten.
std::vector<double> contourLevels(const Range& logs)
{
    std::vector<double> levels = ticks(logs.low, logs.high);
    if (levels.size() >= 7)
        return levels;
    const RoundStep step = roundStep(logs.low, logs.high);
    const RoundStep finer = step.mantissa == 1 ? RoundStep{5, step.exponent - 1}
                                               : RoundStep{step.mantissa == 2 ? 1 : 2, step.exponent};
    levels.clear();
    for (double k = finer.multipleAbove(logs.low); k <= finer.multipleBelow(logs.high); ++k)
        levels.push_back(finer.at(k));
    return levels;
}

QImage cellColours(const ErrorSurface& surface, const std::optional<Range>& logs)
{
    QImage image(surface.columns, surface.rows, QImage::Format_RGB32);
    for (int row = 0; row < surface.rows; ++row) {
        auto* pixels = reinterpret_cast<QRgb*>(image.scanLine(surface.rows - 1 - row));
        for (int column = 0; column < surface.columns; ++column) {
            const double error = surface.error(column, row);
            const double fraction = logs && error > 0.0 ? logs->fractionOf(std::log10(error)) : 0.0;
            pixels[column] = overflowed(error) ? kOverflowGrey : viridis(fraction);
        }
    }
    return image;
}

// The cells' edges lie half way between their centres.
QPainterPath overflowedCells(const ErrorSurface& surface)
{
    QPainterPath cells;
    for (int row = 0; row < surface.rows; ++row)
        for (int column = 0; column < surface.columns;) {
            int end = column;
            while (end < surface.columns && overflowed(surface.error(end, row)))
                ++end;
            if (end > column)
                cells.addRect(QRectF(column - 0.5, row - 0.5, end - column, 1));
            column = end + 1;
        }
    return cells;
}

QPainterPath contourLines(const std::vector<ContourSegment>& segments)
{
    QPainterPath lines;
    for (const auto& [from, to] : segments) {
        lines.moveTo(from.column, from.row);
        lines.lineTo(to.column, to.row);
    }
    return lines;
}

} // namespace

MapLayers mapLayers(ErrorSurface surface)
{
    MapLayers layers{std::move(surface), {}, {}, {}, {}, {}};
    layers.logs = logSpan(layers.surface);
    if (layers.logs)
        layers.levels = contourLevels(*layers.logs);
    layers.colours = cellColours(layers.surface, layers.logs);
    for (const std::vector<ContourSegment>& segments : contours(layers.surface, layers.levels))
        layers.lines.push_back(contourLines(segments));
    layers.overflow = overflowedCells(layers.surface);
    return layers;
}

} // namespace ajuste
