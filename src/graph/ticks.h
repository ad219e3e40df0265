#pragma once

#include <vector>

namespace ajuste {

struct Decades;

// A step of 1, 2 or 5 × 10^exponent.
struct RoundStep {
    int mantissa = 1;
    int exponent = 0;

    double size() const { return at(1); }
    // multiple × the step; a round decimal comes out as near as a double
    // gets to it while |exponent| ≤ 22, where the power of ten is exact.
    double at(double multiple) const;
    // The multiple of the last step at or below x, and of the first at or
    // above it. A quotient such as 2.7 / 0.1 comes out a hair off 27: x
    // within a millionth of a step of a multiple counts as on it.
    double multipleBelow(double x) const;
    double multipleAbove(double x) const;
};

double powerOfTen(int exponent);

// The smallest round step that crosses [low, high] (finite, low < high)
// from a multiple of it below to one above in at most ten steps: four to
// ten of them.
RoundStep roundStep(double low, double high);

// The multiples of that step from low to high: five to eleven values.
std::vector<double> ticks(double low, double high);

// 1, 2 and 5 × 10^k over at most three decades; over more, the powers of
// ten alone, every second, fifth, tenth… decade once there are over ten.
std::vector<double> logTicks(const Decades& decades);

} // namespace ajuste
