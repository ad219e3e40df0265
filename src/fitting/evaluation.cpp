#include "fitting/evaluation.h"

#include "fitting/numeric_error.h"

#include <cmath>

namespace ajuste {

namespace {

// One point's terms with a check at each step where separate calls of f and
// the derivatives, and each sum, would raise their error.
void addPointChecked(Sums& s, const Params& p, const Fixed& fixed, double t, double y)
{
    const double d = t - p.t0;
    const double e = checked(std::exp(checked(d * p.c)));
    const double fv = checked(e * p.a);
    const double twice = 2.0 * (fv - y);

    const double dL = fixed.a ? 0.0 : e;
    s.derL = checked(s.derL + twice * dL);

    const double dC = fixed.c ? 0.0 : checked((d * p.a) * e);
    s.derC = checked(s.derC + twice * dC);

    const double dT = fixed.t0 ? 0.0 : checked((-p.a * p.c) * e);
    s.derT = checked(s.derT + twice * dT);

    const double residual = checked(fv - y);
    s.errorCuad = checked(s.errorCuad + std::pow(residual, 2.0));
}

} // namespace

// One exponential per point serves f and the three derivatives, which would
// each compute the same value again. A point is computed without stopping
// and its results tested at once; only a point where some step failed is
// taken again step by step, which raises the error exactly where separate
// calls would, with the sums as far as they had got.
void addPointSums(Sums& s, const Params& p, const Fixed& fixed,
                  std::span<const double> t, std::span<const double> y)
{
    for (std::size_t i = 0; i < t.size(); ++i) {
        const double d = t[i] - p.t0;
        const double u = d * p.c;
        const double e = std::exp(u);
        const double fv = e * p.a;
        const double residual = fv - y[i];
        const double twice = 2.0 * residual;
        const double dC = fixed.c ? 0.0 : (d * p.a) * e;
        const double dT = fixed.t0 ? 0.0 : (-p.a * p.c) * e;
        const Sums next{s.derL + twice * (fixed.a ? 0.0 : e), s.derC + twice * dC, s.derT + twice * dT,
                        s.errorCuad + std::pow(residual, 2.0)};
        // inf and NaN survive a sum; a sum of large finite values that
        // overflows only sends the point down the careful path.
        const double all = u + e + fv + residual + dC + dT + next.derL + next.derC + next.derT + next.errorCuad;
        if (std::isfinite(all))
            s = next;
        else
            addPointChecked(s, p, fixed, t[i], y[i]);
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
