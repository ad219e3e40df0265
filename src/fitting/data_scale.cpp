#include "fitting/data_scale.h"

#include "common/numeric_error.h"

#include <algorithm>
#include <cmath>

namespace ajuste {

// Halves first, so that a range wider than the largest double still fits.
DataScale::DataScale(std::span<const double> t, std::span<const double> y)
{
    if (!t.empty()) {
        const auto [lowest, highest] = std::ranges::minmax(t);
        const double half = checked(highest / 2 - lowest / 2);
        origin_ = checked(lowest + half);
        if (half > 0.0)
            span_ = half;
    }
    double largest = 0.0;
    for (double v : y)
        largest = std::max(largest, std::fabs(v));
    if (largest > 0.0)
        size_ = largest;
    for (double v : t)
        t_.push_back(timeToScaled(v));
    for (double v : y)
        y_.push_back(v / size_);
}

double DataScale::timeToScaled(double t) const
{
    return checked(checked(t - origin_) / span_);
}

Params DataScale::toScaled(const Params& p) const
{
    return {checked(p.a / size_), checked(p.c * span_), timeToScaled(p.t0)};
}

Params DataScale::fromScaled(const Params& q) const
{
    const Params change = changeFromScaled(q);
    return {change.a, change.c, checked(origin_ + change.t0)};
}

Params DataScale::changeFromScaled(const Params& dq) const
{
    return {checked(dq.a * size_), checked(dq.c / span_), checked(dq.t0 * span_)};
}

} // namespace ajuste
