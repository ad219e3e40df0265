#include "graph/plot.h"

#include "common/numeric_error.h"

#include <cmath>

namespace ajuste {

double graphX(double t)
{
    return checked(t * kTwipsPerUnitT + kZeroX);
}

double graphY(double v, double ymax)
{
    return checked((ymax - v) * kGraphHeight / ymax);
}

bool sampleShown(double v, CurveRule rule)
{
    return rule == CurveRule::Within10 ? std::fabs(v) < 10 : v < 30;
}

} // namespace ajuste
