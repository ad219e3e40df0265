#pragma once

#include "common/range.h"
#include "fitting/model.h"

#include <cmath>
#include <optional>
#include <span>
#include <vector>

namespace ajuste {

// Two parameters of a plane: one across, one up; the third is held.
struct ParameterPair {
    Parameter across;
    Parameter up;
};

// "a y c", "c y t0", "a y t0".
inline constexpr ParameterPair kPlanes[] = {
    {Parameter::a, Parameter::c}, {Parameter::c, Parameter::t0}, {Parameter::a, Parameter::t0}};

Parameter heldParameter(ParameterPair pair);

inline bool overflowed(double error)
{
    return std::isinf(error);
}

// The squared error at the centre of each cell of a grid over a plane, the
// held parameter at its value in base. Grid coordinates put the centre of
// cell (column, row) at whole numbers; row 0 is the lowest up value.
struct ErrorSurface {
    ParameterPair pair{};
    Params base;
    Range across, up;
    int columns = 0;
    int rows = 0;
    std::vector<double> errors; // row by row

    Params at(double column, double row) const;
    double error(int column, int row) const { return errors[std::size_t(row) * columns + column]; }
};

ErrorSurface errorSurface(ParameterPair pair, const Params& base, Range across, Range up, int columns, int rows,
                          std::span<const double> t, std::span<const double> y);

// The base-10 logarithms of the least error above zero and of the greatest
// one that did not overflow; none when there are not two such values.
std::optional<Range> logSpan(const ErrorSurface& surface);

struct GridPoint {
    double column, row;
};
struct ContourSegment {
    GridPoint from, to;
};

// For each level, in rising order, where the error's logarithm crosses it between the
// cells' centres, interpolated linearly; squares touching an overflowed
// cell have none. An error of zero counts as below every level.
std::vector<std::vector<ContourSegment>> contours(const ErrorSurface& surface, std::span<const double> levels);

} // namespace ajuste
