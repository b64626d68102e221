#include "ui/plot_screenshots.h"

#include <string>

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "ui/chart/chart_properties_dialog.h"
#include "ui/chart_properties.h"
#include "ui/contour_window.h"
#include "ui/data_editor.h"
#include "ui/graphics_tab.h"
#include "ui/main_window.h"
#include "ui/plot2d_window.h"
#include "ui/polar_window.h"
#include "ui/surface_chart.h"
#include "ui/surface_window.h"

namespace kalvo {

namespace {

bool Save(QWidget& widget, const QString& path) {
    QApplication::processEvents();
    return widget.grab().save(path);
}

bool Save(const QImage& picture, const QString& path) {
    return !picture.isNull() && picture.save(path);
}

/// A dialog's picture: shown for the moment it is taken.
bool SaveShown(QWidget& widget, const QString& path) {
    widget.show();
    const bool saved = Save(widget, path);
    widget.hide();
    return saved;
}

void SetField(TfmCalc& window, const char* name, const char* text) {
    window.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
}

void SetRange(TfmCalc& window, const std::string& axis, const char* from, const char* to,
              const char* steps) {
    SetField(window, ("edFrom" + axis).c_str(), from);
    SetField(window, ("edTo" + axis).c_str(), to);
    SetField(window, ("edSteps" + axis).c_str(), steps);
}

void Plot(TfmCalc& window, const char* function, PlotType type) {
    auto* input = window.findChild<QLineEdit*>("Edit1");
    input->setText(QString::fromLatin1(function));
    input->setModified(true);
    window.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(TfmCalc::kGraphicsTab);
    window.Graphics().ChooseType(type);
}

}  // namespace

bool RenderPlotScreenshots(TfmCalc& window, DialogService& dialogs, const QString& dir,
                           const QString& prefix) {
    bool ok = true;
    const QString base = dir + "/" + prefix;
    CalculatorSession& session = window.Session();
    const int angle = session.AngleUnit();
    session.SetAngle(0);  // the sample functions are written for radians
    static const char* const typeNames[kPlotTypeCount] = {"curve", "contour", "shade", "surface",
                                                          "polar"};
    Plot(window, "sin(X)*cos(Y)", PlotType::kCurve);
    for (int t = 0; t < kPlotTypeCount; ++t) {
        window.Graphics().ChooseType(static_cast<PlotType>(t));
        ok = Save(window, base + "graphics-" + typeNames[t] + ".png") && ok;
    }

    // Three curves in the 2D window.
    const char* curves[] = {"sin(X)*exp(-X/10)", "cos(X)/2", "X^2/200-0.5"};
    for (const char* curve : curves) {
        Plot(window, curve, PlotType::kCurve);
        SetRange(window, "X", "-10", "30", "400");
        window.Graphics().SetTitle(QStringLiteral("Damped waves"));
        window.PlotClick();
    }
    TfmPlot2D& plot2D = window.Plot2DWindow();
    plot2D.resize(760, 520);
    ok = Save(plot2D, base + "plot-2d.png") && ok;

    ChartPropertiesDialog properties(plot2D.Chart().Properties(), dialogs, &plot2D);
    ok = SaveShown(properties, base + "plot-properties.png") && ok;
    plot2D.hide();

    // A contour map, then a shading, in the contour window.
    TfmContourPlot& contour = window.ContourWindow();
    contour.resize(760, 560);
    const struct {
        const char* function;
        PlotType type;
        const char* file;
    } maps[] = {{"X^2-Y^2", PlotType::kContour, "plot-contour.png"},
                {"sin(X)*cos(Y)", PlotType::kShade, "plot-shade.png"}};
    for (const auto& map : maps) {
        Plot(window, map.function, map.type);
        SetRange(window, "X", "-3", "3", "61");
        SetRange(window, "Y", "-3", "3", "61");
        SetField(window, "edNumCont", "12");
        window.PlotClick();
        ok = Save(contour, base + map.file) && ok;
    }
    contour.hide();

    // A surface, with its data editor and properties; its picture needs OpenGL.
    Plot(window, "sin(X)*cos(Y)", PlotType::kSurface);
    SetRange(window, "X", "-3", "3", "31");
    SetRange(window, "Y", "-3", "3", "31");
    TfmSurface& surface = window.SurfaceWindow();
    surface.resize(720, 540);
    window.PlotClick();
    QApplication::processEvents();
    if (SurfaceChart::Available()) {
        ok = Save(surface.Snapshot(), base + "plot-surface.png") && ok;
    }
    DataEditor editor(surface.Grid(), &surface);
    ok = SaveShown(editor, base + "dialog-plot-data.png") && ok;
    SurfaceProperties surfaceProperties(dialogs, surface.View(), &surface);
    ok = SaveShown(surfaceProperties, base + "dialog-surface-properties.png") && ok;
    surface.hide();

    // Two polar curves, a rose and a cardioid.
    TfmPolar& polar = window.PolarWindow();
    polar.resize(640, 520);
    for (const char* curve : {"sin(4*X)", "(1+cos(X))/2"}) {
        Plot(window, curve, PlotType::kPolar);
        SetRange(window, "X", "0", "360", "361");
        window.PlotClick();
    }
    ok = Save(polar, base + "plot-polar.png") && ok;
    PolarProperties polarProperties(dialogs, polar.View(), polar.Grid(), &polar);
    ok = SaveShown(polarProperties, base + "dialog-polar-properties.png") && ok;
    polar.hide();
    session.SetAngle(angle);
    return ok;
}

}  // namespace kalvo
