#pragma once

namespace ajuste {

// The values from low to high, and a share of the way along them.
struct Range {
    double low = 0.0;
    double high = 1.0;

    double at(double fraction) const { return low + fraction * (high - low); }
    double fractionOf(double x) const { return (x - low) / (high - low); }
    double size() const { return high - low; }
    bool operator==(const Range&) const = default;
};

} // namespace ajuste
