#include "graph/log_world.h"

#include "graph/ticks.h"

#include <algorithm>
#include <cmath>
#include <limits>

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
    double low = std::numeric_limits<double>::infinity();
    double high = 0.0;
    int hidden = 0;
    for (double v : y) {
        if (shownOnLog(v)) {
            low = std::min(low, v);
            high = std::max(high, v);
        } else {
            ++hidden;
        }
    }
    if (high == 0.0)
        return NoWorld::NoPositivePoint;
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
