#include "window/form1.h"

#include "window/texts.h"

#include <QLabel>
#include <QPushButton>

namespace ajuste {

void Form1::Command5_Click()
{
    if (!state_.modoTabla) {
        showTableView();
        return;
    }
    capturar();
    if (state_.npuntos == 0) {
        dialogs_.say(texts::kNoData);
        return;
    }
    state_.modoTabla = false;
    showGraphControls(Group::ParameterPictures);
    capturar();
    computeYmedia();
    emit pointsToShow();
    redrawReleasing([this] { pintar(); });
}

// The graph view as entering it sets it up, with its groups shown up to last.
void Form1::showGraphControls(Group last)
{
    views_.Command5->setText(texts::kTableButton);
    showGroups(Group::Axes, Group::ErrorAndStepBoxes, true);
    showGroups(Group::Table, Group::Table, false);
    showGroups(Group::ZeroMark, last, true);
}

void Form1::showTableView()
{
    state_.modoTabla = true;
    views_.Command5->setText(texts::kGraphButton);
    showGroups(Group::Axes, Group::ErrorAndStepBoxes, false);
    showGroups(Group::Table, Group::Table, true);
    showGroups(Group::ZeroMark, Group::ParameterPictures, false);
}

// Groups first to last, in their order.
void Form1::showGroups(Group first, Group last, bool shown)
{
    for (int g = int(first); g <= int(last); ++g)
        for (QWidget* w : views_.groups[g])
            w->setVisible(shown);
}

std::vector<const QLabel*> Form1::axisLabels() const
{
    std::vector<const QLabel*> labels;
    for (Group group : {Group::Axes, Group::ZeroMark})
        for (QWidget* w : views_.groups[int(group)])
            if (auto* label = qobject_cast<QLabel*>(w))
                labels.push_back(label);
    return labels;
}

} // namespace ajuste
