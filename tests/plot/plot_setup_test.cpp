#include "plot/plot_setup.h"

#include <gtest/gtest.h>

namespace kalvo {
namespace {

TEST(PlotSetup, ChecksTheFieldsInOrderWithTheirMessages) {
    struct Row {
        const char* name;
        PlotType type;
        PlotSetupTexts texts;
        PlotField field;
        const char* message;
    };
    auto with = [](auto change) {
        PlotSetupTexts t;
        change(t);
        return t;
    };
    const Row rows[] = {
        {"one X step", PlotType::kCurve, with([](auto& t) { t.stepsX = "1"; }), PlotField::kStepsX,
         "Number of Steps must be in the range [2..16000]"},
        {"16001 X steps", PlotType::kCurve, with([](auto& t) { t.stepsX = "16001"; }),
         PlotField::kStepsX, "Number of Steps must be in the range [2..16000]"},
        {"steps not a number", PlotType::kCurve, with([](auto& t) { t.stepsX = "2.5"; }),
         PlotField::kStepsX, "Number of Steps must be in the range [2..16000]"},
        {"steps before coordinates", PlotType::kCurve,
         with([](auto& t) { t.stepsX = "0", t.fromX = "1e9"; }), PlotField::kStepsX,
         "Number of Steps must be in the range [2..16000]"},
        {"least X too small", PlotType::kCurve, with([](auto& t) { t.fromX = "-115425.3"; }),
         PlotField::kFromX, "Minimum X-coordinate must be in the range [-115425.2 ... 115425.2]"},
        {"greatest X not a number", PlotType::kCurve, with([](auto& t) { t.toX = "1e"; }),
         PlotField::kToX, "Maximum X-coordinate must be in the range [-115425.2 ... 115425.2]"},
        {"empty coordinate fails silently", PlotType::kCurve, with([](auto& t) { t.toX = ""; }),
         PlotField::kToX, ""},
        {"exaggeration", PlotType::kContour, with([](auto& t) { t.exaggeration = "-1"; }),
         PlotField::kExaggeration, "Vertical exaggerate must be in the range [0 ... 1E30]"},
        {"one Y step on a grid", PlotType::kContour, with([](auto& t) { t.stepsY = "1"; }),
         PlotField::kStepsY, "Number of Steps must be in the range [2..16000]"},
        {"Y steps unchecked on a curve", PlotType::kCurve,
         with([](auto& t) { t.stepsY = "1", t.toX = "-20"; }), PlotField::kToX,
         "Maximum X-coordinate must be more than minimum one"},
        {"least Y", PlotType::kSurface, with([](auto& t) { t.fromY = "200000"; }),
         PlotField::kFromY, "Minimum Y-coordinate must be in the range [-115425.2 ... 115425.2]"},
        {"contours", PlotType::kContour, with([](auto& t) { t.contours = "1001"; }),
         PlotField::kContours, " Number of Cntours must be in the range [1..1000]"},
        {"contours unchecked on a curve", PlotType::kPolar, with([](auto& t) { t.contours = "0"; }),
         PlotField::kNone, ""},
        {"equal X bounds", PlotType::kShade, with([](auto& t) { t.toX = "-10"; }), PlotField::kToX,
         "Maximum X-coordinate must be more than minimum one"},
        {"Y bounds compared for a curve too", PlotType::kCurve,
         with([](auto& t) { t.fromY = "5", t.toY = "5"; }), PlotField::kToY,
         "Maximum Y-coordinate must be more than minimum one"},
        {"grid too large", PlotType::kShade,
         with([](auto& t) { t.stepsX = "16000", t.stepsY = "16000"; }), PlotField::kStepsY,
         "Number of grid points 16000 x 16000 must be at most 4000000"},
        {"16000-point curve passes", PlotType::kCurve, with([](auto& t) { t.stepsX = "16000"; }),
         PlotField::kNone, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PlotSetupCheck check = CheckPlotSetup(row.texts, row.type);
        EXPECT_EQ(check.ok, row.field == PlotField::kNone);
        EXPECT_EQ(check.field, row.field);
        EXPECT_EQ(check.message, row.message);
    }
}

TEST(PlotSetup, ReadsTheValuesOfValidFields) {
    PlotSetupTexts t;
    t.fromX = "-2.5";
    t.toX = "1E1";
    t.stepsX = "+40";
    t.stepsY = "30";
    t.contours = "7";
    t.exaggeration = "1.5";
    PlotSetupCheck check = CheckPlotSetup(t, PlotType::kContour);
    ASSERT_TRUE(check.ok) << check.message;
    EXPECT_EQ(check.setup.fromX, -2.5L);
    EXPECT_EQ(check.setup.toX, 10);
    EXPECT_EQ(check.setup.stepsX, 40);
    EXPECT_EQ(check.setup.stepsY, 30);
    EXPECT_EQ(check.setup.contours, 7);
    EXPECT_EQ(check.setup.exaggeration, 1.5L);
}

TEST(PlotSetup, StepTableStartsFromEachTypesDefaults) {
    const PlotStepTable steps = DefaultPlotSteps();
    EXPECT_EQ(steps, (PlotStepTable{200, 40, 40, 40, 360, 0, 40, 40, 40, 0}));
    EXPECT_STREQ(PlotTypeData(PlotType::kShade).stepYKey, "StepY2");
    EXPECT_EQ(PlotTypeData(PlotType::kPolar).leastStepsY, 0);
    EXPECT_EQ(PlotTypeData(PlotType::kSurface).leastStepsY, 2);
}

}  // namespace
}  // namespace kalvo
