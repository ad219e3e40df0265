#pragma once

#include "fitting/least_squares.h"

#include <span>

namespace ajuste {

// Why no minimum was reached from start: StartOverflows when the model
// overflows there; NoMinimum when a is free with c and the squared error,
// as c grows without bound either way, falls below its value at the start,
// so that an exponential does not describe the data; else NotConverged.
FitStatus whyNoMinimum(const Params& start, const PerParameter<bool>& fitted, std::span<const double> t,
                       std::span<const double> y);

} // namespace ajuste
