#include "common/numeric_error.h"
#include "fitting/evaluation.h"
#include "near.h"
#include "worked_example.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

using namespace ajuste;

namespace {

// The model and its derivatives written out as the formulas read: each
// call evaluates afresh and checks every step. The reference for the sums.
namespace literal {

double growth(const Params& p, double t)
{
    return checked(std::exp(checked((t - p.t0) * p.c)));
}

double f(const Params& p, double t)
{
    return checked(growth(p, t) * p.a);
}

double parL(const Params& p, bool fixed, double t)
{
    return fixed ? 0.0 : growth(p, t);
}

double parC(const Params& p, bool fixed, double t)
{
    return fixed ? 0.0 : checked(((t - p.t0) * p.a) * growth(p, t));
}

double parT(const Params& p, bool fixed, double t)
{
    return fixed ? 0.0 : checked((-p.a * p.c) * growth(p, t));
}

// Four calls of f per point and one of each derivative, every sum checked
// after its addition.
void sums(Sums& s, const Params& p, const Fixed& fx, std::span<const double> t, std::span<const double> y)
{
    for (std::size_t i = 0; i < t.size(); ++i) {
        s.derL = checked(s.derL + 2 * (literal::f(p, t[i]) - y[i]) * parL(p, fx.a, t[i]));
        s.derC = checked(s.derC + 2 * (literal::f(p, t[i]) - y[i]) * parC(p, fx.c, t[i]));
        s.derT = checked(s.derT + 2 * (literal::f(p, t[i]) - y[i]) * parT(p, fx.t0, t[i]));
        const double d = checked(literal::f(p, t[i]) - y[i]);
        s.errorCuad = checked(s.errorCuad + std::pow(d, 2));
    }
}

} // namespace literal

Sums sumsAt(const Params& p, const Fixed& fixed = {})
{
    Sums s;
    addPointSums(s, p, fixed, worked::kT, worked::kY);
    return s;
}

TEST(Evaluation, WorkedExampleOfTwoPoints)
{
    const Sums s = sumsAt({5, 1, 0});
    EXPECT_TRUE(near12(s.derL, worked::kDerL));
    EXPECT_TRUE(near12(s.derC, worked::kDerC));
    EXPECT_TRUE(near12(s.derT, worked::kDerT));
    EXPECT_TRUE(near12(s.errorCuad, worked::kErrorCuad));
    EXPECT_TRUE(near12(normalisedError(s.errorCuad, 2, worked::kYmedia), worked::kNormalised));
}

// The sums are the gradient of the squared error: compare each with a
// central difference of errorCuad in its parameter.
TEST(Evaluation, DerivativesAgreeWithCentralDifferences)
{
    const double h = 1e-6;
    auto errorAt = [](const Params& q) { return sumsAt(q).errorCuad; };
    for (const Params p : {Params{2.5, -0.7, 1.3}, Params{5, 1, 0}, Params{0.4, 0.3, -2}}) {
        const Sums s = sumsAt(p);
        const std::pair<double Params::*, double> gradient[] = {
            {&Params::a, s.derL}, {&Params::c, s.derC}, {&Params::t0, s.derT}};
        for (const auto& [parameter, derivative] : gradient) {
            Params up = p, down = p;
            up.*parameter += h;
            down.*parameter -= h;
            EXPECT_NEAR(derivative, (errorAt(up) - errorAt(down)) / (2 * h), 1e-5 * (1 + std::fabs(derivative)));
        }
    }
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

// (t − t0)·a overflows although f does not: only a free c computes it.
TEST(Evaluation, FixedDerivativeIsNotEvenComputed)
{
    const double t[] = {1e300};
    const double y[] = {0.0};
    const Params p{1e10, 0.0, 0.0};
    Sums s;
    EXPECT_NO_THROW(addPointSums(s, p, {false, true, false}, t, y));
    EXPECT_THROW(addPointSums(s, p, {}, t, y), NumericError);
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

bool sameBits(double x, double y)
{
    return std::memcmp(&x, &y, sizeof x) == 0;
}

void expectSameBits(const Sums& sums, const Sums& literal)
{
    EXPECT_TRUE(sameBits(sums.derL, literal.derL));
    EXPECT_TRUE(sameBits(sums.derC, literal.derC));
    EXPECT_TRUE(sameBits(sums.derT, literal.derT));
    EXPECT_TRUE(sameBits(sums.errorCuad, literal.errorCuad));
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

// Same bits, same failures, and the same partial sums where they fail.
TEST(Evaluation, MatchesTheLiteralFormulasBitForBit)
{
    std::mt19937_64 random(7);
    int failures = 0;
    for (int n = 0; n < 20000; ++n) {
        const Case c = randomCase(random);
        Sums sums, literal;
        bool failed = false, literalFailed = false;
        try {
            addPointSums(sums, c.p, c.fixed, c.t, c.y);
        } catch (const NumericError&) {
            failed = true;
        }
        try {
            literal::sums(literal, c.p, c.fixed, c.t, c.y);
        } catch (const NumericError&) {
            literalFailed = true;
        }
        ASSERT_EQ(failed, literalFailed) << "case " << n;
        expectSameBits(sums, literal);
        failures += literalFailed;
    }
    EXPECT_GT(failures, 2000); // the error paths were really taken
    EXPECT_LT(failures, 18000);
}

TEST(Evaluation, LargeButFiniteSumsAreNoError)
{
    // Each sum fits though together they would overflow: no error may come of it.
    const double t[] = {0.0, 1.0};
    const double y[] = {5.0, 2.0};
    Sums sums{1e308, -1e308, 1e308, 1e308}, literal = sums;
    addPointSums(sums, {5, 1, 0}, {}, t, y);
    literal::sums(literal, {5, 1, 0}, {}, t, y);
    expectSameBits(sums, literal);
}

} // namespace
