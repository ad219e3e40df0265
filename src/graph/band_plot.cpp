#include "graph/band_plot.h"

#include "common/numeric_error.h"
#include "fitting/confidence_band.h"
#include "graph/plot.h"

#include <algorithm>

namespace ajuste {

namespace {

double edgeY(double v, const View& view)
{
    if (view.log && !shownOnLog(v))
        return 2.0 * kGraphHeight;
    return std::clamp(graphY(v, view), -1.0 * kGraphHeight, 2.0 * kGraphHeight);
}

} // namespace

std::vector<BandSample> bandPlot(const FitResult& fit, const View& view)
{
    const BoxMap map = boxMap(view.world);
    std::vector<BandSample> samples;
    for (int k = kFirstSample; k <= kLastSample; ++k) {
        const double tBox = double(k) / kSamplesPerUnitT;
        try {
            const double t = worldT(map, tBox);
            const std::optional<double> half = bandHalfWidth(fit, t);
            const double v = f(fit.params, t);
            if (half)
                samples.push_back({graphX(tBox), edgeY(checked(v + *half), view), edgeY(checked(v - *half), view)});
        } catch (const NumericError&) {
        }
    }
    return samples;
}

} // namespace ajuste
