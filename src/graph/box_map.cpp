#include "graph/box_map.h"

#include "common/numeric_error.h"

#include <cmath>

namespace ajuste {

BoxMap boxMap(const World& world)
{
    const World& box = kBox;
    const double sT = (world.tHigh - world.tLow) / (box.tHigh - box.tLow);
    const double largerSide = std::fabs(world.yLow) > world.yHigh ? world.yLow : world.yHigh;
    return {world.tLow - box.tLow * sT, sT, largerSide / box.yHigh};
}

Params toWorld(const World& world, const Params& inBox)
{
    const BoxMap map = boxMap(world);
    return {checked(map.sY * inBox.a), checked(inBox.c / map.sT), checked(worldT(map, inBox.t0))};
}

Params toBox(const World& world, const Params& inWorld)
{
    const BoxMap map = boxMap(world);
    return {checked(inWorld.a / map.sY), checked(inWorld.c * map.sT), checked(boxT(map, inWorld.t0))};
}

} // namespace ajuste
