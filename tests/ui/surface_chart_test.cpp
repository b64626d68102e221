// The surface window with its 3D chart, on a display with OpenGL (run under Xvfb): what
// the commands do to the drawn chart, and the pictures it saves.
#include <QAbstractButton>
#include <QColorDialog>
#include <QDoubleSpinBox>
#include <QLabel>

#include "plot_window_fixture.h"
#include "ui/surface_chart.h"
#include "ui/surface_window.h"

namespace kalvo {
namespace {

bool Cyan(const QColor& color) {
    return HueNear(color, 180);
}

int DifferentPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return a.width() * a.height();
    }
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
    }
    return count;
}

class SurfaceChartTest : public ChartWindowTest {
  protected:
    void SetUp() override {
        ChartWindowTest::SetUp();
        QString reason;
        if (!SurfaceChart::Available(&reason)) {
            GTEST_SKIP() << "no OpenGL here: " << reason.toStdString();
        }
        window = std::make_unique<TfmSurface>(dialogs, settings);
        window->ShowSurface(SaddleSamples(21, 15), {"X", "Z", "Y", "f(X*Y/10)"});
        QApplication::processEvents();
    }
    SurfaceChart& Chart() { return window->Chart(); }

    std::unique_ptr<TfmSurface> window;
};

TEST_F(SurfaceChartTest, DrawsTheSurfaceInTheFreshCyanWithWallsAndTitles) {
    ASSERT_TRUE(Chart().IsDrawn());
    EXPECT_FALSE(window->findChild<QLabel*>("lbNoOpenGL")->isVisible());
    EXPECT_EQ(Chart().DrawnFillColor(), QColor(0, 255, 255));
    EXPECT_EQ(Chart().WallCount(), 3);
    EXPECT_EQ(Chart().AxisTitle(0), "X");
    EXPECT_EQ(Chart().AxisTitle(1), "Z");
    EXPECT_EQ(Chart().AxisTitle(3), "Y");
}

