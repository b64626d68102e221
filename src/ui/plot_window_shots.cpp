#include "ui/plot_window_shots.h"

#include <QApplication>

#include "plot/curve_sampler.h"
#include "plot/grid_sampler.h"
#include "ui/chart_properties.h"
#include "ui/data_editor.h"
#include "ui/main_window.h"
#include "ui/polar_window.h"
#include "ui/surface_window.h"

namespace kalvo {

namespace {

bool Save(const QImage& picture, const QString& path) {
    return !picture.isNull() && picture.save(path);
}

bool SaveWidget(QWidget& widget, const QString& path) {
    widget.show();
    QApplication::processEvents();
    const bool saved = Save(widget.grab().toImage(), path);
    widget.hide();
    return saved;
}

}  // namespace

bool RenderPlotWindowShots(TfmCalc& window, DialogService& dialogs, const QString& dir,
                           const QString& prefix) {
    CalculatorSession& session = window.Session();
    const int angle = session.AngleUnit();
    session.SetAngle(0);  // the sample functions are written for radians
    const SurfaceSamples surface = SampleSurface(session, "sin(X)*cos(Y)", {-3, 3, 31}, {-3, 3, 31},
                                                 PointEvaluator::Mode::kReal);
    const PolarSamples rose = SamplePolar(session, "sin(4*X)", {0, 360, 361});
    const PolarSamples cardioid = SamplePolar(session, "(1+cos(X))/2", {0, 360, 361});
    session.SetAngle(angle);

    bool ok = true;
    TfmSurface& surfaceWindow = window.SurfaceWindow();
    surfaceWindow.resize(720, 540);
    surfaceWindow.ShowSurface(surface, {"X", "Z", "Y", "f(sin(X)*cos(Y))"});
    QApplication::processEvents();
    ok = Save(surfaceWindow.Snapshot(), dir + "/" + prefix + "plot-surface.png") && ok;

    DataEditor editor(surfaceWindow.Grid(), &surfaceWindow);
    ok = SaveWidget(editor, dir + "/" + prefix + "dialog-plot-data.png") && ok;
    SurfaceProperties surfaceProperties(dialogs, surfaceWindow.View(), &surfaceWindow);
    ok = SaveWidget(surfaceProperties, dir + "/" + prefix + "dialog-surface-properties.png") && ok;
    surfaceWindow.hide();

    TfmPolar& polarWindow = window.PolarWindow();
    polarWindow.resize(640, 520);
    polarWindow.AddCurve(rose, "f(sin(4*X))", "X", "Y");
    polarWindow.AddCurve(cardioid, "f((1+cos(X))/2)", "X", "Y");
    QApplication::processEvents();
    ok = Save(polarWindow.grab().toImage(), dir + "/" + prefix + "plot-polar.png") && ok;
    PolarProperties polarProperties(dialogs, polarWindow.View(), polarWindow.Grid(), &polarWindow);
    ok = SaveWidget(polarProperties, dir + "/" + prefix + "dialog-polar-properties.png") && ok;
    polarWindow.hide();
    return ok;
}

}  // namespace kalvo
