#include "common/numeric_error.h"
#include "fitting/model.h"
#include "near.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace ajuste;

namespace {

const Params start{5.0, 1.0, 0.0};

TEST(Model, StartParameters)
{
    // Hand values of 5·e^t.
    EXPECT_EQ(f(start, 0), 5.0);
    EXPECT_TRUE(near12(f(start, 1), 13.5914091423));
    EXPECT_TRUE(near12(f(start, -5), 0.0336897349954));
}

TEST(Model, OverflowInFinalProductAndInExponential)
{
    // exp(709) ≈ 8.2e307 fits, five times it does not.
    EXPECT_THROW(f(start, 709), NumericError);
    EXPECT_THROW(f(start, 710), NumericError);
    EXPECT_NO_THROW(f({1.0, 1.0, 0.0}, 709));
}

TEST(Model, UnderflowIsZeroNotAnError)
{
    EXPECT_EQ(f({5.0, 1.0, 800.0}, 0), 0.0); // c·(t − t0) = −800
}

TEST(Model, ZeroRate)
{
    for (double t : {-4.0, 0.0, 7.5})
        EXPECT_EQ(f({3.0, 0.0, 2.0}, t), 3.0);
}

TEST(Model, NanExponentIsAnError)
{
    // t − t0 overflows to inf and times c = 0 is NaN.
    EXPECT_THROW(f({1.0, 0.0, -1e308}, 1e308), NumericError);
}

// Each derivative against a central difference of f in its own parameter.
TEST(Model, PartialsAgreeWithCentralDifferencesOfF)
{
    const double h = 1e-6;
    for (const Params p : {Params{5, 1, 0}, Params{2.5, -0.7, 1.3}, Params{0.4, 0.3, -2}})
        for (double t : {-1.5, 0.0, 2.0}) {
            const PerParameter<double> d = partials(p, {}, t, growthFactor(p, t));
            for (const Parameter k : kParameters) {
                Params up = p, down = p;
                up[k] += h;
                down[k] -= h;
                EXPECT_NEAR(d[k], (f(up, t) - f(down, t)) / (2 * h), 1e-8 * (1 + std::fabs(d[k])));
            }
        }
}

} // namespace
