#include "fitting/confidence_band.h"

#include <cmath>

namespace ajuste {

std::optional<double> bandHalfWidth(const FitResult& fit, double t)
{
    const Fixed held{!fit.uncertainty.a, !fit.uncertainty.c, !fit.uncertainty.t0};
    if (held.a && held.c && held.t0)
        return std::nullopt;
    const Params& p = fit.params;
    const PerParameter<double> g = partials(p, held, t, std::exp(exponent(p, t)));
    // Each gradient times its standard error first: gᵀCg = Σ vₖ·vₗ·rₖₗ
    // has no square of a's units until the end.
    PerParameter<double> v;
    for (Parameter k : kParameters)
        v[k] = held[k] ? 0.0 : g[k] * fit.uncertainty[k]->standardError;
    double variance = 0.0;
    for (Parameter k : kParameters)
        for (Parameter l : kParameters)
            if (!held[k] && !held[l])
                variance += v[k] * v[l] * fit.correlation[k][l];
    const double half = tQuantile95(fit.dof) * std::sqrt(variance);
    return std::isfinite(half) ? std::optional(half) : std::nullopt;
}

} // namespace ajuste
