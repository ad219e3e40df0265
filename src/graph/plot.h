#pragma once

#include "fitting/model.h"

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

// Sets the curve samples of the rule by calling plot(x, y) for each, in
// order from t = −5; an error in f or a coordinate stops the loop there.
template <class Plot>
void plotCurve(const Params& p, CurveRule rule, double ymax, Plot&& plot)
{
    for (int k = kFirstSample; k <= kLastSample; ++k) {
        const double v = f(p, k / 8.0);
        if (sampleShown(v, rule))
            plot(graphX(k / 8.0), graphY(v, ymax));
    }
}

// Every captured point, however far outside the area.
template <class Plot>
void plotPoints(std::span<const double> t, std::span<const double> y, double ymax, Plot&& plot)
{
    for (std::size_t i = 0; i < t.size(); ++i)
        plot(graphX(t[i]), graphY(y[i], ymax));
}

} // namespace ajuste
