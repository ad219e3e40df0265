#include "graph/view.h"

#include "graph/ticks.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

namespace ajuste {

namespace {

std::variant<Decades, NoWorld> chooseDecades(std::span<const double> y)
{
    std::vector<double> shown;
    std::ranges::copy_if(y, std::back_inserter(shown), shownOnLog);
    if (shown.empty())
        return NoWorld::NoPositivePoint;
    const auto [low, high] = std::ranges::minmax(shown);
    return Decades{static_cast<int>(std::ceil(std::log10(low))) - 1, static_cast<int>(std::floor(std::log10(high))) + 1,
                   static_cast<int>(y.size() - shown.size())};
}

} // namespace

bool shownOnLog(double y)
{
    return y >= kSmallestLogY;
}

std::variant<View, NoWorld> chooseView(std::span<const double> t, std::span<const double> y, bool logarithmic,
                                       SmallData small)
{
    const std::variant<World, NoWorld> world = chooseWorld(t, y, small);
    if (const NoWorld* none = std::get_if<NoWorld>(&world))
        return *none;
    if (!logarithmic)
        return View{std::get<World>(world), std::nullopt};
    const std::variant<Decades, NoWorld> decades = chooseDecades(y);
    if (const NoWorld* none = std::get_if<NoWorld>(&decades))
        return *none;
    return View{std::get<World>(world), std::get<Decades>(decades)};
}

Range yEdges(const View& view)
{
    if (view.log)
        return {powerOfTen(view.log->low), powerOfTen(view.log->high)};
    return {view.world.yLow, view.world.yHigh};
}

} // namespace ajuste
