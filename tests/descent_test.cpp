#include "fitting/descent.h"
#include "fitting/numeric_error.h"
#include "near.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

using namespace ajuste;

namespace {

// The evaluation as written out term by term: four calls of f per point and
// one call of each derivative, every sum checked after its addition.
void literalSums(Sums& s, const Params& p, const Fixed& fx, std::span<const double> t, std::span<const double> y)
{
    for (std::size_t i = 0; i < t.size(); ++i) {
        s.derL = checked(s.derL + 2 * (f(p, t[i]) - y[i]) * parL(p, fx.a, t[i]));
        s.derC = checked(s.derC + 2 * (f(p, t[i]) - y[i]) * parC(p, fx.c, t[i]));
        s.derT = checked(s.derT + 2 * (f(p, t[i]) - y[i]) * parT(p, fx.t0, t[i]));
        const double d = checked(f(p, t[i]) - y[i]);
        s.errorCuad = checked(s.errorCuad + std::pow(d, 2));
    }
}

bool literalBatch(Params& p, Sums& s, const Fixed& fx, std::span<const double> t, std::span<const double> y,
                  double errorAnt, double h, int passes)
{
    for (int k = 0; k < passes; ++k) {
        s = Sums{};
        literalSums(s, p, fx, t, y);
        if (checked(s.errorCuad - errorAnt) > 0)
            return true;
        p.c = checked(p.c - h * s.derC);
        p.a = checked(p.a - h * s.derL);
        p.t0 = checked(p.t0 - h * s.derT);
    }
    return false;
}

bool sameBits(double x, double y)
{
    return std::memcmp(&x, &y, sizeof x) == 0;
}

void expectSameBits(const Sums& fast, const Sums& literal)
{
    EXPECT_TRUE(sameBits(fast.derL, literal.derL));
    EXPECT_TRUE(sameBits(fast.derC, literal.derC));
    EXPECT_TRUE(sameBits(fast.derT, literal.derT));
    EXPECT_TRUE(sameBits(fast.errorCuad, literal.errorCuad));
}

struct Case {
    Params p;
    Fixed fixed;
    std::vector<double> t, y;
};

// Wide parameters and data, so that about a third of the cases fail
// somewhere: in exp, in a product, in a sum.
Case randomCase(std::mt19937_64& random)
{
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    std::bernoulli_distribution coin(0.25);
    auto wide = [&](double scale) { return unit(random) * std::pow(10.0, scale * std::fabs(unit(random))); };
    Case c{{wide(200), wide(3), wide(3)}, {coin(random), coin(random), coin(random)}, {}, {}};
    const int n = std::uniform_int_distribution<int>(0, 20)(random);
    for (int i = 0; i < n; ++i) {
        c.t.push_back(wide(3));
        c.y.push_back(wide(200));
    }
    return c;
}

TEST(Descent, SharedExponentialMatchesTheLiteralSumsBitForBit)
{
    std::mt19937_64 random(7);
    int failures = 0;
    for (int n = 0; n < 20000; ++n) {
        const Case c = randomCase(random);
        Sums fast, literal;
        bool fastFailed = false, literalFailed = false;
        try {
            addPointSums(fast, c.p, c.fixed, c.t, c.y);
        } catch (const NumericError&) {
            fastFailed = true;
        }
        try {
            literalSums(literal, c.p, c.fixed, c.t, c.y);
        } catch (const NumericError&) {
            literalFailed = true;
        }
        ASSERT_EQ(fastFailed, literalFailed) << "case " << n;
        expectSameBits(fast, literal);
        failures += literalFailed;
    }
    EXPECT_GT(failures, 2000); // the error paths were really taken
    EXPECT_LT(failures, 18000);
}

TEST(Descent, LargeButFiniteSumsAreNoError)
{
    // Each sum fits though together they would overflow: no error may come of it.
    const double t[] = {0.0, 1.0};
    const double y[] = {5.0, 2.0};
    Sums fast{1e308, -1e308, 1e308, 1e308}, literal = fast;
    addPointSums(fast, {5, 1, 0}, {}, t, y);
    literalSums(literal, {5, 1, 0}, {}, t, y);
    expectSameBits(fast, literal);
}

TEST(Descent, BatchMatchesTheLiteralBatch)
{
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    for (int n = 0; n < 300; ++n) {
        std::vector<double> t, y;
        for (int i = 0; i < 20; ++i) {
            t.push_back(i * 0.5 + unit(random));
            y.push_back(5 * std::exp(0.3 * t.back()) + unit(random));
        }
        const Params start{5 + unit(random), 0.3 + 0.2 * unit(random), unit(random)};
        const double h = std::pow(10.0, -6 + 4 * std::fabs(unit(random))); // large ones explode
        Params fastP = start, literalP = start;
        Sums fastS, literalS;
        bool fastResult = false, literalResult = false, fastFailed = false, literalFailed = false;
        try {
            fastResult = runBatch(fastP, fastS, {}, t, y, 1e300, h, 200);
        } catch (const NumericError&) {
            fastFailed = true;
        }
        try {
            literalResult = literalBatch(literalP, literalS, {}, t, y, 1e300, h, 200);
        } catch (const NumericError&) {
            literalFailed = true;
        }
        ASSERT_EQ(fastFailed, literalFailed);
        EXPECT_EQ(fastResult, literalResult);
        expectSameBits(fastS, literalS);
        EXPECT_TRUE(sameBits(fastP.a, literalP.a));
        EXPECT_TRUE(sameBits(fastP.c, literalP.c));
        EXPECT_TRUE(sameBits(fastP.t0, literalP.t0));
    }
}

TEST(Descent, OneStepOfTheWorkedExample)
{
    // Points (0;4), (1;10) from a = 5, c = 1, t0 = 0 with h = 0.001: documented figures.
    const double t[] = {0.0, 1.0};
    const double y[] = {4.0, 10.0};
    Params p{5, 1, 0};
    Sums s;
    addPointSums(s, p, {}, t, y);
    descend(p, 0.001, s);
    EXPECT_TRUE(near12(p.a, 4.97847507558));
    EXPECT_TRUE(near12(p.c, 0.902375377899));
    EXPECT_TRUE(near12(p.t0, 0.107624622101));
}

TEST(Descent, StepSizeZeroAndFixedSumsLeaveParameters)
{
    Params p{5, 1, 0};
    descend(p, 0.0, {3, 4, 5, 6});
    EXPECT_EQ(p.a, 5.0);
    EXPECT_EQ(p.c, 1.0);
    EXPECT_EQ(p.t0, 0.0);
    descend(p, 0.5, {0, 0, 0, 6});
    EXPECT_EQ(p.a, 5.0);
}

TEST(Descent, BatchStopsBeforeTheUpdateOfAGrowingPass)
{
    const double t[] = {0.0, 1.0};
    const double y[] = {4.0, 10.0};
    Params p{5, 1, 0};
    Sums s;
    // Reference below the current error: the first pass grows, nothing moves.
    EXPECT_TRUE(runBatch(p, s, {}, t, y, 1.0, 0.001, 100));
    EXPECT_EQ(p.a, 5.0);
    EXPECT_EQ(p.c, 1.0);
    EXPECT_TRUE(near12(s.errorCuad, 13.8982196274));
}

TEST(Descent, SteadyBatchAppliesEveryPass)
{
    const double t[] = {0.0, 1.0};
    const double y[] = {4.0, 10.0};
    Params batch{5, 1, 0}, stepwise{5, 1, 0};
    Sums s;
    EXPECT_FALSE(runBatch(batch, s, {}, t, y, 13.8982196274 + 1, 1e-4, 50));
    Sums last;
    for (int k = 0; k < 50; ++k) {
        last = Sums{};
        addPointSums(last, stepwise, {}, t, y);
        descend(stepwise, 1e-4, last);
    }
    EXPECT_EQ(batch.a, stepwise.a);
    EXPECT_EQ(batch.t0, stepwise.t0);
    EXPECT_EQ(s.errorCuad, last.errorCuad); // sums of the last pass, before its update
}

} // namespace
