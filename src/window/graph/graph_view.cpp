#include "window/graph/graph_view.h"

#include "graph/plot.h"
#include "graph/ticks.h"
#include "window/form1.h"
#include "window/graph/graph_menu.h"
#include "window/graph/graph_widget.h"
#include "window/texts.h"
#include "window/twips.h"

#include <QAction>
#include <QLabel>

namespace ajuste {

namespace {

// The number in place of the form's own; a longer one widens the label
// about its centre, within the window.
void showAxisNumber(const AxisLabel& axis, const QString& number)
{
    axis.label->setText(number);
    QRect place = axis.formPlace;
    const int needed = axis.label->fontMetrics().horizontalAdvance(number) + 2;
    if (needed > place.width()) {
        place.setWidth(needed);
        place.moveCenter(axis.formPlace.center());
        place.moveLeft(std::max(place.left(), 0));
    }
    axis.label->setGeometry(place);
}

} // namespace

GraphView::GraphView(Form1& form, GraphMenu& menu)
    : QObject(&form), form_(form),
      logEntry_((menu.addSeparator(), menu.addEntry(texts::kLogScale, [this] { setLogarithmic(logEntry_->isChecked()); }))),
      fitEntry_(menu.addEntry(texts::kFitViewToData, [this] { setFitToData(); }))
{
    logEntry_->setCheckable(true);
    fitEntry_->setCheckable(true);
    connect(&form, &Form1::pointsToShow, this, &GraphView::followData);
    showAxes(form.state().view);
}

// The view of the new points, on the scale chosen; on the logarithmic one
// when it can show some of them, else on the linear one after saying why.
void GraphView::followData()
{
    std::variant<View, NoWorld> view = chosen(logEntry_->isChecked());
    if (const NoWorld* reason = std::get_if<NoWorld>(&view)) {
        form_.dialogs().say(texts::noWorld(*reason));
        if (*reason != NoWorld::NoPositivePoint)
            return;
        view = chosen(false);
    }
    show(std::get<View>(view));
}

// A new world may move the parameters to its start values: evaluated again.
void GraphView::setFitToData()
{
    followData();
    form_.setParameters(form_.state().p);
}

std::variant<View, NoWorld> GraphView::chosen(bool logarithmic) const
{
    const SmallData small = fitEntry_->isChecked() ? SmallData::InTheirWorld : SmallData::InTheBox;
    return chooseView(form_.points().t, form_.points().y, logarithmic, small);
}

// The world stays; only the vertical axis changes.
void GraphView::setLogarithmic(bool on)
{
    View view = form_.state().view;
    view.log.reset();
    if (on) {
        const std::variant<View, NoWorld> logView = chosen(true);
        if (const NoWorld* reason = std::get_if<NoWorld>(&logView)) {
            form_.dialogs().say(texts::noWorld(*reason));
            logEntry_->setChecked(false);
            return;
        }
        view.log = std::get<View>(logView).log;
    }
    show(view);
    form_.redrawGraph();
}

void GraphView::show(const View& view)
{
    form_.setView(view);
    logEntry_->setChecked(view.log.has_value());
    showAxes(view);
}

void GraphView::showAxes(const View& view)
{
    const World& world = view.world;
    const Range y = yEdges(view);
    AxisLabels& axes = form_.axes();
    showAxisNumber(axes.Minimo, form_.text(world.tLow));
    showAxisNumber(axes.maximo, form_.text(world.tHigh));
    showAxisNumber(axes.inicio, form_.text(y.low));
    showAxisNumber(axes.Final, form_.text(y.high));

    // The line wherever the world holds t = 0; its "0" only inside, as an
    // end's number says it at an edge.
    const std::optional<double> zero = zeroLineX(world);
    Graph& graph = form_.graph();
    graph.setZeroLine(zero);
    axes.Label14.label->setText(world.tLow < 0 && world.tHigh > 0 ? "0" : "");
    axes.Label14.label->setGeometry(
        axes.Label14.formPlace.translated(zero ? toPixels(*zero - kZeroX, graph.pixelsPerTwip()) : 0, 0));
    showTicks(view);
}

void GraphView::showTicks(const View& view)
{
    std::vector<Tick> across, up;
    if (view != View{}) {
        const World& world = view.world;
        const Range y = yEdges(view);
        auto tick = [&](double at, double value, Range edges) {
            return Tick{at, value > edges.low && value < edges.high ? form_.text(value) : QString()};
        };
        for (double t : ticks(world.tLow, world.tHigh)) {
            across.push_back(tick(graphX(t, world), t, {world.tLow, world.tHigh}));
            if (t == 0)
                across.back().text.clear(); // Label14 writes it, under the graph
        }
        for (double v : view.log ? logTicks(*view.log) : ticks(y.low, y.high))
            up.push_back(tick(graphY(v, view), v, y));
    }
    form_.graph().setTicks(std::move(across), std::move(up));
}

} // namespace ajuste
