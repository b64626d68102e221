#pragma once

#include <string>
#include <vector>

#include "plot/chart_view.h"
#include "plot/curve_sampler.h"
#include "plot/data_grid.h"

namespace kalvo {

/// How one polar curve is drawn.
struct PolarCurveStyle {
    double lineWidth = 1;
    Rgb color;

    bool operator==(const PolarCurveStyle&) const = default;
};

/// The widest line a polar curve is drawn with.
inline constexpr double kMaxLineWidth = 20;

/// How the polar chart is drawn, apart from its data. Curve k is drawn from the grid's
/// columns 2k (angle in degrees) and 2k + 1 (radius) and named after the angle column's
/// label; a last column without a partner draws nothing.
struct PolarView {
    bool showLegend = true;
    AxisGrids grids;
    ChartTitles titles;
    std::vector<PolarCurveStyle> curves;

    bool operator==(const PolarView&) const = default;
};

/// The number of curves the grid holds: one per pair of columns.
int PolarCurveCount(const DataGrid& grid);

/// The colour of the curve with 0-based number `curve`, from a fixed set of distinct colours.
Rgb DefaultCurveColor(int curve);

/// Gives the view one style per curve of the grid: styles of curves that remain are kept,
/// new curves get line width 1 and their default colour.
void MatchCurveStyles(PolarView& view, const DataGrid& grid);

/// Appends the samples as two columns (angle in degrees, radius), labels the angle column
/// `legend`, makes it the current cell's column and gives the new curve line width 1.
/// The row count becomes the number of points, or stays when it is larger: rows beyond a
/// curve's points are empty, so no earlier curve loses points. False, changing nothing,
/// when the grid would pass kMaxGridCells.
bool AddPolarCurve(DataGrid& grid, PolarView& view, const PolarSamples& samples,
                   const std::string& legend);

/// A point of a polar curve as the chart draws it: an angle in degrees and a radius >= 0.
struct PolarPoint {
    double angle = 0;
    double radius = 0;

    bool operator==(const PolarPoint&) const = default;
};

/// The points of curve `curve` in row order, skipping rows where either cell is empty. A
/// negative radius is drawn at the opposite angle (angle + 180 degrees). The angles are
/// made non-decreasing by whole turns (adding 360 degrees where needed), so that a chart
/// that orders points by angle still joins them in row order; the drawn place is the same.
std::vector<PolarPoint> PolarPath(const DataGrid& grid, int curve);

/// The largest radius of all curves' points (1 when there is none or all are 0).
double PolarRadiusLimit(const DataGrid& grid);

}  // namespace kalvo
