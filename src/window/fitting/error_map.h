#pragma once

#include "fitting/descent_path.h"
#include "fitting/error_surface.h"

#include "fitting/least_squares.h"

#include <QObject>
#include <QPointF>

#include <atomic>
#include <optional>
#include <vector>

class QLabel;
class QThreadPool;
class QWidget;

namespace ajuste {

class BestFit;
class ErrorMapView;
class Form1;
class GraphMenu;
struct MapLayers;
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
    ~ErrorMap() override;

    const std::vector<PathPoint>& path() const { return path_.points(); }

signals:
    void layersShown(); // a newly worked-out map in the view

private:
    void open();
    void build();
    void choosePlane(int index);
    void showAll();
    void showRegion();
    void clearPath();
    void takeData();
    void zoom(QPointF about, double factor);
    void pick(QPointF values);
    void hover(std::optional<QPointF> values);
    void refresh();
    void requestSurface();
    void showLayers(const MapLayers& layers);
    MapMarks marks() const;
    bool optimumIsCurrent() const;
    void describe();
    Range barSpan(Parameter k) const;
    Params onPlane(QPointF values) const;
    QString pointText(const Params& p) const;

    Form1& form_;
    DescentPath path_;
    // The last fit of these points, and the fix boxes it was made with.
    struct Optimum {
        FitResult fit;
        Fixed fixed;
    };
    std::optional<Optimum> optimum_;
    std::vector<double> t_, y_; // the points the path and the view are of
    ParameterPair plane_ = kPlanes[0];
    Range across_, up_; // what the view shows of the plane
    // The surface last asked for, which the view shows once it is worked
    // out; a newer request makes an older one's result stale.
    std::optional<ErrorSurface> requested_;
    std::atomic<int> requests_ = 0;
    QThreadPool* workers_; // one thread: a newer request waits for the older, which it makes stale
    QWidget* window_ = nullptr;
    ErrorMapView* view_ = nullptr;
    QLabel* point_ = nullptr;
};

} // namespace ajuste
