// What the contour window changes on a layer: levels added through a point, levels removed,
// user levels, fixed extremes and the level count, each followed by a new computation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "chart/contour_layer.h"
#include "chart/contour_levels.h"
#include "chart/contour_test_util.h"

namespace kalvo {
namespace {

double Bowl(double x, double y) {
    return x * x + 2 * y * y;
}

TContour BowlLayer(int levels) {
    const auto grid = test::SampleGrid(Bowl, -3, 3, 31, -2, 2, 21);
    return *TContour::Create(false, levels, grid.z, grid.y, grid.x);
}

bool HasLevel(const TContour& layer, double level) {
    return std::find(layer.Levels().begin(), layer.Levels().end(), level) != layer.Levels().end();
}

TEST(TContourEdit, CreationNeedsAValueForEveryGridPoint) {
    EXPECT_FALSE(TContour::Create(false, 5, {1, 2, 3}, {0, 1}, {0, 1}));
    EXPECT_TRUE(TContour::Create(false, 5, {}, {}, {}));
}

TEST(TContourEdit, AddsAContourThroughAClickedPoint) {
    TContour layer = BowlLayer(5);
    const std::size_t before = layer.Levels().size();
    struct Row {
        double x, y;
    };
    for (const Row& point : {Row{1.05, 0.3}, Row{-2.2, -1.35}, Row{0.7, 1.9}}) {
        SCOPED_TRACE(std::to_string(point.x) + "," + std::to_string(point.y));
        const auto level = layer.AddLevelThrough(point.x, point.y);
        ASSERT_TRUE(level.has_value());
        // The grid is the bowl sampled every 0.2; between nodes the map is linear per triangle.
        EXPECT_NEAR(*level, Bowl(point.x, point.y), 0.05);
        EXPECT_TRUE(HasLevel(layer, *level));
        EXPECT_TRUE(layer.UseUserLevels());
        EXPECT_EQ(layer.UserLevels().back(), LevelText(*level));
        const auto nearest = layer.FindNearestLine(point.x, point.y);
        ASSERT_TRUE(nearest.has_value());
        EXPECT_LT(nearest->distance, 1e-9);
        EXPECT_EQ(layer.Lines()[nearest->index].level, *level);
    }
    EXPECT_EQ(layer.Levels().size(), before + 3);
}

TEST(TContourEdit, AddsNothingOutsideTheGridOrTwice) {
    TContour layer = BowlLayer(5);
    EXPECT_FALSE(layer.AddLevelThrough(3.5, 0));
    EXPECT_FALSE(layer.AddLevelThrough(0, -2.01));
    EXPECT_TRUE(layer.UserLevels().empty());
    const auto level = layer.AddLevelThrough(1, 1);
    ASSERT_TRUE(level);
    const auto lines = layer.Lines().size();
    EXPECT_EQ(layer.AddLevelThrough(1, 1), level);
    EXPECT_EQ(layer.UserLevels().size(), 1u);
    EXPECT_EQ(layer.Lines().size(), lines);
}

TEST(TContourEdit, RemovesTheLevelOfTheNearestLine) {
    TContour layer = BowlLayer(4);  // 0, 4.25, 8.5, 12.75 over 0..17
    const std::vector<double> automatic = layer.Levels();
    ASSERT_EQ(automatic.size(), 4u);
    const auto removed = layer.RemoveLevelNear(std::sqrt(automatic[2]), 0.01);
    ASSERT_TRUE(removed.has_value());
    EXPECT_EQ(*removed, automatic[2]);
    // The other automatic levels stay, now as user levels, in the same order.
    EXPECT_FALSE(layer.AutomaticLevels());
    EXPECT_EQ(layer.Levels(), (std::vector<double>{automatic[0], automatic[1], automatic[3]}));
    for (const ContourLine& line : layer.Lines()) {
        EXPECT_NE(line.level, *removed);
    }
    // A user level goes the same way.
    const auto added = layer.AddLevelThrough(1, 0.5);
    ASSERT_TRUE(added);
    EXPECT_EQ(layer.RemoveLevelNear(1, 0.5), added);
    EXPECT_FALSE(HasLevel(layer, *added));
    EXPECT_FALSE(layer.RemoveLevel(*added));
}

TEST(TContourEdit, UserLevelsThatAreNotNumbersAreIgnoredAndReported) {
    TContour layer = BowlLayer(3);
    layer.SetUserLevels({"1.5", "two", "", "4e0", "1e999"}, false);
    EXPECT_TRUE(layer.IgnoredUserLevels().empty());  // not in use yet
    EXPECT_EQ(layer.Levels().size(), 3u);
    layer.SetUserLevels(layer.UserLevels(), true);
    EXPECT_EQ(layer.IgnoredUserLevels(), (std::vector<std::string>{"two", "", "1e999"}));
    EXPECT_EQ(layer.Levels().size(), 5u);
    EXPECT_TRUE(HasLevel(layer, 1.5));
    EXPECT_TRUE(HasLevel(layer, 4));
    layer.SetAutomaticLevels(false);
    EXPECT_EQ(layer.Levels(), (std::vector<double>{1.5, 4}));
}

TEST(TContourEdit, FixedExtremesAndTheLevelCountPlaceTheLevels) {
    TContour layer = BowlLayer(4);  // values 0..17
    layer.SetFixedMinimum(2);
    EXPECT_EQ(layer.Levels(), (std::vector<double>{2, 5.75, 9.5, 13.25}));
    layer.SetFixedMaximum(6);
    EXPECT_EQ(layer.Levels(), (std::vector<double>{2, 3, 4, 5}));
    layer.SetLevelCount(2);
    EXPECT_EQ(layer.Levels(), (std::vector<double>{2, 4}));
    EXPECT_EQ(layer.StoredMinimum(), 0);  // the fixed values do not replace the extremes
    EXPECT_EQ(layer.StoredMaximum(), 17);
    layer.SetFixedMinimum(std::nullopt);
    layer.SetFixedMaximum(std::nullopt);
    EXPECT_EQ(layer.Levels(), (std::vector<double>{0, 8.5}));
    // A level outside the extremes is placed but has no lines.
    layer.SetFixedMaximum(40);
    EXPECT_EQ(layer.Levels(), (std::vector<double>{0, 20}));
    for (const ContourLine& line : layer.Lines()) {
        EXPECT_EQ(line.level, 0);
    }
}

TEST(TContourEdit, ValueAtFollowsTheTracedTriangles) {
    const TContour layer = BowlLayer(3);
    const auto& grid = layer.Grid();
    for (std::size_t i = 0; i < grid.Nx(); i += 7) {
        for (std::size_t j = 0; j < grid.Ny(); j += 5) {
            EXPECT_EQ(layer.ValueAt(grid.x[i], grid.y[j]), grid.Z(i, j));
        }
    }
    // A cell centre has the mean of the four corners.
    const double cx = (grid.x[3] + grid.x[4]) / 2, cy = (grid.y[8] + grid.y[9]) / 2;
    const double mean = (grid.Z(3, 8) + grid.Z(4, 8) + grid.Z(4, 9) + grid.Z(3, 9)) / 4;
    EXPECT_NEAR(*layer.ValueAt(cx, cy), mean, 1e-12);
}

}  // namespace
}  // namespace kalvo
