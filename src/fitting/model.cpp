#include "fitting/model.h"

#include "common/numeric_error.h"

#include <limits>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace ajuste {

// exp reports its own overflow as inf; underflow to 0 is no error.
double growthFactor(const Params& p, double t)
{
    return checked(std::exp(checked(exponent(p, t))));
}

double f(const Params& p, double t)
{
    return checked(value(p, growthFactor(p, t)));
}

double checkedValue(const Params& p, double u, double e)
{
    checked(u);
    checked(e);
    return checked(value(p, e));
}

namespace detail {

#if defined(__x86_64__)
[[gnu::target("avx")]] static void zeroUpper()
{
    _mm256_zeroupper();
}
#endif

// This code is SSE, and glibc's exp on a processor with AVX is not. Code
// elsewhere in the process (Qt's start-up, a painted widget) may leave the
// upper halves of the vector registers dirty; from then on every SSE
// instruction pays for merging with them, and the sums run many times
// slower, depending on what the window did last. Clearing them here costs
// a few cycles and changes no result.
void clearUpperVectorState()
{
#if defined(__x86_64__)
    if (__builtin_cpu_supports("avx"))
        zeroUpper();
#endif
}

} // namespace detail

double squaredError(const Params& p, std::span<const double> t, std::span<const double> y)
{
    double sum = 0.0;
    bool finiteExponents = true;
    forEachPoint(p, t, [&](std::size_t i, double u, double e) {
        finiteExponents = finiteExponents && std::isfinite(u);
        sum = sum + squared(value(p, e) - y[i]);
    });
    return finiteExponents && std::isfinite(sum) ? sum : std::numeric_limits<double>::infinity();
}

double mean(std::span<const double> values)
{
    double sum = 0.0;
    for (double v : values)
        sum += v;
    return sum / static_cast<double>(values.size());
}

} // namespace ajuste
