#include "window/form1.h"

#include "window/graph/graph_widget.h"
#include "graph/plot.h"
#include "window/palette.h"

namespace ajuste {

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
    plotCurve(state_.p, rule, state_.ymax, [&](double x, double y) { graf.setPoint(x, y, palette::red); });
    graf.setPenWidth(4);
    plotPoints(points().t, points().y, state_.ymax, [&](double x, double y) { graf.setPoint(x, y, palette::blue); });
    emit redrawn();
}

void Form1::graf_Click()
{
    state_.ocupado = true;
    redrawReleasing([this] { pintar(); });
}

} // namespace ajuste
