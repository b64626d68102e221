// The Graphics tab: its fields per plot type, the step table, the validation on OK and
// the integral precision of grid plots.
#include "plot/graphics_layout.h"
#include "plot_fixture.h"

namespace kalvo {
namespace {

using GraphicsTabTest = PlotTest;

TEST_F(GraphicsTabTest, ArrangesTheFieldsForEachType) {
    OpenGraphics(QStringLiteral("sin(X)"), PlotType::kCurve);
    struct Row {
        PlotType type;
        bool color, yRange, contours, legend, exaggerate;
        const char* title;
        const char* legendText;
    };
    const Row rows[] = {
        {PlotType::kCurve, true, false, false, true, true, "", "f(sin(X))"},
        {PlotType::kContour, false, true, true, false, true, "f(sin(X))", nullptr},
        {PlotType::kShade, false, true, false, false, true, "f(sin(X))", nullptr},
        {PlotType::kSurface, false, true, false, true, false, "Z", "f(sin(X))"},
        {PlotType::kPolar, true, false, false, true, false, "", "f(sin(X))"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.type));
        Choice("rgPlot", static_cast<int>(row.type))->click();
        EXPECT_EQ(Button("sbColor")->isVisible(), row.color);
        EXPECT_EQ(Field("edFromY")->isEnabled(), row.yRange);
        EXPECT_EQ(Field("edNumCont")->isVisible(), row.contours);
        EXPECT_EQ(Field("edLegend")->isVisible(), row.legend);
        EXPECT_EQ(Field("edExaggerate")->isVisible(), row.exaggerate);
        EXPECT_EQ(Field("edTitle")->text(), QString::fromLatin1(row.title));
        if (row.legendText) {
            EXPECT_EQ(Field("edLegend")->text(), QString::fromLatin1(row.legendText));
        }
        EXPECT_EQ(window->AssistantCaption().trimmed(),
                  QString::fromLatin1(PlotTypeData(row.type).hint));
    }
    // Back from the surface: "Z" and an empty X name are put right.
    Choice("rgPlot", 3)->click();
    Type(Field("edY"), QStringLiteral("Z"));
    Type(Field("edX"), QString());
    Choice("rgPlot", 2)->click();
    EXPECT_EQ(Field("edY")->text(), QStringLiteral("Y"));
    EXPECT_EQ(Field("edX")->text(), QStringLiteral("X"));
    EXPECT_EQ(Find<QLabel>("lbY")->text(), QStringLiteral(" Y axis"));
    Choice("rgPlot", 4)->click();
    EXPECT_EQ(Find<QLabel>("lbY")->text(), QString());
}

TEST_F(GraphicsTabTest, KeepsThePointCountsPerType) {
    OpenGraphics(QStringLiteral("X"), PlotType::kCurve);
    const PlotStepTable defaults = DefaultPlotSteps();
    for (int t = 0; t < kPlotTypeCount; ++t) {
        SCOPED_TRACE(t);
        Choice("rgPlot", t)->click();
        EXPECT_EQ(Field("edStepsX")->text().toInt(), defaults[static_cast<std::size_t>(t)]);
        EXPECT_EQ(Field("edStepsY")->text().toInt(),
                  defaults[static_cast<std::size_t>(kPlotTypeCount + t)]);
    }
    Choice("rgPlot", 1)->click();
    Type(Field("edStepsX"), QStringLiteral("55"));
    Type(Field("edStepsY"), QStringLiteral("1"));  // below the least: not stored
    Choice("rgPlot", 0)->click();
    EXPECT_EQ(Field("edStepsX")->text(), QStringLiteral("200"));
    Choice("rgPlot", 1)->click();
    EXPECT_EQ(Field("edStepsX")->text(), QStringLiteral("55"));
    EXPECT_EQ(Field("edStepsY")->text(), QStringLiteral("40"));
    EXPECT_EQ(window->StoredSettings().stepX[1], 55);
}

TEST_F(GraphicsTabTest, RefusesABadSetUpWithItsMessageAndFocus) {
    struct Row {
        const char* name;
        PlotType type;
        const char* field;
        const char* text;
        const char* message;  ///< nullptr: no box
    };
    const Row rows[] = {
        {"one step", PlotType::kCurve, "edStepsX", "1",
         "Number of Steps must be in the range [2..16000]"},
        {"least X", PlotType::kCurve, "edFromX", "-200000",
         "Minimum X-coordinate must be in the range [-115425.2 ... 115425.2]"},
        {"empty greatest X", PlotType::kCurve, "edToX", "", nullptr},
        {"contours", PlotType::kContour, "edNumCont", "0",
         " Number of Cntours must be in the range [1..1000]"},
        {"greatest Y", PlotType::kPolar, "edToY", "-20",
         "Maximum Y-coordinate must be more than minimum one"},
    };
    dialogs.messagesExpected = true;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        OpenGraphics(QStringLiteral("X"), row.type);
        QLineEdit* field = Field(row.field);
        const QString before = field->text();
        Type(field, QString::fromLatin1(row.text));
        dialogs.messages.clear();
        PressOk();
        if (row.message) {
            ASSERT_EQ(dialogs.messages.size(), 1u);
            EXPECT_EQ(dialogs.messages[0], QString::fromLatin1(row.message));
        } else {
            EXPECT_TRUE(dialogs.messages.empty());
        }
        EXPECT_EQ(field->hasFocus(), field->isEnabled()) << "a disabled field takes no focus";
        EXPECT_EQ(window->Plot2DWindow().Chart().SeriesCount(), 0);
        Type(field, before);
    }
}

TEST_F(GraphicsTabTest, GridTypesLowerTheIntegralPrecision) {
    EngineState& state = window->Session().State();
    OpenGraphics(QStringLiteral("X"), PlotType::kCurve);
    EXPECT_EQ(state.integralPrecision, kNormalIntegralPrecision);
    for (PlotType type : {PlotType::kContour, PlotType::kShade, PlotType::kSurface}) {
        state.integralPrecision = kNormalIntegralPrecision;
        Choice("rgPlot", static_cast<int>(type))->click();
        EXPECT_EQ(state.integralPrecision, kGridIntegralPrecision);
    }
    Choice("rgPlot", 0)->click();
    EXPECT_EQ(state.integralPrecision, kGridIntegralPrecision) << "only a failed grid restores 9";
}

TEST_F(GraphicsTabTest, ComplexModeShowsTheModulusCaptionsAndMovesTheCurveTypes) {
    window->SetShowComp(false);
    OpenGraphics(QStringLiteral("X"), PlotType::kPolar);
    window->SetComplexMode(true);
    EXPECT_TRUE(Choice("rgPlot", 3)->isChecked());
    EXPECT_FALSE(Choice("rgPlot", 0)->isVisible());
    EXPECT_FALSE(Choice("rgPlot", 4)->isVisible());
    for (int t = 1; t <= 3; ++t) {
        EXPECT_EQ(Choice("rgPlot", t)->text(),
                  QString::fromLatin1(PlotTypeData(static_cast<PlotType>(t)).complexCaption));
    }
    window->SetComplexMode(false);
    EXPECT_EQ(Choice("rgPlot", 1)->text(), QStringLiteral("Contour Plot f(X,Y)"));
    EXPECT_TRUE(Choice("rgPlot", 0)->isVisible());
}

}  // namespace
}  // namespace kalvo
