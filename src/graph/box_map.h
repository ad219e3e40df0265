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
double worldT(const BoxMap& map, double tBox);
double boxT(const BoxMap& map, double tWorld);

// The parameters follow the map, so that f_world(t_world) = sY·f_box(t_box):
// a like y, c like 1/t, t0 like t. Each result is checked.
Params toWorld(const World& world, const Params& inBox);
Params toBox(const World& world, const Params& inWorld);

} // namespace ajuste
