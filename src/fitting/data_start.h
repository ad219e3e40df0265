#pragma once

#include "fitting/model.h"

#include <span>
#include <variant>

namespace ajuste {

// Why the data give no start.
enum class NoDataStart {
    TooFewPoints,      // fewer than two points of the more common sign at different times
    FixedAOfOtherSign, // a is fixed at 0 or at the sign that fewer points have
    OutOfRange,        // a or c from the line is not a finite number
};

// Starting values read off the data: the least-squares line of ln|y|
// against t − t0 through the points of the more common sign (positive
// when there are as many negative), with a = sign·e^intercept and
// c = slope. A fixed c leaves only the intercept to fit, a fixed a only the
// slope. t0 is kept as it is: it is the origin of the line's time, so that
// the start's a is the curve's value there, as the fit's own a is.
std::variant<Params, NoDataStart> startFromData(const Params& current, const Fixed& fixed,
                                                std::span<const double> t, std::span<const double> y);

} // namespace ajuste
