#pragma once

#include "fitting/least_squares.h"
#include "graph/view.h"

#include <vector>

namespace ajuste {

// Where the fitted curve's 95 % band stands at one of the curve's samples,
// in graph coordinates.
struct BandSample {
    double x, upper, lower;
};

// The band at the curve's samples across the box, on the view's scale, its
// edges kept within a graph's height beyond the area. Samples where it
// cannot be worked out are left out; on the logarithmic scale a lower edge
// at or below 0 stands below the area.
std::vector<BandSample> bandPlot(const FitResult& fit, const View& view);

} // namespace ajuste
