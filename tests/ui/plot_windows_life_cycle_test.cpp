// The surface and polar windows in the main window's life: created at start-up, their
// settings sections written at close and read again at the next start.
#include <QAbstractButton>
#include <QColorDialog>
#include <QDoubleSpinBox>

#include "frontend/ini_file.h"
#include "home_window_fixture.h"
#include "plot_window_fixture.h"
#include "ui/polar_window.h"
#include "ui/surface_window.h"

namespace kalvo {
namespace {

class PlotWindowsLifeCycleTest : public HomeWindowTest {
  protected:
    IniFile Ini() {
        IniFile ini;
        EXPECT_TRUE(ini.Load(home.SettingsFile()).ok);
        return ini;
    }
};

TEST_F(PlotWindowsLifeCycleTest, AFreshSettingsFileGivesCyanFillAndWallsOfTen) {
    Start();
    const SurfaceView& view = window->SurfaceWindow().View();
    EXPECT_EQ(RgbFromStoredColor(view.elevationColor), (Rgb{0, 255, 255}));
    EXPECT_EQ(view.wallWidth, 10);
    EXPECT_FALSE(window->SurfaceWindow().isVisible());
    EXPECT_FALSE(window->PolarWindow().isVisible());
    EXPECT_EQ(window->PolarWindow().Grid().ColumnCount(), 0);
    window->close();

    const IniFile ini = Ini();
    EXPECT_EQ(ini.ReadInteger("fmSurface", "ElevationColor", -1), 16776960);
    EXPECT_EQ(ini.ReadInteger("fmSurface", "WallWidth", -1), 10);
    for (const char* section : {"fmSurface", "fmPolar"}) {
        SCOPED_TRACE(section);
        EXPECT_EQ(ini.ReadInteger(section, "Width", -1), 640);
        EXPECT_EQ(ini.ReadInteger(section, "Height", -1), 480);
    }
}

TEST_F(PlotWindowsLifeCycleTest, ColourWallWidthAndPlacementSurviveARestart) {
    Start();
    TfmSurface& surface = window->SurfaceWindow();
    dialogs.onDialog = [](QDialog& dialog) {
        if (auto* colors = dynamic_cast<QColorDialog*>(&dialog)) {
            colors->setCurrentColor(QColor(10, 20, 30));
            return QDialog::Accepted;
        }
        dialog.findChild<QDoubleSpinBox*>("seWallWidth")->setValue(33.6);
        dialog.findChild<QAbstractButton*>("bbElevationColor")->click();
        return QDialog::Accepted;
    };
    surface.Run(ChartCommandId::kProperties);
    surface.resize(700, 500);
    window->PolarWindow().resize(300, 250);
    Restart();

    const SurfaceView& view = window->SurfaceWindow().View();
    EXPECT_EQ(RgbFromStoredColor(view.elevationColor), (Rgb{10, 20, 30}));
    EXPECT_EQ(view.wallWidth, 34);
    EXPECT_EQ(window->SurfaceWindow().size(), QSize(700, 500));
    EXPECT_EQ(window->PolarWindow().size(), QSize(300, 250));
    EXPECT_EQ(Ini().ReadInteger("fmSurface", "ElevationColor", -1), 10 + 20 * 256 + 30 * 65536);
}

TEST_F(PlotWindowsLifeCycleTest, ClosingAPlotWindowHidesItAndKeepsItsData) {
    Start();
    TfmPolar& polar = window->PolarWindow();
    polar.AddCurve(RoseSamples(37, 3), "f(sin(3*X))", "X", "Y");
    EXPECT_TRUE(polar.isVisible());
    polar.close();
    EXPECT_FALSE(polar.isVisible());
    polar.AddCurve(RoseSamples(37, 5), "f(sin(5*X))", "X", "Y");
    EXPECT_EQ(polar.Grid().ColumnCount(), 4);
}

}  // namespace
}  // namespace kalvo
