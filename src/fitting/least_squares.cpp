#include "fitting/least_squares.h"

#include "common/numeric_error.h"

#include <gsl/gsl_blas.h>
#include <gsl/gsl_cdf.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_multifit_nlinear.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace ajuste {

namespace {

// Tight enough that where the fit stops does not depend on where it started,
// well beyond the digits shown.
constexpr double kXtol = 1e-14;
constexpr double kGtol = 1e-14;
constexpr double kFtol = 0.0; // GSL 2.7 does not use it
constexpr int kMaxIterations = 500;
// A parameter whose diagonal entry in R (pivoted QR of J, columns of unit
// length) is below this fraction of the first is taken as dependent on the
// others: past it (JᵀJ)⁻¹ has no correct digit left.
const double kDependence = std::sqrt(std::numeric_limits<double>::epsilon());

struct GslFree {
    void operator()(gsl_vector* v) const { gsl_vector_free(v); }
    void operator()(gsl_matrix* m) const { gsl_matrix_free(m); }
    void operator()(gsl_multifit_nlinear_workspace* w) const { gsl_multifit_nlinear_free(w); }
};
using Vector = std::unique_ptr<gsl_vector, GslFree>;
using Matrix = std::unique_ptr<gsl_matrix, GslFree>;
using Workspace = std::unique_ptr<gsl_multifit_nlinear_workspace, GslFree>;

// GSL's own handler aborts the process; every status is looked at here
// instead. Whoever had set a handler gets it back.
class ErrorHandlerOff {
public:
    ErrorHandlerOff() : previous_(gsl_set_error_handler_off()) {}
    ~ErrorHandlerOff() { gsl_set_error_handler(previous_); }
    ErrorHandlerOff(const ErrorHandlerOff&) = delete;
    ErrorHandlerOff& operator=(const ErrorHandlerOff&) = delete;

private:
    gsl_error_handler_t* previous_;
};

// The data and the parameters to fit: column k of the Jacobian belongs to
// parameter columns[k], the others are held at their start values.
struct Problem {
    Params start;
    Fixed held;
    std::vector<Parameter> columns;
    std::span<const double> t, y;

    Problem(const Params& start, const PerParameter<bool>& fitted, std::span<const double> t, std::span<const double> y)
        : start(start), held{!fitted.a, !fitted.c, !fitted.t0}, t(t), y(y)
    {
        for (Parameter parameter : kParameters)
            if (fitted[parameter])
                columns.push_back(parameter);
    }

