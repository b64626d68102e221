#include "ui/plot_screenshots.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "ui/chart/chart_properties_dialog.h"
#include "ui/graphics_tab.h"
#include "ui/main_window.h"
#include "ui/plot2d_window.h"
#include "ui/silent_dialogs.h"

namespace kalvo {

namespace {

bool Save(QWidget& widget, const QString& path) {
    QApplication::processEvents();
    return widget.grab().save(path);
}

void SetField(TfmCalc& window, const char* name, const char* text) {
    window.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
}

void Plot(TfmCalc& window, const char* function, PlotType type) {
    auto* input = window.findChild<QLineEdit*>("Edit1");
    input->setText(QString::fromLatin1(function));
    input->setModified(true);
    window.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(TfmCalc::kGraphicsTab);
    window.Graphics().ChooseType(type);
}

}  // namespace

bool RenderPlotScreenshots(TfmCalc& window, const QString& dir, const QString& prefix) {
    bool ok = true;
    const QString base = dir + "/" + prefix;
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
        SetField(window, "edFromX", "-10");
        SetField(window, "edToX", "30");
        SetField(window, "edStepsX", "400");
        window.Graphics().SetTitle(QStringLiteral("Damped waves"));
        window.PlotClick();
    }
    TfmPlot2D& plot2D = window.Plot2DWindow();
    plot2D.resize(760, 520);
    ok = Save(plot2D, base + "plot-2d.png") && ok;

    SilentDialogs dialogs;
    ChartPropertiesDialog properties(plot2D.Chart().Properties(), dialogs, &plot2D);
    properties.show();
    ok = Save(properties, base + "plot-properties.png") && ok;
    properties.hide();
    plot2D.hide();
    return ok;
}

}  // namespace kalvo
