#pragma once

namespace ajuste {

// f(t) = a·exp(c·(t − t0))
struct Params {
    double a = 5.0;
    double c = 1.0;
    double t0 = 0.0;

    bool operator==(const Params&) const = default;
};

// Which parameters the user holds fixed; a fixed one has derivative 0.
struct Fixed {
    bool a = false;
    bool c = false;
    bool t0 = false;

    bool operator==(const Fixed&) const = default;
};

// Throws NumericError at the first step whose result is inf or NaN.
double f(const Params& p, double t);

} // namespace ajuste
