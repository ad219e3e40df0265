#pragma once

#include "common/range.h"
#include "fitting/parameter_scale.h"
#include "graph/world.h"

namespace ajuste {

// A bar covers the same share of a world as of the box: its positions stand
// for the box's values, mapped onto the world.
double barValue(const World& world, const ParameterScale& scale, int position);
// The nearest position, which may lie outside the bar; throws NumericError.
int barPosition(const World& world, const ParameterScale& scale, double value);
// The lowest and highest values the bar can take.
Range barRange(const World& world, const ParameterScale& scale);
// Whether the bars can take all three of p.
bool barsReach(const World& world, const Params& p);

} // namespace ajuste
