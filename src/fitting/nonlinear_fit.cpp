#include "fitting/nonlinear_fit.h"

#include "common/numeric_error.h"

#include <gsl/gsl_linalg.h>
#include <gsl/gsl_multifit_nlinear.h>

#include <gsl/gsl_blas.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace ajuste {

namespace {

// Tight enough that where the fit stops does not depend on where it started,
// well beyond the digits shown.
constexpr double kXtol = 1e-14;
constexpr double kGtol = 1e-14;
constexpr double kFtol = 0.0; // GSL 2.7 does not use it
constexpr int kMaxIterations = 500;
constexpr int kMaxGaussNewtonSteps = 20;
// Near the optimum the sum of squares may be rounding alone, and a step
// that sets the parameters right may raise it; a step that raises it more
// is the linearisation failing.
constexpr double kGrowthAllowed = 2.0;

struct WorkspaceFree {
    void operator()(gsl_multifit_nlinear_workspace* w) const { gsl_multifit_nlinear_free(w); }
};
using Workspace = std::unique_ptr<gsl_multifit_nlinear_workspace, WorkspaceFree>;

// A trial point where the model overflows gets residuals whose norm is above
// that of any point with a finite sum of squares, so the trust region
// rejects the step and shrinks. No exception may cross GSL's C frames.
int residualsCallback(const gsl_vector* x, void* data, gsl_vector* r)
{
    const FitProblem& problem = *static_cast<const FitProblem*>(data);
    try {
        fillResiduals(problem, problem.at(x), r);
    } catch (const NumericError&) {
        gsl_vector_set_all(r, std::numeric_limits<double>::max() / static_cast<double>(problem.t.size()));
    }
    return GSL_SUCCESS;
}

int jacobianCallback(const gsl_vector* x, void* data, gsl_matrix* jacobian)
{
    const FitProblem& problem = *static_cast<const FitProblem*>(data);
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

// The step δ that minimises |J·δ + r|, solved with J's columns at unit
// length; false when they are dependent.
bool gaussNewtonStep(const FitProblem& problem, const Params& p, gsl_vector* step)
{
    const std::size_t n = problem.t.size(), m = problem.columns.size();
    const GslMatrix jacobian(gsl_matrix_alloc(n, m));
    const GslVector residuals(gsl_vector_alloc(n)), tau(gsl_vector_alloc(m)), rest(gsl_vector_alloc(n));
    if (!jacobian || !residuals || !tau || !rest)
        return false;
    fillResiduals(problem, p, residuals.get());
    fillJacobian(problem, p, jacobian.get());
    const std::vector<double> lengths = scaleColumnsToUnitLength(jacobian.get());
    if (std::ranges::find(lengths, 0.0) != lengths.end() ||
        gsl_linalg_QR_decomp(jacobian.get(), tau.get()) != GSL_SUCCESS ||
        gsl_linalg_QR_lssolve(jacobian.get(), tau.get(), residuals.get(), step, rest.get()) != GSL_SUCCESS)
        return false;
    for (std::size_t k = 0; k < m; ++k)
        gsl_vector_set(step, k, -checked(gsl_vector_get(step, k) / lengths[k]));
    return true;
}

// a moves by a factor, e^(δa/a): ln f is then linear in the steps of a
// and c, and so is the valley of curves through a point far larger than
// the rest, which the steps follow instead of leaving it.
Params steppedBy(const FitProblem& problem, const Params& p, const gsl_vector* step)
{
    Params next = p;
    for (std::size_t k = 0; k < problem.columns.size(); ++k) {
        const Parameter parameter = problem.columns[k];
        const double delta = gsl_vector_get(step, k);
        next[parameter] = parameter == Parameter::a && p.a != 0.0 ? checked(p.a * std::exp(checked(delta / p.a)))
                                                                  : checked(p[parameter] + delta);
    }
    return next;
}

} // namespace

FitProblem::FitProblem(const Params& start, const PerParameter<bool>& fitted, std::span<const double> t,
                       std::span<const double> y)
    : start(start), held{!fitted.a, !fitted.c, !fitted.t0}, t(t), y(y)
{
    for (Parameter parameter : kParameters)
        if (fitted[parameter])
            columns.push_back(parameter);
}

Params FitProblem::at(const gsl_vector* x) const
{
    Params p = start;
    for (std::size_t k = 0; k < columns.size(); ++k)
        p[columns[k]] = gsl_vector_get(x, k);
    return p;
}

std::vector<double> scaleColumnsToUnitLength(gsl_matrix* m)
{
    std::vector<double> lengths(m->size2);
    for (std::size_t k = 0; k < lengths.size(); ++k) {
        gsl_vector_view column = gsl_matrix_column(m, k);
        lengths[k] = gsl_blas_dnrm2(&column.vector);
        if (lengths[k] > 0.0)
            gsl_vector_scale(&column.vector, 1.0 / lengths[k]);
    }
    return lengths;
}

double sumOfSquares(const FitProblem& problem, const Params& p)
{
    return checked(squaredError(p, problem.t, problem.y));
}

void fillResiduals(const FitProblem& problem, const Params& p, gsl_vector* residuals)
{
    forEachPoint(p, problem.t, [&](std::size_t i, double u, double e) {
        gsl_vector_set(residuals, i, checked(checkedValue(p, u, e) - problem.y[i]));
    });
}

void fillJacobian(const FitProblem& problem, const Params& p, gsl_matrix* jacobian)
{
    forEachPoint(p, problem.t, [&](std::size_t i, double u, double e) {
        checked(u);
        checked(e);
        const PerParameter<double> d = partials(p, problem.held, problem.t[i], e);
        for (std::size_t k = 0; k < problem.columns.size(); ++k)
            gsl_matrix_set(jacobian, i, k, checked(d[problem.columns[k]]));
    });
}

std::optional<Params> levenbergMarquardt(const FitProblem& problem)
{
    gsl_multifit_nlinear_fdf fdf{};
    fdf.f = residualsCallback;
    fdf.df = jacobianCallback;
    fdf.n = problem.t.size();
    fdf.p = problem.columns.size();
    fdf.params = const_cast<FitProblem*>(&problem); // handed back to the callbacks as it is
    const gsl_multifit_nlinear_parameters parameters = gsl_multifit_nlinear_default_parameters();
    const Workspace w(gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &parameters, fdf.n, fdf.p));
    const GslVector x(gsl_vector_alloc(fdf.p));
    if (!w || !x)
        return std::nullopt;
    for (std::size_t k = 0; k < fdf.p; ++k)
        gsl_vector_set(x.get(), k, problem.start[problem.columns[k]]);
    if (gsl_multifit_nlinear_init(x.get(), &fdf, w.get()) != GSL_SUCCESS || iterate(w.get()) != GSL_SUCCESS)
        return std::nullopt;
    return problem.at(gsl_multifit_nlinear_position(w.get()));
}

std::optional<Params> gaussNewton(const FitProblem& problem)
{
    const GslVector step(gsl_vector_alloc(problem.columns.size()));
    if (!step)
        return std::nullopt;
    Params p = problem.start;
    double sse = sumOfSquares(problem, p);
    for (int k = 0; k < kMaxGaussNewtonSteps; ++k) {
        if (!gaussNewtonStep(problem, p, step.get()))
            return std::nullopt;
        const Params next = steppedBy(problem, p, step.get());
        const double nextSse = sumOfSquares(problem, next);
        if (nextSse > kGrowthAllowed * sse || next == p)
            break;
        p = next;
        sse = nextSse;
    }
    return p;
}

} // namespace ajuste
