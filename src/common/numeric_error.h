#pragma once

#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace ajuste {

// The one error of the numeric core: an infinite or NaN result, a 16-bit
// overflow, a text that is not a number or a scroll position out of range.
struct NumericError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Every step that can fail is checked on its own: 1/inf is 0, so testing
// only the end of a computation would miss an error in the middle.
inline double checked(double x)
{
    if (!std::isfinite(x))
        throw NumericError("resultado no finito");
    return x;
}

// Nearest 16-bit integer, halfway to even (nearbyint under the default
// rounding mode; lround would take 2.5 to 3).
inline std::int16_t toInt16(double x)
{
    const double r = std::nearbyint(checked(x));
    if (r < -32768.0 || r > 32767.0)
        throw NumericError("desbordamiento de entero de 16 bits");
    return static_cast<std::int16_t>(r);
}

} // namespace ajuste
