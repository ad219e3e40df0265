#include "fitting/confidence_band.h"
#include "fitting/confidence_region.h"
#include "fitting/derived_quantities.h"
#include "least_squares_reference.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace ajuste;

namespace {

// To 8 significant digits.
void expectNear8(double actual, double expected)
{
    EXPECT_NEAR(actual, expected, 5e-8 * std::fabs(expected));
}

// The noisy decay's optimum worked out again in 40 digits with mpmath:
// Gauss–Newton to convergence, C = s²(JᵀJ)⁻¹, Student's t at 97.5 % with
// 8 degrees of freedom (2.30600413520) by inverting the regularised
// incomplete beta function.
class NoisyDecay : public ::testing::Test {
protected:
    const reference::Fit& r = reference::kFits[0];
    const FitResult fit = bestFit(r.start, r.fixed, r.t, r.y);
};

TEST_F(NoisyDecay, TimeConstantHalfLifeAndCorrelation)
{
    const struct { std::optional<RateQuantity> quantity; double value, se, half; } rows[] = {
        {timeConstant(fit), 2.7949429587, 0.044495965576, 0.10260788062},
        {halfLife(fit), 1.9373068317, 0.030842253086, 0.071122363154},
    };
    for (const auto& row : rows) {
        ASSERT_TRUE(row.quantity && row.quantity->uncertainty);
        EXPECT_FALSE(row.quantity->growth);
        expectNear8(row.quantity->value, row.value);
        expectNear8(row.quantity->uncertainty->standardError, row.se);
        expectNear8(row.quantity->uncertainty->halfWidth95, row.half);
    }
    const std::vector<Correlation> pairs = correlations(fit);
    ASSERT_EQ(pairs.size(), 1u);
    EXPECT_TRUE(pairs[0].first == Parameter::a && pairs[0].second == Parameter::c);
    expectNear8(pairs[0].value, -0.57808703203);
}

// t₀.₉₇₅·√(gᵀCg) with g = (e^(ct), a·t·e^(ct)).
TEST_F(NoisyDecay, BandAtThreeTimes)
{
    for (const auto& [t, half] : {std::pair{0.0, 1.7232911013}, {4.5, 0.79651897907}, {12.0, 0.15963467373}})
        expectNear8(bandHalfWidth(fit, t).value(), half);
    EXPECT_FALSE(bandHalfWidth(FitResult{}, 1.0));
}

// √(2·F₀.₉₅(2, 8)·λ), λ the eigenvalues of C; F₀.₉₅(2, 8) = 4.45897010752.
TEST_F(NoisyDecay, RegionOfAAndC)
{
    const std::optional<ConfidenceRegion> region = confidenceRegion(fit, Parameter::a, Parameter::c);
    ASSERT_TRUE(region);
    expectNear8(region->majorHalfAxis, 2.2316961181);
    expectNear8(region->minorHalfAxis, 0.013879688279);
    EXPECT_FALSE(confidenceRegion(fit, Parameter::a, Parameter::t0));
}

// Growth keeps the magnitudes and changes the names; a c held at 0 has none.
TEST(RateQuantities, GrowthAndARateOfZero)
{
    FitResult fit;
    fit.params.c = 0.5;
    EXPECT_TRUE(timeConstant(fit)->growth && timeConstant(fit)->value == 2.0 && !timeConstant(fit)->uncertainty);
    fit.params.c = 0.0;
    EXPECT_FALSE(timeConstant(fit) || halfLife(fit));
}

} // namespace
