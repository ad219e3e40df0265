#include "fitting/evaluation.h"
#include "fitting/numeric_error.h"
#include "near.h"

#include <gtest/gtest.h>

using namespace ajuste;

namespace {

const double t2[] = {0.0, 1.0};
const double y2[] = {4.0, 10.0};

Sums sumsAt(const Params& p, const Fixed& fixed = {})
{
    Sums s;
    addPointSums(s, p, fixed, t2, y2);
    return s;
}

TEST(Evaluation, WorkedExampleOfTwoPoints)
{
    // Points (0;4) and (1;10) at a = 5, c = 1, t0 = 0, mean 7: the documented figures.
    const Sums s = sumsAt({5, 1, 0});
    EXPECT_TRUE(near12(s.derL, 21.5249244201));
    EXPECT_TRUE(near12(s.derC, 97.6246221006));
    EXPECT_TRUE(near12(s.derT, -107.624622101));
    EXPECT_TRUE(near12(s.errorCuad, 13.8982196274));
    EXPECT_TRUE(near12(normalisedError(s.errorCuad, 2, 7.0), 37.6588060918));
}

TEST(Evaluation, FixedCLeavesItsSumZeroAndTheOthersAlone)
{
    const Sums free = sumsAt({5, 1, 0});
    const Sums held = sumsAt({5, 1, 0}, {false, true, false});
    EXPECT_EQ(held.derC, 0.0);
    EXPECT_EQ(held.derL, free.derL);
    EXPECT_EQ(held.derT, free.derT);
    EXPECT_EQ(held.errorCuad, free.errorCuad);
}

TEST(Evaluation, CurveThroughThePointGivesZero)
{
    const double t[] = {0.0};
    const double y[] = {5.0};
    Sums s;
    addPointSums(s, {5, 1, 0}, {}, t, y);
    EXPECT_EQ(s.derL, 0.0);
    EXPECT_EQ(s.derC, 0.0);
    EXPECT_EQ(s.derT, 0.0);
    EXPECT_EQ(s.errorCuad, 0.0);
    EXPECT_EQ(normalisedError(s.errorCuad, 1, 5.0), 0.0);
}

TEST(Evaluation, NoPointsOrZeroMeanFailInTheNormalisedError)
{
    EXPECT_THROW(normalisedError(0.0, 0, 7.0), NumericError);
    EXPECT_THROW(normalisedError(3.0, 2, 0.0), NumericError);
    EXPECT_THROW(normalisedError(0.0, 2, 0.0), NumericError);
}

TEST(Evaluation, ErrorStopsAtThePointAndKeepsEarlierSums)
{
    // The second point overflows exp: the first point's terms stay added.
    const double t[] = {0.0, 800.0};
    const double y[] = {4.0, 1.0};
    Sums s;
    EXPECT_THROW(addPointSums(s, {5, 1, 0}, {}, t, y), NumericError);
    EXPECT_EQ(s.derL, 2.0);
    EXPECT_EQ(s.errorCuad, 1.0);
}

TEST(Evaluation, GrowthIsStrict)
{
    EXPECT_TRUE(errorGrew(2.0, 1.0));
    EXPECT_TRUE(errorGrew(1.0 + 1e-15, 1.0));
    EXPECT_FALSE(errorGrew(1.0, 1.0));
    EXPECT_FALSE(errorGrew(0.5, 1.0));
}

} // namespace
