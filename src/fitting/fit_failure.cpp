#include "fitting/fit_failure.h"

#include <algorithm>
#include <cmath>

namespace ajuste {

namespace {

// The least squared error as c goes to +∞ (at the latest time) or to −∞
// (at the earliest), a free: the curve vanishes but at that time, where
// it takes the mean of the points there.
double errorAtUnboundedRate(std::span<const double> t, std::span<const double> y, double extreme)
{
    double sum = 0.0, squares = 0.0, count = 0.0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        squares += y[i] * y[i];
        if (t[i] == extreme) {
            sum += y[i];
            ++count;
        }
    }
    return squares - sum * sum / count;
}

} // namespace

FitStatus whyNoMinimum(const Params& start, const PerParameter<bool>& fitted, std::span<const double> t,
                       std::span<const double> y)
{
    const double atStart = squaredError(start, t, y);
    if (!std::isfinite(atStart))
        return FitStatus::StartOverflows;
    if (!fitted.a || !fitted.c || t.empty())
        return FitStatus::NotConverged;
    const auto [earliest, latest] = std::ranges::minmax(t);
    const double unbounded =
        std::min(errorAtUnboundedRate(t, y, earliest), errorAtUnboundedRate(t, y, latest));
    return unbounded < atStart ? FitStatus::NoMinimum : FitStatus::NotConverged;
}

} // namespace ajuste
