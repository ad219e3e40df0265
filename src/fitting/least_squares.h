#pragma once

#include "fitting/model.h"

#include <optional>
#include <span>

namespace ajuste {

enum class FitStatus {
    Converged,    // at a minimum
    NotConverged, // no minimum found from either start
    StartOverflows, // the model overflows at the start
    NoMinimum,    // the error keeps falling as c grows without bound
    NothingToFit, // every parameter fixed
    TooFewPoints, // fewer points than parameters to fit
};

struct Uncertainty {
    double standardError;
    double halfWidth95; // the 95 % interval is value ± halfWidth95
};

// Where the optimum was found from: the parameters the fit started from,
// or the start read off the data (startFromData).
enum class Start { Current, FromData };

struct FitResult {
    FitStatus status = FitStatus::NotConverged;
    Params params; // the optimum when converged, else the start
    Start start = Start::Current;
    PerParameter<bool> fitted;
    // a and t0 were both free: only a·e^(−c·t0) is determined, so t0 stayed
    // where it was as the origin of time and a was fitted.
    bool t0HeldAsOrigin = false;
    int n = 0;   // points
    int fittedCount = 0;
    int dof = 0; // n − fittedCount
    // The rest only when converged.
    std::optional<double> s;        // sqrt(SSE/dof), when dof > 0
    std::optional<double> rSquared; // absent when every y is the same
    // For each fitted parameter when dof > 0 and the fitted parameters are
    // independent at the optimum; otherwise for none.
    PerParameter<std::optional<Uncertainty>> uncertainty;
    // Between the parameters with uncertainties, 1 on the diagonal. With the
    // standard errors it is their covariance, kept without units so that
    // no square of a large a overflows.
    PerParameter<PerParameter<double>> correlation;
};

// The covariance of two parameters with uncertainties.
double covariance(const FitResult& fit, Parameter i, Parameter j);

// Student's t at 97.5 % for dof degrees of freedom, dof > 0.
double tQuantile95(int dof);

// Nonlinear least squares (Levenberg–Marquardt) over the parameters that
// are not fixed, from start and from the start read off the data, solved in
// the data's own units (DataScale) so that neither the units of y nor the
// origin of t changes the optimum. Keeps the lower minimum; where neither
// start reaches one, NotConverged. t and y are of the same length.
FitResult bestFit(const Params& start, const Fixed& fixed,
                  std::span<const double> t, std::span<const double> y);

} // namespace ajuste
