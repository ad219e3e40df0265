#include "fitting/least_squares.h"
#include "least_squares_reference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace ajuste;

namespace {

// Within a relative tolerance; an expected 0 must be exact.
void expectNear(double actual, double expected, double relative)
{
    EXPECT_NEAR(actual, expected, relative * std::fabs(expected));
}

class ReferenceFit : public ::testing::TestWithParam<reference::Fit> {};

TEST_P(ReferenceFit, MatchesScipyAndStaysWhenFittedAgain)
{
    const reference::Fit& r = GetParam();
    const FitResult fit = bestFit(r.start, r.fixed, r.t, r.y);
    ASSERT_EQ(fit.status, FitStatus::Converged);
    for (const Parameter k : kParameters) {
        SCOPED_TRACE(name(k));
        expectNear(fit.params[k], r.optimum[k], 1e-6);
        EXPECT_EQ(fit.fitted[k], r.se[k] != 0);
        ASSERT_EQ(fit.uncertainty[k].has_value(), r.se[k] != 0);
        if (fit.uncertainty[k]) {
            expectNear(fit.uncertainty[k]->standardError, r.se[k], 1e-3);
            expectNear(fit.uncertainty[k]->halfWidth95, r.half[k], 1e-3);
        }
    }
    EXPECT_EQ(fit.t0HeldAsOrigin, r.t0Held);
    EXPECT_EQ(fit.dof, r.dof);
    ASSERT_TRUE(fit.s && fit.rSquared);
    expectNear(*fit.s, r.s, 1e-6);
    expectNear(*fit.rSquared, r.rSquared, 1e-6);

    // No step lowers the sum from the optimum: that is convergence, not failure.
    const FitResult again = bestFit(fit.params, r.fixed, r.t, r.y);
    EXPECT_EQ(again.status, FitStatus::Converged);
    expectNear(again.params.c, fit.params.c, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Scipy, ReferenceFit, ::testing::ValuesIn(reference::kFits),
                         [](const auto& info) { return std::string(info.param.name); });

// Whether the parameters are independent does not depend on the units of y.
TEST(BestFit, OtherUnitsOfYScaleOnlyAAndItsUncertainty)
{
    const reference::Fit& decay = reference::kFits[0];
    std::vector<double> y;
    for (double v : decay.y)
        y.push_back(v * 1e9);
    const FitResult fit = bestFit({decay.start.a * 1e9, decay.start.c, 0}, decay.fixed, decay.t, y);
    ASSERT_TRUE(fit.uncertainty.a && fit.uncertainty.c);
    expectNear(fit.params.a, decay.optimum.a * 1e9, 1e-6);
    expectNear(fit.uncertainty.a->standardError, decay.se.a * 1e9, 1e-3);
    expectNear(fit.uncertainty.c->standardError, decay.se.c, 1e-3);
}

// Fits that give no uncertainty at all, or no fit; a fit that fails leaves the start.
TEST(BestFit, DegenerateCasesGiveNoUncertainty)
{
    const Fixed t0Fixed{false, false, true};
    const struct { const char* name; std::vector<double> t, y; Params start; Fixed fixed; FitStatus status; } rows[] = {
        {"every parameter fixed", {0, 1, 2}, {1, 2, 4}, {1, 1, 0}, {true, true, true}, FitStatus::NothingToFit},
        {"one point, two parameters", {1}, {2}, {1, 1, 0}, t0Fixed, FitStatus::TooFewPoints},
        {"two points, two parameters", {0, 1}, {1, 2}, {1, 1, 0}, t0Fixed, FitStatus::Converged},
        {"all times equal", {2, 2, 2, 2}, {1, 2, 3, 4}, {5, 1, 0}, t0Fixed, FitStatus::Converged},
        {"every time at t0: f does not change with c", {0, 0, 0}, {1, 2, 3}, {5, 1, 0}, t0Fixed, FitStatus::Converged},
        // 1e300·e^20 overflows, though its derivative in a does not.
        {"overflow at the start", {0, 20}, {1, 2}, {1e300, 1, 0}, {false, true, true}, FitStatus::NotConverged},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const FitResult fit = bestFit(row.start, row.fixed, row.t, row.y);
        EXPECT_EQ(fit.status, row.status);
        for (const Parameter k : kParameters)
            EXPECT_FALSE(fit.uncertainty[k].has_value());
        if (fit.status != FitStatus::Converged) {
            EXPECT_EQ(fit.params, row.start);
        }
    }
}

} // namespace
