#pragma once

#include "fitting/nonlinear_fit.h"

#include <cstddef>
#include <span>
#include <vector>

namespace ajuste {

// Starts for data whose squared error has more than one minimum in c: on a
// ladder of rates from −256 to 256 in the data's own units (DataScale), a
// set to the best for each rate, or where a is held, t0 (where a's sign
// allows); the rates whose error is below their neighbours', lowest first,
// at most count of them, but for those whose neighbours bracket a rate
// already found, whose start would most likely lead back to it. The
// problem's start gives the values held; none when c is held.
std::vector<Params> startsAcrossRates(const FitProblem& problem, std::size_t count, std::span<const double> found);

} // namespace ajuste
