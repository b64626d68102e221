// The Graphics tab's OK for surfaces and polar curves: what the samplers hand to the
// surface and polar windows, and the "Show plots" item of the surface window.
#include <cmath>

#include <QMenu>

#include "plot/surface_view.h"
#include "plot_fixture.h"
#include "ui/polar_window.h"
#include "ui/surface_window.h"

namespace kalvo {
namespace {

class PlotHandOverTest : public PlotTest {
  protected:
    void PlotSurface(const QString& function) {
        OpenGraphics(function, PlotType::kSurface);
        SetX("-1", "1", "5");
        Type(Field("edFromY"), QStringLiteral("0"));
        Type(Field("edToY"), QStringLiteral("2"));
        Type(Field("edStepsY"), QStringLiteral("3"));
        PressOk();
    }
    void PlotPolar(const QString& function, const char* steps) {
        OpenGraphics(function, PlotType::kPolar);
        SetX("0", "360", steps);
        PressOk();
    }
};

TEST_F(PlotHandOverTest, TwoPolarPlotsLeaveFourColumnsAndTwoCurves) {
    PlotPolar(QStringLiteral("sin(4*X)"), "73");
    PlotPolar(QStringLiteral("1+X"), "37");
    TfmPolar& polar = window->PolarWindow();
    const DataGrid& grid = polar.Grid();
    EXPECT_TRUE(polar.isVisible());
    ASSERT_EQ(grid.ColumnCount(), 4);
    EXPECT_EQ(grid.RowCount(), 73) << "the longer curve keeps its points";
    EXPECT_EQ(grid.ColumnLabel(0), "f(sin(4*X))");
    EXPECT_EQ(grid.ColumnLabel(2), "f(1+X)");
    // Angles in degrees; the radius sampled with X in radians: 1 + pi/2 at 90 degrees.
    EXPECT_DOUBLE_EQ(*grid.Cell(36, 2), 360);
    EXPECT_DOUBLE_EQ(*grid.Cell(9, 2), 90);
    EXPECT_NEAR(*grid.Cell(9, 3), 1 + M_PI / 2, 1e-12);
    EXPECT_EQ(history->itemText(0), QStringLiteral("1+X"));
}

TEST_F(PlotHandOverTest, ASurfaceKeepsFailingPointsAndOffersItsWindow) {
    auto* item = Find<QMenu>("pmPlots")->findChild<QAction*>("miSurface");
    EXPECT_FALSE(item->isEnabled());
    // ln fails for X <= 0: the surface plots anyway, with no error box.
    PlotSurface(QStringLiteral("ln(X)+Y"));
    TfmSurface& surface = window->SurfaceWindow();
    EXPECT_TRUE(surface.isVisible());
    const DataGrid& grid = surface.Grid();
    ASSERT_EQ(grid.RowCount(), 5);
    ASSERT_EQ(grid.ColumnCount(), 3);
    EXPECT_NEAR(*grid.Cell(4, 2), 2, 1e-12) << "ln(1) + 2";
    EXPECT_EQ(grid.RowLabel(4), FormatReal(window->Session().State().display, 7, 1.0L));
    EXPECT_EQ(surface.View().titles.chart, "f(ln(X)+Y)");
    EXPECT_EQ(surface.View().titles.axis[1], "Z");
    EXPECT_TRUE(item->isEnabled());
    EXPECT_TRUE(Button("bbShowPlots")->isEnabled());

    surface.close();
    item->trigger();
    EXPECT_TRUE(surface.isVisible());
}

TEST_F(PlotHandOverTest, ComplexModeSurfacesShowTheModulusBetweenBars) {
    window->SetShowComp(false);
    window->SetComplexMode(true);
    PlotSurface(QStringLiteral("comp(X,Y)"));
    const TfmSurface& surface = window->SurfaceWindow();
    EXPECT_EQ(surface.View().titles.chart, "|f(comp(X,Y))|");
    // |(-1) + 2i| at the first row's last column.
    EXPECT_NEAR(*surface.Grid().Cell(0, 2), std::sqrt(5.0), 1e-12);
}

}  // namespace
}  // namespace kalvo
