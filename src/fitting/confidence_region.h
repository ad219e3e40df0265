#pragma once

#include "common/range.h"
#include "fitting/least_squares.h"

#include <optional>
#include <utility>
#include <vector>

namespace ajuste {

// The joint 95 % confidence region of two fitted parameters: the ellipse
// of their covariance scaled to √(p·F₀.₉₅(p, n − p)), p the parameters
// fitted, where the linearised squared error reaches its least value
// × (1 + p/(n − p)·F).
struct ConfidenceRegion {
    Parameter x, y;
    double majorHalfAxis, minorHalfAxis; // in the mixed units the covariance has
    std::vector<std::pair<double, double>> outline; // (x, y) values around it, closed
    Range xExtent, yExtent;     // how far it reaches along each
    Range xInterval, yInterval; // each parameter's own 95 % interval
};

// Nothing unless both parameters have uncertainties.
std::optional<ConfidenceRegion> confidenceRegion(const FitResult& fit, Parameter x, Parameter y);

} // namespace ajuste
