#pragma once

#include "fitting/descent_path.h"
#include "fitting/error_surface.h"

#include <QObject>
#include <QPointF>

#include <optional>
#include <vector>

class QLabel;
class QMenu;
class QWidget;

namespace ajuste {

class BestFit;
class ErrorMapView;
class Form1;
class GraphMenu;
struct MapMarks;

// "Mapa del error…" (Ctrl+E): the squared error over a plane of two
// parameters, in a window of its own kept live: where the parameters are,
// where "Un paso" would take them, the path of every step and the
// least-squares optimum. A click or a drag on it sets the two parameters as
// if typed into their boxes.
class ErrorMap : public QObject {
    Q_OBJECT
public:
    ErrorMap(Form1& form, GraphMenu& menu, BestFit& bestFit);

    const std::vector<PathPoint>& path() const { return path_.points(); }

private:
    void open();
    void build();
    QMenu* mapMenu();
    void choosePlane(int index);
    void showAll();
    void clearPath();
    void takeData();
    void zoom(QPointF about, double factor);
    void pick(QPointF values);
    void hover(std::optional<QPointF> values);
    void refresh();
    bool surfaceIsCurrent() const;
    MapMarks marks() const;
    void describe();
    Range barSpan(Parameter k) const;
    Params onPlane(QPointF values) const;
    QString pointText(const Params& p) const;

    Form1& form_;
    DescentPath path_;
    std::optional<Params> optimum_;
    std::vector<double> t_, y_; // the points the path and the view are of
    ParameterPair plane_ = kPlanes[0];
    Range across_, up_; // what the view shows of the plane
    bool surfaceStale_ = true;
    QWidget* window_ = nullptr;
    ErrorMapView* view_ = nullptr;
    QLabel* point_ = nullptr;
};

} // namespace ajuste
