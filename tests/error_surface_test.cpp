#include "fitting/descent_path.h"
#include "fitting/error_surface.h"
#include "fitting/evaluation.h"
#include "worked_example.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

using namespace ajuste;

namespace {

// Every cell, a over the bar's 0 … 20 and c over −6 … 6, is the sum the
// evaluation makes at the cell's centre, bit for bit.
TEST(ErrorSurface, CellsAreTheEvaluationAtTheirCentres)
{
    const ErrorSurface s = errorSurface(kPlanes[0], {5, 1, 0.5}, {0, 20}, {-6, 6}, 8, 6, worked::kT, worked::kY);
    EXPECT_EQ(s.at(0, 0), (Params{1.25, -5, 0.5})); // half a cell in from the corner
    for (int row = 0; row < s.rows; ++row)
        for (int column = 0; column < s.columns; ++column) {
            Sums sums;
            addPointSums(sums, s.at(column, row), {}, worked::kT, worked::kY);
            EXPECT_EQ(s.error(column, row), sums.errorCuad) << column << ", " << row;
        }
}

// One point (200; 1) at t0 = 0: (a·e^(200·c) − 1)² passes the largest double
// where c ≈ (ln √DBL_MAX − ln a) / 200, 1,769 to 1,775 for a from 1 to 3,
// between the rows of c = 1,625 and c = 1,875.
TEST(ErrorSurface, OverflowedCellsAreThoseBeyondTheLargestSquare)
{
    const double t[] = {200}, y[] = {1};
    const ErrorSurface s = errorSurface(kPlanes[0], {}, {1, 3}, {0, 6}, 4, 24, t, y);
    for (int row = 0; row < s.rows; ++row)
        for (int column = 0; column < s.columns; ++column)
            EXPECT_EQ(overflowed(s.error(column, row)), s.at(column, row).c > 1.7) << column << ", " << row;
    ASSERT_TRUE(logSpan(s));
    EXPECT_LT(logSpan(s)->high, std::log10(DBL_MAX));
    const std::vector<double> levels{std::floor(logSpan(s)->high)};
    const auto lines = contours(s, levels);
    for (const ContourSegment& segment : lines[0])
        EXPECT_LT(segment.from.row, 7) << "a contour beside an overflowed cell";
}

// With c at its best, ln 2,5, the worked example is fitted exactly wherever
// a·e^(−c·t0) = 4: in the plane of a and t0 the least error of each row of
// t0 lies in the cell nearest that line, up to t0 = 1,5, where it reaches
// a = 15,8.
TEST(ErrorSurface, PlaneOfAAndT0ShowsTheValleyLine)
{
    const double c = std::log(2.5);
    const ErrorSurface s = errorSurface(kPlanes[2], {5, c, 0}, {0, 20}, {-2, 1.5}, 64, 16, worked::kT, worked::kY);
    const double cell = 20.0 / 64;
    for (int row = 0; row < s.rows; ++row) {
        int least = 0;
        for (int column = 1; column < s.columns; ++column)
            if (s.error(column, row) < s.error(least, row))
                least = column;
        const Params p = s.at(least, row);
        EXPECT_NEAR(p.a, 4 * std::exp(c * p.t0), cell / 2) << "t0 = " << p.t0;
    }
}

// One point (0; 0) and t0 = 0: the error is a² whatever c is, so the
// contour of 10 (level 1) is the line a = √10, a segment in each square's
// row, between the columns of a = 2,35 and 3,25, where log10(a²)
// interpolates to 1.
TEST(ErrorSurface, ContoursFollowTheLevel)
{
    const double t[] = {0}, y[] = {0};
    const ErrorSurface s = errorSurface(kPlanes[0], {}, {1, 10}, {-1, 1}, 10, 5, t, y);
    const std::vector<double> levels{1};
    const std::vector<ContourSegment> segments = contours(s, levels)[0];
    ASSERT_EQ(segments.size(), 4u);
    const double lower = 2 * std::log10(2.35), upper = 2 * std::log10(3.25);
    for (const auto& [from, to] : segments) {
        EXPECT_NEAR(from.column, 1 + (1 - lower) / (upper - lower), 1e-12);
        EXPECT_EQ(from.column, to.column);
        EXPECT_EQ(to.row - from.row, from.row < to.row ? 1 : -1);
    }
}

// Errors 100 and 1 on the diagonals, logarithms 2 and 0 around a centre
// of 1: the level 1,5 cuts off the two high corners, 0,5 the two low ones,
// each a quarter of the way along the edges from it.
TEST(ErrorSurface, SaddleIsCutAsItsCentreLies)
{
    const ErrorSurface s{
        .pair = kPlanes[0], .base = {}, .across = {}, .up = {}, .columns = 2, .rows = 2, .errors = {100, 1, 1, 100}};
    const std::vector<double> levels{1.5, 0.5};
    const auto lines = contours(s, levels);
    const GridPoint cutOff[2][2] = {{{0, 0}, {1, 1}}, {{1, 0}, {0, 1}}};
    for (int k = 0; k < 2; ++k) {
        ASSERT_EQ(lines[k].size(), 2u);
        for (int n = 0; n < 2; ++n) {
            const auto& [from, to] = lines[k][n];
            const double fromCorner =
                std::hypot((from.column + to.column) / 2 - cutOff[k][n].column, (from.row + to.row) / 2 - cutOff[k][n].row);
            EXPECT_DOUBLE_EQ(fromCorner, std::hypot(0.125, 0.125)) << "level " << levels[k] << ", corner " << n;
        }
    }
}

// A batch that starts where the last step ended goes on its stroke; one
// that starts elsewhere begins another; a batch of one pass is a single
// step; beyond the most points kept, the oldest go.
TEST(DescentPath, JoinsStrokesAndKeepsTheLatestPoints)
{
    DescentPath path;
    path.add({{5, 1, 0}, {4, 1, 0}});
    path.add({{4, 1, 0}, {3, 1, 0}, {2, 1, 0}});
    path.add({{7, 1, 0}, {6, 1, 0}});
    path.add({{6, 1, 0}});
    const auto& points = path.points();
    ASSERT_EQ(points.size(), 6u);
    const bool starts[] = {true, false, false, false, true, false};
    const bool single[] = {true, true, false, false, true, true};
    for (std::size_t k = 0; k < points.size(); ++k) {
        EXPECT_EQ(points[k].startsStroke, starts[k]) << k;
        EXPECT_EQ(points[k].single, single[k]) << k;
    }
    path.add(std::vector<Params>(DescentPath::kMostPoints - 1, {1, 1, 0}));
    EXPECT_EQ(points.size(), DescentPath::kMostPoints);
    EXPECT_TRUE(points.front().startsStroke);
    EXPECT_EQ(points.front().p, (Params{6, 1, 0}));
}

} // namespace
