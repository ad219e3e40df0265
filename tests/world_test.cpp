#include "graph/bar_map.h"
#include "graph/box_map.h"
#include "graph/view.h"
#include "graph/ticks.h"
#include "graph/world.h"
#include "near.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace ajuste;

namespace {

// To 12 digits, and no −0 for a 0: an axis would write it.
bool nearSigned(double actual, double expected)
{
    return near12(actual, expected) && std::signbit(actual) == std::signbit(expected);
}

// Worked by hand: 5 % of the spread added (of y's span, away from 0), then
// out to the first step of 1, 2 or 5 × 10^k with at most ten steps across.
// sY is the box's 10 in the world.
struct Choice {
    const char* name;
    std::vector<double> t, y;
    std::variant<World, NoWorld> expected;
    double sY = 1;
    SmallData small = SmallData::InTheBox;
};

const Choice kChoices[] = {
    {"EveryPointInsideEdgesIncluded", {-5, 15, 0}, {0, 10, 5}, kBox},
    {"NoPoint", {}, {}, kBox},
    {"YAboveTheBox", {0, 9.5}, {0, 12}, World{-2, 10, 0, 14}, 1.4},       // t −0.475…9.975 by 2, y to 12.6 by 2
    {"EveryYNegative", {0, 10}, {-3, -40}, World{-2, 12, -45, 0}, -4.5}, // y from −42 by 5
    {"MixedSignsLargerSideUp", {0, 10}, {-3, 40}, World{-2, 12, -10, 50}, 5}, // −5.15…42.15 by 10
    {"SinglePoint", {1000}, {50}, World{900, 1100, 0, 60}, 6},             // ±10 % by 20
    {"SinglePointAtTZero", {0}, {50}, World{-1, 1, 0, 60}, 6},
    {"EveryTEqual", {3, 3, 3}, {20, 30, 38}, World{2.7, 3.3, 0, 40}, 4}, // ±0.3 by 0.1, y to 39.9 by 5
    {"EveryYZero", {100, 200}, {0, 0}, World{80, 220, 0, 10}, 1},         // 95…205 by 20
    {"ManyDecades", {0, 1, 2}, {1e-300, 1, 1e300}, World{-0.5, 2.5, 0, 1.2e300}, 1.2e299},
    {"BeyondTheLargest", {0, 1}, {1, 1e301}, NoWorld::TooLarge},
    {"NotANumber", {0}, {NAN}, NoWorld::TooLarge},
    {"TooNearZero", {100}, {1e-305}, NoWorld::TooSmall},
    // Asked to follow the data: currents in amperes, t −0.25…5.25 by 1, y to 0.00483 by 0.0005.
    {"SmallDataFollowed", {0, 1, 2, 3, 4, 5}, {0.0016, 0.0022, 0.0027, 0.0033, 0.004, 0.0046},
     World{-1, 6, 0, 0.005}, 0.0005, SmallData::InTheirWorld},
    {"NoPointFollowed", {}, {}, kBox, 1, SmallData::InTheirWorld},
};

class WorldChoice : public ::testing::TestWithParam<Choice> {};

TEST_P(WorldChoice, IsTheRoundBoxHoldingEveryPointAndTheBoxMapsOntoIt)
{
    const Choice& c = GetParam();
    const std::variant<World, NoWorld> chosen = chooseWorld(c.t, c.y, c.small);
    const World* w = std::get_if<World>(&chosen);
    const World* e = std::get_if<World>(&c.expected);
    ASSERT_TRUE((w && e) || (!e && chosen == c.expected));
    if (!w)
        return;
    EXPECT_TRUE(nearSigned(w->tLow, e->tLow) && nearSigned(w->tHigh, e->tHigh) && nearSigned(w->yLow, e->yLow) &&
                nearSigned(w->yHigh, e->yHigh));
    const BoxMap map = boxMap(*w);
    EXPECT_TRUE(near12(worldT(map, -5), w->tLow) && near12(worldT(map, 15), w->tHigh));
    EXPECT_TRUE(near12(toWorld(*w, Params{}).a, 5 * c.sY)); // the start values' image
    for (const Params p : {Params{}, Params{2.5, -0.7, 1.3}}) {
        const Params back = toBox(*w, toWorld(*w, p));
        EXPECT_TRUE(near12(back.a, p.a) && near12(back.c, p.c) && near12(back.t0, p.t0));
        for (double t : {-2.0, 0.0, 3.0})
            EXPECT_TRUE(near12(f(toWorld(*w, p), worldT(map, t)), map.sY * f(p, t)));
    }
}

INSTANTIATE_TEST_SUITE_P(World, WorldChoice, ::testing::ValuesIn(kChoices),
                         [](const auto& info) { return std::string(info.param.name); });

struct TicksRow {
    const char* name;
    double low, high;
    std::vector<double> expected;
    bool log = false; // low and high are decades
};

const TicksRow kTicks[] = {
    {"BoxT", -5, 15, {-5, 0, 5, 10, 15}},
    {"BoxY", 0, 10, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
    {"Tenths", 2.7, 3.3, {2.7, 2.8, 2.9, 3, 3.1, 3.2, 3.3}},            // 3.3 / 0.1 is 32.999…
    {"NegativeTenths", -2.9, -2.3, {-2.9, -2.8, -2.7, -2.6, -2.5, -2.4, -2.3}}, // −2.9 / 0.1 is −28.999…
    {"DownFromZero", -45, 0, {-45, -40, -35, -30, -25, -20, -15, -10, -5, 0}},
    {"Huge", 0, 1.2e300, {0, 2e299, 4e299, 6e299, 8e299, 1e300, 1.2e300}},
    {"ThreeDecades", -1, 2, {0.1, 0.2, 0.5, 1, 2, 5, 10, 20, 50, 100}, true},
    {"FourDecades", 0, 4, {1, 10, 100, 1e3, 1e4}, true},
    {"FortyDecades", -20, 20, {1e-20, 1e-15, 1e-10, 1e-5, 1, 1e5, 1e10, 1e15, 1e20}, true},
    {"SixHundredDecades", -301, 301, {1e-300, 1e-200, 1e-100, 1, 1e100, 1e200, 1e300}, true},
};

class WorldTicks : public ::testing::TestWithParam<TicksRow> {};

TEST_P(WorldTicks, AreRoundAndSpanTheAxis)
{
    const TicksRow& r = GetParam();
    const std::vector<double> values =
        r.log ? logTicks(Decades{int(r.low), int(r.high)}) : ticks(r.low, r.high);
    ASSERT_EQ(values.size(), r.expected.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_TRUE(nearSigned(values[i], r.expected[i])) << i;
}

INSTANTIATE_TEST_SUITE_P(World, WorldTicks, ::testing::ValuesIn(kTicks),
                         [](const auto& info) { return std::string(info.param.name); });

// In the box every bar is exactly its own scale; in a world a position
// stands for the same share of it, and the box's start values fit.
TEST(Bars, AreTheirScalesInTheBoxAndTheSameShareOfAWorld)
{
    const World world{-2, 12, 0, 120000};
    for (const ParameterScale* scale : {kScales.a, kScales.c, kScales.t0})
        for (int position = scale->minimum; position <= scale->maximum; ++position) {
            EXPECT_EQ(barValue(kBox, *scale, position), scale->fromPosition(position));
            EXPECT_EQ(barPosition(world, *scale, barValue(world, *scale, position)), position);
        }
    EXPECT_EQ(barRange(world, kScaleC), (Range{-6 / 0.7, 6 / 0.7}));
    EXPECT_TRUE(barsReach(world, toWorld(world, Params{})));
    EXPECT_FALSE(barsReach(world, Params{.a = 250000}));
}

} // namespace
