#include "window/form1.h"

#include "common/numeric_error.h"
#include "graph/box_map.h"
#include "window/texts.h"

#include <QLineEdit>

namespace ajuste {

// Back to a = 5, c = 1, t0 = 0 after any numeric trouble. ocupado is set
// before the message, so the change events of the reset bars do nothing.
void Form1::desbord()
{
    state_.ocupado = true;
    dialogs_.say(texts::kOverflow);
    state_.modoTabla = false;
    resetParameters();
    showGraphControls(Group::ZeroMark);
    capturar();
    redrawReleasing([this] { pinter(); });
    clearReadOuts();
    emit recovered();
}

// The start values a = 5, c = 1, t0 = 0 (their image in the world), with
// their boxes and bars; the bars' change events find ocupado set.
void Form1::resetParameters()
{
    state_.p = toWorld(state_.view.world, Params{});
    for (Parameter k : kParameters)
        showValue(fit_.rows[k]);
}

// The error handler of the step buttons and the value boxes: any numeric
// error abandons the work and ends in the recovery. False when it did.
bool Form1::recovering(const std::function<void()>& work)
{
    try {
        work();
        return true;
    } catch (const NumericError&) {
        desbord();
        return false;
    }
}

// For redraws with no recovery of their own: a failed one stops where it
// is and keeps what it drew, but must not leave ocupado set, or the
// parameter controls and step buttons would stay dead. The read-outs go:
// they would speak of an evaluation that did not finish.
void Form1::redrawReleasing(const std::function<void()>& redraw)
{
    try {
        redraw();
    } catch (const NumericError&) {
        state_.ocupado = false;
        clearReadOuts();
        emit redrawn();
    }
}

} // namespace ajuste
