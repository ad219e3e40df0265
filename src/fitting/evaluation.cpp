#include "fitting/evaluation.h"

#include "fitting/numeric_error.h"

#include <cmath>

namespace ajuste {

// One exponential per point serves f and the three derivatives, which would
// each compute the same value again. The checks stand where each of those
// calls and each sum would raise its error, so sums and errors come out
// bit for bit as with separate calls.
void addPointSums(Sums& s, const Params& p, const Fixed& fixed,
                  std::span<const double> t, std::span<const double> y)
{
    for (std::size_t i = 0; i < t.size(); ++i) {
        const double d = t[i] - p.t0;
        const double e = checked(std::exp(checked(d * p.c)));
        const double fv = checked(e * p.a);
        const double twice = 2.0 * (fv - y[i]);

        const double dL = fixed.a ? 0.0 : e;
        s.derL = checked(s.derL + twice * dL);

        const double dC = fixed.c ? 0.0 : checked((d * p.a) * e);
        s.derC = checked(s.derC + twice * dC);

        const double dT = fixed.t0 ? 0.0 : checked((-p.a * p.c) * e);
        s.derT = checked(s.derT + twice * dT);

        const double residual = checked(fv - y[i]);
        s.errorCuad = checked(s.errorCuad + std::pow(residual, 2.0));
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