TEST_F(SurfaceChartTest, SavedPicturesAreRealImagesOfTheSurface) {
    struct Row {
        const char* file;
        const char* format;
    } rows[] = {{"surface.png", "PNG"}, {"surface.BMP", "BMP"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        const QString path = Path(row.file);
        QString error;
        ASSERT_TRUE(window->SavePicture(path, &error)) << error.toStdString();
        QImage saved;
        ASSERT_TRUE(saved.load(path, row.format));
        EXPECT_EQ(saved.size(), Chart().size());
        // The filled surface covers a good part of the picture in shades of cyan.
        const int cyan = CountPixels(saved, Cyan);
        EXPECT_GT(cyan, saved.width() * saved.height() / 20) << cyan;
    }
    // Hidden, the window still draws its picture, at the default size.
    window->hide();
    QString error;
    ASSERT_TRUE(window->SavePicture(Path("hidden.png"), &error)) << error.toStdString();
    QImage hidden(Path("hidden.png"));
    EXPECT_EQ(hidden.size(), QSize(640, 480));
    EXPECT_GT(CountPixels(hidden, Cyan), 640 * 480 / 20);
}

TEST_F(SurfaceChartTest, AnotherFillColourIsWhatThePictureShows) {
    dialogs.onDialog = [](QDialog& dialog) {
        auto* colors = dynamic_cast<QColorDialog*>(&dialog);
        if (colors) {
            colors->setCurrentColor(QColor(255, 0, 0));
            return QDialog::Accepted;
        }
        dialog.findChild<QAbstractButton*>("bbElevationColor")->click();
        return QDialog::Accepted;
    };
    Trigger(*window, ChartCommandId::kProperties);
    EXPECT_EQ(Chart().DrawnFillColor(), QColor(255, 0, 0));
    const QImage picture = Chart().Render(QSize(400, 300));
    EXPECT_EQ(CountPixels(picture, Cyan), 0);
    EXPECT_GT(CountPixels(picture, [](const QColor& c) { return HueNear(c, 0); }), 400 * 300 / 20);
}

TEST_F(SurfaceChartTest, RotationCommandsTurnTheCamera) {
    struct Row {
        ChartCommandId command;
        double rotation;
        double elevation;
    } rows[] = {
        {ChartCommandId::kRotateLeft, 35, 30},  {ChartCommandId::kRotateRight, 30, 30},
        {ChartCommandId::kRotateRight, 25, 30}, {ChartCommandId::kRotateDown, 25, 35},
        {ChartCommandId::kRotateUp, 25, 30},
    };
    for (const Row& row : rows) {
        Trigger(*window, row.command);
        EXPECT_EQ(window->View().rotation, row.rotation);
        EXPECT_EQ(window->View().elevation, row.elevation);
        EXPECT_FLOAT_EQ(Chart().CameraRotation(), static_cast<float>(row.rotation));
        EXPECT_FLOAT_EQ(Chart().CameraElevation(), static_cast<float>(row.elevation));
    }
    // Past half a turn the camera wraps while the view's rotation keeps counting.
    for (int i = 0; i < 40; ++i) {
        Trigger(*window, ChartCommandId::kRotateLeft);
    }
    EXPECT_EQ(window->View().rotation, 225);
    EXPECT_FLOAT_EQ(Chart().CameraRotation(), -135);
    // Elevation 90 wraps to 0 on the next step down, in the view and the camera.
    for (int i = 0; i < 12; ++i) {
        Trigger(*window, ChartCommandId::kRotateDown);
    }
    EXPECT_EQ(window->View().elevation, 90);
    Trigger(*window, ChartCommandId::kRotateDown);
    EXPECT_EQ(window->View().elevation, 0);
    EXPECT_FLOAT_EQ(Chart().CameraElevation(), 0);
}

TEST_F(SurfaceChartTest, GridTogglesSwitchTheDrawnGridsOfTheirAxes) {
    for (int axis = 0; axis < kAxisCount; ++axis) {
        EXPECT_TRUE(Chart().AxisGridDrawn(axis)) << axis;
    }
    Trigger(*window, ChartCommandId::kHorizontalGrid);
    EXPECT_TRUE(Chart().AxisGridDrawn(0));
    EXPECT_FALSE(Chart().AxisGridDrawn(1));
    EXPECT_TRUE(Chart().AxisGridDrawn(3));
    Trigger(*window, ChartCommandId::kPedestalGrid);
    EXPECT_FALSE(Chart().AxisGridDrawn(0));
    EXPECT_FALSE(Chart().AxisGridDrawn(3));
    EXPECT_FALSE(Chart().AxisGridDrawn(1));
    Trigger(*window, ChartCommandId::kHorizontalGrid);
    EXPECT_TRUE(Chart().AxisGridDrawn(1));
    EXPECT_FALSE(Chart().AxisGridDrawn(0));

    // The drawn picture changes with each grid and comes back when it is back.
    const QImage before = Chart().Render(QSize(500, 400));
    for (ChartCommandId id : {ChartCommandId::kHorizontalGrid, ChartCommandId::kPedestalGrid}) {
        Trigger(*window, id);
        const QImage toggled = Chart().Render(QSize(500, 400));
        EXPECT_GT(DifferentPixels(before, toggled), 100) << static_cast<int>(id);
        Trigger(*window, id);
        EXPECT_EQ(DifferentPixels(before, Chart().Render(QSize(500, 400))), 0);
    }
}

TEST_F(SurfaceChartTest, WallWidthZeroRemovesTheWalls) {
    dialogs.onDialog = [](QDialog& dialog) {
        dialog.findChild<QDoubleSpinBox*>("seWallWidth")->setValue(0);
        return QDialog::Accepted;
    };
    Trigger(*window, ChartCommandId::kProperties);
    EXPECT_EQ(Chart().WallCount(), 0);
}

TEST_F(SurfaceChartTest, SnapshotShowsTheChartInsideTheWindow) {
    const QImage snapshot = window->Snapshot();
    EXPECT_EQ(snapshot.size(), window->size() * snapshot.devicePixelRatio());
    EXPECT_GT(CountPixels(snapshot, Cyan), snapshot.width() * snapshot.height() / 30);
}

}  // namespace
}  // namespace kalvo
