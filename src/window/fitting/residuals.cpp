#include "window/fitting/residuals.h"

#include "common/numeric_error.h"
#include "window/fitting/best_fit.h"
#include "window/fitting/residuals_view.h"
#include "window/form1.h"
#include "window/graph/graph_menu.h"
#include "window/picture_menu.h"
#include "window/texts.h"

#include <QVBoxLayout>

namespace ajuste {

Residuals::Residuals(Form1& form, GraphMenu& menu, const BestFit& bestFit)
    : QObject(&form), form_(form), bestFit_(bestFit)
{
    menu.addEntry(texts::kResiduals, [this] { open(); });
    for (auto change : {&Form1::redrawn, &Form1::captured, &Form1::fixedChanged, &Form1::worldChanged,
                        &Form1::recovered})
        connect(&form, change, this, &Residuals::refresh);
}

void Residuals::open()
{
    if (!window_)
        build();
    bringToFront(*window_);
    refresh();
}

void Residuals::build()
{
    window_ = new QWidget(&form_, Qt::Window);
    window_->setObjectName("residuos");
    view_ = new ResidualsView([this](double x) { return form_.text(x); }, window_);
    (new QVBoxLayout(window_))->addWidget(view_);
    window_->resize(560, 360);
    addPictureMenu(*view_, [this] { return view_->picture(); }, form_.dialogs());
}

// Nothing is worked out while the window is closed.
void Residuals::refresh()
{
    if (!window_ || !window_->isVisible())
        return;
    ResidualsPlot shown = plot();
    window_->setWindowTitle(shown.title);
    view_->setAccessibleName(shown.title);
    view_->setPlot(std::move(shown));
}

ResidualsPlot Residuals::plot() const
{
    const World& world = form_.state().view.world;
    ResidualsPlot shown{bestFit_.fitIsCurrent() ? texts::kResidualsOfFit : texts::kResidualsOfParameters,
                        {world.tLow, world.tHigh}, {-1.0, 1.0}, {}};
    try {
        shown.points = residuals(form_.state().p, form_.points().t, form_.points().y);
        shown.residual = residualRange(shown.points);
    } catch (const NumericError&) {
        shown.points.clear();
        shown.overflowed = true;
    }
    return shown;
}

QStringList residualLines(const Form1& form)
{
    QStringList lines{texts::kResidualColumns};
    try {
        for (const Residual& r : residuals(form.state().p, form.points().t, form.points().y))
            lines << QStringList{form.text(r.t), form.text(r.y), form.text(r.f), form.text(r.residual)}.join('\t');
    } catch (const NumericError&) {
        return {};
    }
    return lines;
}

} // namespace ajuste
