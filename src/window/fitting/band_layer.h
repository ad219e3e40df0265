#pragma once

#include <QObject>

class QAction;

namespace ajuste {

class BestFit;
class Form1;
class GraphMenu;

// "Banda de confianza (95 %)": while checked and the results of "Mejor
// ajuste" are current, the fitted curve's 95 % band shaded under the curve
// and the points, in the window and in every figure.
class BandLayer : public QObject {
    Q_OBJECT
public:
    BandLayer(Form1& form, GraphMenu& menu, const BestFit& bestFit);

private:
    void refresh();

    Form1& form_;
    const BestFit& bestFit_;
    QAction* entry_;
    bool shown_ = false;
};

} // namespace ajuste
