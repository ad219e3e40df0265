#pragma once

#include "fitting/model.h"

#include <vector>

// Reference fits computed outside the program with SciPy 1.10 (Debian 12's
// python3-scipy, MINPACK's Levenberg–Marquardt): parameters, s and R² to 12
// significant digits, standard errors and 95 % half-widths to 6. The gist of
// the script:
//
//   free = [k for k in "act" if not fixed[k]]; if "a" in free and "t" in free: free.remove("t")
//   model(t, *q) = a·exp(c·(t − t0)) with the free ones from q, the others from start
//   jac(t, *q)   = the columns e, a·(t − t0)·e, −a·c·e of the free ones
//   q, cov = curve_fit(model, t, y, p0=start[free], jac=jac, method="lm",
//                      xtol=1e-15, ftol=1e-15, gtol=1e-15)   # cov scaled by s²
//   r = y − model(t, *q); sse = r·r; dof = n − len(free); s = sqrt(sse/dof)
//   se = sqrt(diag(cov)); half = scipy.stats.t.ppf(0.975, dof)·se; r2 = 1 − sse/Σ(y − ȳ)²
//
// The data, with noise from numpy's default_rng(20240611) drawn in this order
// (one more set, drawn before SteepStart, is not kept) and every value rounded
// to 4 decimals: NoisyDecay 80·e^(−0.35t) + N(0, 1); NoisyGrowth
// 3·e^(0.6(t − 0.5)) + N(0, 0.3); NearlyLinear 10 + 0.5t + N(0, 0.2);
// OnePointFarOff 20·e^(−0.5t) + N(0, 0.2) with 6 added to y[5]; T0FixedAtTwo
// 5·e^(0.4(t − 2)) + N(0, 0.3); RateAndOrigin 2·e^(0.3(t + 1.5)) + N(0, 0.4);
// SteepStart 5·e^(−0.05t) + N(0, 0.02), where the first steps from c = −1
// overflow exp at t = 49.5.
namespace reference {

struct Fit {
    const char* name;
    std::vector<double> t, y;
    ajuste::Params start;
    ajuste::Fixed fixed;
    ajuste::Params optimum;
    ajuste::PerParameter<double> se, half; // 0 for a parameter not fitted
    int dof;
    double s, rSquared;
    bool t0Held; // "a" and "t" were both free, so "t" was left out
};

inline const Fit kFits[] = {
    {"NoisyDecay", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
     {79.7888, 55.8573, 39.8764, 26.2051, 20.0122, 13.5802, 9.0705, 7.002, 2.9133, 3.2698},
     {50, -0.1, 0}, {false, false, false}, {79.9367757434, -0.357789055002, 0},
     {0.747306, 0.00569606, 0}, {1.72329, 0.0131351, 0}, 8, 0.852622931762, 0.999008231603, true},
    {"NoisyGrowthT0HeldAtOneHalf", {-2, -1.5, -1, -0.5, 0, 0.5, 1, 1.5, 2, 2.5, 3, 3.5},
     {0.45, 1.0265, 1.3524, 1.3681, 1.9425, 2.559, 3.8133, 5.5622, 7.636, 10.029, 13.4555, 17.8887},
     {2, 1, 0.5}, {false, false, false}, {2.9450552466, 0.605006523378, 0.5},
     {0.0847336, 0.0113638, 0}, {0.188798, 0.0253201, 0}, 10, 0.243421799932, 0.998285918032, true},
    {"NearlyLinearLongFlatValley", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14},
     {10.0392, 10.3369, 11.0479, 11.4595, 12.1712, 12.5405, 13.2738,
      13.4184, 14.1512, 14.545, 15.3393, 15.1076, 16.1749, 16.2953, 16.8263},
     {8, 0.1, 0}, {false, false, true}, {10.3752098399, 0.0360658702706, 0},
     {0.132358, 0.00136886, 0}, {0.285942, 0.00295724, 0}, 13, 0.304416169629, 0.982391567542, false},
    {"OnePointFarOff", {0, 1, 2, 3, 4, 5, 6, 7},
     {19.9963, 11.8285, 7.1187, 4.3615, 2.6422, 7.261, 0.821, 0.5748},
     {20, -0.5, 0}, {false, false, true}, {19.297027072, -0.434375417086, 0},
     {2.01716, 0.0803071, 0}, {4.93582, 0.196504, 0}, 6, 2.2113632528, 0.901366355568, false},
    {"T0FixedAtTwo", {0, 0.75, 1.5, 2.25, 3, 3.75, 4.5, 5.25, 6},
     {2.2071, 2.834, 4.0924, 5.3718, 7.8112, 9.826, 13.6091, 18.1996, 25.0215},
     {4, 0.3, 2}, {false, false, true}, {4.9351713128, 0.404778832706, 2},
     {0.080105, 0.00487477, 0}, {0.189418, 0.011527, 0}, 7, 0.203676322365, 0.999393772982, false},
    {"RateAndOriginWithAFixed", {-1, -0.5, 0, 0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5, 5.5, 6, 6.5, 7, 7.5, 8, 8.5},
     {1.935, 3.0504, 2.6585, 3.0974, 4.0146, 4.9561, 5.1069, 6.4386, 7.7133, 8.9492,
      10.7642, 12.413, 14.1905, 16.6977, 19.3514, 21.6027, 26.4883, 29.7399, 34.3332, 40.4111},
     {2, 0.4, 0}, {true, false, false}, {2, 0.301258435785, -1.47824766589},
     {0, 0.00310896, 0.0900328}, {0, 0.00653168, 0.189152}, 18, 0.38835337534, 0.99892072401, false},
    {"SteepStartOverflowsOnTheWay", {0, 5.5, 11, 16.5, 22, 27.5, 33, 38.5, 44, 49.5},
     {4.9957, 3.7878, 2.8878, 2.1797, 1.6489, 1.2721, 0.9989, 0.7094, 0.5771, 0.4424},
     {5, -1, 0}, {false, false, true}, {4.98721418618, -0.0497590782385, 0},
     {0.0163929, 0.000278584, 0}, {0.037802, 0.000642416, 0}, 8, 0.0197672457068, 0.999849261845, false},
};

