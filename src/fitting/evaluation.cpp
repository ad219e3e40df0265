#include "fitting/evaluation.h"

#include "common/numeric_error.h"

#include <cmath>

namespace ajuste {

namespace {

// One point's values, computed straight through: an inf or NaN is carried
// along, not raised. u = c·(t − t0) and e = exp(u) come from the caller.
struct Terms {
    double u, e, fv, residual;
    PerParameter<double> partials;
    Sums next;
};

Terms termsAt(const Sums& sums, const Params& p, const Fixed& fixed, double t, double y, double u, double e)
{
    Terms k;
    k.u = u;
    k.e = e;
    k.fv = value(p, e);
    k.residual = k.fv - y;
    const double twice = 2.0 * k.residual;
    k.partials = partials(p, fixed, t, e);
    k.next = {sums.derL + twice * k.partials.a, sums.derC + twice * k.partials.c, sums.derT + twice * k.partials.t0,
              sums.errorCuad + squared(k.residual)};
    return k;
}

// Takes the point into the sums in the order of the formulas (f, then each
// derivative's term and its sum, then the squared residual), checking every
// step, so an error is raised where separate calls of f and the derivatives
// would raise it, with the sums as far as they had got.
void addPoint(Sums& sums, const Terms& k)
{
    checked(k.u);
    checked(k.e);
    checked(k.fv);
    sums.derL = checked(k.next.derL);
    checked(k.partials.c);
    sums.derC = checked(k.next.derC);
    checked(k.partials.t0);
    sums.derT = checked(k.next.derT);
    checked(k.residual);
    sums.errorCuad = checked(k.next.errorCuad);
}

} // namespace

// Each point is computed once, one exponential serving f and the three
// derivatives, then checked as it is added.
void addPointSums(Sums& sums, const Params& p, const Fixed& fixed,
                  std::span<const double> t, std::span<const double> y)
{
    forEachPoint(p, t, [&](std::size_t i, double u, double e) {
        addPoint(sums, termsAt(sums, p, fixed, t[i], y[i], u, e));
    });
}

double normalisedError(double errorCuad, int npuntos, double ymedia)
{
    const double meanSquare = checked(errorCuad / npuntos);
    return checked(std::sqrt(meanSquare) / ymedia * 100.0);
}

bool errorGrew(double errorCuad, double errorAnt)
{
    return checked(errorCuad - errorAnt) > 0.0;
}

} // namespace ajuste
