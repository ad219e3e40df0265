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

bool withinBars(const Params& p)
{
    for (Parameter k : kParameters) {
        const ParameterScale& scale = *kScales[k];
        try {
            const int position = toInt16(scale.toPosition(p[k]));
            if (position < scale.minimum || position > scale.maximum)
                return false;
        } catch (const NumericError&) {
            return false;
        }
    }
    return true;
}

} // namespace ajuste
