#include "fitting/model.h"

#include "common/numeric_error.h"

#include <cmath>

namespace ajuste {

// exp reports its own overflow as inf; underflow to 0 is no error.
double f(const Params& p, double t)
{
    const double u = checked((t - p.t0) * p.c);
    return checked(checked(std::exp(u)) * p.a);
}

} // namespace ajuste
