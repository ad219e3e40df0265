#include "fitting/nonlinear_fit.h"

#include "common/numeric_error.h"

#include <gsl/gsl_multifit_nlinear.h>

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

} // namespace ajuste
