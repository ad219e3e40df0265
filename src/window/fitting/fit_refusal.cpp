#include "window/fitting/fit_refusal.h"

#include "fitting/data_start.h"
#include "window/form1.h"
#include "window/texts.h"

#include <variant>

namespace ajuste {

namespace {

bool dataGiveAStart(const Form1& form)
{
    const Form1::Points points = form.points();
    return std::holds_alternative<Params>(startFromData(form.state().p, form.fixedParams(), points.t, points.y));
}

} // namespace

QString fitRefusal(const FitResult& fit, const Form1& form)
{
    switch (fit.status) {
    case FitStatus::NothingToFit: return texts::kNothingToFit;
    case FitStatus::TooFewPoints:
        // Held as the origin, t0 is not among the parameters counted.
        if (fit.t0HeldAsOrigin && fit.fitted.c)
            return QString(texts::kTooFewPointsAAndT0).arg(fit.n);
        return QString(texts::kTooFewPoints).arg(fit.n).arg(fit.fittedCount);
    case FitStatus::StartOverflows: return dataGiveAStart(form) ? texts::kStartOverflows : texts::kStartOverflowsOneSign;
    case FitStatus::NoMinimum: return texts::kNoMinimum;
    case FitStatus::NotConverged: return texts::kNoConvergence;
    case FitStatus::Converged: break;
    }
    return {};
}

} // namespace ajuste
