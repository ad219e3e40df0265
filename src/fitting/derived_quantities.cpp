#include "fitting/derived_quantities.h"

#include <cmath>
#include <numbers>

namespace ajuste {

namespace {

// k/|c|, whose change with c is k/c² times c's.
std::optional<RateQuantity> reciprocalRate(const FitResult& fit, double k)
{
    const double c = fit.params.c;
    const double value = k / std::fabs(c);
    if (c == 0.0 || !std::isfinite(value))
        return std::nullopt;
    RateQuantity quantity{c > 0.0, value, std::nullopt};
    const double slope = value / std::fabs(c);
    if (const std::optional<Uncertainty>& u = fit.uncertainty.c; u && std::isfinite(slope))
        quantity.uncertainty = Uncertainty{u->standardError * slope, u->halfWidth95 * slope};
    return quantity;
}

} // namespace

std::optional<RateQuantity> timeConstant(const FitResult& fit)
{
    return reciprocalRate(fit, 1.0);
}

std::optional<RateQuantity> halfLife(const FitResult& fit)
{
    return reciprocalRate(fit, std::numbers::ln2);
}

std::vector<Correlation> correlations(const FitResult& fit)
{
    std::vector<Correlation> pairs;
    for (std::size_t i = 0; i < kParameters.size(); ++i)
        for (std::size_t j = i + 1; j < kParameters.size(); ++j)
            if (fit.uncertainty[kParameters[i]] && fit.uncertainty[kParameters[j]])
                pairs.push_back({kParameters[i], kParameters[j], fit.correlation[kParameters[i]][kParameters[j]]});
    return pairs;
}

} // namespace ajuste
