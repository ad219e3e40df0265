#include "graph/world.h"

#include "common/range.h"
#include "graph/ticks.h"

#include <algorithm>
#include <cmath>

namespace ajuste {

namespace {

bool holdsAll(const World& w, std::span<const double> t, std::span<const double> y)
{
    for (std::size_t i = 0; i < t.size(); ++i)
        if (!(t[i] >= w.tLow && t[i] <= w.tHigh && y[i] >= w.yLow && y[i] <= w.yHigh))
            return false;
    return true;
}

bool withinLargest(std::span<const double> values)
{
    return std::ranges::all_of(values, [](double v) { return std::fabs(v) <= kLargestValue; });
}

Range rangeOf(std::span<const double> values)
{
    const auto [low, high] = std::ranges::minmax(values);
    return {low, high};
}

Range paddedT(const Range& r)
{
    const double spread = r.high - r.low;
    const double size = std::max(std::fabs(r.low), std::fabs(r.high));
    if (spread > size * 1e-12)
        return {r.low - spread / 20, r.high + spread / 20};
    if (size == 0)
        return {-1.0, 1.0};
    return {r.low - size / 10, r.high + size / 10};
}

Range paddedY(const Range& r)
{
    const double low = std::min(r.low, 0.0);
    const double high = std::max(r.high, 0.0);
    if (low == high)
        return {kBox.yLow, kBox.yHigh};
    const double margin = (high - low) / 20;
    return {low < 0 ? low - margin : 0.0, high > 0 ? high + margin : 0.0};
}

Range roundedOut(const Range& r)
{
    const RoundStep step = roundStep(r.low, r.high);
    return {step.at(step.multipleBelow(r.low)), step.at(step.multipleAbove(r.high))};
}

} // namespace

std::variant<World, NoWorld> chooseWorld(std::span<const double> t, std::span<const double> y, SmallData small)
{
    if (t.empty() || (small == SmallData::InTheBox && holdsAll(kBox, t, y)))
        return kBox;
    if (!withinLargest(t) || !withinLargest(y))
        return NoWorld::TooLarge;
    const Range tPadded = paddedT(rangeOf(t));
    const Range yPadded = paddedY(rangeOf(y));
    if (!(tPadded.size() >= kNarrowestSpan && yPadded.size() >= kNarrowestSpan))
        return NoWorld::TooSmall;
    const Range tWorld = roundedOut(tPadded);
    const Range yWorld = roundedOut(yPadded);
    return World{tWorld.low, tWorld.high, yWorld.low, yWorld.high};
}

} // namespace ajuste
