#include "fitting/least_squares.h"

#include "common/numeric_error.h"
#include "fitting/data_scale.h"
#include "fitting/data_start.h"
#include "fitting/fit_failure.h"
#include "fitting/minimum_test.h"
#include "fitting/nonlinear_fit.h"
#include "fitting/rate_starts.h"

#include <gsl/gsl_blas.h>
#include <gsl/gsl_cdf.h>
#include <gsl/gsl_multifit_nlinear.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace ajuste {

namespace {

// A parameter whose diagonal entry in R (pivoted QR of J, columns of unit
// length) is below this fraction of the first is taken as dependent on the
// others: past it (JᵀJ)⁻¹ has no correct digit left.
const double kDependence = std::sqrt(std::numeric_limits<double>::epsilon());
// Two optima whose sums of squares differ by less than this part are one.
constexpr double kSameOptimum = 1e-9;
// How many starts across the rates are tried besides the current
// parameters and the data's start.
constexpr std::size_t kRateStarts = 2;

// With a fitted and t0 not, the solver works with an origin of time of its
// own, whatever t0 is held; the optimum is moved back to it.
bool centred(const PerParameter<bool>& fitted)
{
    return fitted.a && !fitted.t0;
}

// The same curve with its origin of time at t0: a is its value there.
Params movedOrigin(const Params& q, double t0)
{
    return {f(q, t0), q.c, t0};
}

// The points' mean time weighted by the curve's squares, where the columns
// of a and c are orthogonal. At the data's middle instead, a point that
// outweighs the rest by many decades makes the columns parallel to within
// rounding, and the smaller points, which place the curve along the valley
// that the largest one sets, are lost in the difference.
Params atWeightedMiddle(const Params& q, std::span<const double> t)
{
    const double steepest = q.c < 0.0 ? std::ranges::min(t) : std::ranges::max(t);
    double weights = 0.0, moments = 0.0;
    for (double v : t) {
        const double w = squared(growthFactor({1.0, q.c, steepest}, v));
        weights += w;
        moments += w * v;
    }
    return movedOrigin(q, checked(moments / weights));
}

// (JᵀJ)⁻¹ of the scaled columns, row by row, and the lengths they had; or
// nothing when the fitted parameters are not independent at p. The columns
// are scaled to unit length first, so that the test of dependence does not
// depend on the parameters' units.
struct InverseNormal {
    std::vector<std::vector<double>> scaled;
    std::vector<double> lengths;
};

std::optional<InverseNormal> inverseNormal(const FitProblem& problem, const Params& p)
{
    const std::size_t n = problem.t.size(), m = problem.columns.size();
    const GslMatrix jacobian(gsl_matrix_alloc(n, m));
    const GslMatrix covariance(gsl_matrix_alloc(m, m));
    if (!jacobian || !covariance)
        return std::nullopt;
    fillJacobian(problem, p, jacobian.get());
    InverseNormal inverse{std::vector(m, std::vector<double>(m)), scaleColumnsToUnitLength(jacobian.get())};
    if (std::ranges::find(inverse.lengths, 0.0) != inverse.lengths.end() ||
        gsl_multifit_nlinear_covar(jacobian.get(), kDependence, covariance.get()) != GSL_SUCCESS)
        return std::nullopt;
    for (std::size_t k = 0; k < m; ++k) {
        // GSL zeroes the rows and columns of the dependent parameters.
        if (gsl_matrix_get(covariance.get(), k, k) == 0.0)
            return std::nullopt;
        for (std::size_t l = 0; l < m; ++l)
            inverse.scaled[k][l] = gsl_matrix_get(covariance.get(), k, l);
    }
    return inverse;
}

std::optional<double> rSquared(std::span<const double> y, double sse)
{
    const auto [lowest, highest] = std::ranges::minmax(y);
    if (lowest == highest)
        return std::nullopt;
    return checked(1.0 - checked(sse / spread(y)));
}

// Worked out in the data's own units, where no square overflows, and
// given in the user's.
void addUncertainties(FitResult& fit, const FitProblem& scaled, const Params& q, double variance,
                      const DataScale& scale)
{
    const std::optional<InverseNormal> inverse = inverseNormal(scaled, q);
    if (!inverse)
        return;
    const std::vector<Parameter>& columns = scaled.columns;
    const double quantile = tQuantile95(fit.dof);
    Params se{0.0, 0.0, 0.0};
    for (std::size_t k = 0; k < columns.size(); ++k) {
        const double diagonal = checked(inverse->scaled[k][k] / inverse->lengths[k] / inverse->lengths[k]);
        se[columns[k]] = checked(std::sqrt(checked(variance * diagonal)));
        for (std::size_t l = 0; l < columns.size(); ++l)
            fit.correlation[columns[k]][columns[l]] =
                inverse->scaled[k][l] / std::sqrt(inverse->scaled[k][k] * inverse->scaled[l][l]);
    }
    const Params standardError = scale.changeFromScaled(se);
    for (Parameter k : columns)
        fit.uncertainty[k] = Uncertainty{standardError[k], checked(quantile * standardError[k])};
}

void addStatistics(FitResult& fit, const Params& q, const DataScale& scale)
{
    const FitProblem scaled(q, fit.fitted, scale.t(), scale.y());
    const double sse = sumOfSquares(scaled, q);
    fit.rSquared = rSquared(scaled.y, sse);
    if (fit.dof == 0)
        return;
    const double variance = checked(sse / fit.dof);
    fit.s = checked(std::sqrt(variance) * scale.yUnit());
    addUncertainties(fit, scaled, q, variance, scale);
}

// The solver needs a finite sum of squares where it starts.
void requireFiniteStart(const FitProblem& problem)
{
    sumOfSquares(problem, problem.start);
}

// In the data's own units, the origin of time at the middle when centred.
struct Optimum {
    Params params;
    double sse;
    Start start;
};

// The solver starts at the data's middle when centred, where the trust
// region's steps are as well scaled as the data allow.
FitProblem solverProblem(const Params& p, const PerParameter<bool>& fitted, const DataScale& scale)
{
    return FitProblem(centred(fitted) ? movedOrigin(p, 0.0) : p, fitted, scale.t(), scale.y());
}

// Where it stops is tested, and finished, at the weighted middle.
FitProblem finishingProblem(const Params& p, const PerParameter<bool>& fitted, const DataScale& scale)
{
    return FitProblem(centred(fitted) ? atWeightedMiddle(p, scale.t()) : p, fitted, scale.t(), scale.y());
}

// The minimum the solver reaches from `from`; nothing when the start or the
// way overflows, the solver fails, or where it stops is no minimum.
std::optional<Optimum> minimumFrom(Start start, const Params& from, const PerParameter<bool>& fitted,
                                   const DataScale& scale)
{
    try {
        const FitProblem problem = solverProblem(from, fitted, scale);
        requireFiniteStart(problem);
        std::optional<Params> solution = levenbergMarquardt(problem);
        if (solution && !isMinimum(finishingProblem(*solution, fitted, scale)))
            solution = gaussNewton(finishingProblem(*solution, fitted, scale));
        if (!solution || !isMinimum(finishingProblem(*solution, fitted, scale)))
            return std::nullopt;
        return Optimum{*solution, sumOfSquares(problem, *solution), start};
    } catch (const NumericError&) {
        return std::nullopt;
    }
}

// A start in the solver's units, or nothing when it is beyond the doubles there.
std::optional<Params> solverStart(const Params& p, const DataScale& scale)
{
    try {
        return scale.toScaled(p);
    } catch (const NumericError&) {
        return std::nullopt;
    }
}

// The current one unless the other is lower.
void keepLower(std::optional<Optimum>& lowest, const std::optional<Optimum>& other)
{
    if (other && (!lowest || other->sse < (1.0 - kSameOptimum) * lowest->sse))
        lowest = other;
}

// The lowest of the minima from the current parameters, from the data's
// start and from the starts across the rates that lead elsewhere; the
// current one when they are the same.
std::optional<Optimum> lowestMinimum(const Params& current, const Fixed& fixed, const PerParameter<bool>& fitted,
                                     const DataScale& scale, std::span<const double> t, std::span<const double> y)
{
    std::optional<Optimum> lowest;
    std::vector<double> ratesFound;
    const auto tryFrom = [&](Start start, const Params& q) {
        const std::optional<Optimum> optimum = minimumFrom(start, q, fitted, scale);
        if (optimum)
            ratesFound.push_back(optimum->params.c);
        keepLower(lowest, optimum);
    };
    const std::optional<Params> fromCurrent = solverStart(current, scale);
    if (fromCurrent)
        tryFrom(Start::Current, *fromCurrent);
    const std::variant<Params, NoDataStart> dataStart = startFromData(current, fixed, t, y);
    if (const Params* fromData = std::get_if<Params>(&dataStart); fromData && *fromData != current)
        if (const std::optional<Params> q = solverStart(*fromData, scale))
            tryFrom(Start::FromData, *q);
    if (fromCurrent)
        for (const Params& q :
             startsAcrossRates(FitProblem(*fromCurrent, fitted, scale.t(), scale.y()), kRateStarts, ratesFound))
            tryFrom(Start::FromData, q);
    return lowest;
}

// The optimum at the t0 held, in the data's own units.
Params atHeldOrigin(const Optimum& optimum, const Params& start, const PerParameter<bool>& fitted,
                    const DataScale& scale)
{
    return centred(fitted) ? movedOrigin(optimum.params, scale.timeToScaled(start.t0)) : optimum.params;
}

} // namespace

