#include "fitting/minimum_test.h"

#include "common/numeric_error.h"

#include <gsl/gsl_blas.h>
#include <gsl/gsl_linalg.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace ajuste {

namespace {

// At a minimum each fitted parameter's column of the Jacobian is orthogonal
// to the residuals: their dot product is at most this part of the product
// of their norms.
constexpr double kOrthogonal = 1e-6;
// A unit column whose distance from the span of those before it is below
// this is rounding.
constexpr double kIndependent = 1e-13;
// The relative error a residual may carry from rounding, with room for the
// solver's last step, which stops at a relative change of 1e-14.
constexpr double kRounding = 1e-13;

// What rounding may leave of f − y at one point: y's share, and f's,
// whose exponent c·(t − t0) carries c's rounding.
double roundingAt(const Params& q, double t, double y)
{
    return kRounding * (std::fabs(y) + std::fabs(f(q, t)) * (1.0 + std::fabs(q.c * (t - q.t0))));
}

// The residuals are orthogonal to the space the fitted parameters' columns
// span, not only to each column: columns nearly parallel, as when a few
// points far larger than the rest weigh most in both, leave a direction
// that only the smaller points see. Each direction of an orthonormal basis
// of the columns may take kOrthogonal of the residuals' norm, or what
// rounding leaves at the points it weighs; a direction that rounding alone
// sets is none.
bool orthogonalToColumns(gsl_matrix* jacobian, const gsl_vector* residuals, const std::vector<double>& rounding)
{
    const std::size_t n = jacobian->size1, m = jacobian->size2;
    scaleColumnsToUnitLength(jacobian);
    const GslVector tau(gsl_vector_alloc(m)), direction(gsl_vector_alloc(n));
    if (!tau || !direction || gsl_linalg_QR_decomp(jacobian, tau.get()) != GSL_SUCCESS)
        return false;
    const double residualNorm = gsl_blas_dnrm2(residuals);
    for (std::size_t k = 0; k < m; ++k) {
        if (std::fabs(gsl_matrix_get(jacobian, k, k)) <= kIndependent)
            continue;
        gsl_vector_set_basis(direction.get(), k);
        gsl_linalg_QR_Qvec(jacobian, tau.get(), direction.get());
        double product = 0.0, fromRounding = 0.0;
        gsl_blas_ddot(direction.get(), residuals, &product);
        for (std::size_t i = 0; i < n; ++i)
            fromRounding += std::fabs(gsl_vector_get(direction.get(), i)) * rounding[i];
        if (std::fabs(product) > kOrthogonal * residualNorm + fromRounding)
            return false;
    }
    return true;
}

// exp underflows to 0 only for a curve that has left its points behind.
bool ranOff(const FitProblem& problem, const Params& q)
{
    return !problem.held.c &&
           std::ranges::any_of(problem.t, [&q](double t) { return growthFactor(q, t) == 0.0; });
}

} // namespace

double spread(std::span<const double> y)
{
    const double centre = checked(mean(y));
    double spread = 0.0;
    for (double v : y)
        spread = checked(spread + squared(checked(v - centre)));
    return spread;
}

bool isMinimum(const FitProblem& problem)
{
    const Params& q = problem.start;
    const std::size_t n = problem.t.size(), m = problem.columns.size();
    const GslVector residuals(gsl_vector_alloc(n));
    const GslMatrix jacobian(gsl_matrix_alloc(n, m));
    if (!residuals || !jacobian)
        return false;
    fillResiduals(problem, q, residuals.get());
    fillJacobian(problem, q, jacobian.get());
    std::vector<double> rounding(n);
    double roundingSquared = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        rounding[i] = roundingAt(q, problem.t[i], problem.y[i]);
        roundingSquared += rounding[i] * rounding[i];
    }
    if (!orthogonalToColumns(jacobian.get(), residuals.get(), rounding) || ranOff(problem, q))
        return false;
    const bool constantReachable = !problem.held.a && !problem.held.c;
    return !constantReachable || sumOfSquares(problem, q) <= spread(problem.y) + roundingSquared;
}

} // namespace ajuste
