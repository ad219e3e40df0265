#include "common/numeric_error.h"
#include "graph/residuals.h"
#include "near.h"
#include "worked_example.h"

#include <limits>

using namespace ajuste;

namespace {

TEST(Residuals, OfTheWorkedExampleAreYLessTheCurve)
{
    const std::vector<Residual> r = residuals(Params{}, worked::kT, worked::kY);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0], (Residual{0, 4, 5, -1}));
    EXPECT_TRUE(r[1].t == 1 && r[1].y == 10 && near12(r[1].f, 13.5914091423) && near12(r[1].residual, -3.59140914230));
    EXPECT_EQ(residualRange(r), (Range{-4, 4}));
    const double t[] = {800.0};
    EXPECT_THROW(residuals(Params{}, t, worked::kY), NumericError); // f(800) overflows
    EXPECT_THROW(residualRange(std::vector<Residual>{{.residual = std::numeric_limits<double>::max()}}), NumericError);
}

// Largest |residuals| and the range's top: every |residual| with 5 % spare, on a round step.
class ResidualRange : public ::testing::TestWithParam<std::pair<double, double>> {};

TEST_P(ResidualRange, IsRoundAboutZeroAndHoldsEveryResidualWithSpare)
{
    const auto [largest, edge] = GetParam();
    const Range range = residualRange(std::vector<Residual>{{.residual = largest}, {.residual = largest / -3}});
    EXPECT_TRUE(range.low == -range.high && near12(range.high, edge)) << range.high;
}

INSTANTIATE_TEST_SUITE_P(Residuals, ResidualRange,
                         ::testing::Values(std::pair{0.0, 1.0}, std::pair{1e-301, 1.0}, std::pair{0.05, 0.06},
                                           std::pair{95.0, 100.0}, std::pair{-96.0, 150.0}, std::pair{3e-7, 4e-7},
                                           std::pair{-1.6e306, 2e306}));

} // namespace
