#include "window/fitting/error_map.h"

#include "common/numeric_error.h"
#include "data/number_text.h"
#include "fitting/descent.h"
#include "graph/bar_map.h"
#include "window/fitting/best_fit.h"
#include "window/fitting/error_map_view.h"
#include "window/form1.h"
#include "window/graph/graph_menu.h"
#include "window/picture_menu.h"
#include "window/texts.h"

#include "window/fitting/error_map_layers.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QThreadPool>
#include <QVBoxLayout>

#include <algorithm>

namespace ajuste {

namespace {

constexpr int kCells = 256; // across and up
// How far the view may zoom, against a bar's whole span.
constexpr double kDeepestZoom = 1e-6;
constexpr double kWidestZoom = 10;
constexpr int kShownDigits = 6; // of the errors and the ranges said

QString planeName(ParameterPair pair)
{
    return QString(texts::kPlaneName).arg(name(pair.across), name(pair.up));
}

} // namespace

ErrorMap::ErrorMap(Form1& form, GraphMenu& menu, BestFit& bestFit)
    : QObject(&form), form_(form), workers_(new QThreadPool(this))
{
    workers_->setMaxThreadCount(1);
    menu.addEntry(texts::kErrorMap, [this] { open(); }, QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(&form, &Form1::captured, this, &ErrorMap::takeData);
    connect(&form, &Form1::stepped, this, [this](const std::vector<Params>& steps) { path_.add(steps); });
    connect(&form, &Form1::recovered, this, &ErrorMap::clearPath);
    connect(&form, &Form1::worldChanged, this, &ErrorMap::showAll);
    for (auto change : {&Form1::redrawn, &Form1::fixedChanged})
        connect(&form, change, this, &ErrorMap::refresh);
    connect(&bestFit, &BestFit::fitted, this, [this](const FitResult& fit) {
        optimum_ = Optimum{fit, form_.fixedParams()};
        refresh();
    });
    across_ = barSpan(plane_.across);
    up_ = barSpan(plane_.up);
}

// A map still being worked out must not outlive the object it reports to.
ErrorMap::~ErrorMap()
{
    workers_->clear();
    workers_->waitForDone();
}

void ErrorMap::open()
{
    if (!window_)
        build();
    bringToFront(*window_);
    refresh();
}

void ErrorMap::build()
{
    window_ = new QWidget(&form_, Qt::Window);
    window_->setObjectName("mapa");
    window_->setWindowTitle(texts::kErrorMapTitle);
    auto* planes = new QComboBox;
    for (ParameterPair pair : kPlanes)
        planes->addItem(planeName(pair));
    auto* planeLabel = new QLabel(texts::kPlane);
    planeLabel->setBuddy(planes);
    view_ = new ErrorMapView(path_.points(), [this](double x) { return form_.text(x); }, window_);
    point_ = new QLabel;
    point_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* top = new QHBoxLayout;
    top->addWidget(planeLabel);
    top->addWidget(planes);
    top->addStretch();
    auto* layout = new QVBoxLayout(window_);
    layout->addLayout(top);
    layout->addWidget(view_, 1);
    layout->addWidget(point_);
    window_->resize(640, 520);

    connect(planes, &QComboBox::currentIndexChanged, this, &ErrorMap::choosePlane);
    connect(view_, &ErrorMapView::picked, this, &ErrorMap::pick);
    connect(view_, &ErrorMapView::hovered, this, &ErrorMap::hover);
    connect(view_, &ErrorMapView::zoomed, this, &ErrorMap::zoom);
    QMenu* menu = addPictureMenu(*view_, [this] { return view_->picture(); }, form_.dialogs());
    menu->addSeparator();
    menu->addAction(texts::kShowAll, this, &ErrorMap::showAll);
    menu->addAction(texts::kShowRegion, this, &ErrorMap::showRegion);
    menu->addAction(texts::kClearPath, this, &ErrorMap::clearPath);
}

void ErrorMap::choosePlane(int index)
{
    plane_ = kPlanes[index];
    showAll();
}

// "Ver todo": each axis as far as its bar reaches.
void ErrorMap::showAll()
{
    across_ = barSpan(plane_.across);
    up_ = barSpan(plane_.up);
    requested_.reset();
    refresh();
}

// "Ver la región de confianza": the region with as much again around it,
// no deeper than a zoom goes, when the map shows one.
void ErrorMap::showRegion()
{
    const std::optional<ConfidenceRegion>& region = view_->marks().region;
    if (!region)
        return;
    auto around = [this](Range extent, Parameter k) {
        const double half = std::max(extent.size(), barSpan(k).size() * kDeepestZoom);
        return Range{extent.at(0.5) - half, extent.at(0.5) + half};
    };
    across_ = around(region->xExtent, region->x);
    up_ = around(region->yExtent, region->y);
    requested_.reset();
    refresh();
}

// "Borrar el camino", and the recovery, which also ends a drag: the
// next move must not set the parameters again.
void ErrorMap::clearPath()
{
    path_.clear();
    if (view_)
        view_->stopDragging();
    refresh();
}

// Points other than the last ones: a path of them, or an optimum, means
// nothing any more, and the bars' reach may have changed. Loading them may
// have moved the parameters without a redraw.
void ErrorMap::takeData()
{
    const Form1::Points points = form_.points();
    if (std::ranges::equal(t_, points.t) && std::ranges::equal(y_, points.y))
        return refresh();
    t_.assign(points.t.begin(), points.t.end());
    y_.assign(points.y.begin(), points.y.end());
    path_.clear();
    optimum_.reset();
    showAll();
}

// About the values under the mouse, which stay where they are.
void ErrorMap::zoom(QPointF about, double factor)
{
    auto scaled = [factor](Range span, double at, Range whole) {
        const double size = std::clamp(span.size() * factor, whole.size() * kDeepestZoom, whole.size() * kWidestZoom);
        const double f = size / span.size();
        return Range{at - (at - span.low) * f, at + (span.high - at) * f};
    };
    across_ = scaled(across_, about.x(), barSpan(plane_.across));
    up_ = scaled(up_, about.y(), barSpan(plane_.up));
    requested_.reset();
    refresh();
}

// As typed into the two boxes; not while the table shows, where the
// boxes cannot be reached either.
void ErrorMap::pick(QPointF values)
{
    if (!form_.state().modoTabla)
        form_.setParameters(onPlane(values));
}

void ErrorMap::hover(std::optional<QPointF> values)
{
    if (!values) {
        point_->clear();
        return;
    }
    point_->setText(pointText(onPlane(*values)));
}

// The current parameters with the plane's two at those values.
Params ErrorMap::onPlane(QPointF values) const
{
    Params p = form_.state().p;
    p[plane_.across] = values.x();
    p[plane_.up] = values.y();
    return p;
}

// The surface is computed again only for other points, another plane or
// view, or another value of the held parameter; the marks follow every
// change. Nothing is computed while the window is closed.
void ErrorMap::refresh()
{
    if (!window_ || !window_->isVisible())
        return;
    const Parameter held = heldParameter(plane_);
    if (!requested_ || requested_->base[held] != form_.state().p[held])
        requestSurface();
    view_->setMarks(marks());
    describe();
}

// 256 × 256 cells with their colours and contours may take longer than a
// drag's move on a slow machine: they are worked out off the event thread,
// the view keeping the last finished map meanwhile.
void ErrorMap::requestSurface()
{
    requested_ = ErrorSurface{plane_, form_.state().p, across_, up_, kCells, kCells, {}};
    const int request = ++requests_;
    workers_->start([this, request, surface = *requested_, t = t_, y = y_] {
        if (request != requests_)
            return;
        MapLayers layers = mapLayers(errorSurface(surface.pair, surface.base, surface.across, surface.up,
                                                  surface.columns, surface.rows, t, y));
        QMetaObject::invokeMethod(this, [this, request, layers = std::move(layers)] {
            if (request == requests_)
                showLayers(layers);
        }, Qt::QueuedConnection);
    });
}

void ErrorMap::showLayers(const MapLayers& layers)
{
    view_->setLayers(layers);
    describe();
    emit layersShown();
}

// No arrow when the step size is no number or the step would overflow:
// "Un paso" would end in the recovery.
MapMarks ErrorMap::marks() const
{
    const Params& p = form_.state().p;
    MapMarks marks{p, std::nullopt, std::nullopt, std::nullopt};
    if (optimumIsCurrent()) {
        marks.optimum = optimum_->fit.params;
        marks.region = confidenceRegion(optimum_->fit, plane_.across, plane_.up);
    }
    try {
        const StepSizes h = stepSizes(form_.state().view.world, form_.stepSize());
        marks.stepEnd = nextStep(p, h, form_.fixedParams(), form_.points().t, form_.points().y);
    } catch (const NumericError&) {
        marks.stepEnd.reset();
    }
    return marks;
}

// The fit's optimum is that of the plane shown while the points, the fix
// boxes, the values the fit held and the plane's third parameter are those
// it was made with.
bool ErrorMap::optimumIsCurrent() const
{
    if (!optimum_ || optimum_->fixed != form_.fixedParams())
        return false;
    const Params& p = form_.state().p;
    for (Parameter k : kParameters)
        if ((!optimum_->fit.fitted[k] || k == heldParameter(plane_)) && p[k] != optimum_->fit.params[k])
            return false;
    return true;
}

// For a screen reader: the plane, its ranges, the held value, and where
// the parameters are now with the error there.
void ErrorMap::describe()
{
    const Range across = view_->layers().surface.across, up = view_->layers().surface.up;
    const Params& p = form_.state().p;
    auto range = [this](Parameter k, Range span) {
        return QString(texts::kMapRange)
            .arg(name(k), form_.text(roundedTo(span.low, kShownDigits)), form_.text(roundedTo(span.high, kShownDigits)));
    };
    const Parameter held = heldParameter(plane_);
    view_->setAccessibleName(QString(texts::kMapName).arg(planeName(plane_)));
    QString description = QString(texts::kMapDescription)
                              .arg(range(plane_.across, across), range(plane_.up, up),
                                   QString(texts::kMapValue).arg(name(held), form_.text(p[held])), pointText(p));
    if (const std::optional<ConfidenceRegion>& region = view_->marks().region)
        description += QString(texts::kMapRegion).arg(range(region->x, region->xExtent), range(region->y, region->yExtent));
    view_->setAccessibleDescription(description);
}

Range ErrorMap::barSpan(Parameter k) const
{
    const auto [low, high] = barRange(form_.state().view.world, *kScales[k]);
    return {low, high};
}

// The two values of the plane and the squared error there.
QString ErrorMap::pointText(const Params& p) const
{
    auto value = [&](Parameter k) { return QString(texts::kMapValue).arg(name(k), form_.text(p[k])); };
    const double error = squaredError(p, form_.points().t, form_.points().y);
    const QString errorText = overflowed(error) ? texts::kMapOverflow : form_.text(roundedTo(error, kShownDigits));
    return QString(texts::kMapPoint).arg(value(plane_.across), value(plane_.up), errorText);
}

} // namespace ajuste
