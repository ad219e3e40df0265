#include "common/numeric_error.h"
#include "graph/plot.h"
#include "near.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

using namespace ajuste;

namespace {

struct Sample {
    double x, y;
    bool operator==(const Sample&) const = default;
};

// In the box, a world or a log view.
std::vector<Sample> curve(const Params& p, CurveRule rule, const View& view = {})
{
    std::vector<Sample> samples;
    plotCurve(p, rule, view, [&](double x, double y) { samples.push_back({x, y}); });
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
    EXPECT_EQ(graphY(10.0, View{}), 0.0);
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
    plotPoints(t, y, View{}, [&](double x, double yy) { points.push_back({x, yy}); }, [](double, double) {});
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].x, 1680.0);
    EXPECT_EQ(points[0].y, 1000.0);
    EXPECT_EQ(points[1].x, 6000.0);
}

TEST(Plot, EnormousValuesAreNumericErrors)
{
    EXPECT_THROW(graphY(-1e308, View{}), NumericError);
    EXPECT_THROW(graphX(1e307), NumericError);
    // The sample at t = 0 overflows in f: the ones before it were set.
    int set = 0;
    EXPECT_THROW(plotCurve({-1e308, 100, 0}, CurveRule::Below30, View{}, [&](double, double) { ++set; }),
                 NumericError);
    EXPECT_GT(set, 0);
}

// Its map changes no bit of the parameters either, −0 included.
TEST(Plot, TheBoxsOwnWorldDrawsBitForBitAsTheBox)
{
    const World box = kBox;
    for (double u : {-5.0, -0.0, 0.1, 7.3, 14.3})
        EXPECT_TRUE(graphX(u, box) == graphX(u) && graphY(u, View{}) == (10 - u) * 4000 / 10) << u;
    EXPECT_EQ(zeroLineX(box), 1200.0);
    const auto bits = [](const Params& p) { return std::bit_cast<std::array<std::uint64_t, 3>>(p); };
    for (const Params p : {Params{-0.0, -0.0, -0.0}, Params{5e-324, 1e300, -7.25}, Params{0.1, -6.05, 20.1}})
        EXPECT_TRUE(bits(toWorld(box, p)) == bits(p) && bits(toBox(box, p)) == bits(p));
}

// The same samples as in the box: upright when y goes up from 0, upside
// down when it goes down.
TEST(Plot, AWorldDrawsTheImageOfTheBoxsCurveAsTheBoxDoes)
{
    for (const World& w : {World{-2, 12, 0, 14}, World{-2, 12, -45, 0}})
        for (const CurveRule rule : {CurveRule::Within10, CurveRule::Below30}) {
            const std::vector<Sample> inBox = curve({5, 1, 0}, rule);
            const std::vector<Sample> inWorld = curve(toWorld(w, {5, 1, 0}), rule, View{w});
            ASSERT_EQ(inWorld.size(), inBox.size());
            for (std::size_t i = 0; i < inBox.size(); ++i) {
                EXPECT_EQ(inWorld[i].x, inBox[i].x);
                EXPECT_NEAR(inWorld[i].y, w.yLow == 0 ? inBox[i].y : kGraphHeight - inBox[i].y, 1e-9);
            }
        }
    EXPECT_NEAR(*zeroLineX(World{-2, 12, 0, 14}), 4800.0 * 2 / 14, 1e-9);
    EXPECT_FALSE(zeroLineX(World{80, 220, 0, 10}));
}

TEST(Plot, TheLogViewDrawsAnExponentialStraightAndMarksWhatItCannotShow)
{
    const double t[] = {0, 1, 2, 3};
    const double y[] = {0, 0.5, 10, 0}; // inside the box: t as there
    const View w = std::get<View>(chooseView(t, y, true));
    ASSERT_TRUE(w.log);
    EXPECT_EQ(std::tie(w.log->low, w.log->high, w.log->hidden), std::tuple(-1, 2, 2)); // 0.1 … 100
    const std::vector<Sample> samples = curve({5, 1, 0}, CurveRule::Within10, w);
    ASSERT_EQ(samples.size(), 64u); // 5e^t < 100 up to k = 23
    EXPECT_TRUE(near12(samples[40].y, 4000 * (2 - std::log10(5.0)) / 3)); // t = 0
    EXPECT_TRUE(near12(samples[63].y - samples[40].y, (samples[40].y - samples[0].y) * 23 / 40)); // straight
    std::vector<Sample> shown, hidden;
    plotPoints(t, y, w, [&](double x, double h) { shown.push_back({x, h}); },
               [&](double x, double h) { hidden.push_back({x, h}); });
    EXPECT_EQ(shown, (std::vector<Sample>{{1440, 4000 * (2 - std::log10(0.5)) / 3}, {1680, 4000.0 / 3}}));
    EXPECT_EQ(hidden, (std::vector<Sample>{{1200, 4000}, {1920, 4000}}));
    const double none[] = {-1, 0, -2, 0};
    EXPECT_EQ(std::get<NoWorld>(chooseView(t, none, true)), NoWorld::NoPositivePoint);
}

} // namespace
