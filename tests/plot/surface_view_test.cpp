// The surface's view rules: rotation wrap, grid toggles, stored colours and where the
// grid's cells stand.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "plot/surface_view.h"

namespace kalvo {
namespace {

TEST(SurfaceView, ElevationWrapsAtBothEnds) {
    struct Row {
        double from;
        double down;
        double up;
    } rows[] = {
        {90, 0, 85}, {0, 5, 90}, {3, 8, 90}, {5, 10, 0}, {85, 90, 80}, {88, 0, 83}, {30, 35, 25},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.from);
        EXPECT_EQ(RotateDown(row.from), row.down);
        EXPECT_EQ(RotateUp(row.from), row.up);
    }
}

TEST(SurfaceView, ElevationStaysWithinItsRangeOverManySteps) {
    double down = 30;
    double up = 30;
    for (int i = 0; i < 100; ++i) {
        down = RotateDown(down);
        up = RotateUp(up);
        ASSERT_GE(down, 0);
        ASSERT_LE(down, 90);
        ASSERT_GE(up, 0);
        ASSERT_LE(up, 90);
    }
    // Nineteen steps (0, 5, …, 90) bring either direction back where it started.
    double elevation = 40;
    for (int i = 0; i < 19; ++i) {
        elevation = RotateDown(elevation);
    }
    EXPECT_EQ(elevation, 40);
}

TEST(SurfaceView, GridToggleFlipsEachAxisOnItsOwnState) {
    AxisGrids grids;
    for (int axis = 0; axis < kAxisCount; ++axis) {
        EXPECT_TRUE(grids.Shown(axis)) << axis;
    }
    grids.Toggle({1, 2});  // horizontal grid
    EXPECT_FALSE(grids.Shown(1));
    EXPECT_FALSE(grids.Shown(2));
    EXPECT_TRUE(grids.Shown(0));
    EXPECT_TRUE(grids.Shown(3));

    grids.SetStyle(2, 1);  // the axes disagree: each one flips its own way
    grids.Toggle({1, 2});
    EXPECT_EQ(grids.Style(1), 1);
    EXPECT_EQ(grids.Style(2), 0);

    grids.SetStyle(0, 3);  // any drawn style counts as a grid
    grids.Toggle({0, 3});  // pedestal grid
    EXPECT_EQ(grids.Style(0), 0);
    EXPECT_EQ(grids.Style(3), 0);
    grids.Toggle({0, 3});
    EXPECT_EQ(grids.Style(0), 1);
    EXPECT_EQ(grids.Style(3), 1);
    EXPECT_EQ(grids.Style(1), 1);
    EXPECT_EQ(grids.Style(2), 0);
}

TEST(SurfaceView, StoredColoursAreBlueGreenRed) {
    struct Row {
        int stored;
        Rgb rgb;
    } rows[] = {
        {kDefaultElevationColor, {0, 255, 255}},
        {0x0000FF, {255, 0, 0}},
        {0x00FF00, {0, 255, 0}},
        {0xFF0000, {0, 0, 255}},
        {0x123456, {0x56, 0x34, 0x12}},
        {0, {0, 0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.stored);
        EXPECT_EQ(RgbFromStoredColor(row.stored), row.rgb);
        EXPECT_EQ(StoredColorFromRgb(row.rgb), row.stored);
    }
}

DataGrid Grid(const std::vector<std::string>& rows, const std::vector<std::string>& columns) {
    DataGrid grid;
    grid.Resize(static_cast<int>(rows.size()), static_cast<int>(columns.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        grid.SetRowLabel(static_cast<int>(i), rows[i]);
    }
    for (std::size_t j = 0; j < columns.size(); ++j) {
        grid.SetColumnLabel(static_cast<int>(j), columns[j]);
    }
    return grid;
}

TEST(SurfaceView, CellsStandAtTheirLabelsWhenTheyAreIncreasingNumbers) {
    struct Row {
        const char* name;
        std::vector<std::string> labels;
        std::vector<double> positions;
        bool fromLabels;
    } rows[] = {
        {"sampled values", {"-10", "-5", "0", "5", "10"}, {-10, -5, 0, 5, 10}, true},
        {"exponents", {"1E-5", "0.001", "2.5E2"}, {1e-5, 0.001, 250}, true},
        {"default labels", {"R1", "R2", "R3"}, {1, 2, 3}, false},
        {"equal labels", {"1", "1", "2"}, {1, 2, 3}, false},
        {"decreasing labels", {"3", "2", "1"}, {1, 2, 3}, false},
        {"one word among numbers", {"0", "x", "2"}, {1, 2, 3}, false},
        {"an empty label", {"0", "", "2"}, {1, 2, 3}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SurfaceLayout across = LayOutSurface(Grid(row.labels, {"0"}));
        EXPECT_EQ(across.x, row.positions);
        EXPECT_EQ(across.xFromLabels, row.fromLabels);
        SurfaceLayout deep = LayOutSurface(Grid({"0"}, row.labels));
        EXPECT_EQ(deep.depth, row.positions);
        EXPECT_EQ(deep.depthFromLabels, row.fromLabels);
    }
}

TEST(SurfaceView, EmptyCellsStandAtTheLeastValue) {
    DataGrid grid = Grid({"0", "1"}, {"0", "1", "2"});
    grid.SetCell(0, 0, 3);
    grid.SetCell(0, 2, -2);
    grid.SetCell(1, 1, 7);
    SurfaceLayout layout = LayOutSurface(grid);
    EXPECT_EQ(layout.least, -2);
    EXPECT_EQ(layout.greatest, 7);
    EXPECT_EQ(layout.height, (std::vector<double>{3, -2, -2, -2, 7, -2}));

    SurfaceLayout empty = LayOutSurface(Grid({"0", "1"}, {"0"}));
    EXPECT_EQ(empty.height, (std::vector<double>{0, 0}));
    EXPECT_EQ(empty.least, 0);
    EXPECT_EQ(empty.greatest, 0);
}

/// True when the step is 1, 2, 2.5 or 5 times a power of ten.
bool NiceStep(double step) {
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
    for (double nice : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (std::fabs(mantissa - nice) < 1e-9) {
            return true;
        }
    }
    return false;
}

TEST(SurfaceView, NiceScaleCoversTheValuesWithRoundSteps) {
    struct Row {
        double least;
        double greatest;
    } rows[] = {
        {-0.999574, 0.999574}, {0, 1},   {3.2, 3.3}, {-1e6, 17},
        {1e-9, 3e-9},          {-7, -2}, {5, 5},     {0, 0},
        {-12345.6, 98765.4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.least) + ".." + std::to_string(row.greatest));
        const AxisScale scale = NiceScale(row.least, row.greatest);
        EXPECT_LE(scale.from, row.least);
        EXPECT_GE(scale.to, row.greatest);
        EXPECT_LT(scale.from, scale.to);
        EXPECT_GE(scale.segments, 2);
        EXPECT_LE(scale.segments, 10);
        const double step = (scale.to - scale.from) / scale.segments;
        EXPECT_TRUE(NiceStep(step)) << step;
        // The ends are whole steps, and no more than one step lies beyond the values.
        EXPECT_NEAR(scale.from / step, std::round(scale.from / step), 1e-6);
        if (row.greatest > row.least) {
            EXPECT_LT(row.least - scale.from, step * (1 + 1e-9));
            EXPECT_LT(scale.to - row.greatest, step * (1 + 1e-9));
        }
    }
    const AxisScale symmetric = NiceScale(-0.999574, 0.999574);
    EXPECT_EQ(symmetric, (AxisScale{-1, 1, 4}));
}

TEST(SurfaceView, ExactScaleKeepsTheRangeAndPrefersRoundSteps) {
    struct Row {
        double from;
        double to;
        int segments;
    } rows[] = {
        {-3, 3, 6},      // steps of 1
        {-10, 10, 4},    // steps of 5
        {0, 1, 5},       // steps of 0.2
        {-180, 180, 4},  // no round step: 90 has the fewest digits nearest five steps
        {0, 0.7, 7},     // steps of 0.1
        {1, 1.0000001, 5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.from) + ".." + std::to_string(row.to));
        const AxisScale scale = ExactScale(row.from, row.to);
        EXPECT_EQ(scale.from, row.from);
        EXPECT_EQ(scale.to, row.to);
        EXPECT_EQ(scale.segments, row.segments);
    }
    const AxisScale single = ExactScale(4, 4);
    EXPECT_LT(single.from, 4);
    EXPECT_GT(single.to, 4);
}

TEST(SurfaceView, ScalesOfValuesBeyondStepsStayFiniteAndEnd) {
    const double huge = std::numeric_limits<double>::max();
    const AxisScale values = NiceScale(-huge, huge);
    EXPECT_EQ(values.from, -huge);
    EXPECT_EQ(values.to, huge);
    const AxisScale exact = ExactScale(-huge, huge);
    EXPECT_GE(exact.segments, 2);
    EXPECT_LE(exact.segments, 10);
}

}  // namespace
}  // namespace kalvo
