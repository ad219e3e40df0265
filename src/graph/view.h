#pragma once

#include "common/range.h"
#include "graph/world.h"

#include <optional>
#include <span>
#include <variant>

namespace ajuste {

// The vertical axis in whole decades, where an exponential is a straight line.
struct Decades {
    int low = 0;    // y = 10^low at the bottom edge
    int high = 1;   // and 10^high at the top
    int hidden = 0; // points too small to show (y ≤ 0), marked on the bottom edge

    bool operator==(const Decades&) const = default;
};

// What the graph shows: a world, whose t axis, bars and start values hold
// on either scale, and its decades while the scale is logarithmic.
struct View {
    World world = kBox;
    std::optional<Decades> log;

    bool operator==(const View&) const = default;
};

inline constexpr double kSmallestLogY = 1e-300;

bool shownOnLog(double y);

// The world of the points, and on the logarithmic scale the decades that
// hold the points it shows strictly inside, the others counted as hidden;
// no logarithmic view when it would show no point.
std::variant<View, NoWorld> chooseView(std::span<const double> t, std::span<const double> y, bool logarithmic,
                                       SmallData small = SmallData::InTheBox);

// The values at the bottom and top edges.
Range yEdges(const View& view);

} // namespace ajuste
