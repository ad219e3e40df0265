#include "fitting/data_start.h"

#include "common/numeric_error.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace ajuste {

namespace {

// The points of one sign as (t − t0, ln|y|).
struct LogPoints {
    double sign = 1.0;
    std::vector<double> x, z;
};

LogPoints pointsOfTheMoreCommonSign(double t0, std::span<const double> t, std::span<const double> y)
{
    const auto negative = std::ranges::count_if(y, [](double v) { return v < 0.0; });
    const auto positive = std::ranges::count_if(y, [](double v) { return v > 0.0; });
    LogPoints points;
    points.sign = negative > positive ? -1.0 : 1.0;
    for (std::size_t i = 0; i < t.size(); ++i)
        if (y[i] * points.sign > 0.0) {
            points.x.push_back(checked(t[i] - t0));
            points.z.push_back(std::log(std::fabs(y[i])));
        }
    return points;
}

bool allAtOneTime(const LogPoints& points)
{
    return std::ranges::adjacent_find(points.x, std::not_equal_to{}) == points.x.end();
}

// ln|y| = intercept + slope·(t − t0)
struct Line {
    double intercept, slope;
};

// What is fixed keeps its value in given.
Line fitLine(const LogPoints& points, const Fixed& fixed, Line given)
{
    const std::size_t n = points.x.size();
    if (fixed.c) {
        std::vector<double> intercepts(n);
        for (std::size_t i = 0; i < n; ++i)
            intercepts[i] = checked(points.z[i] - checked(given.slope * points.x[i]));
        return {checked(mean(intercepts)), given.slope};
    }
    // Through the fixed intercept, or else through the centre of the points.
    const double xCentre = fixed.a ? 0.0 : checked(mean(points.x));
    const double zCentre = fixed.a ? given.intercept : checked(mean(points.z));
    double sxz = 0.0, sxx = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double dx = checked(points.x[i] - xCentre);
        sxz = checked(sxz + checked(dx * checked(points.z[i] - zCentre)));
        sxx = checked(sxx + checked(dx * dx));
    }
    const double slope = checked(sxz / sxx);
    return {checked(zCentre - checked(slope * xCentre)), slope};
}

} // namespace

std::variant<Params, NoDataStart> startFromData(const Params& current, const Fixed& fixed,
                                                std::span<const double> t, std::span<const double> y)
{
    if (fixed.a && fixed.c)
        return current;
    try {
        const LogPoints points = pointsOfTheMoreCommonSign(current.t0, t, y);
        if (allAtOneTime(points))
            return NoDataStart::TooFewPoints;
        if (fixed.a && !(current.a * points.sign > 0.0))
            return NoDataStart::FixedAOfOtherSign;
        const Line line = fitLine(points, fixed, {std::log(std::fabs(current.a)), current.c});
        Params start = current;
        if (!fixed.a)
            start.a = checked(points.sign * std::exp(line.intercept));
        start.c = line.slope;
        return start;
    } catch (const NumericError&) {
        return NoDataStart::OutOfRange;
    }
}

} // namespace ajuste
