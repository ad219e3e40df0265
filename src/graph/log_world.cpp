#include "graph/log_world.h"

#include "graph/ticks.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

namespace ajuste {

bool shownOnLog(double y)
{
    return y >= kSmallestLogY;
}

std::variant<LogWorld, NoWorld> chooseLogWorld(std::span<const double> t, std::span<const double> y)
{
    const std::variant<World, NoWorld> linear = chooseWorld(t, y);
    if (const NoWorld* none = std::get_if<NoWorld>(&linear))
        return *none;
    std::vector<double> shown;
    std::ranges::copy_if(y, std::back_inserter(shown), shownOnLog);
    if (shown.empty())
        return NoWorld::NoPositivePoint;
    const auto [low, high] = std::ranges::minmax(shown);
    const int hidden = static_cast<int>(y.size() - shown.size());
    return LogWorld{std::get<World>(linear), static_cast<int>(std::ceil(std::log10(low))) - 1,
                    static_cast<int>(std::floor(std::log10(high))) + 1, hidden};
}

double lowY(const LogWorld& world)
{
    return powerOfTen(world.lowDecade);
}

double highY(const LogWorld& world)
{
    return powerOfTen(world.highDecade);
}

} // namespace ajuste