double covariance(const FitResult& fit, Parameter i, Parameter j)
{
    return fit.correlation[i][j] * fit.uncertainty[i]->standardError * fit.uncertainty[j]->standardError;
}

double tQuantile95(int dof)
{
    return checked(gsl_cdf_tdist_Pinv(0.975, dof));
}

FitResult bestFit(const Params& start, const Fixed& fixed,
                  std::span<const double> t, std::span<const double> y)
{
    FitResult result;
    result.params = start;
    result.t0HeldAsOrigin = !fixed.a && !fixed.t0;
    result.fitted = {!fixed.a, !fixed.c, !fixed.t0 && fixed.a};
    result.n = static_cast<int>(t.size());
    result.fittedCount = result.fitted.a + result.fitted.c + result.fitted.t0;
    result.dof = result.n - result.fittedCount;
    if (result.fittedCount == 0) {
        result.status = FitStatus::NothingToFit;
        return result;
    }
    if (result.dof < 0) {
        result.status = FitStatus::TooFewPoints;
        return result;
    }
    const GslErrorHandlerOff handlerOff;
    try {
        const DataScale scale(t, y);
        const std::optional<Optimum> optimum = lowestMinimum(start, fixed, result.fitted, scale, t, y);
        if (!optimum) {
            result.status = whyNoMinimum(start, result.fitted, t, y);
            return result;
        }
        FitResult fit = result;
        const Params q = atHeldOrigin(*optimum, start, fit.fitted, scale);
        fit.params = scale.fromScaled(q);
        for (Parameter k : kParameters)
            if (!fit.fitted[k])
                fit.params[k] = start[k];
        fit.start = optimum->start;
        addStatistics(fit, q, scale);
        fit.status = FitStatus::Converged;
        return fit;
    } catch (const NumericError&) {
        return result;
    }
}

} // namespace ajuste
