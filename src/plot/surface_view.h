#pragma once

#include <vector>

#include "plot/chart_view.h"
#include "plot/data_grid.h"

namespace kalvo {

/// The surface's fill colour and wall width on a first start.
inline constexpr int kDefaultElevationColor = 16776960;  // red 0, green 255, blue 255
inline constexpr int kDefaultWallWidth = 10;
/// The widest wall the surface draws; wider settings are brought back to it.
inline constexpr int kMaxWallWidth = 100;
/// One step of the rotation commands, in degrees.
inline constexpr double kRotationStep = 5;

/// The elevation after "Rotate down": 5 degrees higher, or 0 when that would pass 90.
double RotateDown(double elevation);
/// The elevation after "Rotate up": 5 degrees lower, or 90 when that would pass below 0.
double RotateUp(double elevation);

/// How the surface is drawn, apart from its data: what the surface window's commands and
/// properties change and its settings keep.
struct SurfaceView {
    double rotation = 30;   ///< view rotation in degrees, turned without bounds
    double elevation = 30;  ///< view elevation in degrees, 0..90
    double wallWidth = kDefaultWallWidth;
    int elevationColor = kDefaultElevationColor;  ///< as stored, see RgbFromStoredColor
    bool showLegend = false;
    AxisGrids grids;
    ChartTitles titles;

    bool operator==(const SurfaceView&) const = default;
};

/// Where the grid's cells stand in the chart: rows along X, columns along the depth axis,
/// values upward. A row or column stands at its label's number when every label of that
/// direction is a number and they increase strictly (the samplers label them with the X
/// and Y values); otherwise at its 1-based index. An empty cell is drawn at the least
/// value of the grid (0 when the grid holds no value), so the surface keeps its shape.
struct SurfaceLayout {
    std::vector<double> x;       ///< one per row
    std::vector<double> depth;   ///< one per column
    std::vector<double> height;  ///< row-major, one per cell
    double least = 0;
    double greatest = 0;
    bool xFromLabels = false;
    bool depthFromLabels = false;
};

SurfaceLayout LayOutSurface(const DataGrid& grid);

/// An axis from `from` to `to` divided into `segments` labelled steps.
struct AxisScale {
    double from = 0;
    double to = 1;
    int segments = 5;

    bool operator==(const AxisScale&) const = default;
};

/// The values' axis: the least range around [least, greatest] whose ends are multiples of
/// a step of 1, 2, 2.5 or 5 times a power of ten, in 2 to 10 steps (-0.9996..0.9996 gives
/// -1..1 in 4 steps of 0.5). An empty range is widened around its value first.
AxisScale NiceScale(double least, double greatest);

/// An axis that must span exactly [from, to] (the grid's own X and depth): divided into
/// 2 to 10 steps, preferring steps of 1, 2, 2.5 or 5 times a power of ten, then steps with
/// fewer digits, then about 5 steps (-3..3 gives 6 steps of 1, -10..10 gives 4 of 5).
AxisScale ExactScale(double from, double to);

}  // namespace kalvo
