#include "fitting/parameter_scale.h"

#include "common/numeric_error.h"

namespace ajuste {

const ParameterScale kScaleA{
    Parameter::a,
    -100,
    100,
    [](int p) { return p / 10.0 + 10; },
    [](double a) { return checked(a * 10 - 100); },
};

const ParameterScale kScaleC{
    Parameter::c,
    -60,
    60,
    [](int p) { return p / 10.0; },
    [](double c) { return checked(10 * c); },
};

const ParameterScale kScaleT{
    Parameter::t0,
    -100,
    100,
    [](int p) { return p / 5.0; },
    [](double t0) { return checked(t0 * 5); },
};

} // namespace ajuste
