// What the plot windows and the Graphics tab keep in the settings file across a restart.
#include <QProgressBar>
#include <QRadioButton>
#include <QTabWidget>

#include "frontend/ini_file.h"
#include "home_window_fixture.h"
#include "ui/graphics_tab.h"
#include "ui/plot2d_window.h"

namespace kalvo {
namespace {

using PlotSettingsTest = HomeWindowTest;

TEST_F(PlotSettingsTest, PlotWindowPlacementAndGraphicsFieldsSurviveARestart) {
    Start();
    TfmPlot2D& plot = window->Plot2DWindow();
    plot.setGeometry(40, 50, 700, 420);
    Find<QTabWidget>("PageControl1")->setCurrentIndex(TfmCalc::kGraphicsTab);
    window->Graphics().ChooseType(PlotType::kShade);
    Type(Field("edFromX"), QStringLiteral("-3"));
    Type(Field("edStepsX"), QStringLiteral("77"));
    Type(Field("edX"), QStringLiteral("time"));
    Restart();

    IniFile ini;
    ASSERT_TRUE(ini.Load(home.SettingsFile()).ok);
    EXPECT_EQ(ini.ReadInteger(kPlot2DSection, "Width", 0), 700);
    EXPECT_EQ(ini.ReadInteger(kPlot2DSection, "Height", 0), 420);
    EXPECT_EQ(ini.ReadInteger(kContourPlotSection, "Width", 0), 640);
    EXPECT_EQ(ini.ReadInteger(kGraphicsSection, "StepX2", 0), 77);

    TfmPlot2D& again = window->Plot2DWindow();
    EXPECT_EQ(again.width(), 700);
    EXPECT_EQ(again.height(), 420);
    EXPECT_EQ(window->Graphics().Type(), PlotType::kShade);
    EXPECT_EQ(Field("edFromX")->text(), QStringLiteral("-3"));
    EXPECT_EQ(Field("edX")->text(), QStringLiteral("time"));
    Find<QTabWidget>("PageControl1")->setCurrentIndex(TfmCalc::kGraphicsTab);
    EXPECT_EQ(Field("edStepsX")->text(), QStringLiteral("77"));
}

}  // namespace
}  // namespace kalvo
