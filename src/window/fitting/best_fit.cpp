#include "window/fitting/best_fit.h"

#include "window/fitting/bar_reach.h"
#include "window/fitting/fit_refusal.h"
#include "window/fitting/result_rows.h"
#include "window/fitting/residuals.h"
#include "window/fitting/results_window.h"
#include "window/form1.h"
#include "window/graph/graph_menu.h"
#include "window/texts.h"

#include <QApplication>
#include <QClipboard>

namespace ajuste {

BestFit::BestFit(Form1& form, GraphMenu& menu) : QObject(&form), form_(form)
{
    menu.addEntry(texts::kCopyResults, [this] { copyResults(); });
    menu.addSeparator();
    menu.addEntry(texts::kBestFit, [this] { fit(); }, QKeySequence(Qt::CTRL | Qt::Key_M));
    menu.addEntry(texts::kResults, [this] { showResults(); });
    // An open results window follows every change: a step, a bar, a typed
    // value, a box ticked, new data.
    for (auto change : {&Form1::redrawn, &Form1::captured, &Form1::fixedChanged})
        connect(&form, change, this, &BestFit::refreshResults);
}

// The least-squares optimum over the free parameters, the lower of those
// found from the current values and from the data's start, written into
// the boxes and bars and evaluated there; or, when there is none the bars
// can show, a message and nothing changed.
void BestFit::fit()
{
    const Fixed fixed = form_.fixedParams();
    const Form1::Points points = form_.points();
    const FitResult fit = bestFit(form_.state().p, fixed, points.t, points.y);
    if (fit.status != FitStatus::Converged) {
        form_.dialogs().say(fitRefusal(fit, form_));
        return;
    }
    if (!barsCanShow(form_, fit.params, texts::kBeyondTheBars) || form_.state().ocupado)
        return;
    lastFit_ = LastFit{fit, fixed, {points.t.begin(), points.t.end()}, {points.y.begin(), points.y.end()}};
    form_.setParameters(fit.params);
    emit fitted(fit);
}

// The optimum's figures hold while the parameters, the fixed ones and the
// points are those it was computed from.
bool BestFit::fitIsCurrent() const
{
    return lastFit_ && lastFit_->result.params == form_.state().p && lastFit_->fixed == form_.fixedParams() &&
           std::ranges::equal(lastFit_->t, form_.points().t) &&
           std::ranges::equal(lastFit_->y, form_.points().y);
}

const FitResult* BestFit::currentFit() const
{
    return fitIsCurrent() ? &lastFit_->result : nullptr;
}

// Each parameter with its uncertainty where it has one, then the fit's
// quality; values to 7 significant digits, uncertainties to 3.
std::vector<std::pair<QString, QString>> BestFit::fitResultRows() const
{
    if (!lastFit_)
        return {{texts::kNoteResult, texts::kNoFitYet}};
    const FitResult& fit = lastFit_->result;
    auto text = [this](double x) { return form_.text(x); };
    ResultRows rows;
    bool uncertain = false;
    for (Parameter k : kParameters) {
        const double value = fit.params[k];
        if (!fit.fitted[k]) {
            const bool origin = fit.t0HeldAsOrigin && k == Parameter::t0;
            rows.push_back({name(k), QString(origin ? texts::kOriginValue : texts::kFixedValue).arg(text(value))});
            continue;
        }
        rows.push_back({name(k), text(roundedTo(value, 7))});
        if (const std::optional<Uncertainty>& u = fit.uncertainty[k]) {
            uncertain = true;
            addUncertaintyRows(rows, name(k), value, *u, text);
        }
    }
    addDerivedRows(rows, fit, text);
    rows.push_back({texts::kStartResult, fit.start == Start::Current ? texts::kFromCurrent : texts::kFromData});
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

void BestFit::showResults()
{
    if (!results_)
        results_ = new ResultsWindow(&form_);
    refreshResults();
    results_->show();
    results_->raise();
}

void BestFit::refreshResults()
{
    if (results_)
        results_->setRows(fitResultRows(), lastFit_ && !fitIsCurrent());
}

// A name and a value a line, tab between, as the window shows them; then
// the last fit's figures, marked when no longer current.
void BestFit::copyResults()
{
    const Params& p = form_.state().p;
    QStringList lines;
    auto add = [&lines](const QString& name, const QString& value) { lines << name + '\t' + value; };
    add(texts::kPointsResult, form_.text(form_.state().npuntos));
    add("a", form_.text(p.a));
    add("c", form_.text(p.c));
    add("t0", form_.text(p.t0));
    const auto [squared, normalised] = form_.errorTexts();
    add(texts::kSquaredErrorResult, squared);
    add(texts::kNormalisedErrorResult, normalised);
    if (lastFit_) {
        if (!fitIsCurrent())
            lines << texts::kStale;
        for (const auto& [name, value] : fitResultRows())
            add(name, value);
    }
    lines << residualLines(form_);
    QApplication::clipboard()->setText(lines.join('\n'));
}

} // namespace ajuste
