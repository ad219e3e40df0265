#include "window/form1.h"

#include "common/numeric_error.h"
#include "window/fitting/results_window.h"
#include "window/graph/scroll_bar.h"
#include "window/texts.h"

#include <QCheckBox>

namespace ajuste {

// The least-squares optimum from the current parameters over the free
// ones, written into the boxes and bars and evaluated there; or, when there
// is none the bars can show, a message and nothing changed.
void Form1::MejorAjuste_Click()
{
    const Fixed fixed = fixedParams();
    const FitResult fit = bestFit(state_.p, fixed, tPoints(), yPoints());
    switch (fit.status) {
    case FitStatus::NothingToFit: message(texts::kNothingToFit); return;
    case FitStatus::TooFewPoints: message(QString(texts::kTooFewPoints).arg(fit.n).arg(fit.fittedCount)); return;
    case FitStatus::NotConverged: message(texts::kNoConvergence); return;
    case FitStatus::Converged: break;
    }
    if (!withinBars(fit.params)) {
        message(QString(texts::kBeyondTheBars).arg(text(fit.params.a), text(fit.params.c), text(fit.params.t0)));
        return;
    }
    if (!takeOcupado())
        return;
    lastFit_ = LastFit{fit, fixed, {tPoints().begin(), tPoints().end()}, {yPoints().begin(), yPoints().end()}};
    recovering([&] {
        state_.p = fit.params;
        writeBackParams();
        pintar();
    });
}

bool Form1::withinBars(const Params& p) const
{
    for (const ParamRow* row : parameterRows()) {
        try {
            const int position = toInt16(row->scale->toPosition(p[row->scale->parameter]));
            if (position < row->scale->minimum || position > row->scale->maximum)
                return false;
        } catch (const NumericError&) {
            return false;
        }
    }
    return true;
}

// The optimum's figures hold while the parameters, the fixed ones and the
// points are those it was computed from.
bool Form1::fitIsCurrent() const
{
    return lastFit_ && lastFit_->result.params == state_.p && lastFit_->fixed == fixedParams() &&
           std::ranges::equal(lastFit_->t, tPoints()) && std::ranges::equal(lastFit_->y, yPoints());
}

// Each parameter with its uncertainty where it has one, then the fit's
// quality; values to 7 significant digits, uncertainties to 3.
std::vector<std::pair<QString, QString>> Form1::fitResultRows() const
{
    if (!lastFit_)
        return {{texts::kNoteResult, texts::kNoFitYet}};
    const FitResult& fit = lastFit_->result;
    std::vector<std::pair<QString, QString>> rows;
    bool uncertain = false;
    for (const Parameter parameter : kParameters) {
        const double value = fit.params[parameter];
        if (!fit.fitted[parameter]) {
            const bool origin = fit.t0HeldAsOrigin && parameter == Parameter::t0;
            rows.push_back({name(parameter), QString(origin ? texts::kOriginValue : texts::kFixedValue).arg(text(value))});
            continue;
        }
        rows.push_back({name(parameter), text(roundedTo(value, 7))});
        if (const std::optional<Uncertainty>& u = fit.uncertainty[parameter]) {
            uncertain = true;
            rows.push_back({QString(texts::kStandardError).arg(name(parameter)), text(roundedTo(u->standardError, 3))});
            rows.push_back({QString(texts::kInterval).arg(name(parameter)),
                            QString(texts::kIntervalValue)
                                .arg(text(roundedTo(value - u->halfWidth95, 7)), text(roundedTo(value + u->halfWidth95, 7)))});
        }
    }
    rows.push_back({texts::kPointsResult, text(fit.n)});
    rows.push_back({texts::kDegreesOfFreedom, text(fit.dof)});
    if (fit.s)
        rows.push_back({"s", text(roundedTo(*fit.s, 7))});
    if (fit.rSquared)
        rows.push_back({"R²", text(roundedTo(*fit.rSquared, 7))});
    if (fit.t0HeldAsOrigin)
        rows.push_back({texts::kNoteResult, QString(texts::kT0AsOrigin).arg(text(fit.params.t0))});
    if (!uncertain)
        rows.push_back({texts::kNoteResult, fit.dof > 0 ? texts::kDependent : texts::kMissingPoints});
    return rows;
}

void Form1::showResults()
{
    if (!results_)
        results_ = new ResultsWindow(this);
    refreshResults();
    results_->show();
    results_->raise();
}

// An open results window follows every change: a step, a bar, a typed
// value, a box ticked, new data.
void Form1::refreshResults()
{
    if (results_)
        results_->setRows(fitResultRows(), lastFit_ && !fitIsCurrent());
}

} // namespace ajuste
