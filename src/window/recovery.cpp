#include "window/form1.h"

#include "common/numeric_error.h"
#include "window/scroll_bar.h"
#include "window/texts.h"

#include <QLineEdit>

namespace ajuste {

// Back to a = 5, c = 1, t0 = 0 after any numeric trouble. ocupado is set
// before the message, so the change events of the reset bars do nothing.
void Form1::desbord()
{
    s.ocupado = true;
    message(texts::kOverflow);
    s.p.a = 5.0;
    s.p.c = 1.0;
    s.modoTabla = false;
    fit.C.bar->setPosition(10);
    fit.L.bar->setPosition(-50);
    fit.T.bar->setPosition(0);
    s.p.t0 = 0.0;
    fit.L.box->setText(text(s.p.a));
    fit.T.box->setText(text(s.p.t0));
    fit.C.box->setText(text(s.p.c));
    showGraphControls(7);
    capturar();
    redrawReleasing(&Form1::pinter);
    clearReadOuts();
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

} // namespace ajuste
