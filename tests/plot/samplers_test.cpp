#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/error_codes.h"
#include "frontend/calculator_session.h"
#include "plot/curve_sampler.h"
#include "plot/grid_sampler.h"

namespace kalvo {
namespace {

/// A window whose Stop button was pressed: every pump finds a break request, and the
/// break question is answered with Yes.
class StoppingHost : public SilentHost {
  public:
    void Attach(CalculatorSession& session) { m_session = &session; }
    void PumpMessages() override {
        ++pumps;
        m_session->State().breakRequested = true;
    }
    bool ConfirmBreak() override { return true; }
    int pumps = 0;

  private:
    CalculatorSession* m_session = nullptr;
};

class Samplers : public ::testing::Test {
  protected:
    Samplers() { session.SetAngle(0); }
    SilentHost host;
    CalculatorSession session{host};
};

TEST_F(Samplers, StepRuleIncludesBothEnds) {
    struct Row {
        const char* name;
        SampleAxis axis;
        std::vector<Real> expected;
    } rows[] = {
        {"two points are the ends", {-3, 7, 2}, {-3, 7}},
        {"five points over 0..2", {0, 2, 5}, {0, 0.5L, 1, 1.5L, 2}},
        {"negative range", {-1, 1, 3}, {-1, 0, 1}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CurveSamples c = SampleCurve(session, "X", row.axis);
        ASSERT_FALSE(c.failed);
        ASSERT_EQ(c.points.size(), row.expected.size());
        for (std::size_t i = 0; i < row.expected.size(); ++i) {
            EXPECT_EQ(c.points[i].x, row.expected[i]) << i;
            EXPECT_EQ(c.points[i].y, row.expected[i]) << i;
        }
    }
}

TEST_F(Samplers, LastOfManyPointsIsTheRangeEndInExtendedPrecision) {
    CurveSamples c = SampleCurve(session, "X", {-10, 10, 16000});
    ASSERT_EQ(c.points.size(), 16000u);
    EXPECT_NEAR(static_cast<double>(c.points.back().x), 10.0, 1e-15);
    EXPECT_EQ(c.points.front().x, -10);
}

TEST_F(Samplers, CurveStopsAtTheFirstFailingPoint) {
    // 1/(X-0.5) at 0, 0.5, 1: the second point divides by zero.
    CurveSamples c = SampleCurve(session, "1 / (X-0.5)", {0, 1, 3});
    ASSERT_TRUE(c.failed);
    EXPECT_EQ(c.failure.code, kErrDivisionByZero);
    EXPECT_EQ(c.points.size(), 1u);
    EXPECT_FALSE(c.failure.UserBreak());
    // Reported on the text as typed, blanks included.
    EXPECT_EQ(c.failure.position, 3);
    EXPECT_EQ(DescribeFailure(session.GetEngine(), "1 / (X-0.5)", c.failure),
              ErrorMessage(kErrDivisionByZero) + ": position 5");
    EXPECT_FALSE(session.State().errorFlag);
}

TEST_F(Samplers, FloatingPointFaultEndsACurveWithItsMessage) {
    CurveSamples c = SampleCurve(session, "exp(X)", {1, 100000, 2});
    ASSERT_TRUE(c.failed);
    EXPECT_EQ(DescribeFailure(session.GetEngine(), "exp(X)", c.failure), "Floating point overflow");
    EXPECT_EQ(c.points.size(), 1u);
}

TEST_F(Samplers, EveryPointStartsTheExtremumSearchAfresh) {
    // The search runs over its own X in [0, 2]: (t-1)^2 + t is least, 0.75, at t = 0.5.
    CurveSamples c = SampleCurve(session, "min(0,2,(X-1)^2+X)", {0, 1, 3});
    ASSERT_FALSE(c.failed);
    EXPECT_TRUE(session.State().previousSearchText.empty());
    for (const CurvePoint& p : c.points) {
        EXPECT_NEAR(static_cast<double>(p.y), 0.75, 1e-6);
    }
}

TEST_F(Samplers, GridHoldsZByXRowsAndYColumns) {
    GridSamples g =
        SampleGrid(session, "10*X + Y", {0, 2, 3}, {0, 1, 2}, PointEvaluator::Mode::kReal);
    ASSERT_FALSE(g.failed);
    ASSERT_EQ(g.nx, 3);
    ASSERT_EQ(g.ny, 2);
    EXPECT_EQ(g.x, (std::vector<double>{0, 1, 2}));
    EXPECT_EQ(g.y, (std::vector<double>{0, 1}));
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 2; ++j) {
            EXPECT_EQ(g.Z(i, j), 10.0 * i + j) << i << "," << j;
        }
    }
}

TEST_F(Samplers, GridStopsAtTheFirstFailingPointButSurfaceKeepsGoing) {
    const SampleAxis x{-1, 1, 3};
    const SampleAxis y{0, 1, 2};
    GridSamples g = SampleGrid(session, "ln(X)+Y", x, y, PointEvaluator::Mode::kReal);
    EXPECT_TRUE(g.failed);
    EXPECT_EQ(g.failure.code, kErrArgumentNegative);

    SurfaceSamples s = SampleSurface(session, "ln(X)+Y", x, y, PointEvaluator::Mode::kReal);
    ASSERT_FALSE(s.stopped);
    ASSERT_EQ(s.rows, 3);
    ASSERT_EQ(s.columns, 2);
    EXPECT_EQ(s.Value(0, 1), 0);  // the engine's value after an error
    EXPECT_EQ(s.Value(1, 1), 0);  // ln(0) fails too
    EXPECT_NEAR(static_cast<double>(s.Value(2, 1)), 1.0, 1e-18);
    EXPECT_EQ(s.rowLabels.size(), 3u);
    EXPECT_EQ(s.columnLabels.size(), 2u);
}

TEST_F(Samplers, ComplexModulusSamplesTheAbsoluteValue) {
    session.SetComplexMode(true);
    GridSamples g = SampleGrid(session, "comp(X,Y)", {0, 3, 2}, {0, 4, 2},
                               PointEvaluator::Mode::kComplexModulus);
    ASSERT_FALSE(g.failed);
    EXPECT_DOUBLE_EQ(g.Z(1, 1), 5.0);
    EXPECT_DOUBLE_EQ(g.Z(1, 0), 3.0);

    // An error is placed in the text as typed, not in the abs(...) wrapper.
    GridSamples bad = SampleGrid(session, "comp(X,Y)*", {0, 3, 2}, {0, 4, 2},
                                 PointEvaluator::Mode::kComplexModulus);
    ASSERT_TRUE(bad.failed);
    EXPECT_GE(bad.failure.position, 10);
    EXPECT_LE(bad.failure.position, 11);
}

TEST_F(Samplers, PolarEvaluatesTheAngleInRadiansWhateverTheUnit) {
    session.SetAngle(1);  // degrees
    PolarSamples p = SamplePolar(session, "X", {0, 180, 3});
    ASSERT_EQ(p.angles.size(), 3u);
    EXPECT_EQ(p.angles[1], 90);
    EXPECT_NEAR(static_cast<double>(p.radii[1]), M_PI / 2, 1e-15);
    EXPECT_NEAR(static_cast<double>(p.radii[2]), M_PI, 1e-15);
}

TEST_F(Samplers, PolarKeepsFailingPoints) {
    PolarSamples p = SamplePolar(session, "1/X", {0, 90, 2});
    ASSERT_FALSE(p.stopped);
    ASSERT_EQ(p.radii.size(), 2u);
    EXPECT_EQ(p.radii[0], 0);
    EXPECT_NEAR(static_cast<double>(p.radii[1]), 2 / M_PI, 1e-15);
}

TEST_F(Samplers, ProgressRisesToItsLastFigure) {
    std::vector<int> seen;
    SamplingHooks hooks{[&seen](int percent) { seen.push_back(percent); }};
    SampleCurve(session, "X", {0, 1, 9}, hooks);
    ASSERT_FALSE(seen.empty());
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_EQ(seen.back(), 90);              // round(9 * 100 / 10)
    EXPECT_EQ(GridPercent(3, 2, 3, 2), 67);  // round((2 + 2*3) * 100 / (3*4))
    EXPECT_EQ(GridPercent(1, 1, 3, 2), 8);
}

TEST(SamplersBreak, ConfirmedStopEndsEverySamplerAsAUserBreak) {
    StoppingHost host;
    CalculatorSession session(host);
    host.Attach(session);
    // Enough points that sampling outlasts the pumping interval many times over; the first
    // pump finds the Stop request.
    const SampleAxis wide{0, 1, 2000};
    const SampleAxis narrow{0, 1, 1000};
    GridSamples g = SampleGrid(session, "X*Y", wide, narrow, PointEvaluator::Mode::kReal);
    ASSERT_TRUE(g.failed);
    EXPECT_TRUE(g.failure.UserBreak());
    EXPECT_EQ(DescribeFailure(session.GetEngine(), "X*Y", g.failure), ErrorMessage(kErrUserBreak));
    SurfaceSamples s = SampleSurface(session, "X*Y", wide, narrow, PointEvaluator::Mode::kReal);
    EXPECT_TRUE(s.stopped);
    EXPECT_TRUE(s.failure.UserBreak());
    EXPECT_GE(host.pumps, 2);
    EXPECT_FALSE(session.State().errorFlag);
}

}  // namespace
}  // namespace kalvo
