#include "window/fitting/data_start_entry.h"

#include "window/fitting/bar_reach.h"
#include "window/form1.h"
#include "window/graph/graph_menu.h"
#include "window/texts.h"

namespace ajuste {

DataStartEntry::DataStartEntry(Form1& form, GraphMenu& menu) : QObject(&form), form_(form)
{
    menu.addEntry(texts::kDataStart, [this] { use(); });
}

void DataStartEntry::use()
{
    const Form1::Points points = form_.points();
    const auto start = startFromData(form_.state().p, form_.fixedParams(), points.t, points.y);
    if (const auto* reason = std::get_if<NoDataStart>(&start))
        form_.dialogs().say(whyNot(*reason));
    else if (barsCanShow(form_, std::get<Params>(start), texts::kStartBeyondTheBars))
        form_.setParameters(std::get<Params>(start));
}

QString DataStartEntry::whyNot(NoDataStart reason) const
{
    switch (reason) {
    case NoDataStart::TooFewPoints: return texts::kNoStartTooFewPoints;
    case NoDataStart::FixedAOfOtherSign: return QString(texts::kNoStartFixedA).arg(form_.text(form_.state().p.a));
    case NoDataStart::OutOfRange: return texts::kNoStartOutOfRange;
    }
    return {};
}

} // namespace ajuste
