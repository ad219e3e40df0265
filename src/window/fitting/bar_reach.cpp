#include "window/fitting/bar_reach.h"

#include "fitting/parameter_scale.h"
#include "window/form1.h"

namespace ajuste {

bool barsCanShow(Form1& form, const Params& p, const char* refusal)
{
    if (withinBars(p))
        return true;
    form.dialogs().say(QString(refusal).arg(form.text(p.a), form.text(p.c), form.text(p.t0)));
    return false;
}

} // namespace ajuste
