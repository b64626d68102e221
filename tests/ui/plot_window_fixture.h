#pragma once

#include <cmath>
#include <functional>
#include <string>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QColor>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "frontend/settings.h"
#include "plot/curve_sampler.h"
#include "plot/grid_sampler.h"
#include "ui/chart_window.h"
#include "ui/fake_dialogs.h"

namespace kalvo {

/// Samples of r = sin(k·θ) over a full turn in `points` steps, as the polar sampler hands
/// them over.
inline PolarSamples RoseSamples(int points, int k) {
    PolarSamples samples;
    for (int i = 0; i < points; ++i) {
        const Real degrees = 360.0L * i / (points - 1);
        samples.angles.push_back(degrees);
        samples.radii.push_back(std::sin(k * degrees * 3.14159265358979323846L / 180));
    }
    return samples;
}

/// Samples of z = x·y/10 over a grid, labelled with the plain coordinates.
inline SurfaceSamples SaddleSamples(int rows, int columns) {
    SurfaceSamples samples;
    samples.rows = rows;
    samples.columns = columns;
    for (int i = 0; i < rows; ++i) {
        samples.x.push_back(-5 + i);
        samples.rowLabels.push_back(std::to_string(-5 + i));
    }
    for (int j = 0; j < columns; ++j) {
        samples.y.push_back(-3 + j);
        samples.columnLabels.push_back(std::to_string(-3 + j));
    }
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j) {
            samples.values.push_back(samples.x[static_cast<std::size_t>(i)] *
                                     samples.y[static_cast<std::size_t>(j)] / 10);
        }
    }
    return samples;
}

/// The number of pixels for which `match` holds.
inline int CountPixels(const QImage& image, const std::function<bool(const QColor&)>& match) {
    int count = 0;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            count += match(QColor::fromRgb(rgb.pixel(x, y))) ? 1 : 0;
        }
    }
    return count;
}

/// A saturated colour whose hue lies within 20 degrees of `hue` (shades of one fill).
inline bool HueNear(const QColor& color, int hue) {
    return color.hsvSaturation() > 100 && color.value() > 60 &&
           std::abs(color.hsvHue() - hue) <= 20;
}

/// A window of the surface or polar kind with its own settings and dialogs, and a
/// temporary folder for the files it writes.
class ChartWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QApplication::clipboard()->clear();
    }
    QString Path(const char* name) const { return dir.path() + "/" + QString::fromLatin1(name); }
    static void Trigger(ChartWindow& window, ChartCommandId id) {
        QAction* action = window.Action(id);
        ASSERT_NE(action, nullptr);
        action->trigger();
    }

    Settings settings;
    FakeDialogs dialogs;
    QTemporaryDir dir;
};

}  // namespace kalvo
