#include "graph/plot.h"

#include "common/numeric_error.h"

#include <cmath>

namespace ajuste {

double graphX(double t)
{
    return checked(t * 240 + 1200);
}

double graphY(double v, double ymax)
{
    return checked((ymax - v) * 4000 / ymax);
}

bool sampleShown(double v, CurveRule rule)
{
    return rule == CurveRule::Within10 ? std::fabs(v) < 10 : v < 30;
}

} // namespace ajuste
