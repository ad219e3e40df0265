#include "window/form1.h"

#include "graph/graph_widget.h"
#include "graph/plot.h"
#include "window/palette.h"

namespace ajuste {

// The full redraw: curve, points, then the evaluation of the fit_.
void Form1::pintar()
{
    drawCurveAndPoints(CurveRule::Within10);
    recordPreviousError();
    resetSums();
    sumOverPoints();
    showReadOuts();
    colourErrorBox();
    state_.ocupado = false;
}

// The light redraw after a step, which has evaluated already.
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
    plotCurve(state_.p, rule, state_.ymax, [&](double x, double y) { graf.setPoint(x, y, palette::red); });
    graf.setPenWidth(4);
    plotPoints(tPoints(), yPoints(), state_.ymax, [&](double x, double y) { graf.setPoint(x, y, palette::blue); });
}

void Form1::graf_Click()
{
    state_.ocupado = true;
    redrawReleasing([this] { pintar(); });
}

} // namespace ajuste
