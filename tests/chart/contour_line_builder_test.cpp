// The indexed line builder against the plain list scan, and the joining rules themselves.
#include "chart/contour_line_builder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "chart/contour_levels.h"
#include "chart/contour_test_util.h"
#include "chart/contour_trace.h"
#include "chart/reference_line_builder.h"

namespace kalvo {
namespace {

using test::ExpectSameLines;
using test::ReferenceLineBuilder;
using test::SegmentRecorder;

constexpr double kTol = 1e-5;

// Both builders get the same segments; their lines must not differ in anything.
void ExpectBuildersAgree(const SegmentRecorder& recorder, double tolerance) {
    ReferenceLineBuilder reference(tolerance);
    ContourLineBuilder indexed(tolerance);
    recorder.ReplayInto(reference);
    recorder.ReplayInto(indexed);
    ExpectSameLines(indexed.TakeLines(), reference.Lines());
}

SegmentRecorder TraceAll(const ContourGrid& grid, const std::vector<double>& levels) {
    const double tolerance = JoinTolerance(grid.x, grid.y);
    std::vector<double> rounded;
    for (double level : levels) {
        rounded.push_back(RoundLevel(level));
    }
    const ContourTracer tracer(grid, tolerance, rounded);
    SegmentRecorder recorder;
    for (std::size_t k = 0; k < rounded.size(); ++k) {
        tracer.TraceLevel(k, recorder);
    }
    return recorder;
}

std::vector<double> EvenLevels(const ContourGrid& grid, int n) {
    const double low = ZMinimum(grid.z), high = ZMaximum(grid.z);
    return AutomaticLevels(low, high, low, high, n);
}

TEST(ContourLineBuilder, GivesTheListScansLinesForTracedGrids) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> uniform(-1, 1);
    std::uniform_int_distribution<int> small(0, 4);
    struct Row {
        const char* name;
        ContourGrid grid;
        std::vector<double> levels;
    };
    std::vector<Row> rows;
    auto wavy =
        test::SampleGrid([](double x, double y) { return std::sin(x) * std::cos(y) + x * y / 50; },
                         -10, 10, 60, -8, 8, 50);
    rows.push_back({"wavy", wavy, EvenLevels(wavy, 15)});
    auto saddle = test::SampleGrid([](double x, double y) { return x * y; }, -2, 2, 21, -2, 2, 21);
    rows.push_back({"saddle through grid nodes", saddle, {-2, -1, -0.4, 0, 0.4, 1, 2}});
    auto steps = test::SampleGrid([](double x, double y) { return std::floor(x) + std::floor(y); },
                                  0, 6, 25, 0, 6, 25);
    rows.push_back({"plateaus with edges on the levels", steps, {1, 2, 3, 4.5, 6, 8, 10}});
    ContourGrid noise =
        test::SampleGrid([&](double, double) { return small(random); }, 0, 1, 30, 0, 1, 30);
    rows.push_back({"integer noise", noise, {0, 1, 2, 3, 4}});
    ContourGrid rough =
        test::SampleGrid([&](double, double) { return uniform(random); }, -3, 3, 40, -3, 3, 40);
    rows.push_back({"random values", rough, EvenLevels(rough, 12)});
    auto holes = wavy;
    for (std::size_t k = 0; k < holes.z.size(); k += 37) {
        holes.z[k] = k % 3 == 0 ? 2000000.0 : (k % 2 == 0 ? kMissingValue : -kMissingValue);
    }
    rows.push_back({"missing and huge values", holes, EvenLevels(wavy, 10)});
    auto fine = test::SampleGrid([](double x, double y) { return (x * x + y * y) * 1e12; }, -2e-6,
                                 2e-6, 41, -2e-6, 2e-6, 41);
    rows.push_back({"cells of 1e-7", fine, EvenLevels(fine, 6)});
    ContourGrid uneven = wavy;
    std::reverse(uneven.x.begin(), uneven.x.end());
    for (double& y : uneven.y) {
        y = y * std::fabs(y) / 8;
    }
    rows.push_back({"falling and uneven coordinates", uneven, EvenLevels(uneven, 9)});
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const SegmentRecorder recorder = TraceAll(row.grid, row.levels);
        ASSERT_FALSE(recorder.segments.empty());
        ExpectBuildersAgree(recorder, JoinTolerance(row.grid.x, row.grid.y));
    }
}

