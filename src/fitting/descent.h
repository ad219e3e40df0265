#pragma once

#include "fitting/evaluation.h"

#include <vector>

namespace ajuste {

// The passes of the two batch buttons, named on them ("100 pasos").
inline constexpr int kShortBatch = 100;
inline constexpr int kLongBatch = 10000;

// The step size of each parameter: the one typed for all three in the box.
using StepSizes = PerParameter<double>;

inline StepSizes sameStep(double h)
{
    return {h, h, h};
}

// One simultaneous gradient step with the sums of the parameters before it:
// c first, then a, then t0, each checked.
void descend(Params& p, const StepSizes& h, const Sums& sums);

// Where one step from p goes: the sums at p, then the step; throws as
// either would.
Params nextStep(Params p, const StepSizes& h, const Fixed& fixed, std::span<const double> t,
                std::span<const double> y);

// Up to `passes` passes of: sums at the current parameters, then the step.
// A pass whose error is above errorAnt ends the batch before its step;
// returns true when that happened. sums holds those of the last pass. Each
// step's parameters are added to path, when given.
bool runBatch(Params& p, Sums& sums, const Fixed& fixed,
              std::span<const double> t, std::span<const double> y,
              double errorAnt, const StepSizes& h, int passes, std::vector<Params>* path = nullptr);

} // namespace ajuste
