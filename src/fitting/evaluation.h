#pragma once

#include "fitting/model.h"

#include <span>

namespace ajuste {

// The sums of one evaluation of the fit: the squared error and its gradient.
struct Sums {
    double derL = 0.0;
    double derC = 0.0;
    double derT = 0.0;
    double errorCuad = 0.0;
};

// Adds the terms of every point to sums, in index order. Each sum is checked
// after each addition, so an error leaves them as far as they had got.
void addPointSums(Sums& sums, const Params& p, const Fixed& fixed,
                  std::span<const double> t, std::span<const double> y);

// Root-mean-square residual as a percentage of the mean observation; no
// points or a zero mean are numeric errors.
double normalisedError(double errorCuad, int npuntos, double ymedia);

// True when the error is above the previous one; equality is no growth.
bool errorGrew(double errorCuad, double errorAnt);

} // namespace ajuste
