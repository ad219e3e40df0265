#include "fitting/evaluation.h"

#include "common/numeric_error.h"

#include <algorithm>
#include <array>
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
    k.fv = e * p.a;
    k.residual = k.fv - y;
    const double twice = 2.0 * k.residual;
    k.partials = partials(p, fixed, t, e);
    k.next = {sums.derL + twice * k.partials.a, sums.derC + twice * k.partials.c, sums.derT + twice * k.partials.t0,
              sums.errorCuad + std::pow(k.residual, 2.0)};
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

// The exponentials go first, in a loop of their own: they do not depend on
// one another, so the processor overlaps them, where each sum waits for the
// one before. One exponential per point serves f and the three derivatives,
// and each point is computed once, then checked as it is added.
void addPointSums(Sums& sums, const Params& p, const Fixed& fixed,
                  std::span<const double> t, std::span<const double> y)
{
    constexpr std::size_t kChunk = 32;
    std::array<double, kChunk> u, e;
    for (std::size_t first = 0; first < t.size(); first += kChunk) {
        const std::size_t n = std::min(kChunk, t.size() - first);
        for (std::size_t i = 0; i < n; ++i) {
            u[i] = (t[first + i] - p.t0) * p.c;
            e[i] = std::exp(u[i]);
        }
        for (std::size_t i = 0; i < n; ++i)
            addPoint(sums, termsAt(sums, p, fixed, t[first + i], y[first + i], u[i], e[i]));
    }
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
