#include "fitting/descent.h"
#include "graph/box_map.h"
#include "near.h"
#include "worked_example.h"

#include <gtest/gtest.h>

using namespace ajuste;

namespace {

TEST(Descent, OneStepOfTheWorkedExample)
{
    Params p{5, 1, 0};
    Sums s;
    addPointSums(s, p, {}, worked::kT, worked::kY);
    descend(p, sameStep(0.001), s);
    EXPECT_TRUE(near12(p.a, worked::kStepA));
    EXPECT_TRUE(near12(p.c, worked::kStepC));
    EXPECT_TRUE(near12(p.t0, worked::kStepT0));
    EXPECT_EQ(nextStep({5, 1, 0}, sameStep(0.001), {}, worked::kT, worked::kY), p);
}

TEST(Descent, StepSizeZeroAndFixedSumsLeaveParameters)
{
    Params p{5, 1, 0};
    descend(p, sameStep(0.0), {3, 4, 5, 6});
    EXPECT_EQ(p.a, 5.0);
    EXPECT_EQ(p.c, 1.0);
    EXPECT_EQ(p.t0, 0.0);
    descend(p, sameStep(0.5), {0, 0, 0, 6});
    EXPECT_EQ(p.a, 5.0);
}

TEST(Descent, BatchStopsBeforeTheUpdateOfAGrowingPass)
{
    Params p{5, 1, 0};
    Sums s;
    // Reference below the current error: the first pass grows, nothing moves.
    EXPECT_TRUE(runBatch(p, s, {}, worked::kT, worked::kY, 1.0, sameStep(0.001), 100));
    EXPECT_EQ(p.a, 5.0);
    EXPECT_EQ(p.c, 1.0);
    EXPECT_TRUE(near12(s.errorCuad, worked::kErrorCuad));
}

// The first pass (error 13,9) is below the reference 20 and steps; the
// second finds 27,7 above it and stops before its update, so the batch
// ends one step of 0,01 from the start, with the sums of that second pass.
TEST(Descent, BatchJudgesEachPassBeforeItsUpdate)
{
    Params p{5, 1, 0};
    Sums s;
    EXPECT_TRUE(runBatch(p, s, {}, worked::kT, worked::kY, 20.0, sameStep(0.01), 100));
    EXPECT_TRUE(near12(p.a, 4.78475075580));
    EXPECT_TRUE(near12(p.c, 0.0237537789937));
    EXPECT_TRUE(near12(p.t0, 1.07624622101));
    EXPECT_TRUE(near12(s.errorCuad, worked::kErrorAfterStep001));
}

TEST(Descent, SteadyBatchAppliesEveryPass)
{
    Params p{5, 1, 0};
    Sums s;
    EXPECT_FALSE(runBatch(p, s, {}, worked::kT, worked::kY, worked::kErrorCuad, sameStep(1e-4), 50));
    // Fifty passes of 0,0001 worked in double precision outside the program.
    EXPECT_TRUE(near12(p.a, 4.96626295414));
    EXPECT_TRUE(near12(p.c, 0.868868446304));
    EXPECT_TRUE(near12(p.t0, 0.156725812136));
    EXPECT_TRUE(near12(s.errorCuad, 0.233632377412)); // the last pass, before its update
}

// The worked example stretched into a world (t → t0W + sT·t, y → sY·y)
// descends through the images of the box's steps, step after step.
class StretchedDescent : public ::testing::TestWithParam<World> {};

TEST_P(StretchedDescent, VisitsTheImagesOfTheBoxsSteps)
{
    const World world = GetParam();
    const BoxMap map = boxMap(world);
    std::vector<double> t, y;
    for (std::size_t i = 0; i < std::size(worked::kT); ++i) {
        t.push_back(worldT(map, worked::kT[i]));
        y.push_back(map.sY * worked::kY[i]);
    }
    Params inBox{5, 1, 0}, inWorld = toWorld(world, inBox);
    Sums boxSums, worldSums;
    for (int step = 0; step < 20; ++step) {
        EXPECT_FALSE(runBatch(inBox, boxSums, {}, worked::kT, worked::kY, 1e300, sameStep(0.01), 5));
        EXPECT_FALSE(runBatch(inWorld, worldSums, {}, t, y, 1e300, stepSizes(world, 0.01), 5));
        const Params back = toBox(world, inWorld);
        for (Parameter k : kParameters)
            ASSERT_NEAR(back[k], inBox[k], 1e-9 * (1 + std::fabs(inBox[k]))) << name(k) << " after " << 5 * (step + 1);
    }
    EXPECT_NEAR(worldSums.errorCuad / (map.sY * map.sY), boxSums.errorCuad, 1e-9 * boxSums.errorCuad);
}

INSTANTIATE_TEST_SUITE_P(Worlds, StretchedDescent,
                         ::testing::Values(World{-2, 12, 0, 14},             // growing, near the box
                                           World{80, 220, 0, 2e4},           // counts, t far from 0
                                           World{-500, 1500, -3e-3, 0},      // negative currents
                                           World{1e6, 3e6, 0, 1.2e5}));      // pascals over kilometres

} // namespace
