#include "data/number_text.h"
#include "common/numeric_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

using namespace ajuste;

namespace {

const NumberFormat spanish{",", "."};
const NumberFormat english{".", ","};

struct Reading {
    const char* name;
    const NumberFormat* format;
    const char* text;
    double value;
};

class ReadsNumber : public ::testing::TestWithParam<Reading> {};

TEST_P(ReadsNumber, AsTheLocaleDoes)
{
    EXPECT_EQ(toNumber(GetParam().text, *GetParam().format), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadsNumber,
    ::testing::Values(Reading{"es_comma", &spanish, "2,50", 2.5}, Reading{"es_blanks", &spanish, " 3 ", 3},
                      Reading{"es_exponent", &spanish, "1e2", 100}, Reading{"es_period_groups", &spanish, "1.5", 15},
                      Reading{"es_no_leading_digit", &spanish, ",5", 0.5},
                      Reading{"es_negative", &spanish, "-0,25", -0.25},
                      Reading{"es_plus", &spanish, "+7", 7}, Reading{"es_groups", &spanish, "1.234.567,5", 1234567.5},
                      Reading{"es_exponent_sign", &spanish, "1,5E-3", 0.0015},
                      Reading{"es_tab_around", &spanish, "\t4\t", 4},
                      Reading{"es_trailing_separator", &spanish, "5,", 5},
                      Reading{"es_underflow_is_zero", &spanish, "1e-400", 0},
                      Reading{"en_period", &english, "2.50", 2.5}, Reading{"en_comma_groups", &english, "1,5", 15},
                      Reading{"en_exponent", &english, "-2.5e+3", -2500}),
    [](const auto& info) { return std::string(info.param.name); });

struct Rejection {
    const char* name;
    const NumberFormat* format;
    const char* text;
};

class RejectsText : public ::testing::TestWithParam<Rejection> {};

TEST_P(RejectsText, WithNumericError)
{
    EXPECT_THROW(toNumber(GetParam().text, *GetParam().format), NumericError);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RejectsText,
    ::testing::Values(Rejection{"empty", &spanish, ""}, Rejection{"blanks", &spanish, "   "},
                      Rejection{"letters", &spanish, "abc"}, Rejection{"trailing_letters", &spanish, "3x"},
                      Rejection{"sign_only", &spanish, "-"}, Rejection{"separator_only", &spanish, ","},
                      Rejection{"two_decimals", &spanish, "1,2,3"}, Rejection{"group_in_fraction", &spanish, "1,2.3"},
                      Rejection{"blank_inside", &spanish, "1 2"}, Rejection{"exponent_without_digits", &spanish, "1e"},
                      Rejection{"overflow", &spanish, "1e400"}, Rejection{"negative_overflow", &spanish, "-2e308"},
                      Rejection{"inf_word", &english, "inf"}, Rejection{"nan_word", &english, "nan"},
                      Rejection{"hex", &english, "0x10"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Writing {
    const char* name;
    const NumberFormat* format;
    double value;
    const char* text;
};

class WritesNumber : public ::testing::TestWithParam<Writing> {};

TEST_P(WritesNumber, InNormalForm)
{
    EXPECT_EQ(toText(GetParam().value, *GetParam().format), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WritesNumber,
    ::testing::Values(Writing{"es_half", &spanish, 2.5, "2,5"}, Writing{"es_integer", &spanish, 15, "15"},
                      Writing{"es_negative", &spanish, -0.25, "-0,25"}, Writing{"zero", &spanish, 0, "0"},
                      Writing{"negative_zero", &spanish, -0.0, "0"},
                      Writing{"es_thousandth", &spanish, 0.001, "0,001"},
                      Writing{"fifteen_digits", &spanish, 1.0 / 3, "0,333333333333333"},
                      Writing{"tenths_sum", &spanish, 0.1 + 0.2, "0,3"},
                      Writing{"large", &spanish, 1.5e20, "1,5E+20"}, Writing{"small", &spanish, 2.5e-7, "2,5E-07"},
                      Writing{"no_grouping", &spanish, 1234567, "1234567"},
                      Writing{"en_half", &english, 2.5, "2.5"}, Writing{"en_negative", &english, -1234.5, "-1234.5"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberText, RandomValuesComeBackWithin15Digits)
{
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-300, 300);
    for (const NumberFormat* format : {&spanish, &english}) {
        for (int n = 0; n < 2000; ++n) {
            const double x = mantissa(random) * std::pow(10.0, exponent(random));
            const double back = toNumber(toText(x, *format), *format);
            EXPECT_NEAR(back, x, std::fabs(x) * 1e-14) << toText(x, *format);
            // The text is a fixed point: converting again changes nothing.
            EXPECT_EQ(toText(back, *format), toText(x, *format));
        }
    }
}

TEST(NumberText, ExtremesComeBack)
{
    for (double x : {std::numeric_limits<double>::max(), std::numeric_limits<double>::min(), 1e-320}) {
        const double back = toNumber(toText(x, spanish), spanish);
        EXPECT_NEAR(back, x, x * 1e-14);
    }
}

} // namespace
