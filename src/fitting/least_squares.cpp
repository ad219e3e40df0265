#include "fitting/least_squares.h"

#include "common/numeric_error.h"
#include "fitting/data_scale.h"
#include "fitting/data_start.h"
#include "fitting/nonlinear_fit.h"

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
// At a minimum each fitted parameter's column of the Jacobian is orthogonal
// to the residuals: their dot product is at most this part of the product
// of their norms.
constexpr double kOrthogonal = 1e-6;
// Residuals below this part of the data's norm are rounding: the curve goes
// through the points, and the residuals' direction means nothing.
constexpr double kThroughThePoints = 1e-8;
// Two optima whose sums of squares differ by less than this part are one.
constexpr double kSameOptimum = 1e-9;

double norm(std::span<const double> v)
{
    const gsl_vector_const_view view = gsl_vector_const_view_array(v.data(), v.size());
    return gsl_blas_dnrm2(&view.vector);
}

// The squared error of the best constant, the mean.
double spread(std::span<const double> y)
{
    const double centre = checked(mean(y));
    double spread = 0.0;
    for (double v : y)
        spread = checked(spread + squared(checked(v - centre)));
    return spread;
}

// Where the solver stopped is a minimum: the squared error's gradient
// vanishes in every fitted parameter, relative to the error and to how
// much the parameter moves the curve; and, with a and c both fitted, the
// error is no larger than the best constant's (a = mean, c = 0), which
// this model can always reach.
bool isMinimum(const FitProblem& problem, const Params& p)
{
    const std::size_t n = problem.t.size(), m = problem.columns.size();
    const GslVector residuals(gsl_vector_alloc(n));
    const GslMatrix jacobian(gsl_matrix_alloc(n, m));
    if (!residuals || !jacobian)
        return false;
    fillResiduals(problem, p, residuals.get());
    fillJacobian(problem, p, jacobian.get());
    const double rounding = kThroughThePoints * norm(problem.y);
    const double residualNorm = std::max(gsl_blas_dnrm2(residuals.get()), rounding);
    for (std::size_t k = 0; k < m; ++k) {
        const gsl_vector_const_view column = gsl_matrix_const_column(jacobian.get(), k);
        double product = 0.0;
        gsl_blas_ddot(&column.vector, residuals.get(), &product);
        if (std::fabs(product) > kOrthogonal * gsl_blas_dnrm2(&column.vector) * residualNorm)
            return false;
    }
    const bool constantReachable = !problem.held.a && !problem.held.c;
    return !constantReachable || sumOfSquares(problem, p) <= spread(problem.y) + rounding * rounding;
}

// The diagonal of (JᵀJ)⁻¹, or nothing when the fitted parameters are not
// independent at p. The columns are scaled to unit length first, so that
// the test of dependence does not depend on the parameters' units.
std::optional<std::vector<double>> inverseNormalDiagonal(const FitProblem& problem, const Params& p)
{
    const std::size_t n = problem.t.size(), m = problem.columns.size();
    const GslMatrix jacobian(gsl_matrix_alloc(n, m));
    const GslMatrix covariance(gsl_matrix_alloc(m, m));
    if (!jacobian || !covariance)
        return std::nullopt;
    fillJacobian(problem, p, jacobian.get());
    std::vector<double> lengths(m);
    for (std::size_t k = 0; k < m; ++k) {
        gsl_vector_view column = gsl_matrix_column(jacobian.get(), k);
        lengths[k] = gsl_blas_dnrm2(&column.vector);
        if (lengths[k] == 0.0)
            return std::nullopt;
        gsl_vector_scale(&column.vector, 1.0 / lengths[k]);
    }
    if (gsl_multifit_nlinear_covar(jacobian.get(), kDependence, covariance.get()) != GSL_SUCCESS)
        return std::nullopt;
    std::vector<double> diagonal(m);
    for (std::size_t k = 0; k < m; ++k) {
        // GSL zeroes the rows and columns of the dependent parameters.
        const double scaled = gsl_matrix_get(covariance.get(), k, k);
        if (scaled == 0.0)
            return std::nullopt;
        diagonal[k] = checked(scaled / lengths[k] / lengths[k]);
    }
    return diagonal;
}

