#include "window/form1.h"

#include "window/palette.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace ajuste {

// An evaluation starts by keeping the error it will be compared with.
void Form1::resetSums()
{
    recordPreviousError();
    state_.sums = Sums{};
}

// The sums at the current parameters, with their read-outs and colour.
void Form1::addSumsAndShow()
{
    addPointSums(state_.sums, state_.p, fixedParams(), points().t, points().y);
    showReadOuts();
    palette::setBackground(fit_.label10, errorGrew(state_.sums.errorCuad, state_.errorAnt) ? palette::magenta
                                                                                 : palette::white);
}

void Form1::recordPreviousError()
{
    state_.errorAnt = state_.sums.errorCuad;
}

void Form1::showReadOuts()
{
    fit_.label10->setText(text(normalisedError(state_.sums.errorCuad, state_.npuntos, state_.ymedia)));
    fit_.Label6->setText(text(state_.sums.derL));
    fit_.Label7->setText(text(state_.sums.derC));
    fit_.Label8->setText(text(state_.sums.derT));
    fit_.label9->setText(text(state_.sums.errorCuad));
}

void Form1::clearReadOuts()
{
    for (QLabel* label : {fit_.Label6, fit_.Label7, fit_.Label8})
        label->clear();
    fit_.label9->clear();
    fit_.label10->clear();
}

std::array<QString, 2> Form1::errorTexts() const
{
    return {fit_.label9->text(), fit_.label10->text()};
}

// A box counts as ticked in any state but unticked; read at every use.
Fixed Form1::fixedParams() const
{
    Fixed fixed;
    for (Parameter k : kParameters)
        fixed[k] = fit_.rows[k].fix->checkState() != Qt::Unchecked;
    return fixed;
}

} // namespace ajuste
