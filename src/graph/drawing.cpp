#include "window/form1.h"

#include "common/numeric_error.h"
#include "graph/graph_widget.h"
#include "graph/plot.h"
#include "window/palette.h"

namespace ajuste {

// The full redraw: curve, points, then the evaluation of the fit.
void Form1::pintar()
{
    drawCurveAndPoints(CurveRule::Within10);
    recordPreviousError();
    resetSums();
    sumOverPoints();
    showReadOuts();
    colourErrorBox();
    s.ocupado = false;
}

// The light redraw after a step, which has evaluated already.
void Form1::pinter()
{
    drawCurveAndPoints(CurveRule::Below30);
    s.ocupado = false;
}

void Form1::drawCurveAndPoints(CurveRule rule)
{
    Graph& graf = *fit.graf;
    graf.clear();
    graf.setPenWidth(1);
    plotCurve(s.p, rule, s.ymax, [&](double x, double y) { graf.setPoint(x, y, palette::red); });
    graf.setPenWidth(4);
    plotPoints(tPoints(), yPoints(), s.ymax, [&](double x, double y) { graf.setPoint(x, y, palette::blue); });
}

void Form1::graf_Click()
{
    s.ocupado = true;
    redrawReleasing(&Form1::pintar);
}

// For callers with no recovery of their own: a failed redraw stops where it
// is and keeps what it drew, but must not leave ocupado set, or the
// parameter controls and step buttons would stay dead. The read-outs go:
// they would speak of an evaluation that did not finish.
void Form1::redrawReleasing(void (Form1::*redraw)())
{
    try {
        (this->*redraw)();
    } catch (const NumericError&) {
        s.ocupado = false;
        clearReadOuts();
    }
}

} // namespace ajuste
