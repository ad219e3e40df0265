#include "fitting/error_surface.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace ajuste {

namespace {

struct Corner {
    GridPoint at;
    double value;
};

// Where the level crosses the edge from a to b, if it does.
std::optional<GridPoint> crossing(const Corner& a, const Corner& b, double level)
{
    if ((a.value > level) == (b.value > level))
        return std::nullopt;
    const double f = (level - a.value) / (b.value - a.value);
    return GridPoint{a.at.column + f * (b.at.column - a.at.column), a.at.row + f * (b.at.row - a.at.row)};
}

// One square of four cell centres, corners taken round it: the level cuts
// two of its edges, or all four at a saddle, where the value at the centre
// decides which corners the two lines cut off.
void addSquare(std::vector<ContourSegment>& segments, const std::array<Corner, 4>& corners, double level)
{
    std::array<std::optional<GridPoint>, 4> cut;
    std::array<GridPoint, 4> points;
    int count = 0;
    for (int edge = 0; edge < 4; ++edge)
        if ((cut[edge] = crossing(corners[edge], corners[(edge + 1) % 4], level)))
            points[count++] = *cut[edge];
    if (count == 2) {
        segments.push_back({points[0], points[1]});
        return;
    }
    if (count != 4)
        return;
    double centre = 0.0;
    for (const Corner& corner : corners)
        centre += corner.value / 4;
    if ((centre > level) == (corners[0].value > level))
        segments.insert(segments.end(), {{*cut[0], *cut[1]}, {*cut[2], *cut[3]}});
    else
        segments.insert(segments.end(), {{*cut[3], *cut[0]}, {*cut[1], *cut[2]}});
}

} // namespace

Parameter heldParameter(ParameterPair pair)
{
    for (Parameter k : kParameters)
        if (k != pair.across && k != pair.up)
            return k;
    return pair.across;
}

Params ErrorSurface::at(double column, double row) const
{
    Params p = base;
    p[pair.across] = across.at((column + 0.5) / columns);
    p[pair.up] = up.at((row + 0.5) / rows);
    return p;
}

ErrorSurface errorSurface(ParameterPair pair, const Params& base, Range across, Range up, int columns, int rows,
                          std::span<const double> t, std::span<const double> y)
{
    ErrorSurface surface{pair, base, across, up, columns, rows, {}};
    surface.errors.reserve(std::size_t(columns) * rows);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            surface.errors.push_back(squaredError(surface.at(column, row), t, y));
    return surface;
}

std::optional<Range> logSpan(const ErrorSurface& surface)
{
    double least = std::numeric_limits<double>::infinity();
    double greatest = 0.0;
    for (double error : surface.errors)
        if (error > 0.0 && !overflowed(error)) {
            least = std::min(least, error);
            greatest = std::max(greatest, error);
        }
    if (!(least < greatest))
        return std::nullopt;
    return Range{std::log10(least), std::log10(greatest)};
}

std::vector<std::vector<ContourSegment>> contours(const ErrorSurface& surface, std::span<const double> levels)
{
    std::vector<std::vector<ContourSegment>> segments(levels.size());
    const std::optional<Range> logs = logSpan(surface);
    if (!logs)
        return segments;
    std::vector<double> values;
    values.reserve(surface.errors.size());
    for (double error : surface.errors)
        values.push_back(error > 0.0 ? std::log10(error) : logs->low);
    auto corner = [&](int column, int row) {
        return Corner{{double(column), double(row)}, values[std::size_t(row) * surface.columns + column]};
    };
    for (int row = 0; row + 1 < surface.rows; ++row)
        for (int column = 0; column + 1 < surface.columns; ++column) {
            const std::array corners{corner(column, row), corner(column + 1, row), corner(column + 1, row + 1),
                                     corner(column, row + 1)};
            if (std::ranges::any_of(corners, [](const Corner& c) { return overflowed(c.value); }))
                continue;
            // A level crosses the square when some corner is above it and some not.
            const auto [lowest, highest] = std::ranges::minmax(corners, {}, &Corner::value);
            for (auto k = std::ranges::lower_bound(levels, lowest.value); k != levels.end() && *k < highest.value; ++k)
                addSquare(segments[std::size_t(k - levels.begin())], corners, *k);
        }
    return segments;
}

} // namespace ajuste
