#include "window/form1.h"

#include "graph/bar_map.h"
#include "graph/box_map.h"
#include "graph/plot.h"
#include "graph/ticks.h"
#include "window/graph/graph_widget.h"
#include "window/palette.h"
#include "window/texts.h"
#include "window/twips.h"

#include <QLabel>

namespace ajuste {

namespace {

// A point the log view cannot show stands this far above the bottom edge, so
// that its whole open mark is seen.
inline constexpr double kHiddenMarkLift = 90; // twips

// The number in place of the described one; a longer one widens the label
// about its centre, within the window.
void showAxisNumber(const AxisLabel& axis, const QString& number)
{
    axis.label->setText(number);
    QRect place = axis.described;
    const int needed = axis.label->fontMetrics().horizontalAdvance(number) + 2;
    if (needed > place.width()) {
        place.setWidth(needed);
        place.moveCenter(axis.described.center());
        place.moveLeft(std::max(place.left(), 0));
    }
    axis.label->setGeometry(place);
}

} // namespace

void Form1::pintar()
{
    drawCurveAndPoints(CurveRule::Within10);
    resetSums();
    addSumsAndShow();
    state_.ocupado = false;
}

void Form1::pinter()
{
    drawCurveAndPoints(CurveRule::Below30);
    state_.ocupado = false;
}

void Form1::drawCurveAndPoints(CurveRule rule)
{
    Graph& graf = *fit_.graf;
    graf.clear();
    graf.setPenWidth(1);
    const auto curve = [&](double x, double y) { graf.setPoint(x, y, palette::red); };
    const auto point = [&](double x, double y) { graf.setPoint(x, y, palette::blue); };
    const auto hidden = [&](double x, double y) { graf.setOpenMark(x, y - kHiddenMarkLift, palette::blue); };
    if (state_.logView) {
        plotCurve(state_.p, rule, *state_.logView, curve);
        graf.setPenWidth(4);
        plotPoints(points().t, points().y, *state_.logView, point, hidden);
    } else {
        plotCurve(state_.p, rule, state_.world, curve);
        graf.setPenWidth(4);
        plotPoints(points().t, points().y, state_.world, point);
    }
    emit redrawn();
}

void Form1::graf_Click()
{
    state_.ocupado = true;
    redrawReleasing([this] { pintar(); });
}

// The world of the captured points, and the log view's when it is on. The
// parameters stay where all three fit the new bars, else take the world's
// start values, as at start-up.
void Form1::followData()
{
    const std::variant<World, NoWorld> chosen = chooseWorld(points().t, points().y);
    if (const NoWorld* reason = std::get_if<NoWorld>(&chosen)) {
        dialogs_.say(texts::noWorld(*reason));
        return;
    }
    if (state_.logView && !chooseLogView())
        state_.logView.reset();
    if (const World& world = std::get<World>(chosen); world != state_.world) {
        state_.world = world;
        if (!barsReach(state_.world, state_.p))
            state_.p = toWorld(state_.world, Params{});
        const bool busy = state_.ocupado; // the bars' change events do nothing
        state_.ocupado = true;
        writeBackParams();
        state_.ocupado = busy;
    }
    showWorld();
}

bool Form1::chooseLogView()
{
    const std::variant<LogWorld, NoWorld> chosen = chooseLogWorld(points().t, points().y);
    if (const NoWorld* reason = std::get_if<NoWorld>(&chosen)) {
        dialogs_.say(texts::noWorld(*reason));
        return false;
    }
    state_.logView = std::get<LogWorld>(chosen);
    return true;
}

bool Form1::setLogarithmic(bool on)
{
    if (on && !chooseLogView())
        return false;
    if (!on)
        state_.logView.reset();
    showWorld();
    if (!state_.modoTabla)
        redrawReleasing([this] { drawCurveAndPoints(CurveRule::Within10); });
    return true;
}

// The axis numbers at the world's ends and its zero, the line at t = 0
// where the world holds it, and round ticks along the edges, which the box
// has none of.
void Form1::showWorld()
{
    const World& world = state_.world;
    const std::optional<LogWorld>& log = state_.logView;
    const double bottom = log ? lowY(*log) : world.yLow;
    state_.ymax = log ? highY(*log) : world.yHigh;
    showAxisNumber(views_.Minimo, text(world.tLow));
    showAxisNumber(views_.maximo, text(world.tHigh));
    showAxisNumber(views_.inicio, text(bottom));
    showAxisNumber(views_.Final, text(state_.ymax));

    const std::optional<double> zero = zeroLineX(world);
    fit_.graf->setZeroLine(zero);
    const double pixelsPerTwip = fit_.graf->pixelsPerTwip();
    views_.Label14.label->setText(zero ? "0" : "");
    views_.Label14.label->setGeometry(
        views_.Label14.described.translated(zero ? toPixels(*zero - kZeroX, pixelsPerTwip) : 0, 0));

    std::vector<Tick> across, up;
    if (world != World::specified() || log) {
        auto tick = [&](double at, double value, double low, double high) {
            return Tick{at, value > low && value < high ? text(value) : QString()};
        };
        for (double t : ticks(world.tLow, world.tHigh))
            across.push_back(tick(graphX(t, world), t, world.tLow, world.tHigh));
        for (double y : log ? logTicks(*log) : ticks(bottom, state_.ymax))
            up.push_back(tick(log ? graphY(y, *log) : graphY(y, world), y, bottom, state_.ymax));
    }
    fit_.graf->setTicks(std::move(across), std::move(up));
}

} // namespace ajuste