std::optional<double> rSquared(std::span<const double> y, double sse)
{
    const auto [lowest, highest] = std::ranges::minmax(y);
    if (lowest == highest)
        return std::nullopt;
    return checked(1.0 - checked(sse / spread(y)));
}

void addUncertainties(FitResult& fit, const FitProblem& problem, double variance)
{
    const std::optional<std::vector<double>> diagonal = inverseNormalDiagonal(problem, fit.params);
    if (!diagonal)
        return;
    const double quantile = checked(gsl_cdf_tdist_Pinv(0.975, fit.dof));
    for (std::size_t k = 0; k < problem.columns.size(); ++k) {
        const double se = checked(std::sqrt(checked(variance * (*diagonal)[k])));
        fit.uncertainty[problem.columns[k]] = Uncertainty{se, checked(quantile * se)};
    }
}

void addStatistics(FitResult& fit, const FitProblem& problem)
{
    const double sse = sumOfSquares(problem, fit.params);
    fit.rSquared = rSquared(problem.y, sse);
    if (fit.dof == 0)
        return;
    const double variance = checked(sse / fit.dof);
    fit.s = checked(std::sqrt(variance));
    addUncertainties(fit, problem, variance);
}

// The solver needs a finite sum of squares where it starts.
void requireFiniteStart(const FitProblem& problem)
{
    sumOfSquares(problem, problem.start);
}

struct Optimum {
    Params params;
    double sse;
    Start start;
};

// The minimum the solver reaches from `from` in the data's own units, back
// in the user's, the parameters not fitted exactly as they were; nothing
// when the start or the way overflows, the solver fails, or where it
// stops is no minimum.
std::optional<Optimum> minimumFrom(Start start, const Params& from, const PerParameter<bool>& fitted,
                                   const DataScale& scale, std::span<const double> t, std::span<const double> y)
{
    try {
        const FitProblem scaled(scale.toScaled(from), fitted, scale.t(), scale.y());
        requireFiniteStart(scaled);
        const std::optional<Params> solution = levenbergMarquardt(scaled);
        if (!solution)
            return std::nullopt;
        Params p = scale.fromScaled(*solution);
        for (Parameter parameter : kParameters)
            if (!fitted[parameter])
                p[parameter] = from[parameter];
        const FitProblem problem(p, fitted, t, y);
        if (!isMinimum(problem, p))
            return std::nullopt;
        return Optimum{p, sumOfSquares(problem, p), start};
    } catch (const NumericError&) {
        return std::nullopt;
    }
}

// The lower of the minima from the current parameters and from the data's
// start; the current one when they are the same.
std::optional<Optimum> lowerMinimum(const Params& current, const Fixed& fixed, const PerParameter<bool>& fitted,
                                    std::span<const double> t, std::span<const double> y)
{
    const DataScale scale(t, y);
    const std::optional<Optimum> fromCurrent = minimumFrom(Start::Current, current, fitted, scale, t, y);
    const std::variant<Params, NoDataStart> dataStart = startFromData(current, fixed, t, y);
    const Params* fromData = std::get_if<Params>(&dataStart);
    if (!fromData || *fromData == current)
        return fromCurrent;
    const std::optional<Optimum> other = minimumFrom(Start::FromData, *fromData, fitted, scale, t, y);
    if (other && (!fromCurrent || other->sse < (1.0 - kSameOptimum) * fromCurrent->sse))
        return other;
    return fromCurrent;
}

} // namespace

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
        const std::optional<Optimum> optimum = lowerMinimum(start, fixed, result.fitted, t, y);
        if (!optimum)
            return result;
        FitResult fit = result;
        fit.params = optimum->params;
        fit.start = optimum->start;
        addStatistics(fit, FitProblem(fit.params, fit.fitted, t, y));
        fit.status = FitStatus::Converged;
        return fit;
    } catch (const NumericError&) {
        return result;
    }
}

} // namespace ajuste
