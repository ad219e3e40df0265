#include "window/fitting/bar_reach.h"

#include "window/form1.h"

namespace ajuste {

bool barsCanShow(Form1& form, const Params& p, const char* refusal)
{
    if (form.barsReach(p))
        return true;
    form.dialogs().say(QString(refusal).arg(form.text(p.a), form.text(p.c), form.text(p.t0)));
    return false;
}

} // namespace ajuste
