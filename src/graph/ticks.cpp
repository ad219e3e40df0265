#include "graph/ticks.h"

#include "graph/view.h"

#include <cmath>

namespace ajuste {

namespace {

constexpr int kMostSteps = 10;
constexpr double kHair = 1e-6;

double stepsAcross(const RoundStep& step, double low, double high)
{
    return step.multipleAbove(high) - step.multipleBelow(low);
}

RoundStep larger(const RoundStep& step)
{
    switch (step.mantissa) {
    case 1:
        return {2, step.exponent};
    case 2:
        return {5, step.exponent};
    default:
        return {1, step.exponent + 1};
    }
}

// The multiples of step from low to high, each made by make.
template <class Make>
std::vector<double> multiples(const RoundStep& step, double low, double high, Make make)
{
    std::vector<double> values;
    for (double k = step.multipleAbove(low); k <= step.multipleBelow(high); ++k)
        values.push_back(make(step.at(k)));
    return values;
}

} // namespace

double RoundStep::at(double multiple) const
{
    const double units = multiple * mantissa;
    return exponent >= 0 ? units * std::pow(10.0, exponent) : units / std::pow(10.0, -exponent);
}

double RoundStep::multipleBelow(double x) const
{
    return std::floor(x / size() + kHair);
}

// + 0.0 turns the ceiling of −0.5 into 0, not −0, which an axis would write.
double RoundStep::multipleAbove(double x) const
{
    return std::ceil(x / size() - kHair) + 0.0;
}

double powerOfTen(int exponent)
{
    return RoundStep{1, exponent}.size();
}

// Starts a tenth of the span's power of ten down, where a step crosses it at
// least ten times; five larger steps at most reach the first that fits.
RoundStep roundStep(double low, double high)
{
    RoundStep step{1, static_cast<int>(std::floor(std::log10(high - low))) - 1};
    while (stepsAcross(step, low, high) > kMostSteps)
        step = larger(step);
    return step;
}

std::vector<double> ticks(double low, double high)
{
    return multiples(roundStep(low, high), low, high, [](double value) { return value; });
}

std::vector<double> logTicks(const Decades& decades)
{
    const int low = decades.low;
    const int high = decades.high;
    if (high - low <= 3) {
        std::vector<double> values;
        for (RoundStep step{1, low}; step.exponent < high; step = larger(step))
            values.push_back(step.size());
        values.push_back(powerOfTen(high));
        return values;
    }
    const RoundStep step = high - low <= kMostSteps ? RoundStep{} : roundStep(low, high);
    return multiples(step, low, high, [](double exponent) { return powerOfTen(static_cast<int>(exponent)); });
}

} // namespace ajuste
