#pragma once

#include "fitting/least_squares.h"

#include <optional>

namespace ajuste {

// The half-width of the 95 % confidence band of the fitted curve at t, by
// the delta method: t₀.₉₇₅ · √(gᵀ C g), g the gradient of f in the fitted
// parameters, C their covariance. Nothing when the fit has no
// uncertainties or the width is beyond the doubles.
std::optional<double> bandHalfWidth(const FitResult& fit, double t);

} // namespace ajuste
