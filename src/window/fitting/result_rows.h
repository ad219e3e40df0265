#pragma once

#include "fitting/least_squares.h"

#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace ajuste {

using ResultRows = std::vector<std::pair<QString, QString>>;
using NumberText = std::function<QString(double)>;

// A value's standard error and 95 % interval, named after symbol.
void addUncertaintyRows(ResultRows& rows, const QString& symbol, double value, const Uncertainty& u,
                        const NumberText& text);

// The time constant and the half-life (or doubling time), with their
// uncertainties, then the correlation of each pair of fitted parameters.
void addDerivedRows(ResultRows& rows, const FitResult& fit, const NumberText& text);

} // namespace ajuste
