#include "fitting/model.h"

#include "common/numeric_error.h"

#include <cmath>

namespace ajuste {

// exp reports its own overflow as inf; underflow to 0 is no error.
double growthFactor(const Params& p, double t)
{
    return checked(std::exp(checked((t - p.t0) * p.c)));
}

double f(const Params& p, double t)
{
    return checked(growthFactor(p, t) * p.a);
}

} // namespace ajuste
