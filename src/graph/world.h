#pragma once

#include <span>
#include <variant>

namespace ajuste {

// The values the graph shows: t across, y upwards.
struct World {
    double tLow = 0.0;
    double tHigh = 0.0;
    double yLow = 0.0;
    double yHigh = 0.0;

    bool operator==(const World&) const = default;
};

// The program's own box, which its graph, bars and start values are made for.
inline constexpr World kBox{-5.0, 15.0, 0.0, 10.0};

// Why no world shows the points: a value beyond ±10^300 (or not finite),
// points packed into less than 10^−300, no point the log view can show.
enum class NoWorld { TooLarge, TooSmall, NoPositivePoint };

inline constexpr double kLargestValue = 1e300;
inline constexpr double kNarrowestSpan = 1e-300;

// Whether points inside the box are shown in it, or in a world of their own
// like any others.
enum class SmallData { InTheBox, InTheirWorld };

// The box when there is no point, or when it holds every point (t[i], y[i]),
// edges included, and small data are shown in it. Otherwise
// t spans the points with 5 % of their spread added at each end, and y runs
// from 0 to the points (up, down when every y is negative, both ways when
// the signs are mixed) with 5 % of its span added at the ends away from 0;
// each axis then rounded outwards to multiples of its roundStep (four to
// ten steps across). Points spread by under 10^−12 of their size count
// as one value, given ±10 % of it (−1 … 1 at t = 0); y all zero keeps 0 … 10.
std::variant<World, NoWorld> chooseWorld(std::span<const double> t, std::span<const double> y,
                                         SmallData small = SmallData::InTheBox);

} // namespace ajuste
