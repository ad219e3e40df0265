#include "window/form1.h"

#include "common/numeric_error.h"
#include "graph/bar_map.h"
#include "window/graph/scroll_bar.h"

#include <QLineEdit>

namespace ajuste {

void Form1::scrollChanged(const ParamRow& row)
{
    if (!takeOcupado())
        return;
    double& changed = state_.p[row.scale->parameter];
    changed = barValue(state_.view.world, *row.scale, row.bar->value());
    row.box->setText(text(changed));
    redrawReleasing([this] { pintar(); });
}

void Form1::valueKeyPressed(const ParamRow& row, int code)
{
    if (code == '\r' && takeOcupado())
        takeTypedValue(row);
}

void Form1::valueLeft(const ParamRow& row)
{
    if (takeOcupado())
        takeTypedValue(row);
}

// The box's text becomes the parameter, shown normalised, the bar at its
// nearest position (whose change event finds ocupado set, so the parameter
// keeps the typed precision), and the graph redrawn.
void Form1::takeTypedValue(const ParamRow& row)
{
    const bool taken = recovering([&] {
        state_.p[row.scale->parameter] = value(row.box->text());
        showValue(row);
    });
    if (taken) {
        recovering([this] { pintar(); });
    } else if (row.goesOnAfterRecovery) {
        // Goes on with the value the recovery left; a redraw failing again
        // gets no second recovery.
        showValue(row);
        redrawReleasing([this] { pintar(); });
    }
}

// Nothing while other work holds ocupado; a value the bars cannot take
// ends in the recovery, as a typed one does.
void Form1::setParameters(const Params& p)
{
    if (!takeOcupado())
        return;
    recovering([&] {
        state_.p = p;
        writeBackParams();
        pintar();
    });
}

void Form1::showValue(const ParamRow& row)
{
    const double shown = state_.p[row.scale->parameter];
    row.box->setText(text(shown));
    row.bar->setPosition(barPosition(state_.view.world, *row.scale, shown));
}

} // namespace ajuste
