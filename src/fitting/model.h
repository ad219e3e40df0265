#pragma once

#include <array>

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

// exp(c·(t − t0)) and f(t). Each throws NumericError at the first step whose
// result is inf or NaN.
double growthFactor(const Params& p, double t);
double f(const Params& p, double t);

// ∂f/∂a, ∂f/∂c and ∂f/∂t0 at t from e = exp(c·(t − t0)), computed straight
// through: an inf or NaN is carried along, not raised. A fixed parameter's
// derivative is 0 and not computed, so it cannot fail.
inline PerParameter<double> partials(const Params& p, const Fixed& fixed, double t, double e)
{
    return {fixed.a ? 0.0 : e, fixed.c ? 0.0 : ((t - p.t0) * p.a) * e, fixed.t0 ? 0.0 : (-p.a * p.c) * e};
}

} // namespace ajuste
