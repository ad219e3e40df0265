#include "fitting/descent.h"

#include "fitting/numeric_error.h"

namespace ajuste {

void descend(Params& p, double h, const Sums& s)
{
    p.c = checked(p.c - h * s.derC);
    p.a = checked(p.a - h * s.derL);
    p.t0 = checked(p.t0 - h * s.derT);
}

bool runBatch(Params& p, Sums& s, const Fixed& fixed,
              std::span<const double> t, std::span<const double> y,
              double errorAnt, double h, int passes)
{
    for (int k = 0; k < passes; ++k) {
        s = Sums{};
        addPointSums(s, p, fixed, t, y);
        if (errorGrew(s.errorCuad, errorAnt))
            return true;
        descend(p, h, s);
    }
    return false;
}

} // namespace ajuste
