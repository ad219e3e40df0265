#include "fitting/descent_path.h"

namespace ajuste {

// A batch of a single pass is a single step too.
void DescentPath::add(const std::vector<Params>& steps)
{
    if (steps.size() < 2)
        return;
    const bool single = steps.size() == 2;
    if (points_.empty() || points_.back().p != steps.front())
        points_.push_back({steps.front(), true, single});
    points_.back().single |= single;
    for (auto p = steps.begin() + 1; p != steps.end(); ++p)
        points_.push_back({*p, false, single});
    if (points_.size() > kMostPoints) {
        points_.erase(points_.begin(), points_.end() - kMostPoints);
        points_.front().startsStroke = true;
    }
}

} // namespace ajuste
