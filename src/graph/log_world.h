#pragma once

#include "graph/world.h"

namespace ajuste {

// The logarithmic view: t as in the linear world, y in whole decades, where
// an exponential is a straight line.
struct LogWorld {
    World linear; // the parameters and the t axis follow it
    int lowDecade = 0; // y = 10^lowDecade at the bottom edge
    int highDecade = 1; // and 10^highDecade at the top
    int hidden = 0; // points too small to show (y ≤ 0), marked on the bottom edge
};

inline constexpr double kSmallestLogY = 1e-300;

bool shownOnLog(double y);

// The decades hold the points it shows strictly inside; the others count
// as hidden. No shown point at all leaves no log view.
std::variant<LogWorld, NoWorld> chooseLogWorld(std::span<const double> t, std::span<const double> y);

double lowY(const LogWorld& world);
double highY(const LogWorld& world);

} // namespace ajuste
