#pragma once

#include "graph/view.h"

#include <QObject>

class QAction;

namespace ajuste {

class Form1;
class GraphMenu;

// What the graph shows of the data: the box for points inside it, else a
// world chosen from them, and with "Escala logarítmica" the vertical axis
// in decades, where an exponential is a straight line; with "Ajustar la
// vista a los datos" a world for points inside the box too. Puts the world's
// numbers on the axes, the line at t = 0 where it holds it, and round ticks
// along the edges, which the box has none of.
class GraphView : public QObject {
    Q_OBJECT
public:
    GraphView(Form1& form, GraphMenu& menu);

private:
    void followData();
    void setLogarithmic(bool on);
    void setFitToData();
    std::variant<View, NoWorld> chosen(bool logarithmic) const;
    void show(const View& view);
    void showAxes(const View& view);
    void showTicks(const View& view);

    Form1& form_;
    QAction* logEntry_;
    QAction* fitEntry_;
};

} // namespace ajuste
