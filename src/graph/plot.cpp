#include "graph/plot.h"

#include "common/numeric_error.h"

#include <cmath>

namespace ajuste {

double graphX(double t)
{
    return checked(t * kTwipsPerUnitT + kZeroX);
}

double graphX(double t, const World& world)
{
    return graphX(boxT(boxMap(world), t));
}

double graphY(double v, const View& view)
{
    if (view.log) {
        const double decades = view.log->high - view.log->low;
        return checked((view.log->high - std::log10(v)) * kGraphHeight / decades);
    }
    const World& world = view.world;
    return checked((world.yHigh - v) * kGraphHeight / (world.yHigh - world.yLow));
}

std::optional<double> zeroLineX(const World& world)
{
    if (world.tLow <= 0 && world.tHigh >= 0)
        return graphX(0.0, world);
    return std::nullopt;
}

bool sampleShown(double v, CurveRule rule)
{
    return rule == CurveRule::Within10 ? std::fabs(v) < 10 : v < 30;
}

} // namespace ajuste
