// The help pages of plotting: the Graphics tab's page follows the plot type, and each plot
// window opens its own page from F1 and from its Help menu.
#include <QMenu>
#include <QMenuBar>

#include "plot_fixture.h"
#include "ui/contour_window.h"
#include "ui/help_contexts.h"
#include "ui/polar_window.h"
#include "ui/surface_window.h"

namespace kalvo {
namespace {

class PlotHelpTest : public PlotTest {
  protected:
    /// The Help menu's item of a window.
    static QAction* HelpItem(QWidget& plotWindow) {
        for (QMenu* menu : plotWindow.findChild<QMenuBar*>()->findChildren<QMenu*>()) {
            if (menu->title() == QStringLiteral("&Help")) {
                for (QAction* item : menu->actions()) {
                    if (item->text() == QStringLiteral("&Help")) {
                        return item;
                    }
                }
            }
        }
        return nullptr;
    }
};

TEST_F(PlotHelpTest, TheGraphicsTabsHelpFollowsThePlotType) {
    const struct {
        PlotType type;
        int context;
    } rows[] = {
        {PlotType::kCurve, kHelpCurvePlot},    {PlotType::kContour, kHelpContourSetup},
        {PlotType::kShade, kHelpShadingSetup}, {PlotType::kSurface, kHelpSurfaceSetup},
        {PlotType::kPolar, kHelpPolarSetup},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.type));
        dialogs.helpContexts.clear();
        OpenGraphics(QStringLiteral("X*Y"), row.type);
        Button("bbGraphicsHelp")->click();
        Field("edFromX")->setFocus();
        QTest::keyClick(Field("edFromX"), Qt::Key_F1);
        EXPECT_EQ(dialogs.helpContexts, (std::vector<int>{row.context, row.context}));
    }
    // Elsewhere F1 still explains the calculator.
    dialogs.helpContexts.clear();
    tabs->setCurrentIndex(TfmCalc::kCalculatorTab);
    QTest::keyClick(edit1, Qt::Key_F1);
    EXPECT_EQ(dialogs.helpContexts, (std::vector<int>{kHelpCalculator}));
}

TEST_F(PlotHelpTest, EachPlotWindowOpensItsOwnPageFromF1AndTheHelpMenu) {
    const struct {
        const char* name;
        QWidget* window;
        int context;
    } rows[] = {
        {"2D", &window->Plot2DWindow(), kHelpPlot2DWindow},
        {"contour", &window->ContourWindow(), kHelpContourPlotWindow},
        {"surface", &window->SurfaceWindow(), kHelpSurfaceWindow},
        {"polar", &window->PolarWindow(), kHelpPolarWindow},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        dialogs.helpContexts.clear();
        row.window->show();
        QApplication::setActiveWindow(row.window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(row.window));
        QTest::keyClick(row.window, Qt::Key_F1);
        QAction* item = HelpItem(*row.window);
        ASSERT_NE(item, nullptr);
        item->trigger();
        EXPECT_EQ(dialogs.helpContexts, (std::vector<int>{row.context, row.context}));
        row.window->hide();
    }
}

}  // namespace
}  // namespace kalvo
