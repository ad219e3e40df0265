#pragma once

#include "fitting/model.h"
#include "graph/world.h"

namespace ajuste {

// Where the box lies in a world: t_world = t0W + sT·t_box, y_world = sY·y_box,
// the box's t −5 … 15 onto the world's t range and its y 0 … 10 onto the
// world's y range (sY < 0 when that goes down from 0; with mixed signs onto
// the larger side, from 0). The box's own map is exactly 0, 1, 1.
struct BoxMap {
    double t0W = 0.0;
    double sT = 1.0;
    double sY = 1.0;
};

BoxMap boxMap(const World& world);

// Inline: the curve takes one per sample.
inline double worldT(const BoxMap& map, double tBox)
{
    // Adding a zero origin would turn −0 into +0.
    const double stretched = map.sT * tBox;
    return map.t0W == 0 ? stretched : map.t0W + stretched;
}

inline double boxT(const BoxMap& map, double tWorld)
{
    return (tWorld - map.t0W) / map.sT;
}

// The parameters follow the map, so that f_world(t_world) = sY·f_box(t_box):
// a like y, c like 1/t, t0 like t. Each result is checked.
Params toWorld(const World& world, const Params& inBox);
Params toBox(const World& world, const Params& inWorld);

// The step sizes that move the box's image of the parameters as the box's
// own descent moves them with the step h: in a world the squared error
// grows with sY², and each parameter's derivative with its own units, so
// parameter k steps by h·(s_k/sY)² times its derivative, with s_a = sY,
// s_c = 1/sT and s_t0 = sT. In the box each is h itself.
PerParameter<double> stepSizes(const World& world, double h);

} // namespace ajuste
