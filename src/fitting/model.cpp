#include "fitting/model.h"

#include "fitting/numeric_error.h"

#include <cmath>

namespace ajuste {

namespace {

// exp reports its own overflow as inf; underflow to 0 is no error.
double growth(const Params& p, double t)
{
    const double u = checked((t - p.t0) * p.c);
    return checked(std::exp(u));
}

} // namespace

double f(const Params& p, double t)
{
    return checked(growth(p, t) * p.a);
}

double parL(const Params& p, bool fixed, double t)
{
    if (fixed)
        return 0.0;
    return growth(p, t);
}

double parC(const Params& p, bool fixed, double t)
{
    if (fixed)
        return 0.0;
    const double e = growth(p, t);
    return checked(((t - p.t0) * p.a) * e);
}

double parT(const Params& p, bool fixed, double t)
{
    if (fixed)
        return 0.0;
    const double e = growth(p, t);
    return checked((-p.a * p.c) * e);
}

} // namespace ajuste
