#include "window/form1.h"

#include "window/texts.h"

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
        message(texts::kNoData);
        return;
    }
    state_.modoTabla = false;
    showGraphControls(kGraphGroups);
    capturar();
    computeYmedia();
    redrawReleasing([this] { pintar(); });
}

// The graph view as entering it sets it up, with the groups of graph
// controls shown up to lastGroup.
void Form1::showGraphControls(int lastGroup)
{
    views_.Command5->setText(texts::kTableButton);
    showGroups(0, kGroupsBeforeTable, true);
    for (QWidget* w : table_.all)
        w->hide();
    showGroups(kGroupsBeforeTable, lastGroup, true);
}

void Form1::showTableView()
{
    state_.modoTabla = true;
    views_.Command5->setText(texts::kGraphButton);
    showGroups(0, kGroupsBeforeTable, false);
    for (QWidget* w : table_.all)
        w->show();
    showGroups(kGroupsBeforeTable, kGraphGroups, false);
}

// Groups first … last − 1 of the graph-view controls, in their order.
void Form1::showGroups(int first, int last, bool shown)
{
    for (int g = first; g < last; ++g)
        for (QWidget* w : views_.graphGroups[g])
            w->setVisible(shown);
}

} // namespace ajuste
