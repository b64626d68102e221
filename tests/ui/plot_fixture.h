#pragma once

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QTabWidget>

#include <qcustomplot.h>

#include "main_window_fixture.h"
#include "ui/graphics_tab.h"
#include "ui/plot2d_window.h"

namespace kalvo {

/// The main window with helpers that plot as a user does: type the function, open the
/// Graphics tab, choose the type and the ranges, press OK.
class PlotTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        tabs = Find<QTabWidget>("PageControl1");
    }
    void TearDown() override { MainWindowTest::TearDown(); }

    QLineEdit* Field(const char* name) { return Find<QLineEdit>(name); }
    static void Type(QLineEdit* field, const QString& text) {
        field->selectAll();
        field->del();
        field->insert(text);
    }
    /// Types the function into the input line and opens the Graphics tab on `type`.
    void OpenGraphics(const QString& function, PlotType type) {
        edit1->setText(function);
        edit1->setModified(true);
        tabs->setCurrentIndex(TfmCalc::kGraphicsTab);
        Choice("rgPlot", static_cast<int>(type))->click();
    }
    void SetX(const char* from, const char* to, const char* steps) {
        Type(Field("edFromX"), QString::fromLatin1(from));
        Type(Field("edToX"), QString::fromLatin1(to));
        Type(Field("edStepsX"), QString::fromLatin1(steps));
    }
    void PressOk() { Button("bbOK")->click(); }
    /// Plots an f(X) curve over [from, to] with `steps` points.
    void PlotCurve(const QString& function, const char* from = "-10", const char* to = "10",
                   const char* steps = "200") {
        OpenGraphics(function, PlotType::kCurve);
        SetX(from, to, steps);
        PressOk();
    }
    TPlot& Chart2D() { return window->Plot2DWindow().Chart(); }

    /// Pixels that differ from the picture's most common corner colour.
    static int InkPixels(const QImage& image) {
        const QRgb background = image.pixel(0, 0);
        int ink = 0;
        for (int y = 0; y < image.height(); y += 2) {
            for (int x = 0; x < image.width(); x += 2) {
                ink += image.pixel(x, y) != background;
            }
        }
        return ink;
    }

    QTabWidget* tabs = nullptr;
};

}  // namespace kalvo
