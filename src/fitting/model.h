#pragma once

namespace ajuste {

// f(t) = a·exp(c·(t − t0))
struct Params {
    double a = 5.0;
    double c = 1.0;
    double t0 = 0.0;
};

// Which parameters the user holds fixed; a fixed one has derivative 0.
struct Fixed {
    bool a = false;
    bool c = false;
    bool t0 = false;
};

// Each throws NumericError at the first step whose result is inf or NaN.
// A fixed derivative returns 0 without evaluating anything, so it cannot fail.
double f(const Params& p, double t);
double parL(const Params& p, bool fixed, double t);
double parC(const Params& p, bool fixed, double t);
double parT(const Params& p, bool fixed, double t);

} // namespace ajuste
