#pragma once

#include <gtest/gtest.h>

#include <cmath>

// Worked numbers are given to 12 significant digits.
inline ::testing::AssertionResult near12(double actual, double expected)
{
    const double tolerance = 5e-12 * std::fabs(expected);
    if (std::fabs(actual - expected) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "actual " << actual << " differs from " << expected
                                         << " in the first 12 significant digits";
}
