#include "window/form1.h"

#include "common/numeric_error.h"
#include "window/scroll_bar.h"

#include <QLineEdit>

namespace ajuste {

void Form1::scrollChanged(const ParamRow& row)
{
    if (s.ocupado)
        return;
    s.ocupado = true;
    s.p.*row.scale->parameter = row.scale->fromPosition(row.bar->value());
    row.box->setText(text(s.p.*row.scale->parameter));
    redrawReleasing(&Form1::pintar);
}

void Form1::valueKeyPressed(const ParamRow& row, int code)
{
    if (s.ocupado || code != 13)
        return;
    takeTypedValue(row);
}

void Form1::valueLeft(const ParamRow& row)
{
    if (!s.ocupado)
        takeTypedValue(row);
}

// The box's text becomes the parameter, shown normalised, the bar at its
// nearest position (whose change event finds ocupado set, so the parameter
// keeps the typed precision), and the graph redrawn.
void Form1::takeTypedValue(const ParamRow& row)
{
    s.ocupado = true;
    const bool taken = recovering([&] {
        s.p.*row.scale->parameter = value(row.box->text());
        showValue(row);
    });
    if (taken) {
        recovering([&] { pintar(); });
    } else if (row.goesOnAfterRecovery) {
        // Goes on with the value the recovery left; a redraw failing again
        // gets no second recovery.
        showValue(row);
        redrawReleasing(&Form1::pintar);
    }
}

void Form1::showValue(const ParamRow& row)
{
    const double value = s.p.*row.scale->parameter;
    row.box->setText(text(value));
    row.bar->setPosition(toInt16(row.scale->toPosition(value)));
}

} // namespace ajuste
