#include "fitting/confidence_region.h"

#include <gsl/gsl_cdf.h>

#include <cmath>
#include <numbers>

namespace ajuste {

namespace {

constexpr int kOutlinePoints = 96;

} // namespace

std::optional<ConfidenceRegion> confidenceRegion(const FitResult& fit, Parameter x, Parameter y)
{
    if (!fit.uncertainty[x] || !fit.uncertainty[y])
        return std::nullopt;
    const double sx = fit.uncertainty[x]->standardError, sy = fit.uncertainty[y]->standardError;
    const double r = fit.correlation[x][y];
    const double radius =
        std::sqrt(fit.fittedCount * gsl_cdf_fdist_Pinv(0.95, fit.fittedCount, fit.dof));
    // The eigenvalues of the 2 × 2 covariance, the smaller from their
    // product, the determinant, where a difference would lose its digits.
    const double across = std::sqrt(std::max(1 - r * r, 0.0));
    const double larger = (sx * sx + sy * sy) / 2 + std::hypot((sx * sx - sy * sy) / 2, r * sx * sy);
    const double major = std::sqrt(larger);
    const double cx = fit.params[x], cy = fit.params[y];
    const double hx = fit.uncertainty[x]->halfWidth95, hy = fit.uncertainty[y]->halfWidth95;
    ConfidenceRegion region{x, y, radius * major, radius * sx * sy * across / major, {},
                            {cx - radius * sx, cx + radius * sx}, {cy - radius * sy, cy + radius * sy},
                            {cx - hx, cx + hx}, {cy - hy, cy + hy}};
    if (!std::isfinite(region.majorHalfAxis) || !std::isfinite(region.minorHalfAxis))
        return std::nullopt;
    // The unit circle through the covariance's Cholesky factor.
    for (int k = 0; k <= kOutlinePoints; ++k) {
        const double angle = 2 * std::numbers::pi * k / kOutlinePoints;
        const double u = std::cos(angle), v = std::sin(angle);
        region.outline.push_back({cx + radius * sx * u, cy + radius * sy * (r * u + across * v)});
    }
    return region;
}

} // namespace ajuste
