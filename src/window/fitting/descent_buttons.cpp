#include "window/form1.h"

#include "fitting/descent.h"
#include "graph/box_map.h"
#include "window/palette.h"

#include <QLineEdit>

namespace ajuste {

// One step: the read-outs and colour are those before the update, which is
// applied even when the error has grown. The step size is read after the
// reset, so that a bad one stops the work with the sums reset.
void Form1::paso_Click()
{
    if (!takeOcupado())
        return;
    recovering([&] {
        resetSums();
        const double h = readStepSize();
        addSumsAndShow();
        std::vector<Params> path{state_.p};
        descend(state_.p, stepSizes(state_.view.world, h), state_.sums);
        path.push_back(state_.p);
        writeBackParams();
        emit stepped(path);
        pinter();
    });
}

void Form1::paso3_Click()
{
    runBatchClick(kShortBatch);
}

void Form1::paso4_Click()
{
    runBatchClick(kLongBatch);
}

// A batch judges growth against the error recorded before it, and shows
// nothing until its end.
void Form1::runBatchClick(int passes)
{
    if (!takeOcupado())
        return;
    recovering([&] {
        palette::setBackground(fit_.label10, palette::white);
        recordPreviousError();
        const double h = readStepSize();
        std::vector<Params> path{state_.p};
        path.reserve(passes + 1);
        const StepSizes steps = stepSizes(state_.view.world, h);
        if (runBatch(state_.p, state_.sums, fixedParams(), points().t, points().y, state_.errorAnt, steps, passes, &path))
            palette::setBackground(fit_.label10, palette::magenta);
        showReadOuts();
        writeBackParams();
        emit stepped(path);
        pinter();
    });
}

double Form1::readStepSize()
{
    const double h = stepSize();
    fit_.Text1->setText(text(h));
    return h;
}

double Form1::stepSize() const
{
    return value(fit_.Text1->text());
}

// Text, then position, row by row: a position out of its bar's range stops
// the write-back there.
void Form1::writeBackParams()
{
    for (Parameter k : kParameters)
        showValue(fit_.rows[k]);
}

} // namespace ajuste
