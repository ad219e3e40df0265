#include "window/form1.h"

#include "graph/bar_map.h"
#include "graph/box_map.h"
#include "graph/plot.h"
#include "window/graph/graph_widget.h"
#include "window/palette.h"

namespace ajuste {

namespace {

// A point the log view cannot show stands this far above the bottom edge, so
// that its whole open mark is seen.
inline constexpr double kHiddenMarkLift = 90; // twips

} // namespace

void Form1::pintar()
{
    drawCurveAndPoints(CurveRule::Within10);
    resetSums();
    addSumsAndShow();
    state_.ocupado = false;
}

void Form1::pinter()
{
    drawCurveAndPoints(CurveRule::Below30);
    state_.ocupado = false;
}

void Form1::drawCurveAndPoints(CurveRule rule)
{
    Graph& graf = *fit_.graf;
    graf.clear();
    graf.setPenWidth(1);
    const auto curve = [&](double x, double y) { graf.setPoint(x, y, palette::red); };
    const auto point = [&](double x, double y) { graf.setPoint(x, y, palette::blue); };
    const auto hidden = [&](double x, double y) { graf.setOpenMark(x, y - kHiddenMarkLift, palette::blue); };
    plotCurve(state_.p, rule, state_.view, curve);
    graf.setPenWidth(4);
    plotPoints(points().t, points().y, state_.view, point, hidden);
    emit redrawn();
}

void Form1::graf_Click()
{
    state_.ocupado = true;
    redrawReleasing([this] { pintar(); });
}

void Form1::setView(const View& view)
{
    const bool newWorld = view.world != state_.view.world;
    state_.view = view;
    if (!newWorld)
        return;
    if (!barsReach(view.world, state_.p))
        state_.p = toWorld(view.world, Params{});
    const bool busy = state_.ocupado; // the bars' change events do nothing
    state_.ocupado = true;
    writeBackParams();
    state_.ocupado = busy;
}

void Form1::redrawGraph()
{
    if (!state_.modoTabla)
        redrawReleasing([this] { drawCurveAndPoints(CurveRule::Within10); });
}

} // namespace ajuste