// Segments between points of a lattice finer than the tolerance: ends coincide with several
// others, coincidence does not carry over (a ~ b and b ~ c, but not a ~ c), many segments lie
// on one vertical or horizontal, and lines close, split and merge in every way.
TEST(ContourLineBuilder, GivesTheListScansLinesForCrowdedSegments) {
    struct Row {
        const char* name;
        double spacing;  // lattice step in tolerances
        int side;        // lattice points per row
        int count;       // segments
        unsigned seed;
    };
    const Row rows[] = {
        {"every neighbour coincides", 0.6, 12, 3000, 1},
        {"only near points coincide", 0.9, 25, 4000, 2},
        {"sparse lattice", 3.0, 40, 5000, 3},
        {"dense lattice", 0.3, 8, 2000, 4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::mt19937 random(row.seed);
        std::uniform_int_distribution<int> node(0, row.side - 1);
        std::uniform_int_distribution<int> kind(0, 5);
        std::uniform_real_distribution<double> jitter(-0.05, 0.05);
        auto coordinate = [&](int k) { return (k + jitter(random)) * row.spacing * kTol; };
        SegmentRecorder recorder;
        for (int n = 0; n < row.count; ++n) {
            ContourPoint p{coordinate(node(random)), coordinate(node(random))};
            ContourPoint q{coordinate(node(random)), coordinate(node(random))};
            switch (kind(random)) {
                case 0:
                    q.x = p.x;
                    break;  // vertical
                case 1:
                    q.y = p.y;
                    break;  // horizontal
                default:
                    break;
            }
            recorder.Add(p, q, static_cast<double>(n % 3), static_cast<double>(n % 7));
        }
        ExpectBuildersAgree(recorder, kTol);
    }
}

struct Step {
    ContourPoint p, q;
    double level;
    double gradient;
};

std::vector<ContourLine> Build(const std::vector<Step>& steps) {
    ReferenceLineBuilder reference(kTol);
    ContourLineBuilder indexed(kTol);
    for (const Step& s : steps) {
        reference.Add(s.p, s.q, s.level, s.gradient);
        indexed.Add(s.p, s.q, s.level, s.gradient);
    }
    auto lines = indexed.TakeLines();
    ExpectSameLines(lines, reference.Lines());
    return lines;
}

TEST(ContourLineBuilder, FollowsTheJoiningRules) {
    const ContourPoint a{0, 0}, b{1, 0}, c{2, 0}, d{3, 0}, e{1, 1};
    const ContourPoint nearB{1 + 0.5 * kTol, -0.5 * kTol};
    struct Row {
        const char* name;
        std::vector<Step> steps;
        std::vector<std::vector<ContourPoint>> lines;  // points of the lines in list order
        std::vector<double> levels;
    };
    const Row rows[] = {
        {"a segment shorter than the tolerance is dropped",
         {{a, {0.9 * kTol, -0.9 * kTol}, 1, 1}},
         {},
         {}},
        {"appended at the finish", {{a, b, 1, 1}, {b, c, 1, 1}}, {{a, b, c}}, {1}},
        {"reversed to fit the finish", {{a, b, 1, 1}, {c, b, 1, 1}}, {{a, b, c}}, {1}},
        {"prepended at the start", {{a, b, 1, 1}, {c, a, 1, 1}}, {{c, a, b}}, {1}},
        {"the line keeps its own copy of the shared point",
         {{a, b, 1, 1}, {nearB, c, 1, 1}},
         {{a, b, c}},
         {1}},
        {"a grown line moves to the end of the list",
         {{a, b, 1, 1}, {c, d, 2, 1}, {b, e, 1, 1}},
         {{c, d}, {a, b, e}},
         {2, 1}},
        {"the line in the list absorbs the grown one and keeps its level",
         {{a, b, 1, 1}, {c, d, 2, 1}, {b, c, 3, 1}},
         {{a, b, c, d}},
         {2}},
        {"the absorbing line keeps its direction",
         {{a, b, 1, 1}, {d, c, 2, 1}, {b, c, 3, 1}},
         {{d, c, b, a}},
         {2}},
        {"a covered piece of a vertical line is dropped",
         {{{0, 0}, {0, 1}, 1, 1}, {{0, 0.25}, {0, 0.75}, 1, 1}},
         {{{0, 0}, {0, 1}}},
         {1}},
        {"covering counts the ends of the range",
         {{{0, 0}, {2, 0}, 1, 1}, {{2, 0}, {0, 0}, 1, 1}},
         {{{0, 0}, {2, 0}}},
         {1}},
        {"a piece that leaves the range is not covered",
         {{{0, 0}, {0, 1}, 1, 1}, {{0, 0.5}, {0, 1.5}, 1, 1}},
         {{{0, 0}, {0, 1}}, {{0, 0.5}, {0, 1.5}}},
         {1, 1}},
        {"lines of different levels join at coinciding ends",
         {{a, b, 1, 1}, {b, c, 5, 1}},
         {{a, b, c}},
         {1}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto lines = Build(row.steps);
        ASSERT_EQ(lines.size(), row.lines.size());
        for (std::size_t k = 0; k < lines.size(); ++k) {
            EXPECT_EQ(lines[k].points, row.lines[k]);
            EXPECT_EQ(lines[k].level, row.levels[k]);
        }
    }
}

TEST(ContourLineBuilder, AnchorsTheLabelOnTheFlattestPiece) {
    const ContourPoint a{0, 0}, b{1, 0}, c{2, 0}, d{3, 0};
    struct Row {
        const char* name;
        std::vector<Step> steps;
        ContourSegment anchor;
        double gradient;
    };
    const Row rows[] = {
        {"a smaller measure moves the anchor", {{a, b, 1, 4}, {b, c, 1, 2}}, {b, c}, 2},
        {"an equal measure keeps it", {{a, b, 1, 2}, {b, c, 1, 2}}, {a, b}, 2},
        {"a larger measure keeps it", {{a, b, 1, 2}, {b, c, 1, 3}}, {a, b}, 2},
        {"an absorbed line brings its anchor",
         {{a, b, 1, 5}, {c, d, 1, 1}, {b, c, 1, 3}},
         {c, d},
         1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto lines = Build(row.steps);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].anchor, row.anchor);
        EXPECT_EQ(lines[0].gradient, row.gradient);
    }
}

}  // namespace
}  // namespace kalvo
