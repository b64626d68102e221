// The surface window where 3D drawing is not available (the offscreen platform): a clear
// message in place of the chart, and every other command working on the data grid.
#include <QAbstractButton>
#include <QColorDialog>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include "display/format_general.h"
#include "plot_window_fixture.h"
#include "ui/data_editor.h"
#include "ui/surface_chart.h"
#include "ui/surface_window.h"

namespace kalvo {
namespace {

class SurfaceWindowTest : public ChartWindowTest {
  protected:
    void SetUp() override {
        ChartWindowTest::SetUp();
        if (SurfaceChart::Available()) {
            GTEST_SKIP() << "3D drawing works here; the chart itself is tested under Xvfb";
        }
        window = std::make_unique<TfmSurface>(dialogs, settings);
    }
    void Plot() { window->ShowSurface(SaddleSamples(11, 7), {"X", "f()", "Y", "f(X*Y/10)"}); }
    /// Sets the view through the properties dialog, as a user would.
    void SetElevation(double elevation) {
        dialogs.onDialog = [elevation](QDialog& dialog) {
            dialog.findChild<QDoubleSpinBox*>("seElevation")->setValue(elevation);
            return QDialog::Accepted;
        };
        Trigger(*window, ChartCommandId::kProperties);
    }

    std::unique_ptr<TfmSurface> window;
};

TEST_F(SurfaceWindowTest, ShowsAClearMessageInPlaceOfTheChart) {
    EXPECT_EQ(window->windowTitle(), "Surface");
    EXPECT_EQ(window->objectName(), "fmSurface");
    Plot();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->Chart().IsDrawn());
    auto* message = window->findChild<QLabel*>("lbNoOpenGL");
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->isVisible());
    EXPECT_TRUE(message->text().contains("OpenGL")) << message->text().toStdString();
    EXPECT_TRUE(message->text().contains("offscreen")) << message->text().toStdString();
}

TEST_F(SurfaceWindowTest, ShowSurfaceFillsTheGridAsTheSamplerHandsItOver) {
    Plot();
    const DataGrid& grid = window->Grid();
    ASSERT_EQ(grid.RowCount(), 11);
    ASSERT_EQ(grid.ColumnCount(), 7);
    EXPECT_EQ(grid.RowLabel(0), "-5");
    EXPECT_EQ(grid.RowLabel(10), "5");
    EXPECT_EQ(grid.ColumnLabel(6), "3");
    const SurfaceSamples samples = SaddleSamples(11, 7);
    for (int i = 0; i < 11; ++i) {
        for (int j = 0; j < 7; ++j) {
            ASSERT_EQ(grid.CellText(i, j), FormatGeneral(samples.Value(i, j), 15)) << i << "," << j;
        }
    }
    const SurfaceView& view = window->View();
    EXPECT_EQ(view.titles.axis, (std::array<std::string, 4>{"X", "f()", "f()", "Y"}));
    EXPECT_EQ(view.titles.chart, "f(X*Y/10)");
    EXPECT_EQ(window->findChild<QLabel*>("lbChartTitle")->text(), "f(X*Y/10)");

    // A second plot replaces the whole surface.
    window->ShowSurface(SaddleSamples(3, 2), {"a", "b", "c", ""});
    EXPECT_EQ(window->Grid().RowCount(), 3);
    EXPECT_EQ(window->Grid().ColumnCount(), 2);
    EXPECT_FALSE(window->findChild<QLabel*>("lbChartTitle")->isVisible());
}

TEST_F(SurfaceWindowTest, IncompleteSamplesAreRefusedWithAMessage) {
    Plot();
    SurfaceSamples broken = SaddleSamples(4, 4);
    broken.rowLabels.pop_back();
    dialogs.messagesExpected = true;
    window->ShowSurface(broken, {"X", "Z", "Y", ""});
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(window->Grid().RowCount(), 11);
}

