#include "common/numeric_error.h"
#include "graph/residuals.h"
#include "near.h"
#include "worked_example.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

using namespace ajuste;

namespace {

TEST(Residuals, OfTheWorkedExampleAreYLessTheCurve)
{
    const std::vector<Residual> r = residuals(Params{}, worked::kT, worked::kY);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_TRUE(r[0].t == 0 && r[0].y == 4 && r[0].f == 5 && r[0].residual == -1);
    EXPECT_TRUE(r[1].t == 1 && r[1].y == 10 && near12(r[1].f, 13.5914091423) && near12(r[1].residual, -3.59140914230));
    EXPECT_EQ(residualRange(r), (Range{-4, 4}));
}

struct RangeRow {
    std::vector<double> residuals;
    double edge; // the range is −edge … edge
};

const RangeRow kRanges[] = {
    {{}, 1},
    {{0, 0}, 1},
    {{1e-301, -1e-301}, 1},     // all but 0
    {{0.05}, 0.06},             // a step of 0,02
    {{95}, 100},                // 99,75 with the spare
    {{-96, 2}, 150},            // 100,8 with the spare: steps of 50
    {{3e-7, -1e-7}, 4e-7},
    {{-1.6e306}, 2e306},
};

class ResidualRange : public ::testing::TestWithParam<RangeRow> {};

TEST_P(ResidualRange, IsRoundAboutZeroAndHoldsEveryResidualWithSpare)
{
    std::vector<Residual> r;
    for (double value : GetParam().residuals)
        r.push_back({.residual = value});
    const Range range = residualRange(r);
    EXPECT_EQ(range.high, -range.low);
    EXPECT_TRUE(near12(range.high, GetParam().edge)) << range.high;
}

INSTANTIATE_TEST_SUITE_P(Residuals, ResidualRange, ::testing::ValuesIn(kRanges));

TEST(Residuals, ThatOverflowAreRefused)
{
    const double largest = std::numeric_limits<double>::max();
    const double t[] = {0.0, 800.0}, y[] = {0.0, 1.0};
    EXPECT_THROW(residuals(Params{}, t, y), NumericError); // f(800) overflows
    const double y2[] = {-largest, 0.0};
    EXPECT_THROW(residuals(Params{.a = largest, .c = 0.0}, std::span(t, 1), std::span(y2, 1)), NumericError);
    EXPECT_THROW(residualRange(std::vector<Residual>{{.residual = largest}}), NumericError);
}

} // namespace