    Params at(const gsl_vector* x) const
    {
        Params p = start;
        for (std::size_t k = 0; k < columns.size(); ++k)
            p[columns[k]] = gsl_vector_get(x, k);
        return p;
    }
};

double residual(const Params& p, double t, double y)
{
    return checked(f(p, t) - y);
}

double sumOfSquares(const Problem& problem, const Params& p)
{
    double sse = 0.0;
    for (std::size_t i = 0; i < problem.t.size(); ++i)
        sse = checked(sse + std::pow(residual(p, problem.t[i], problem.y[i]), 2.0));
    return sse;
}

void fillJacobian(const Problem& problem, const Params& p, gsl_matrix* jacobian)
{
    for (std::size_t i = 0; i < problem.t.size(); ++i) {
        const PerParameter<double> d = partials(p, problem.held, problem.t[i], growthFactor(p, problem.t[i]));
        for (std::size_t k = 0; k < problem.columns.size(); ++k)
            gsl_matrix_set(jacobian, i, k, checked(d[problem.columns[k]]));
    }
}

// A trial point where the model overflows gets residuals whose norm is above
// that of any point with a finite sum of squares, so the trust region
// rejects the step and shrinks. No exception may cross GSL's C frames.
int residualsCallback(const gsl_vector* x, void* data, gsl_vector* r)
{
    const Problem& problem = *static_cast<const Problem*>(data);
    const Params p = problem.at(x);
    try {
        for (std::size_t i = 0; i < problem.t.size(); ++i)
            gsl_vector_set(r, i, residual(p, problem.t[i], problem.y[i]));
    } catch (const NumericError&) {
        gsl_vector_set_all(r, std::numeric_limits<double>::max() / static_cast<double>(problem.t.size()));
    }
    return GSL_SUCCESS;
}

int jacobianCallback(const gsl_vector* x, void* data, gsl_matrix* jacobian)
{
    const Problem& problem = *static_cast<const Problem*>(data);
    try {
        fillJacobian(problem, problem.at(x), jacobian);
    } catch (const NumericError&) {
        return GSL_EOVRFLW;
    }
    return GSL_SUCCESS;
}

// GSL's driver loop, except that an iteration's error ends the fit (the
// driver goes on testing a half-updated state) and a start already at the
// optimum, where no step can lower the sum, is tested before being refused.
int iterate(gsl_multifit_nlinear_workspace* w)
{
    for (int k = 0; k < kMaxIterations; ++k) {
        const int status = gsl_multifit_nlinear_iterate(w);
        if (status != GSL_SUCCESS && status != GSL_ENOPROG)
            return status;
        int info = 0;
        const int test = gsl_multifit_nlinear_test(kXtol, kGtol, kFtol, &info, w);
        if (test != GSL_CONTINUE)
            return test;
        if (status == GSL_ENOPROG && k == 0)
            return status;
    }
    return GSL_EMAXITER;
}

std::optional<Params> solve(Problem& problem)
{
    gsl_multifit_nlinear_fdf fdf{};
    fdf.f = residualsCallback;
    fdf.df = jacobianCallback;
    fdf.n = problem.t.size();
    fdf.p = problem.columns.size();
    fdf.params = &problem;
    const gsl_multifit_nlinear_parameters parameters = gsl_multifit_nlinear_default_parameters();
    const Workspace w(gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &parameters, fdf.n, fdf.p));
    const Vector x(gsl_vector_alloc(fdf.p));
    if (!w || !x)
        return std::nullopt;
    for (std::size_t k = 0; k < fdf.p; ++k)
        gsl_vector_set(x.get(), k, problem.start[problem.columns[k]]);
    if (gsl_multifit_nlinear_init(x.get(), &fdf, w.get()) != GSL_SUCCESS || iterate(w.get()) != GSL_SUCCESS)
        return std::nullopt;
    return problem.at(gsl_multifit_nlinear_position(w.get()));
}

// The diagonal of (JᵀJ)⁻¹, or nothing when the fitted parameters are not
// independent at p. The columns are scaled to unit length first, so that
// the test of dependence does not depend on the parameters' units.
std::optional<std::vector<double>> inverseNormalDiagonal(const Problem& problem, const Params& p)
{
    const std::size_t n = problem.t.size(), m = problem.columns.size();
    const Matrix jacobian(gsl_matrix_alloc(n, m));
    const Matrix covariance(gsl_matrix_alloc(m, m));
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
    double sum = 0.0;
    for (double v : y)
        sum = checked(sum + v);
    const double mean = checked(sum / static_cast<double>(y.size()));
    double spread = 0.0;
    for (double v : y)
        spread = checked(spread + std::pow(checked(v - mean), 2.0));
    return checked(1.0 - checked(sse / spread));
}

void addUncertainties(FitResult& fit, const Problem& problem, double variance)
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

void addStatistics(FitResult& fit, const Problem& problem)
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
void requireFiniteStart(const Problem& problem)
{
    sumOfSquares(problem, problem.start);
}

} // namespace

FitResult bestFit(const Params& start, const Fixed& fixed,
                  std::span<const double> t, std::span<const double> y)
{
    FitResult result;
    result.params = start;
    result.t0HeldAsOrigin = !fixed.a && !fixed.t0;
    result.fitted = {!fixed.a, !fixed.c, !fixed.t0 && fixed.a};
    Problem problem(start, result.fitted, t, y);
    result.n = static_cast<int>(t.size());
    result.fittedCount = static_cast<int>(problem.columns.size());
    result.dof = result.n - result.fittedCount;
    if (result.fittedCount == 0) {
        result.status = FitStatus::NothingToFit;
        return result;
    }
    if (result.dof < 0) {
        result.status = FitStatus::TooFewPoints;
        return result;
    }
    const ErrorHandlerOff handlerOff;
    try {
        requireFiniteStart(problem);
        const std::optional<Params> optimum = solve(problem);
        if (!optimum)
            return result;
        FitResult fit = result;
        fit.params = *optimum;
        addStatistics(fit, problem);
        fit.status = FitStatus::Converged;
        return fit;
    } catch (const NumericError&) {
        return result;
    }
}

} // namespace ajuste
