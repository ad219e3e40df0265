#include "graph/bar_map.h"

#include "common/numeric_error.h"
#include "graph/box_map.h"

#include <algorithm>

namespace ajuste {

double barValue(const World& world, const ParameterScale& scale, int position)
{
    Params inBox;
    inBox[scale.parameter] = scale.fromPosition(position);
    return toWorld(world, inBox)[scale.parameter];
}

int barPosition(const World& world, const ParameterScale& scale, double value)
{
    Params inWorld = toWorld(world, Params{});
    inWorld[scale.parameter] = value;
    return toInt16(scale.toPosition(toBox(world, inWorld)[scale.parameter]));
}

Range barRange(const World& world, const ParameterScale& scale)
{
    const auto [low, high] = std::minmax({barValue(world, scale, scale.minimum), barValue(world, scale, scale.maximum)});
    return {low, high};
}

bool barsReach(const World& world, const Params& p)
{
    for (Parameter k : kParameters) {
        const ParameterScale& scale = *kScales[k];
        try {
            const int position = barPosition(world, scale, p[k]);
            if (position < scale.minimum || position > scale.maximum)
                return false;
        } catch (const NumericError&) {
            return false;
        }
    }
    return true;
}

} // namespace ajuste
