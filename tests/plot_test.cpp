#include "common/numeric_error.h"
#include "graph/plot.h"
#include "near.h"

#include <gtest/gtest.h>

#include <vector>

using namespace ajuste;

namespace {

struct Sample {
    double x, y;
};

std::vector<Sample> curve(const Params& p, CurveRule rule)
{
    std::vector<Sample> samples;
    plotCurve(p, rule, 10.0, [&](double x, double y) { samples.push_back({x, y}); });
    return samples;
}

TEST(Plot, FullRedrawSetsFortySixSamplesOfTheStartCurve)
{
    // 5·e^t stays below 10 up to t = 0.625 (k = 5); k = 6 gives 10.585.
    const auto samples = curve({5, 1, 0}, CurveRule::Within10);
    ASSERT_EQ(samples.size(), 46u);
    EXPECT_EQ(samples.front().x, 0.0);
    EXPECT_TRUE(near12(samples.front().y, 3986.52410600)); // (10 − 5e^−5)·400
    EXPECT_EQ(samples[40].x, 1200.0);
    EXPECT_EQ(samples[40].y, 2000.0);
    EXPECT_EQ(samples.back().x, 1350.0);
    EXPECT_NEAR(samples.back().y, 263.508, 1e-3);
}

TEST(Plot, LightRedrawSetsFiftyFiveSamplesSomeAboveTheArea)
{
    const auto samples = curve({5, 1, 0}, CurveRule::Below30);
    ASSERT_EQ(samples.size(), 55u);
    EXPECT_NEAR(samples[46].y, -234.00003, 1e-4);
    EXPECT_NEAR(samples.back().y, -7509.2, 0.1);
}

TEST(Plot, TestsAreStrictAndOnTheRightQuantity)
{
    EXPECT_FALSE(sampleShown(10.0, CurveRule::Within10));
    EXPECT_TRUE(sampleShown(10.0, CurveRule::Below30));
    EXPECT_EQ(graphY(10.0, 10.0), 0.0);
    EXPECT_TRUE(sampleShown(-9.9, CurveRule::Within10));
    EXPECT_FALSE(sampleShown(-10.0, CurveRule::Within10));
    EXPECT_TRUE(sampleShown(-1e300, CurveRule::Below30));
    EXPECT_FALSE(sampleShown(30.0, CurveRule::Below30));
}

TEST(Plot, DataPointsAreMappedWhereverTheyLie)
{
    const double t[] = {2.0, 20.0};
    const double y[] = {7.5, 3.0};
    std::vector<Sample> points;
    plotPoints(t, y, 10.0, [&](double x, double yy) { points.push_back({x, yy}); });
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].x, 1680.0);
    EXPECT_EQ(points[0].y, 1000.0);
    EXPECT_EQ(points[1].x, 6000.0);
}

TEST(Plot, EnormousValuesAreNumericErrors)
{
    EXPECT_THROW(graphY(-1e308, 10.0), NumericError);
    EXPECT_THROW(graphX(1e307), NumericError);
    // The sample at t = 0 overflows in f: the ones before it were set.
    int set = 0;
    EXPECT_THROW(plotCurve({-1e308, 100, 0}, CurveRule::Below30, 10.0, [&](double, double) { ++set; }),
                 NumericError);
    EXPECT_GT(set, 0);
}

} // namespace
