#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <span>

namespace ajuste {

// The model's parameters, in the order they are shown everywhere.
enum class Parameter { a, c, t0 };
inline constexpr std::array<Parameter, 3> kParameters{Parameter::a, Parameter::c, Parameter::t0};

constexpr const char* name(Parameter p)
{
    constexpr const char* names[] = {"a", "c", "t0"};
    return names[static_cast<int>(p)];
}

// The member of a, c, t0 that p names, in anything that has all three.
template <class Three>
constexpr auto& member(Three& three, Parameter p)
{
    return p == Parameter::a ? three.a : p == Parameter::c ? three.c : three.t0;
}

// One value for each parameter, by name or by index.
template <class T>
struct PerParameter {
    T a{};
    T c{};
    T t0{};

    constexpr T& operator[](Parameter p) { return member(*this, p); }
    constexpr const T& operator[](Parameter p) const { return member(*this, p); }
    bool operator==(const PerParameter&) const = default;
};

// f(t) = a·exp(c·(t − t0))
struct Params {
    double a = 5.0;
    double c = 1.0;
    double t0 = 0.0;

    constexpr double& operator[](Parameter p) { return member(*this, p); }
    constexpr double operator[](Parameter p) const { return member(*this, p); }
    bool operator==(const Params&) const = default;
};

// Which parameters the user holds fixed; a fixed one has derivative 0.
using Fixed = PerParameter<bool>;

// The model in its steps: u = c·(t − t0), e = exp(u), f = e·a. Straight
// through, an inf or NaN is carried along, not raised.
inline double exponent(const Params& p, double t)
{
    return (t - p.t0) * p.c;
}

inline double value(const Params& p, double e)
{
    return e * p.a;
}

// A residual's square, taken by the power function as the error is defined.
inline double squared(double residual)
{
    return std::pow(residual, 2.0);
}

// exp(c·(t − t0)) and f(t). Each throws NumericError at the first step whose
// result is inf or NaN.
double growthFactor(const Params& p, double t);
double f(const Params& p, double t);

// f from its steps u and e, each checked as f(p, t) checks it.
double checkedValue(const Params& p, double u, double e);

// ∂f/∂a, ∂f/∂c and ∂f/∂t0 at t from e = exp(c·(t − t0)), computed straight
// through: an inf or NaN is carried along, not raised. A fixed parameter's
// derivative is 0 and not computed, so it cannot fail.
inline PerParameter<double> partials(const Params& p, const Fixed& fixed, double t, double e)
{
    return {fixed.a ? 0.0 : e, fixed.c ? 0.0 : ((t - p.t0) * p.a) * e, fixed.t0 ? 0.0 : (-p.a * p.c) * e};
}

namespace detail {
void clearUpperVectorState();
}

// The model at every point, in index order: take(i, u, e) with u and e of
// t[i], straight through. Every sum over the points goes through here.
// The exponentials of a chunk go first, in a loop of their own: they do not
// depend on one another, so the processor overlaps them, where a sum waits
// for the step before.
template <class Take>
void forEachPoint(const Params& p, std::span<const double> t, Take&& take)
{
    detail::clearUpperVectorState();
    constexpr std::size_t kChunk = 32;
    std::array<double, kChunk> u, e;
    for (std::size_t first = 0; first < t.size(); first += kChunk) {
        const std::size_t n = std::min(kChunk, t.size() - first);
        for (std::size_t i = 0; i < n; ++i) {
            u[i] = exponent(p, t[first + i]);
            e[i] = std::exp(u[i]);
        }
        for (std::size_t i = 0; i < n; ++i)
            take(first + i, u[i], e[i]);
    }
}

// Σ (f(tᵢ) − yᵢ)², in index order as "Error Cuadrático" sums it, checked once
// at the end: +inf where any step overflowed, so that a region of overflowed
// parameters costs no more than another.
double squaredError(const Params& p, std::span<const double> t, std::span<const double> y);

// The mean of the values, summed straight through.
double mean(std::span<const double> values);

} // namespace ajuste
