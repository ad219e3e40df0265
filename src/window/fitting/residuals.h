#pragma once

#include <QObject>
#include <QStringList>

class QWidget;

namespace ajuste {

class BestFit;
class Form1;
class GraphMenu;
class ResidualsView;
struct ResidualsPlot;

// "Residuos…": y − f(t) of each point against t, over the graph's t range,
// in a window of its own kept live; titled by whether the parameters are
// the current best fit's.
class Residuals : public QObject {
    Q_OBJECT
public:
    Residuals(Form1& form, GraphMenu& menu, const BestFit& bestFit);

private:
    void open();
    void build();
    void refresh();
    ResidualsPlot plot() const;

    Form1& form_;
    const BestFit& bestFit_;
    QWidget* window_ = nullptr;
    ResidualsView* view_ = nullptr;
};

// For "Copiar resultados": a line of column names, then t, y, f(t) and
// y − f(t) a point, tab between; nothing when they overflow.
QStringList residualLines(const Form1& form);

} // namespace ajuste
