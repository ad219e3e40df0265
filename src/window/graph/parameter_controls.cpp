#include "window/form1.h"

#include "common/numeric_error.h"
#include "graph/box_map.h"
#include "window/graph/scroll_bar.h"

#include <QLineEdit>

#include <algorithm>

namespace ajuste {

void Form1::scrollChanged(const ParamRow& row)
{
    if (!takeOcupado())
        return;
    double& changed = state_.p[row.scale->parameter];
    changed = barValue(row, row.bar->value());
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
    row.bar->setPosition(barPosition(row, shown));
}

// A bar covers the same share of the world as of the box: its positions
// stand for the box's values, mapped onto the world.
double Form1::barValue(const ParamRow& row, int position) const
{
    const Parameter k = row.scale->parameter;
    Params inBox;
    inBox[k] = row.scale->fromPosition(position);
    return toWorld(state_.world, inBox)[k];
}

// The nearest position, which may lie outside the bar.
int Form1::barPosition(const ParamRow& row, double value) const
{
    const Parameter k = row.scale->parameter;
    Params inWorld = toWorld(state_.world, Params{});
    inWorld[k] = value;
    return toInt16(row.scale->toPosition(toBox(state_.world, inWorld)[k]));
}

std::array<double, 2> Form1::barRange(Parameter k) const
{
    const ParamRow& row = fit_.rows[k];
    const auto [low, high] = std::minmax(barValue(row, row.scale->minimum), barValue(row, row.scale->maximum));
    return {low, high};
}

bool Form1::barsReach(const Params& p) const
{
    for (Parameter k : kParameters) {
        const ParamRow& row = fit_.rows[k];
        try {
            const int position = barPosition(row, p[k]);
            if (position < row.scale->minimum || position > row.scale->maximum)
                return false;
        } catch (const NumericError&) {
            return false;
        }
    }
    return true;
}

} // namespace ajuste
