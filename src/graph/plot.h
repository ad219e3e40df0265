#pragma once

#include "fitting/model.h"
#include "graph/box_map.h"
#include "graph/log_world.h"
#include "graph/world.h"

#include <optional>
#include <span>

namespace ajuste {

// Graph coordinates, in twips from the top left of the graph area:
// t from −5 to 15 across 4800, 240 to the unit with t = 0 at 1200; v from
// ymax at the top to 0 at 4000.
inline constexpr int kGraphWidth = 4800;
inline constexpr int kGraphHeight = 4000;
inline constexpr double kTopY = 10.0; // ymax from start-up on
inline constexpr int kTwipsPerUnitT = 240;
inline constexpr int kZeroX = 1200;
inline constexpr int kFirstSample = -40; // t = k / 8
inline constexpr int kLastSample = 120;

// Which curve samples a redraw sets: the full redraw those with |v| < 10,
// the light one after a step those with v < 30.
enum class CurveRule { Within10, Below30 };

double graphX(double t);
double graphY(double v, double ymax);
bool sampleShown(double v, CurveRule rule);

// The same in a world. t goes through the box's t, and y is worked in the
// order of graphY(v, ymax), so that the box's own world gives exactly what
// the box gives.
double graphX(double t, const World& world);
double graphY(double v, const World& world);
double graphY(double v, const LogWorld& world); // v shown on the log scale
// Where the line at t = 0 stands, when the world holds t = 0.
std::optional<double> zeroLineX(const World& world);

namespace detail {

// The samples at t_box = k / 8 (t_world by the map) whose value v passes the
// rule once divided by scale, set at height y(v) when there is one.
template <class Y, class Plot>
void plotSamples(const Params& p, CurveRule rule, const BoxMap& map, double scale, Y&& y, Plot&& plot)
{
    for (int k = kFirstSample; k <= kLastSample; ++k) {
        const double tBox = k / 8.0;
        const double v = f(p, worldT(map, tBox));
        if (!sampleShown(v / scale, rule))
            continue;
        if (const std::optional<double> height = y(v))
            plot(graphX(tBox), *height);
    }
}

} // namespace detail

// Sets the curve samples of the rule by calling plot(x, y) for each, in
// order from t = −5; an error in f or a coordinate stops the loop there.
template <class Plot>
void plotCurve(const Params& p, CurveRule rule, double ymax, Plot&& plot)
{
    detail::plotSamples(p, rule, BoxMap{}, 1.0, [&](double v) { return std::optional(graphY(v, ymax)); }, plot);
}

// In a world, p in its values: the samples at the images of the box's, by
// the rule on the box's values.
template <class Plot>
void plotCurve(const Params& p, CurveRule rule, const World& world, Plot&& plot)
{
    const BoxMap map = boxMap(world);
    detail::plotSamples(p, rule, map, map.sY, [&](double v) { return std::optional(graphY(v, world)); }, plot);
}

// The log view: its top stands for the box's 10, and values it cannot show
// are left out.
template <class Plot>
void plotCurve(const Params& p, CurveRule rule, const LogWorld& world, Plot&& plot)
{
    const auto y = [&](double v) { return shownOnLog(v) ? std::optional(graphY(v, world)) : std::nullopt; };
    detail::plotSamples(p, rule, boxMap(world.linear), highY(world) / 10, y, plot);
}

// Every captured point, however far outside the area.
template <class Plot>
void plotPoints(std::span<const double> t, std::span<const double> y, double ymax, Plot&& plot)
{
    for (std::size_t i = 0; i < t.size(); ++i)
        plot(graphX(t[i]), graphY(y[i], ymax));
}

// As graphX(t, world), with the map worked once.
template <class Plot>
void plotPoints(std::span<const double> t, std::span<const double> y, const World& world, Plot&& plot)
{
    const BoxMap map = boxMap(world);
    for (std::size_t i = 0; i < t.size(); ++i)
        plot(graphX(boxT(map, t[i])), graphY(y[i], world));
}

// The points the log view cannot show go to markHidden(x, y), on the
// bottom edge.
template <class Plot, class Mark>
void plotPoints(std::span<const double> t, std::span<const double> y, const LogWorld& world, Plot&& plot,
                Mark&& markHidden)
{
    for (std::size_t i = 0; i < t.size(); ++i) {
        const double x = graphX(t[i], world.linear);
        if (shownOnLog(y[i]))
            plot(x, graphY(y[i], world));
        else
            markHidden(x, double(kGraphHeight));
    }
}

} // namespace ajuste