// Teaching-lab shapes, each fitted from a = 5, c = 1, t0 = 0 with nothing
// fixed, so t0 stays at 0. The optima were computed outside the program
// with mpmath at 50 digits: a(c) = Σy·e/Σe² in closed form, c where the
// squared error's derivative vanishes (secant method), both to 13 digits.
struct LabFit {
    const char* name;
    std::vector<double> t, y;
    double a, c;
};

inline const LabFit kLabFits[] = {
    // Capacitor discharge: volts every 10 s, about 9.8·e^(−t/20).
    {"Capacitor", {0, 10, 20, 30, 40, 50, 60, 70, 80},
     {9.79, 5.96, 3.59, 2.20, 1.31, 0.81, 0.50, 0.29, 0.17}, 9.795423024619, -0.04996867633712},
    // Counts per minute every 10 min, about 1500·e^(−0.035t).
    {"Counts", {0, 10, 20, 30, 40, 50, 60, 70},
     {1512, 1041, 761, 517, 378, 255, 190, 124}, 1505.388999446, -0.03511965674296},
    // Froth height in cm every 30 s, about 16·e^(−t/300).
    {"Froth", {0, 30, 60, 90, 120, 150, 180, 210, 240, 270, 300, 330, 360},
     {16.0, 14.4, 13.2, 11.8, 10.8, 9.6, 8.9, 7.8, 7.3, 6.4, 6.0, 5.2, 4.9}, 15.99252661976, -0.003330719781729},
    // Air pressure in Pa every 1000 m of height, the standard atmosphere.
    {"Pressure", {0, 1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 10000},
     {101325, 89875, 79495, 70109, 61640, 54020, 47181, 41061, 35600, 30742, 26436}, 102501.4494578, -0.0001306394298659},
};

} // namespace reference
