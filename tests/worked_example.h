#pragma once

// The worked example: points (0; 4) and (1; 10), mean 7, at a = 5, c = 1,
// t0 = 0. The figures were worked by hand from the formulas (and checked in
// double precision outside the program); given to 12 significant digits.
namespace worked {

inline constexpr double kT[] = {0.0, 1.0};
inline constexpr double kY[] = {4.0, 10.0};
inline constexpr double kYmedia = 7.0;

// The evaluation at the start parameters.
inline constexpr double kDerL = 21.5249244201;
inline constexpr double kDerC = 97.6246221006;
inline constexpr double kDerT = -107.624622101;
inline constexpr double kErrorCuad = 13.8982196274;
inline constexpr double kNormalised = 37.6588060918;

// One step of 0,001 from there, and where it leaves the bars.
inline constexpr double kStepA = 4.97847507558;
inline constexpr double kStepC = 0.902375377899;
inline constexpr double kStepT0 = 0.107624622101;
inline constexpr int kStepLSCR = -50, kStepCSCR = 9, kStepTSCR = 1;

// One step of 0,01: the error grows to this.
inline constexpr double kErrorAfterStep001 = 27.7300753702;

// One step of 0,1 throws c far below the CSCR range.
inline constexpr double kStep01A = 2.84750755799;
inline constexpr double kStep01C = -8.76246221006;
inline constexpr double kStep01T0 = 10.7624622101;

// The error with one parameter moved by hand.
inline constexpr double kErrorAtC125 = 56.5280532714;
inline constexpr double kErrorAtC09 = 6.28087549463;

} // namespace worked
