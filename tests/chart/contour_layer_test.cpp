// The layer as the plot windows use it: levels, lines, labels, holes, and the edit operations.
#include "chart/contour_layer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "chart/contour_levels.h"
#include "chart/contour_line_builder.h"
#include "chart/contour_test_util.h"
#include "chart/contour_trace.h"
#include "chart/reference_line_builder.h"

namespace kalvo {
namespace {

using test::Distance;
using test::SampleGrid;

TContour Layer(const ContourGrid& grid, int levels, bool shaded = false) {
    auto layer = TContour::Create(shaded, levels, grid.z, grid.y, grid.x);
    EXPECT_TRUE(layer.has_value());
    return std::move(*layer);
}

std::size_t LinesAt(const TContour& layer, double level) {
    std::size_t count = 0;
    for (const ContourLine& line : layer.Lines()) {
        count += line.level == level ? 1 : 0;
    }
    return count;
}

TEST(TContour, FourLevelsOverZeroToEightStopBeforeEight) {
    const auto grid = SampleGrid([](double x, double) { return x; }, 0, 8, 9, 0, 3, 4);
    const TContour layer = Layer(grid, 4);
    EXPECT_EQ(layer.Levels(), (std::vector<double>{0, 2, 4, 6}));
    EXPECT_EQ(layer.StoredMinimum(), 0);
    EXPECT_EQ(layer.StoredMaximum(), 8);
    for (double level : {0.0, 2.0, 4.0, 6.0}) {
        EXPECT_EQ(LinesAt(layer, level), 1u) << level;
    }
    EXPECT_EQ(LinesAt(layer, 8), 0u);
}

TEST(TContour, OneLevelLiesAtTheMinimum) {
    const auto grid = SampleGrid([](double x, double y) { return x * x + y; }, -2, 2, 9, 1, 3, 5);
    const TContour layer = Layer(grid, 1, true);
    EXPECT_TRUE(layer.Shaded());
    EXPECT_EQ(layer.Levels(), (std::vector<double>{1}));
}

TEST(TContour, AConstantGridHasNoLines) {
    const auto grid = SampleGrid([](double, double) { return 2.5; }, 0, 1, 5, 0, 1, 5);
    const TContour layer = Layer(grid, 10);
    EXPECT_TRUE(layer.Levels().empty());
    EXPECT_TRUE(layer.Lines().empty());
    EXPECT_TRUE(layer.Labels().empty());
}

TEST(TContour, ALevelAlongAGridLineIsTracedOnce) {
    // z = x: level 2 runs along the grid line x = 2, an edge of the cells on both sides.
    const auto grid = SampleGrid([](double x, double) { return x; }, 0, 4, 5, 0, 3, 7);
    const TContour layer = Layer(grid, 2);  // levels 0 and 2
    ASSERT_EQ(LinesAt(layer, 2), 1u);
    for (const ContourLine& line : layer.Lines()) {
        if (line.level != 2) {
            continue;
        }
        ASSERT_EQ(line.points.size(), grid.y.size());
        for (std::size_t j = 0; j < grid.y.size(); ++j) {
            EXPECT_EQ(line.points[j].x, 2);
            EXPECT_EQ(line.points[j].y, grid.y[j]);
        }
    }
}

TEST(TContour, LabelsEveryLineButThoseAtZero) {
    const auto grid =
        SampleGrid([](double x, double y) { return x + 0.5 * y; }, -2, 2, 9, -1, 1, 3);
    const TContour layer = Layer(grid, 10);  // levels -2.5, -2, ..., 0, ..., 2
    ASSERT_GT(LinesAt(layer, 0), 0u);
    std::size_t expected = 0;
    for (const ContourLine& line : layer.Lines()) {
        expected += line.level != 0 ? 1 : 0;
    }
    ASSERT_EQ(layer.Labels().size(), expected);
    const int digits = LabelDigits(layer.Levels());
    for (const ContourLabel& label : layer.Labels()) {
        const ContourLine& line = layer.Lines()[label.line];
        EXPECT_NE(line.level, 0);
        EXPECT_EQ(label.text, LabelText(line.level, digits));
        EXPECT_EQ(label.anchor, line.anchor);
        EXPECT_TRUE(label.visible);
        const auto& a = label.anchor;
        EXPECT_DOUBLE_EQ(label.position.x, (a.p.x + a.q.x) / 2);
        EXPECT_DOUBLE_EQ(
            label.angle,
            a.p.x == a.q.x ? -90 : std::atan((a.q.y - a.p.y) / (a.q.x - a.p.x)) * 180 / M_PI);
    }
}

TEST(TContour, VerticalAnchorsTurnLabelsToMinusNinety) {
    const auto grid = SampleGrid([](double x, double) { return x; }, 0, 4, 5, 0, 1, 2);
    const TContour layer = Layer(grid, 4);  // levels 0, 1, 2, 3 on the vertical grid lines
    ASSERT_EQ(layer.Labels().size(), 3u);
    for (const ContourLabel& label : layer.Labels()) {
        EXPECT_EQ(label.angle, -90);
    }
}

TEST(TContour, AMissingCornerTakesTheMeanOfItsNeighbours) {
    const std::vector<double> x{0, 1}, y{0, 1};
    const auto missing = TContour::Create(false, 6, {kMissingValue, 6, 2, 3}, y, x);
    const auto patched = TContour::Create(false, 6, {4, 6, 2, 3}, y, x);
    ASSERT_TRUE(missing && patched);
    // The extremes skip the marker, so the levels differ; trace the same user levels.
    auto traced = [](TContour layer) {
        layer.SetAutomaticLevels(false);
        layer.SetUserLevels({"2.5", "3.5", "4.5", "5.5"}, true);
        return layer.Lines();
    };
    const auto lines = traced(*missing);
    EXPECT_FALSE(lines.empty());
    test::ExpectSameLines(lines, traced(*patched));
}

TEST(TContour, LargeValuesLeaveHolesAndCountInTheExtremes) {
    auto grid = SampleGrid([](double x, double y) { return x + y; }, 0, 4, 5, 0, 4, 5);
    grid.z[2 * 5 + 2] = 2000000;
    TContour layer = Layer(grid, 10);
    EXPECT_EQ(layer.StoredMaximum(), 2000000);
    layer.SetAutomaticLevels(false);
    layer.SetUserLevels({"1.5", "3.5", "4", "6.5"}, true);
    ASSERT_FALSE(layer.Lines().empty());
    for (const ContourLine& line : layer.Lines()) {
        for (const ContourPoint& p : line.points) {
            EXPECT_FALSE(p.x > 1 && p.x < 3 && p.y > 1 && p.y < 3) << p.x << "," << p.y;
        }
    }
}

// Points within the join tolerance of each other count as one.
void ExpectClosed(const ContourLine& line, double tolerance) {
    ASSERT_GE(line.points.size(), 4u);
    EXPECT_LT(std::fabs(line.points.front().x - line.points.back().x), tolerance);
    EXPECT_LT(std::fabs(line.points.front().y - line.points.back().y), tolerance);
}

TEST(TContour, FineGridsStillGetTheirLines) {
    // Cells of 1e-7: with a fixed 1e-5 every segment would be dropped as too short.
    const auto grid = SampleGrid([](double x, double y) { return (x * x + y * y) * 1e12; }, -2e-6,
                                 2e-6, 41, -2e-6, 2e-6, 41);
    TContour layer = Layer(grid, 4);
    layer.SetAutomaticLevels(false);
    layer.SetUserLevels({"1", "2", "3"}, true);
    ASSERT_EQ(layer.Lines().size(), 3u);
    for (const ContourLine& line : layer.Lines()) {
        ExpectClosed(line, layer.Tolerance());
    }
    const ContourTracer tracer(layer.Grid(), layer.Tolerance(), {1});
    ContourLineBuilder fixed(1e-5);
    tracer.TraceLevel(0, fixed);
    EXPECT_TRUE(fixed.TakeLines().empty());
}

TEST(TContour, ALevelThroughTheCellCentreLeavesNoGap) {
    // z = x - 0.5 over one cell: level 0 runs through the centre, where two sides of the
    // bottom and the top triangle meet.
    const TContour layer = *TContour::Create(false, 2, {-1, -1, 1, 1}, {0, 1}, {0, 1});
    ASSERT_EQ(LinesAt(layer, 0), 1u);
    const ContourLine& line = layer.Lines().back();  // after the level -1 on the left edge
    ASSERT_EQ(line.level, 0);
    ASSERT_EQ(line.points.size(), 3u);
    EXPECT_EQ(line.points[1], (ContourPoint{0.5, 0.5}));
    EXPECT_EQ(std::min(line.points[0].y, line.points[2].y), 0);
    EXPECT_EQ(std::max(line.points[0].y, line.points[2].y), 1);
}

struct Surface {
    const char* name;
    std::function<double(double, double)> f;
    double from, to;
};

TEST(TContour, EveryLinePointLiesOnItsLevel) {
    const Surface surfaces[] = {
        {"waves", [](double x, double y) { return std::sin(x) * std::cos(y) + x * y / 50; }, -10,
         10},
        {"bowl", [](double x, double y) { return x * x + y * y; }, -3, 3},
        {"saddle", [](double x, double y) { return x * y; }, -2, 2},
        {"bump", [](double x, double y) { return std::exp(-x * x - 2 * y * y); }, -2.5, 2.5},
    };
    for (const Surface& s : surfaces) {
        SCOPED_TRACE(s.name);
        const TContour layer = Layer(SampleGrid(s.f, s.from, s.to, 47, s.from, s.to, 39), 9);
        ASSERT_FALSE(layer.Lines().empty());
        const double scale = layer.StoredMaximum() - layer.StoredMinimum();
        for (const ContourLine& line : layer.Lines()) {
            for (const ContourPoint& p : line.points) {
                const auto value = layer.ValueAt(p.x, p.y);
                ASSERT_TRUE(value.has_value());
                ASSERT_NEAR(*value, line.level, scale * 1e-12) << p.x << "," << p.y;
            }
        }
    }
}

TEST(TContour, CountsLinesOfKnownShapes) {
    struct Row {
        const char* name;
        Surface surface;
        std::vector<std::string> levels;
        std::size_t linesPerLevel;
        bool closed;
    };
    const Row rows[] = {
        {"a bowl has one closed ring per level",
         {"", [](double x, double y) { return x * x + 2 * y * y; }, -3, 3},
         {"0.5", "1", "2.5", "4", "8"},
         1,
         true},
        {"a bump has one closed ring per level",
         {"", [](double x, double y) { return std::exp(-x * x - y * y); }, -3, 3},
         {"0.1", "0.5", "0.9"},
         1,
         true},
        {"a saddle has two branches per level",
         {"", [](double x, double y) { return x * y; }, -2, 2},
         {"-1.5", "-0.5", "0.25", "1"},
         2,
         false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Surface& s = row.surface;
        TContour layer = Layer(SampleGrid(s.f, s.from, s.to, 61, s.from, s.to, 53), 1);
        layer.SetAutomaticLevels(false);
        layer.SetUserLevels(row.levels, true);
        for (const std::string& text : row.levels) {
            EXPECT_EQ(LinesAt(layer, *ReadLevelText(text)), row.linesPerLevel) << text;
        }
        for (const ContourLine& line : layer.Lines()) {
            if (row.closed) {
                ExpectClosed(line, layer.Tolerance());
            } else {
                EXPECT_GT(Distance(line.points.front(), line.points.back()), 1);
            }
        }
    }
}

}  // namespace
}  // namespace kalvo
