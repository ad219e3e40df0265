#include "fitting/descent.h"

#include "common/numeric_error.h"

namespace ajuste {

void descend(Params& p, const StepSizes& h, const Sums& sums)
{
    p.c = checked(p.c - h.c * sums.derC);
    p.a = checked(p.a - h.a * sums.derL);
    p.t0 = checked(p.t0 - h.t0 * sums.derT);
}

Params nextStep(Params p, const StepSizes& h, const Fixed& fixed, std::span<const double> t,
                std::span<const double> y)
{
    Sums sums;
    addPointSums(sums, p, fixed, t, y);
    descend(p, h, sums);
    return p;
}

bool runBatch(Params& p, Sums& sums, const Fixed& fixed,
              std::span<const double> t, std::span<const double> y,
              double errorAnt, const StepSizes& h, int passes, std::vector<Params>* path)
{
    for (int k = 0; k < passes; ++k) {
        sums = Sums{};
        addPointSums(sums, p, fixed, t, y);
        if (errorGrew(sums.errorCuad, errorAnt))
            return true;
        descend(p, h, sums);
        if (path)
            path->push_back(p);
    }
    return false;
}

} // namespace ajuste
