// The contour window: contour maps and colour shadings from the Graphics tab, the legend
// and grid toggles over a shading, the edit modes and the exaggeration.
#include <algorithm>

#include <QTemporaryDir>

#include "plot/graphics_layout.h"
#include "plot_fixture.h"
#include "ui/chart/contour_plottable.h"
#include "ui/contour_window.h"

namespace kalvo {
namespace {

class ContourWindowTest : public PlotTest {
  protected:
    void PlotGrid(const QString& function, PlotType type, const char* contours = "10",
                  const char* exaggeration = "0") {
        OpenGraphics(function, type);
        Type(Field("edExaggerate"), QString::fromLatin1(exaggeration));
        SetX("-2", "2", "41");
        Type(Field("edFromY"), QStringLiteral("-1"));
        Type(Field("edToY"), QStringLiteral("1"));
        Type(Field("edStepsY"), QStringLiteral("21"));
        if (type == PlotType::kContour) {
            Type(Field("edNumCont"), QString::fromLatin1(contours));
        }
        PressOk();
    }
    TfmContourPlot& Window() { return window->ContourWindow(); }
    TPlot& Chart() { return Window().Chart(); }
    /// The pixel of a point of the chart.
    QPoint Pixel(double x, double y) {
        QCustomPlot& canvas = Chart().Canvas();
        return QPoint(static_cast<int>(canvas.xAxis->coordToPixel(x)),
                      static_cast<int>(canvas.yAxis->coordToPixel(y)));
    }
    void Click(double x, double y) {
        QTest::mouseClick(&Chart().Canvas(), Qt::LeftButton, Qt::NoModifier, Pixel(x, y));
    }
};

TEST_F(ContourWindowTest, TwoContourPlotsLeaveOnlyTheSecondMap) {
    PlotGrid(QStringLiteral("X^2-Y^2"), PlotType::kContour, "8");
    PlotGrid(QStringLiteral("X*Y"), PlotType::kContour, "6");
    ASSERT_NE(Window().Layer(), nullptr);
    EXPECT_EQ(Chart().Canvas().plottableCount(), 1);
    const TContour& layer = Window().Layer()->Layer();
    EXPECT_EQ(layer.Description(), "X*Y");
    EXPECT_EQ(layer.Levels().size(), 6u);
    EXPECT_FALSE(layer.Lines().empty());
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("Contour Plot f(x,y)"));
    EXPECT_EQ(Chart().Title(), QStringLiteral("f(X*Y)"));
    EXPECT_FALSE(Window().ShadeMode());
    EXPECT_FALSE(Chart().ColorLegendVisible());
    EXPECT_TRUE(Window().Command(PlotCommand::kAddContour)->isVisible());
    EXPECT_EQ(Chart().View(), (ChartView{-2, 2, -1, 1}));
    EXPECT_EQ(history->itemText(0), QStringLiteral("X*Y"));
}

TEST_F(ContourWindowTest, ShadingShowsTheColourScaleAndItsLegendToggleFollowsIt) {
    PlotGrid(QStringLiteral("sin(X*90)*cos(Y*90)"), PlotType::kShade);
    EXPECT_TRUE(Window().ShadeMode());
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("Color Shade f(x,y)"));
    EXPECT_TRUE(Chart().HasColorMap());
    // The colour scale spans the sampled values, so that the shading uses all its colours.
    const std::vector<double>& z = Window().Layer()->Layer().Grid().z;
    const auto [least, greatest] = std::minmax_element(z.begin(), z.end());
    EXPECT_DOUBLE_EQ(Chart().ColorLegendRange().first, *least);
    EXPECT_DOUBLE_EQ(Chart().ColorLegendRange().second, *greatest);
    EXPECT_TRUE(Chart().ColorLegendVisible());
    EXPECT_FALSE(Window().Command(PlotCommand::kAddContour)->isVisible());
    QAction* legend = Window().MenuItem(PlotCommand::kShowLegend);
    const bool lineLegend = Chart().LineLegendVisible();
    legend->trigger();
    EXPECT_FALSE(Chart().ColorLegendVisible());
    EXPECT_FALSE(legend->isChecked());
    EXPECT_EQ(Chart().LineLegendVisible(), lineLegend) << "the line legend is left alone";
    legend->trigger();
    EXPECT_TRUE(Chart().ColorLegendVisible());
    EXPECT_TRUE(legend->isChecked());

    // A grid switched on is drawn above the shading.
    Window().Command(PlotCommand::kVertGrid)->trigger();
    Window().Command(PlotCommand::kVertGrid)->trigger();
    EXPECT_TRUE(Chart().AxisGrid(TPlot::Axis::kX));
    EXPECT_EQ(Chart().Canvas().xAxis->grid()->layer()->name(), QStringLiteral("overlay"));

    QTemporaryDir dir;
    QString error;
    const QString path = dir.filePath(QStringLiteral("shade.png"));
    ASSERT_TRUE(Chart().SavePicture(path, &error)) << error.toStdString();
    EXPECT_GT(InkPixels(QImage(path)), 20000) << "a shading fills the plot area";
}

