#include "window/form1.h"

#include "fitting/descent.h"
#include "window/palette.h"

#include <QLineEdit>

namespace ajuste {

// One step: the read-outs and colour are those before the update, which is
// applied even when the error has grown.
void Form1::paso_Click()
{
    if (s.ocupado)
        return;
    s.ocupado = true;
    recovering([&] {
        recordPreviousError();
        resetSums();
        const double h = readStepSize();
        sumOverPoints();
        showReadOuts();
        colourErrorBox();
        descend(s.p, h, s.sums);
        writeBackParams();
        pinter();
    });
}

void Form1::paso3_Click()
{
    runBatchClick(100);
}

void Form1::paso4_Click()
{
    runBatchClick(10000);
}

// A batch judges growth against the error recorded before it, and shows
// nothing until its end.
void Form1::runBatchClick(int passes)
{
    if (s.ocupado)
        return;
    s.ocupado = true;
    recovering([&] {
        palette::setBackground(fit.label10, palette::white);
        recordPreviousError();
        const double h = readStepSize();
        if (runBatch(s.p, s.sums, fixedParams(), tPoints(), yPoints(), s.errorAnt, h, passes))
            palette::setBackground(fit.label10, palette::magenta);
        showReadOuts();
        writeBackParams();
        pinter();
    });
}

double Form1::readStepSize()
{
    const double h = value(fit.Text1->text());
    fit.Text1->setText(text(h));
    return h;
}

// Text, then position, row by row: a position out of its bar's range stops
// the write-back there.
void Form1::writeBackParams()
{
    for (const ParamRow* row : {&fit.L, &fit.C, &fit.T})
        showValue(*row);
}

} // namespace ajuste
