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
        t_.push_back(checked(checked(v - origin_) / span_));
    for (double v : y)
        y_.push_back(v / size_);
}

Params DataScale::toScaled(const Params& p) const
{
    return {checked(p.a / size_), checked(p.c * span_), checked(checked(p.t0 - origin_) / span_)};
}

Params DataScale::fromScaled(const Params& q) const
{
    return {checked(q.a * size_), checked(q.c / span_), checked(origin_ + checked(q.t0 * span_))};
}

} // namespace ajuste
