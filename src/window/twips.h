#pragma once

#include <cmath>

namespace ajuste {

// The form is drawn in twips, 1/1440 inch.
inline constexpr double kTwipsPerInch = 1440;

inline int toPixels(double twips, double pixelsPerTwip)
{
    return static_cast<int>(std::lround(twips * pixelsPerTwip));
}

} // namespace ajuste
