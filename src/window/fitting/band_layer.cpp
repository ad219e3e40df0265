#include "window/fitting/band_layer.h"

#include "graph/band_plot.h"
#include "window/fitting/best_fit.h"
#include "window/form1.h"
#include "window/graph/graph_menu.h"
#include "window/graph/graph_widget.h"
#include "window/palette.h"
#include "window/texts.h"

#include <QAction>
#include <QPolygonF>

#include <ranges>

namespace ajuste {

namespace {

// Along the upper edge, then back along the lower one.
QPolygonF outline(const std::vector<BandSample>& samples)
{
    QPolygonF polygon;
    for (const BandSample& s : samples)
        polygon << QPointF(s.x, s.upper);
    for (const BandSample& s : std::views::reverse(samples))
        polygon << QPointF(s.x, s.lower);
    return polygon;
}

} // namespace

BandLayer::BandLayer(Form1& form, GraphMenu& menu, const BestFit& bestFit)
    : QObject(&form), form_(form), bestFit_(bestFit), entry_(menu.addEntry(texts::kConfidenceBand, [this] { refresh(); }))
{
    entry_->setCheckable(true);
    entry_->setEnabled(false);
    for (auto change : {&Form1::redrawn, &Form1::captured, &Form1::fixedChanged})
        connect(&form, change, this, &BandLayer::refresh);
    connect(&bestFit, &BestFit::fitted, this, &BandLayer::refresh);
}

void BandLayer::refresh()
{
    const FitResult* fit = bestFit_.currentFit();
    entry_->setEnabled(fit != nullptr);
    const bool shown = fit && entry_->isChecked();
    // Most redraws have no band to draw or take away.
    if (shown || shown_)
        form_.graph().setUnderlay(shown ? outline(bandPlot(*fit, form_.state().view)) : QPolygonF(), palette::bandShade);
    shown_ = shown;
}

} // namespace ajuste
