#pragma once

#include "fitting/least_squares.h"

#include <optional>
#include <vector>

namespace ajuste {

// A quantity worked out from the fitted rate, with its uncertainty when c
// has one: the first-order change of the quantity with c.
struct RateQuantity {
    bool growth;  // c > 0: the names change, the magnitudes do not
    double value; // > 0
    std::optional<Uncertainty> uncertainty;
};

// The time constant, −1/c for a decay and 1/c for growth; nothing at c = 0
// or where its magnitude is beyond the doubles.
std::optional<RateQuantity> timeConstant(const FitResult& fit);

// The half-life, or the doubling time for growth: ln 2/|c|.
std::optional<RateQuantity> halfLife(const FitResult& fit);

struct Correlation {
    Parameter first, second; // first before second in kParameters
    double value;
};

// Each pair of parameters with uncertainties, in the order they are shown.
std::vector<Correlation> correlations(const FitResult& fit);

} // namespace ajuste
