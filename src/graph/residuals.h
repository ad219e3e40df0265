#pragma once

#include "common/range.h"
#include "fitting/model.h"

#include <span>
#include <vector>

namespace ajuste {

// A point against the curve: what the curve leaves of its y.
struct Residual {
    double t = 0.0;
    double y = 0.0;
    double f = 0.0;        // f(t)
    double residual = 0.0; // y − f(t)

    bool operator==(const Residual&) const = default;
};

// One a point, in index order. Throws NumericError where f(t) or y − f(t)
// is not finite.
std::vector<Residual> residuals(const Params& p, std::span<const double> t, std::span<const double> y);

// The vertical axis for the residuals: symmetric about 0, from −m to m, m
// the first multiple of a round step at or above the largest |y − f(t)|
// with 5 % of it to spare; −1 … 1 when every residual is within 10^−300 of
// 0, or there is none. Throws NumericError when m is not finite.
Range residualRange(std::span<const Residual> residuals);

} // namespace ajuste
