#pragma once

#include "fitting/nonlinear_fit.h"

#include <span>

namespace ajuste {

// The squared error of the best constant, the mean.
double spread(std::span<const double> y);

// The problem's start is a minimum, the problem in the data's own
// units (DataScale): the squared error's gradient vanishes in every fitted
// parameter, relative to the error and to how much the parameter moves the
// curve, or else to what rounding leaves at each point; the curve has not
// run off to where it is 0 at some points, as it does when c heads for ±∞
// with no minimum; and, with a and c both fitted, the error is no larger
// than the best constant's (a = mean, c = 0), which this model can always
// reach.
bool isMinimum(const FitProblem& problem);

} // namespace ajuste
