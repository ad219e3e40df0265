#include "window/fitting/bar_reach.h"

#include "graph/bar_map.h"
#include "window/form1.h"

namespace ajuste {

bool barsCanShow(Form1& form, const Params& p, const char* refusal)
{
    if (barsReach(form.state().view.world, p))
        return true;
    form.dialogs().say(QString(refusal).arg(form.text(p.a), form.text(p.c), form.text(p.t0)));
    return false;
}

} // namespace ajuste
