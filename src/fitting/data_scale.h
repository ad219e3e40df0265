#pragma once

#include "fitting/model.h"

#include <span>
#include <vector>

namespace ajuste {

// The data in their own units: t from the middle of its range in
// half-ranges, y in units of the largest |y|. There the parameters and the
// residuals are of order one, whatever the data's units and origin, and a
// fit's tolerances mean the same for every data set. The model keeps its
// form: a·e^(c·(t − t0)) is A·e^(C·(τ − τ0)) with A = a/Y, C = c·T and
// τ0 = (t0 − origin)/T.
class DataScale {
public:
    DataScale(std::span<const double> t, std::span<const double> y);

    std::span<const double> t() const { return t_; }
    std::span<const double> y() const { return y_; }
    double timeToScaled(double t) const;
    Params toScaled(const Params& p) const;
    Params fromScaled(const Params& q) const;
    // A change in the scaled parameters, such as an uncertainty, in the
    // data's units; y's unit is a's.
    Params changeFromScaled(const Params& dq) const;
    double yUnit() const { return size_; }

private:
    double origin_ = 0.0;
    double span_ = 1.0; // when every t is the same, the data's own unit
    double size_ = 1.0; // when every y is 0, likewise
    std::vector<double> t_, y_;
};

} // namespace ajuste
