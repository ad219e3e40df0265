#include "window/form1.h"

#include "window/texts.h"

#include <QPushButton>

namespace ajuste {

void Form1::Command5_Click()
{
    if (!s.modoTabla) {
        showTableView();
        return;
    }
    capturar();
    if (s.npuntos == 0) {
        message(texts::kNoData);
        return;
    }
    s.modoTabla = false;
    showGraphControls(10);
    capturar();
    computeYmedia();
    redrawReleasing(&Form1::pintar);
}

// The graph view as entering it sets it up, with the groups of graph
// controls shown up to lastGroup (the recovery stops at the seventh).
void Form1::showGraphControls(int lastGroup)
{
    Command5->setText(texts::kTableButton);
    showGroups(0, 6, true);
    for (QWidget* w : table.all)
        w->hide();
    showGroups(6, lastGroup, true);
}

void Form1::showTableView()
{
    s.modoTabla = true;
    Command5->setText(texts::kGraphButton);
    showGroups(0, 6, false);
    for (QWidget* w : table.all)
        w->show();
    showGroups(6, 10, false);
}

// Groups first … last − 1 of the graph-view controls, in their order.
void Form1::showGroups(int first, int last, bool shown)
{
    for (int g = first; g < last; ++g)
        for (QWidget* w : graphGroups[g])
            w->setVisible(shown);
}

} // namespace ajuste