TEST_F(SurfaceWindowTest, RotationCommandsFollowTheWrapRules) {
    Plot();
    struct Row {
        const char* name;
        double from;
        ChartCommandId command;
        double elevation;
    } rows[] = {
        {"down from 90 gives 0", 90, ChartCommandId::kRotateDown, 0},
        {"up from 0 gives 90", 0, ChartCommandId::kRotateUp, 90},
        {"up from 3 gives 90", 3, ChartCommandId::kRotateUp, 90},
        {"down from 85 gives 90", 85, ChartCommandId::kRotateDown, 90},
        {"up from 5 gives 0", 5, ChartCommandId::kRotateUp, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SetElevation(row.from);
        ASSERT_EQ(window->View().elevation, row.from);
        Trigger(*window, row.command);
        EXPECT_EQ(window->View().elevation, row.elevation);
    }
    const double rotation = window->View().rotation;
    Trigger(*window, ChartCommandId::kRotateLeft);
    EXPECT_EQ(window->View().rotation, rotation + 5);
    for (int i = 0; i < 100; ++i) {
        Trigger(*window, ChartCommandId::kRotateRight);
    }
    EXPECT_EQ(window->View().rotation, rotation + 5 - 500);  // no bounds on the rotation
}

TEST_F(SurfaceWindowTest, GridTogglesFlipTheirTwoAxesEachOnItsOwn) {
    Plot();
    Trigger(*window, ChartCommandId::kHorizontalGrid);
    AxisGrids expected;
    expected.Toggle({1, 2});
    EXPECT_EQ(window->View().grids, expected);
    Trigger(*window, ChartCommandId::kPedestalGrid);
    expected.Toggle({0, 3});
    EXPECT_EQ(window->View().grids, expected);

    dialogs.onDialog = [](QDialog& dialog) {
        dialog.findChild<QAbstractButton*>("chGridY2")->setChecked(true);
        return QDialog::Accepted;
    };
    Trigger(*window, ChartCommandId::kProperties);
    Trigger(*window, ChartCommandId::kHorizontalGrid);
    EXPECT_TRUE(window->View().grids.Shown(1));
    EXPECT_FALSE(window->View().grids.Shown(2));
    EXPECT_FALSE(window->View().grids.Shown(0));
    EXPECT_FALSE(window->View().grids.Shown(3));
}

TEST_F(SurfaceWindowTest, PictureCommandsExplainWhyThereIsNoPicture) {
    Plot();
    QString error;
    EXPECT_FALSE(window->SavePicture(Path("surface.png"), &error));
    EXPECT_TRUE(error.startsWith("The surface cannot be drawn here: ")) << error.toStdString();
    EXPECT_FALSE(QFile::exists(Path("surface.png")));

    dialogs.messagesExpected = true;
    dialogs.onSaveFile = [this](const QString&) { return Path("surface.BMP"); };
    QApplication::clipboard()->setText("the user's text");
    for (ChartCommandId id : {ChartCommandId::kSaveBmp, ChartCommandId::kSavePng,
                              ChartCommandId::kCopy, ChartCommandId::kPrint}) {
        Trigger(*window, id);  // the print dialog is not even opened: onPrint is not set
    }
    ASSERT_EQ(dialogs.messages.size(), 4u);
    for (const QString& message : dialogs.messages) {
        EXPECT_EQ(message, error);
    }
    EXPECT_EQ(QApplication::clipboard()->text(), "the user's text");
}

TEST_F(SurfaceWindowTest, DataEditorPasteLegendAndPropertiesWorkOnTheGrid) {
    Plot();
    QApplication::clipboard()->setText("\t0\t1\n0\t1\t2\n1\t3\t4\n2\t5\t6\n");
    Trigger(*window, ChartCommandId::kPaste);
    EXPECT_EQ(window->Grid().RowCount(), 3);
    EXPECT_EQ(window->Grid().Cell(2, 1), 6);

    dialogs.onDialog = [](QDialog& dialog) {
        auto& editor = dynamic_cast<DataEditor&>(dialog);
        editor.Model().setData(editor.Model().index(1, 1), "-7.25", Qt::EditRole);
        return QDialog::Accepted;
    };
    Trigger(*window, ChartCommandId::kEditData);
    EXPECT_EQ(window->Grid().Cell(0, 0), -7.25);

    Trigger(*window, ChartCommandId::kLegend);
    EXPECT_TRUE(window->View().showLegend);
    EXPECT_TRUE(window->findChild<QWidget*>("SurfaceLegend")->isVisible());
    Trigger(*window, ChartCommandId::kLegend);
    EXPECT_FALSE(window->findChild<QWidget*>("SurfaceLegend")->isVisible());

    dialogs.onDialog = [](QDialog& dialog) {
        if (auto* colors = dynamic_cast<QColorDialog*>(&dialog)) {
            colors->setCurrentColor(QColor(255, 128, 0));
            return QDialog::Accepted;
        }
        dialog.findChild<QDoubleSpinBox*>("seWallWidth")->setValue(25.4);
        dialog.findChild<QLineEdit*>("edZTitle")->setText("depth");
        dialog.findChild<QAbstractButton*>("bbElevationColor")->click();
        return QDialog::Accepted;
    };
    Trigger(*window, ChartCommandId::kProperties);
    EXPECT_EQ(RgbFromStoredColor(window->View().elevationColor), (Rgb{255, 128, 0}));
    EXPECT_EQ(window->View().wallWidth, 25.4);
    EXPECT_EQ(window->View().titles.axis[3], "depth");
    window->SaveSettings();
    EXPECT_EQ(settings.elevationColor, 0x0080FF);
    EXPECT_EQ(settings.wallWidth, 25);
}

TEST_F(SurfaceWindowTest, StoredColourAndWallWidthAreTakenWithinTheirRanges) {
    struct Row {
        int color;
        int wall;
        int viewColor;
        double viewWall;
    } rows[] = {
        {0x123456, 40, 0x123456, 40},
        {-1, -3, kDefaultElevationColor, 0},
        {0x1000000, 500, kDefaultElevationColor, kMaxWallWidth},
    };
    for (const Row& row : rows) {
        settings.elevationColor = row.color;
        settings.wallWidth = row.wall;
        TfmSurface surface(dialogs, settings);
        EXPECT_EQ(surface.View().elevationColor, row.viewColor);
        EXPECT_EQ(surface.View().wallWidth, row.viewWall);
    }
}

}  // namespace
}  // namespace kalvo
