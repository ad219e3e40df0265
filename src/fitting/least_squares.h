#pragma once

#include "fitting/model.h"

#include <optional>
#include <span>

namespace ajuste {

enum class FitStatus {
    Converged,
    NotConverged, // no convergence, the model overflows at the start or the end, or GSL failed
    NothingToFit, // every parameter fixed
    TooFewPoints, // fewer points than parameters to fit
};

struct Uncertainty {
    double standardError;
    double halfWidth95; // the 95 % interval is value ± halfWidth95
};

struct FitResult {
    FitStatus status = FitStatus::NotConverged;
    Params params;                // the optimum when converged, else the start
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
};

// Nonlinear least squares (Levenberg–Marquardt) from start over the
// parameters that are not fixed; t and y are of the same length.
FitResult bestFit(const Params& start, const Fixed& fixed,
                  std::span<const double> t, std::span<const double> y);

} // namespace ajuste
