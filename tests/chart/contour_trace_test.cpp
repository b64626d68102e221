// Patching of missing corners, the segment of one triangle, and the cell walk.
#include "chart/contour_trace.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "chart/contour_test_util.h"
#include "chart/reference_line_builder.h"

namespace kalvo {
namespace {

constexpr double M = kMissingValue;
constexpr double kTol = 1e-5;

TEST(PatchCell, FillsTheMissingCornersRuleByRule) {
    struct Row {
        const char* name;
        CellValues in;
        CellValues out;
    };
    const Row rows[] = {
        {"nothing missing", {1, 2, 3, 4}, {1, 2, 3, 4}},
        {"z1 from z2 and z4", {M, 2, 3, 6}, {4, 2, 3, 6}},
        {"z3 from z2 and z4", {1, 2, M, 6}, {1, 2, 4, 6}},
        {"z2 from z1 and z3", {1, M, 5, 6}, {1, 3, 5, 6}},
        {"z4 from z1 and z3", {1, 2, 5, M}, {1, 2, 5, 3}},
        {"-1234321 is missing too", {-M, 2, 3, 6}, {4, 2, 3, 6}},
        {"only z4 present", {M, M, -M, 7}, {7, 7, 7, 7}},
        {"only z3 present", {M, M, 7, M}, {7, 7, 7, 7}},
        {"only z2 present", {M, 7, M, M}, {7, 7, 7, 7}},
        {"only z1 present", {7, M, M, M}, {7, 7, 7, 7}},
        {"z3 and z4 from across", {1, 2, M, M}, {1, 2, 2, 1}},
        {"z2 and z3 from across", {1, M, M, 4}, {1, 1, 4, 4}},
        {"z1 and z2 stay", {M, M, 3, 4}, {M, M, 3, 4}},
        {"z1 and z4 stay", {M, 2, 3, M}, {M, 2, 3, M}},
        {"a diagonal pair stays", {M, 2, M, 4}, {M, 2, M, 4}},
        {"all four stay", {M, M, M, M}, {M, M, M, M}},
        {"a large value is not missing", {2000000, 2, 3, 6}, {2000000, 2, 3, 6}},
        // The mean of rule 1 is the marker again; no later rule matches a lone z1.
        {"a patched value may be the marker", {M, M - 1, 3, M + 1}, {M, M - 1, 3, M + 1}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(PatchCell(row.in), row.out);
    }
}

TEST(PatchCell, EmptiesCellsWithLargeValuesLeft) {
    struct Row {
        const char* name;
        CellValues z;
        bool empty;
    };
    const Row rows[] = {
        {"ordinary", {1, -2, 3, 1234320.9}, false},
        {"the marker left over", {M, M, 3, 4}, true},
        {"a large value", {1, 2, 2000000, 4}, true},
        {"a large negative value", {1, -1234321.5, 3, 4}, true},
        {"an infinity", {1, 2, 3, std::numeric_limits<double>::infinity()}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CellIsEmpty(PatchCell(row.z)), row.empty);
    }
}

TEST(TriangleSegment, FollowsTheCasesOfTheLevel) {
    const ContourPoint a{0, 0}, b{2, 0}, c{1, 1};
    struct Row {
        const char* name;
        double ha, hb, hc, level;
        std::optional<ContourSegment> segment;
    };
    const Row rows[] = {
        {"all above", 2, 3, 4, 1, std::nullopt},
        {"all below", 2, 3, 4, 5, std::nullopt},
        {"all on the level", 1, 1, 1, 1, std::nullopt},
        {"edge a-b on the level", 1, 1, 3, 1, ContourSegment{a, b}},
        {"edge b-c on the level", 3, 1, 1, 1, ContourSegment{b, c}},
        {"edge a-c on the level", 1, 3, 1, 1, ContourSegment{a, c}},
        // Crossing a-b at (1, 0) and b-c at (1.5, 0.5): the later side first.
        {"crossing a-b and b-c", 0, 2, 0, 1, ContourSegment{{1.5, 0.5}, {1, 0}}},
        // b-c at (1.5, 0.5) and c-a at (0.5, 0.5).
        {"crossing b-c and c-a", 0, 0, 2, 1, ContourSegment{{0.5, 0.5}, {1.5, 0.5}}},
        // Through vertex a: a-b gives a, b-c a crossing, c-a gives a again; the last two pair.
        {"through vertex a", 1, 2, 0, 1, ContourSegment{a, {1.5, 0.5}}},
        // Through vertex b: a-b gives b, b-c gives b, c-a a crossing; the last two pair.
        {"through vertex b", 0, 1, 2, 1, ContourSegment{{0.5, 0.5}, b}},
        // Through the centre vertex c: b-c and c-a both end at c, which would leave a point;
        // c pairs with the crossing of a-b instead.
        {"through vertex c", 0, 2, 1, 1, ContourSegment{c, {1, 0}}},
        {"touching vertex c only", 2, 3, 1, 1, std::nullopt},
        {"touching vertex a only", 1, 3, 2, 1, std::nullopt},
        // a-b differs by less than 1e-10 and is not crossed; only c-a is, so no segment.
        {"a flat side is not crossed", 0, 1e-11, 1, 5e-12, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto segment = TriangleSegment(a, b, c, row.ha, row.hb, row.hc, row.level, kTol);
        ASSERT_EQ(segment.has_value(), row.segment.has_value());
        if (segment) {
            EXPECT_NEAR(segment->p.x, row.segment->p.x, 1e-15);
            EXPECT_NEAR(segment->p.y, row.segment->p.y, 1e-15);
            EXPECT_NEAR(segment->q.x, row.segment->q.x, 1e-15);
            EXPECT_NEAR(segment->q.y, row.segment->q.y, 1e-15);
        }
    }
}

std::vector<test::SegmentRecorder::Segment> TraceOne(const ContourGrid& grid, double level) {
    const ContourTracer tracer(grid, kTol, {level});
    test::SegmentRecorder recorder;
    tracer.TraceLevel(0, recorder);
    return recorder.segments;
}

TEST(ContourTracer, WalksRowByRowAndQuarterByQuarter) {
    // z = x over x = 0, 1, 2 and y = 0, 1, 2: level 0.5 crosses the two left cells, bottom row
    // first; in each cell the bottom, then the top triangle gives a segment.
    const auto grid = test::SampleGrid([](double x, double) { return x; }, 0, 2, 3, 0, 2, 3);
    const auto segments = TraceOne(grid, 0.5);
    ASSERT_EQ(segments.size(), 4u);
    const double rows[] = {0, 0, 1, 1};
    for (std::size_t k = 0; k < segments.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_DOUBLE_EQ(segments[k].p.x, 0.5);
        EXPECT_DOUBLE_EQ(segments[k].q.x, 0.5);
        EXPECT_DOUBLE_EQ(std::min(segments[k].p.y, segments[k].q.y), rows[k] + (k % 2) * 0.5);
        // The squared gradient of z = x is 1 in every cell.
        EXPECT_DOUBLE_EQ(segments[k].gradient, 1);
        EXPECT_EQ(segments[k].level, 0.5);
    }
}

TEST(ContourTracer, SkipsEmptyCellsAndIgnoresNaN) {
    auto grid = test::SampleGrid([](double x, double y) { return x + y; }, 0, 4, 5, 0, 4, 5);
    grid.z[2 * 5 + 2] = 2000000;  // the node (2, 2): the four cells around it are empty
    grid.z[0] = std::numeric_limits<double>::quiet_NaN();
    for (double level : {1.5, 3.5, 4.5, 6.5}) {
        SCOPED_TRACE(level);
        for (const auto& s : TraceOne(grid, level)) {
            for (const ContourPoint& p : {s.p, s.q}) {
                EXPECT_FALSE(p.x > 1 && p.x < 3 && p.y > 1 && p.y < 3) << p.x << "," << p.y;
                EXPECT_FALSE(p.x < 1 && p.y < 1) << p.x << "," << p.y;  // the NaN cell
                EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
            }
        }
    }
    // Without the large value the same levels do cross the middle cells.
    grid.z[2 * 5 + 2] = 4;
    bool middle = false;
    for (const auto& s : TraceOne(grid, 3.5)) {
        middle = middle || (s.p.x > 1 && s.p.x < 3 && s.p.y > 1 && s.p.y < 3);
    }
    EXPECT_TRUE(middle);
}

TEST(ContourTracer, NeedsTwoPointsPerAxis) {
    ContourGrid grid{{0}, {0, 1}, {0, 1}};
    EXPECT_TRUE(TraceOne(grid, 0.5).empty());
    grid = {{0, 1}, {0, 1}, {0, 1}};  // z too short for the grid
    EXPECT_TRUE(TraceOne(grid, 0.5).empty());
}

}  // namespace
}  // namespace kalvo
