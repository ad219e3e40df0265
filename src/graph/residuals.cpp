#include "graph/residuals.h"

#include "common/numeric_error.h"
#include "graph/ticks.h"
#include "graph/world.h"

#include <algorithm>
#include <cmath>

namespace ajuste {

namespace {

constexpr double kSpare = 0.05;

} // namespace

std::vector<Residual> residuals(const Params& p, std::span<const double> t, std::span<const double> y)
{
    std::vector<Residual> points;
    forEachPoint(p, t, [&](std::size_t i, double u, double e) {
        const double f = checkedValue(p, u, e);
        points.push_back({t[i], y[i], f, checked(y[i] - f)});
    });
    return points;
}

Range residualRange(std::span<const Residual> residuals)
{
    double largest = 0.0;
    for (const Residual& r : residuals)
        largest = std::max(largest, std::abs(r.residual));
    if (largest < kNarrowestSpan)
        return {-1.0, 1.0};
    const double reach = checked(largest + largest * kSpare);
    const RoundStep step = roundStep(-reach, reach);
    const double m = checked(step.at(step.multipleAbove(reach)));
    return {-m, m};
}

} // namespace ajuste