TEST_F(ContourWindowTest, AShadingHidesTheEmptyLineLegendAndTheNextMapRestoresIt) {
    for (const bool hiddenByUser : {false, true}) {
        SCOPED_TRACE(hiddenByUser ? "legend hidden by the user" : "legend shown");
        PlotGrid(QStringLiteral("X^2-Y^2"), PlotType::kContour, "6");
        ASSERT_TRUE(Chart().LineLegendVisible());
        if (hiddenByUser) {
            Window().MenuItem(PlotCommand::kShowLegend)->trigger();
            PlotGrid(QStringLiteral("X*Y"), PlotType::kContour, "6");
            EXPECT_FALSE(Chart().LineLegendVisible()) << "a new map keeps the user's choice";
        }
        PlotGrid(QStringLiteral("X*Y"), PlotType::kShade);
        EXPECT_FALSE(Chart().LineLegendVisible()) << "a shading has no line entries";
        PlotGrid(QStringLiteral("X*Y"), PlotType::kContour, "6");
        EXPECT_EQ(Chart().LineLegendVisible(), !hiddenByUser);
        EXPECT_EQ(Window().MenuItem(PlotCommand::kShowLegend)->isChecked(), !hiddenByUser);
        if (hiddenByUser) {
            Window().MenuItem(PlotCommand::kShowLegend)->trigger();
        }
    }
}

TEST_F(ContourWindowTest, EditModesAddAndDeleteContoursAndPlaceAndHideLabels) {
    PlotGrid(QStringLiteral("X^2+Y^2"), PlotType::kContour, "4");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window()));
    TContour& layer = Window().Layer()->Layer();
    const std::size_t levels = layer.Levels().size();
    Window().Command(PlotCommand::kAddContour)->trigger();
    EXPECT_EQ(layer.Mode(), TContour::EditMode::kAddContour);
    EXPECT_TRUE(Window().MenuItem(PlotCommand::kAddContour)->isChecked());
    Click(0.3, 0.2);
    ASSERT_EQ(layer.Levels().size(), levels + 1);

    Window().Command(PlotCommand::kLabelOff)->trigger();
    ASSERT_FALSE(layer.Labels().empty());
    const ContourLabel first = layer.Labels().front();
    Click(first.position.x, first.position.y);
    EXPECT_FALSE(layer.Labels().front().visible);

    Window().Command(PlotCommand::kLabelPosition)->trigger();
    Click(first.position.x, first.position.y);
    EXPECT_TRUE(std::any_of(layer.Labels().begin(), layer.Labels().end(),
                            [](const ContourLabel& l) { return l.visible; }));

    Window().Command(PlotCommand::kDeleteContour)->trigger();
    Click(0.3, 0.2);
    EXPECT_EQ(layer.Levels().size(), levels);

    Window().Command(PlotCommand::kBreakEdit)->trigger();
    Click(0.3, 0.2);
    EXPECT_EQ(layer.Levels().size(), levels) << "no editing outside the edit modes";
}

TEST_F(ContourWindowTest, ComplexModeWritesTheTitleBetweenBars) {
    window->SetShowComp(false);
    window->SetComplexMode(true);
    PlotGrid(QStringLiteral("sin(comp(X,Y))"), PlotType::kContour);
    EXPECT_EQ(Chart().Title(), QStringLiteral("|f(sin(comp(X,Y)))|"));
    ASSERT_NE(Window().Layer(), nullptr);
    EXPECT_GE(Window().Layer()->Layer().StoredMinimum(), 0) << "a modulus is never negative";
}

TEST_F(ContourWindowTest, AFailingGridKeepsTheMapAndRestoresTheIntegralPrecision) {
    PlotGrid(QStringLiteral("X+Y"), PlotType::kContour);
    EXPECT_EQ(window->Session().State().integralPrecision, kGridIntegralPrecision);
    dialogs.messagesExpected = true;
    PlotGrid(QStringLiteral("ln(X)"), PlotType::kContour);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], QStringLiteral("Cann't calculate this function"));
    EXPECT_EQ(window->Session().State().integralPrecision, kNormalIntegralPrecision);
    ASSERT_NE(Window().Layer(), nullptr);
    EXPECT_EQ(Window().Layer()->Layer().Description(), "X+Y");
}

TEST_F(ContourWindowTest, ExaggerationFixesTheAspectOfThePlotArea) {
    PlotGrid(QStringLiteral("X*Y"), PlotType::kContour, "10", "1");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window()));
    Chart().Redraw();
    const QRect area = Chart().Canvas().axisRect()->rect();
    // X spans 4 and Y 2: at exaggeration 1 the area is twice as wide as high.
    EXPECT_NEAR(static_cast<double>(area.width()) / area.height(), 2.0, 0.05);
    EXPECT_EQ(window->Graphics().KeptExaggeration(), 1);
}

}  // namespace
}  // namespace kalvo
