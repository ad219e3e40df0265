#include "fitting/rate_starts.h"

#include "common/numeric_error.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace ajuste {

namespace {

constexpr std::array kRates{-256.0, -64.0, -16.0, -8.0, -4.0, -2.0, -1.0, -0.5, 0.0,
                            0.5,    1.0,   2.0,   4.0,  8.0,  16.0, 64.0, 256.0};

// The best curve of rate c through the points, with its origin where it
// is largest, so that no growth factor overflows.
Params bestAtRate(const FitProblem& problem, double c)
{
    const auto [earliest, latest] = std::ranges::minmax(problem.t);
    const Params unit{1.0, c, c > 0.0 ? latest : earliest};
    double ye = 0.0, ee = 0.0;
    for (std::size_t i = 0; i < problem.t.size(); ++i) {
        const double e = growthFactor(unit, problem.t[i]);
        ye += problem.y[i] * e;
        ee += e * e;
    }
    return {ye / ee, c, unit.t0};
}

std::optional<Params> startAtRate(const FitProblem& problem, double c)
{
    Params p = problem.start;
    p.c = c;
    const Params best = bestAtRate(problem, c);
    if (!problem.held.a)
        p.a = f(best, p.t0);
    else if (!problem.held.t0) {
        if (!(best.a / p.a > 0.0) || c == 0.0)
            return std::nullopt;
        p.t0 = checked(best.t0 - std::log(best.a / p.a) / c);
    }
    return p;
}

struct Candidate {
    std::optional<Params> start;
    double error = std::numeric_limits<double>::infinity();
};

// A rate whose best curve or its error is beyond the doubles gives no start.
Candidate candidateAtRate(const FitProblem& problem, double c)
{
    try {
        const std::optional<Params> start = startAtRate(problem, c);
        if (!start)
            return {};
        return {start, sumOfSquares(problem, *start)};
    } catch (const NumericError&) {
        return {};
    }
}

// Between the rates either side of rate k.
bool bracketed(std::size_t k, double c)
{
    return (k == 0 || kRates[k - 1] < c) && (k + 1 == kRates.size() || c < kRates[k + 1]);
}

} // namespace

std::vector<Params> startsAcrossRates(const FitProblem& problem, std::size_t count, std::span<const double> found)
{
    if (problem.held.c)
        return {};
    std::array<Candidate, kRates.size()> candidates;
    for (std::size_t k = 0; k < kRates.size(); ++k)
        candidates[k] = candidateAtRate(problem, kRates[k]);
    auto error = [&candidates](std::size_t k) { return candidates[k].error; };
    std::vector<std::size_t> lows;
    for (std::size_t k = 0; k < kRates.size(); ++k) {
        const bool belowLeft = k == 0 || error(k) < error(k - 1);
        const bool belowRight = k + 1 == kRates.size() || error(k) < error(k + 1);
        const bool foundThere = std::ranges::any_of(found, [k](double c) { return bracketed(k, c); });
        if (belowLeft && belowRight && !foundThere)
            lows.push_back(k);
    }
    std::ranges::sort(lows, {}, error);
    lows.resize(std::min(lows.size(), count));
    std::vector<Params> result;
    for (std::size_t k : lows)
        result.push_back(*candidates[k].start);
    return result;
}

} // namespace ajuste
