#pragma once

#include "fitting/model.h"

#include <cstddef>
#include <vector>

namespace ajuste {

struct PathPoint {
    Params p;
    bool startsStroke = false; // not joined to the point before
    bool single = false;       // the start or the end of a single step
};

// The parameters the descent went through, a stroke for each run of steps
// that started where the last one ended. Only the latest points are kept.
class DescentPath {
public:
    static constexpr std::size_t kMostPoints = 250'000;

    // The parameters of a step or a batch, from those before it.
    void add(const std::vector<Params>& steps);
    void clear() { points_.clear(); }
    const std::vector<PathPoint>& points() const { return points_; }

private:
    std::vector<PathPoint> points_;
};

} // namespace ajuste
