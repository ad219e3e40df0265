#pragma once

#include "fitting/model.h"
#include "graph/box_map.h"
#include "graph/view.h"
#include "graph/world.h"

#include <optional>
#include <span>

namespace ajuste {

// Graph coordinates, in twips from the top left of the graph area: the
// box's t across at 240 to the unit, its y from the top down at 400 to the
// unit. Every world is drawn onto the box.
inline constexpr int kTwipsPerUnitT = 240;
inline constexpr int kTwipsPerUnitY = 400;
inline constexpr int kGraphWidth = int((kBox.tHigh - kBox.tLow) * kTwipsPerUnitT);
inline constexpr int kGraphHeight = int((kBox.yHigh - kBox.yLow) * kTwipsPerUnitY);
inline constexpr int kZeroX = int(-kBox.tLow * kTwipsPerUnitT);
// The curve's samples, at t = k / 8 across the box.
inline constexpr int kSamplesPerUnitT = 8;
inline constexpr int kFirstSample = int(kBox.tLow * kSamplesPerUnitT);
inline constexpr int kLastSample = int(kBox.tHigh * kSamplesPerUnitT);

// Which curve samples a redraw sets: the full redraw those with |v| < 10,
// the light one after a step those with v < 30.
enum class CurveRule { Within10, Below30 };

double graphX(double t); // t in the box
bool sampleShown(double v, CurveRule rule);

// In a world, t goes through the box's t; y is worked in the same order as
// in the box, so that the box itself gives exactly the box's coordinates.
double graphX(double t, const World& world);
double graphY(double v, const View& view); // v shown on the view's scale
// Where the line at t = 0 stands, when the world holds t = 0.
std::optional<double> zeroLineX(const World& world);

// Sets the curve samples of the rule by calling plot(x, y) for each, in
// order from the box's left edge; an error in f or a coordinate stops the
// loop there. p is in the world's values; the samples stand at the images
// of the box's, and the rule is taken on the box's values (on the
// logarithmic scale, its top stands for the box's 10, and values it cannot
// show are left out).
template <class Plot>
void plotCurve(const Params& p, CurveRule rule, const View& view, Plot&& plot)
{
    const BoxMap map = boxMap(view.world);
    const double scale = view.log ? yEdges(view).high / kBox.yHigh : map.sY;
    for (int k = kFirstSample; k <= kLastSample; ++k) {
        const double tBox = double(k) / kSamplesPerUnitT;
        const double v = f(p, worldT(map, tBox));
        if (sampleShown(v / scale, rule) && (!view.log || shownOnLog(v)))
            plot(graphX(tBox), graphY(v, view));
    }
}

// Every captured point, however far outside the area; those the logarithmic
// scale cannot show go to markHidden(x, y), on the bottom edge.
template <class Plot, class Mark>
void plotPoints(std::span<const double> t, std::span<const double> y, const View& view, Plot&& plot,
                Mark&& markHidden)
{
    const BoxMap map = boxMap(view.world);
    for (std::size_t i = 0; i < t.size(); ++i) {
        const double x = graphX(boxT(map, t[i]));
        if (!view.log || shownOnLog(y[i]))
            plot(x, graphY(y[i], view));
        else
            markHidden(x, double(kGraphHeight));
    }
}

} // namespace ajuste
