#pragma once

#include "fitting/model.h"

namespace ajuste {

// How a scroll bar's positions stand for its parameter, and back. The
// position of a value is rounded by the caller (toInt16) and is an error
// outside the bar's range.
struct ParameterScale {
    Parameter parameter;
    int minimum, maximum; // the bar's positions
    double (*fromPosition)(int position);
    double (*toPosition)(double value); // checked, before rounding
};

extern const ParameterScale kScaleA; // LSCR: a = p / 10 + 10
extern const ParameterScale kScaleC; // CSCR: c = p / 10
extern const ParameterScale kScaleT; // TSCR: t0 = p / 5
inline constexpr PerParameter<const ParameterScale*> kScales{&kScaleA, &kScaleC, &kScaleT};

// Whether each of p's values has a position on its bar.
bool withinBars(const Params& p);

} // namespace ajuste
