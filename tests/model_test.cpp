#include "fitting/model.h"
#include "fitting/numeric_error.h"
#include "near.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace ajuste;

namespace {

const Params start{5.0, 1.0, 0.0};

TEST(Model, StartParametersAtZeroAndOne)
{
    // Hand values: f = 5·e^t, parL = e^t, parC = t·5·e^t, parT = −5·e^t.
    EXPECT_EQ(f(start, 0), 5.0);
    EXPECT_EQ(parL(start, false, 0), 1.0);
    EXPECT_EQ(parC(start, false, 0), 0.0);
    EXPECT_EQ(parT(start, false, 0), -5.0);
    EXPECT_TRUE(near12(f(start, 1), 13.5914091423));
    EXPECT_TRUE(near12(parL(start, false, 1), 2.71828182846));
    EXPECT_TRUE(near12(parC(start, false, 1), 13.5914091423));
    EXPECT_TRUE(near12(parT(start, false, 1), -13.5914091423));
}

TEST(Model, TickedBoxGivesZeroWithoutEvaluating)
{
    // exp(1000) would overflow: a fixed derivative must not even try.
    EXPECT_EQ(parL(start, true, 1000), 0.0);
    EXPECT_EQ(parC(start, true, 1000), 0.0);
    EXPECT_EQ(parT(start, true, 1000), 0.0);
    EXPECT_THROW(f(start, 1000), NumericError);
}

TEST(Model, OverflowInFinalProductAndInExponential)
{
    // exp(709) ≈ 8.2e307 fits, five times it does not.
    EXPECT_THROW(f(start, 709), NumericError);
    EXPECT_NO_THROW(parL(start, false, 709));
    EXPECT_THROW(f(start, 710), NumericError);
    EXPECT_THROW(parL(start, false, 710), NumericError);
}

TEST(Model, UnderflowIsZeroNotAnError)
{
    const Params decay{5.0, 1.0, 800.0}; // c·(t − t0) = −800 at t = 0
    EXPECT_EQ(f(decay, 0), 0.0);
    EXPECT_EQ(parL(decay, false, 0), 0.0);
    EXPECT_EQ(parC(decay, false, 0), 0.0);
    EXPECT_EQ(parT(decay, false, 0), 0.0);
}

TEST(Model, ZeroRate)
{
    const Params flat{3.0, 0.0, 2.0};
    for (double t : {-4.0, 0.0, 7.5}) {
        EXPECT_EQ(f(flat, t), 3.0);
        EXPECT_EQ(parL(flat, false, t), 1.0);
        EXPECT_EQ(parC(flat, false, t), (t - 2.0) * 3.0);
        EXPECT_EQ(parT(flat, false, t), 0.0);
    }
}

TEST(Model, NanExponentIsAnError)
{
    // t − t0 overflows to inf and times c = 0 is NaN.
    const Params p{1.0, 0.0, -1e308};
    EXPECT_THROW(f(p, 1e308), NumericError);
}

TEST(Model, DerivativesAgreeWithCentralDifferences)
{
    const Params p{2.5, -0.7, 1.3};
    const double h = 1e-6;
    for (double t : {-3.0, 0.0, 0.4, 6.0}) {
        auto at = [&](Params q) { return f(q, t); };
        Params up = p, down = p;
        up.a += h;
        down.a -= h;
        EXPECT_NEAR(parL(p, false, t), (at(up) - at(down)) / (2 * h), 1e-6);
        up = p, down = p;
        up.c += h;
        down.c -= h;
        EXPECT_NEAR(parC(p, false, t), (at(up) - at(down)) / (2 * h), 1e-5);
        up = p, down = p;
        up.t0 += h;
        down.t0 -= h;
        EXPECT_NEAR(parT(p, false, t), (at(up) - at(down)) / (2 * h), 1e-5);
    }
}

} // namespace
