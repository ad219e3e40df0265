#pragma once

#include "fitting/least_squares.h"

#include <QObject>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace ajuste {

class Form1;
class GraphMenu;
class ResultsWindow;

// "Mejor ajuste" (Ctrl+M): the least-squares optimum written into the
// boxes and bars; "Resultados…", its figures in a window of their own kept
// current; "Copiar resultados", the values and those figures as text.
class BestFit : public QObject {
    Q_OBJECT
public:
    BestFit(Form1& form, GraphMenu& menu);

    // The last fit while the parameters, the fixed ones and the points are
    // those it was computed from; else null.
    const FitResult* currentFit() const;
    // The last fit's optimum is where the parameters are, for these points.
    bool fitIsCurrent() const;

signals:
    // The optimum written into the boxes and bars, with what was fitted.
    void fitted(const FitResult& fit);

private:
    // The last fit and what it was computed from, so that its figures can
    // be marked once anything changes.
    struct LastFit {
        FitResult result;
        Fixed fixed;
        std::vector<double> t, y;
    };

    void fit();
    std::vector<std::pair<QString, QString>> fitResultRows() const;
    void showResults();
    void refreshResults();
    void copyResults();

    Form1& form_;
    std::optional<LastFit> lastFit_;
    ResultsWindow* results_ = nullptr;
};

} // namespace ajuste
