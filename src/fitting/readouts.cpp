#include "window/form1.h"

#include "window/palette.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace ajuste {

void Form1::recordPreviousError()
{
    s.errorAnt = s.sums.errorCuad;
}

void Form1::resetSums()
{
    s.sums = Sums{};
}

void Form1::sumOverPoints()
{
    addPointSums(s.sums, s.p, fixedParams(), tPoints(), yPoints());
}

void Form1::showReadOuts()
{
    fit.label10->setText(text(normalisedError(s.sums.errorCuad, s.npuntos, s.ymedia)));
    fit.Label6->setText(text(s.sums.derL));
    fit.Label7->setText(text(s.sums.derC));
    fit.Label8->setText(text(s.sums.derT));
    fit.label9->setText(text(s.sums.errorCuad));
}

void Form1::clearReadOuts()
{
    for (QLabel* label : {fit.Label6, fit.Label7, fit.Label8})
        label->clear();
    fit.label9->clear();
    fit.label10->clear();
}

void Form1::colourErrorBox()
{
    palette::setBackground(fit.label10, errorGrew(s.sums.errorCuad, s.errorAnt) ? palette::magenta
                                                                                 : palette::white);
}

// A box counts as ticked in any state but unticked; read at every use.
Fixed Form1::fixedParams() const
{
    return {fit.L.fix->checkState() != Qt::Unchecked, fit.C.fix->checkState() != Qt::Unchecked,
            fit.T.fix->checkState() != Qt::Unchecked};
}

} // namespace ajuste
