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
    for (int g = 0; g < 6; ++g)
        for (QWidget* w : graphGroups[g])
            w->show();
    for (QWidget* w : table.all)
        w->hide();
    for (int g = 6; g < lastGroup; ++g)
        for (QWidget* w : graphGroups[g])
            w->show();
}

void Form1::showTableView()
{
    s.modoTabla = true;
    Command5->setText(texts::kGraphButton);
    for (int g = 0; g < 6; ++g)
        for (QWidget* w : graphGroups[g])
            w->hide();
    for (QWidget* w : table.all)
        w->show();
    for (int g = 6; g < 10; ++g)
        for (QWidget* w : graphGroups[g])
            w->hide();
}

} // namespace ajuste
