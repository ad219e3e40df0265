#pragma once

#include "fitting/model.h"

#include <gsl/gsl_errno.h>
#include <gsl/gsl_matrix.h>
#include <gsl/gsl_vector.h>

#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace ajuste {

struct GslFree {
    void operator()(gsl_vector* v) const { gsl_vector_free(v); }
    void operator()(gsl_matrix* m) const { gsl_matrix_free(m); }
};
using GslVector = std::unique_ptr<gsl_vector, GslFree>;
using GslMatrix = std::unique_ptr<gsl_matrix, GslFree>;

// GSL's own handler aborts the process; every status is looked at here
// instead. Whoever had set a handler gets it back.
class GslErrorHandlerOff {
public:
    GslErrorHandlerOff() : previous_(gsl_set_error_handler_off()) {}
    ~GslErrorHandlerOff() { gsl_set_error_handler(previous_); }
    GslErrorHandlerOff(const GslErrorHandlerOff&) = delete;
    GslErrorHandlerOff& operator=(const GslErrorHandlerOff&) = delete;

private:
    gsl_error_handler_t* previous_;
};

// The data and the parameters to fit: column k of the Jacobian belongs to
// parameter columns[k], the others are held at their start values.
struct FitProblem {
    Params start;
    Fixed held;
    std::vector<Parameter> columns;
    std::span<const double> t, y;

    FitProblem(const Params& start, const PerParameter<bool>& fitted, std::span<const double> t,
               std::span<const double> y);
    Params at(const gsl_vector* x) const;
};

// Each column of m scaled to unit length, a column of 0 left as it is; the
// lengths they had.
std::vector<double> scaleColumnsToUnitLength(gsl_matrix* m);

// These throw NumericError at a result that is inf or NaN.
double sumOfSquares(const FitProblem& problem, const Params& p);
void fillResiduals(const FitProblem& problem, const Params& p, gsl_vector* residuals);
void fillJacobian(const FitProblem& problem, const Params& p, gsl_matrix* jacobian);

// GSL's trust-region Levenberg–Marquardt from the problem's start, whose
// sum of squares must be finite; nothing when it fails or does not
// converge. Tolerances are for parameters and data of order one.
std::optional<Params> levenbergMarquardt(const FitProblem& problem);

// Undamped Gauss–Newton steps from the problem's start while they lower the
// sum of squares: where columns nearly parallel make the trust region's
// steps along the valley vanish, these still take them. Nothing when a
// step cannot be solved.
std::optional<Params> gaussNewton(const FitProblem& problem);

} // namespace ajuste
