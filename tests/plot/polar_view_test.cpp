// The polar chart's data: curves accumulate as column pairs; the drawn path.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "plot/polar_view.h"

namespace kalvo {
namespace {

PolarSamples Samples(const std::vector<Real>& angles, const std::vector<Real>& radii) {
    PolarSamples samples;
    samples.angles = angles;
    samples.radii = radii;
    return samples;
}

TEST(PolarView, TwoPlotsLeaveFourColumnsAndTwoCurves) {
    DataGrid grid;
    PolarView view;
    ASSERT_TRUE(AddPolarCurve(grid, view, Samples({0, 90, 180}, {1, 2, 3}), "f(sin(X))"));
    ASSERT_TRUE(AddPolarCurve(grid, view, Samples({0, 90, 180}, {4, 5, 6}), "f(cos(X))"));
    EXPECT_EQ(grid.ColumnCount(), 4);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(PolarCurveCount(grid), 2);
    ASSERT_EQ(view.curves.size(), 2u);
    EXPECT_EQ(grid.ColumnLabel(0), "f(sin(X))");
    EXPECT_EQ(grid.ColumnLabel(2), "f(cos(X))");
    EXPECT_EQ(grid.CurrentColumn(), 2);
    EXPECT_EQ(grid.Cell(1, 2), 90);
    EXPECT_EQ(grid.Cell(2, 3), 6);
    EXPECT_EQ(grid.Cell(2, 1), 3);
    EXPECT_EQ(view.curves[0].lineWidth, 1);
    EXPECT_EQ(view.curves[1].lineWidth, 1);
    EXPECT_NE(view.curves[0].color, view.curves[1].color);
}

TEST(PolarView, ADifferentPointCountKeepsEveryEarlierPoint) {
    DataGrid grid;
    PolarView view;
    ASSERT_TRUE(AddPolarCurve(grid, view, Samples({0, 10, 20, 30}, {1, 1, 1, 1}), "a"));
    ASSERT_TRUE(AddPolarCurve(grid, view, Samples({0, 10}, {2, 2}), "b"));
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(PolarPath(grid, 0).size(), 4u);
    EXPECT_EQ(PolarPath(grid, 1).size(), 2u);
    ASSERT_TRUE(AddPolarCurve(grid, view, Samples({0, 1, 2, 3, 4, 5}, {3, 3, 3, 3, 3, 3}), "c"));
    EXPECT_EQ(grid.RowCount(), 6);
    EXPECT_EQ(PolarPath(grid, 0).size(), 4u);
    EXPECT_EQ(PolarPath(grid, 2).size(), 6u);
}

TEST(PolarView, AnOddColumnLeftByAnEditIsNotPairedWithTheNewCurve) {
    DataGrid grid;
    PolarView view;
    ASSERT_TRUE(AddPolarCurve(grid, view, Samples({0, 90}, {1, 2}), "a"));
    ASSERT_TRUE(grid.SetColumnCount(3));
    ASSERT_TRUE(AddPolarCurve(grid, view, Samples({0, 90}, {5, 6}), "b"));
    EXPECT_EQ(grid.ColumnCount(), 6);
    EXPECT_EQ(grid.ColumnLabel(4), "b");
    EXPECT_EQ(grid.Cell(1, 5), 6);
    EXPECT_EQ(PolarCurveCount(grid), 3);
    EXPECT_TRUE(PolarPath(grid, 1).empty());
}

TEST(PolarView, AFullGridRefusesANewCurveAndStaysAsItWas) {
    DataGrid grid;
    PolarView view;
    ASSERT_TRUE(grid.Resize(static_cast<int>(kMaxGridCells / 2), 2));
    MatchCurveStyles(view, grid);
    const DataGrid before = grid;
    EXPECT_FALSE(AddPolarCurve(grid, view, Samples({0}, {1}), "b"));
    EXPECT_TRUE(grid == before);
    EXPECT_EQ(view.curves.size(), 1u);
}

TEST(PolarView, CurveStylesFollowTheGridKeepingTheRemainingOnes) {
    DataGrid grid;
    PolarView view;
    grid.Resize(1, 4);
    MatchCurveStyles(view, grid);
    ASSERT_EQ(view.curves.size(), 2u);
    view.curves[0].lineWidth = 3;
    grid.SetColumnCount(7);
    MatchCurveStyles(view, grid);
    ASSERT_EQ(view.curves.size(), 3u);
    EXPECT_EQ(view.curves[0].lineWidth, 3);
    EXPECT_EQ(view.curves[2].color, DefaultCurveColor(2));
    grid.SetColumnCount(1);
    MatchCurveStyles(view, grid);
    EXPECT_TRUE(view.curves.empty());
}

/// Where a point lands on the screen: its angle folded into [0, 360) and its radius.
std::pair<double, double> Place(double angle, double radius) {
    if (radius < 0) {
        angle += 180;
        radius = -radius;
    }
    double folded = std::fmod(angle, 360.0);
    if (folded < 0) {
        folded += 360;
    }
    return {folded, radius};
}

TEST(PolarView, PathKeepsRowOrderAndEveryPlaceWithAnglesThatNeverDecrease) {
    struct Row {
        const char* name;
        std::vector<double> angles;
        std::vector<double> radii;
    } rows[] = {
        {"positive radii", {0, 45, 90, 135}, {1, 2, 3, 4}},
        {"a rose with negative petals",
         {0, 30, 60, 90, 120, 150, 180},
         {0, 0.87, -0.87, 0, 0.87, -0.87, 0}},
        {"angles running backwards", {270, 180, 90, 0, -90}, {1, 1, 1, 1, 1}},
        {"more than one turn", {0, 200, 400, 600, 800}, {1, -2, 3, -4, 5}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DataGrid grid;
        grid.Resize(static_cast<int>(row.angles.size()), 2);
        for (std::size_t i = 0; i < row.angles.size(); ++i) {
            grid.SetCell(static_cast<int>(i), 0, row.angles[i]);
            grid.SetCell(static_cast<int>(i), 1, row.radii[i]);
        }
        const std::vector<PolarPoint> path = PolarPath(grid, 0);
        ASSERT_EQ(path.size(), row.angles.size());
        for (std::size_t i = 0; i < path.size(); ++i) {
            EXPECT_GE(path[i].radius, 0) << i;
            if (i > 0) {
                EXPECT_GE(path[i].angle, path[i - 1].angle) << i;
            }
            const auto [wantAngle, wantRadius] = Place(row.angles[i], row.radii[i]);
            const auto [gotAngle, gotRadius] = Place(path[i].angle, path[i].radius);
            EXPECT_NEAR(std::remainder(gotAngle - wantAngle, 360.0), 0, 1e-9) << i;
            EXPECT_EQ(gotRadius, wantRadius) << i;
        }
    }
}

TEST(PolarView, PathSkipsRowsWithAnEmptyCell) {
    DataGrid grid;
    grid.Resize(4, 2);
    grid.SetCell(0, 0, 0);
    grid.SetCell(0, 1, 1);
    grid.SetCell(1, 0, 10);  // no radius
    grid.SetCell(2, 1, 3);   // no angle
    grid.SetCell(3, 0, 30);
    grid.SetCell(3, 1, 2);
    EXPECT_EQ(PolarPath(grid, 0), (std::vector<PolarPoint>{{0, 1}, {30, 2}}));
}

TEST(PolarView, RadiusLimitIsTheLargestDistanceOfAnyCurve) {
    DataGrid grid;
    PolarView view;
    EXPECT_EQ(PolarRadiusLimit(grid), 1);
    ASSERT_TRUE(AddPolarCurve(grid, view, Samples({0, 90}, {0, 0}), "zero"));
    EXPECT_EQ(PolarRadiusLimit(grid), 1);
    ASSERT_TRUE(AddPolarCurve(grid, view, Samples({0, 90}, {2, -7.5L}), "b"));
    EXPECT_EQ(PolarRadiusLimit(grid), 7.5);
}

}  // namespace
}  // namespace kalvo
