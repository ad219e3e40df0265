#include "common/numeric_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace ajuste;

namespace {

struct Rounding {
    double value;
    int expected;
};

class RoundsToInt16 : public ::testing::TestWithParam<Rounding> {};

TEST_P(RoundsToInt16, HalfToEven)
{
    EXPECT_EQ(toInt16(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, RoundsToInt16,
                         ::testing::Values(Rounding{12.5, 12}, Rounding{17.5, 18}, Rounding{-48.0, -48},
                                           Rounding{-0.5, 0}, Rounding{-1.5, -2}, Rounding{2.4999, 2},
                                           Rounding{32767.4, 32767}, Rounding{-32768.5, -32768}));

TEST(ToInt16, OverflowAndNonFiniteAreErrors)
{
    EXPECT_THROW(toInt16(32767.5), NumericError);
    EXPECT_THROW(toInt16(-32769), NumericError);
    EXPECT_THROW(toInt16(std::numeric_limits<double>::infinity()), NumericError);
    EXPECT_THROW(toInt16(std::nan("")), NumericError);
}

} // namespace
