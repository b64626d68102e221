// The main window's plotting: the Graphics tab's OK button samples the input line's
// function and hands the samples to the plot windows; the "Show plots" button's menu
// brings the windows back.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

#include "frontend/field_evaluation.h"
#include "plot/curve_sampler.h"
#include "plot/graphics_layout.h"
#include "plot/grid_sampler.h"
#include "plot/plot_setup.h"
#include "plot/point_evaluator.h"
#include "ui/contour_window.h"
#include "ui/dialog_service.h"
#include "ui/engine_text.h"
#include "ui/evaluation_scope.h"
#include "ui/graphics_tab.h"
#include "ui/main_window.h"
#include "ui/plot2d_window.h"
#include "ui/polar_window.h"
#include "ui/surface_window.h"

namespace kalvo {

namespace {

/// The progress figure goes to the tab's progress bar.
SamplingHooks GaugeHooks(QProgressBar* gauge) {
    SamplingHooks hooks;
    hooks.progress = [gauge](int percent) { gauge->setValue(percent); };
    return hooks;
}

/// Shows a plot window (again) in front.
void Present(QWidget* window) {
    window->show();
    window->raise();
}

}  // namespace

void TfmCalc::BuildPlotting() {
    connect(m_graphicsTab, &GraphicsTab::OkClicked, this, &TfmCalc::PlotClick);
    m_graphicsTab->SetInputSource([this] { return InputText(); });
    connect(m_graphicsTab, &GraphicsTab::TypeChosen, this,
            [this](PlotType type) { PlotTypeChosen(static_cast<int>(type)); });

    // The plot windows live as long as the main window; closing them only hides them.
    m_plot2D = new TfmPlot2D(m_dialogs, m_settings, this);
    m_contour = new TfmContourPlot(m_dialogs, m_settings, this);
    m_polar = new TfmPolar(m_dialogs, m_settings, this);
    m_surface = new TfmSurface(m_dialogs, m_settings, this);

    m_plotsMenu = new QMenu(this);
    m_plotsMenu->setObjectName("pmPlots");
    QAction* plot2D = m_plotsMenu->addAction(tr("&Plot f(X)"));
    plot2D->setObjectName("miPlot2D");
    QAction* contour = m_plotsMenu->addAction(tr("Plot &f(X,Y)"));
    contour->setObjectName("miContourPlot");
    QAction* surface = m_plotsMenu->addAction(tr("&3D-Plot f(X,Y)"));
    surface->setObjectName("miSurface");
    for (QAction* item : {plot2D, contour, surface}) {
        item->setEnabled(false);
    }
    connect(plot2D, &QAction::triggered, this, [this] {
        if (m_plot2D->WasShown()) {
            Present(m_plot2D);
        }
    });
    connect(contour, &QAction::triggered, this, [this] { Present(m_contour); });
    connect(surface, &QAction::triggered, this, [this] { Present(m_surface); });
    connect(m_plot2D, &PlotWindow::Shown, this, [this, plot2D] { PlotWindowShown(plot2D); });
    connect(m_contour, &PlotWindow::Shown, this, [this, contour] { PlotWindowShown(contour); });
    connect(m_surface, &ChartWindow::Shown, this, [this, surface] { PlotWindowShown(surface); });
    connect(m_showPlots, &QPushButton::clicked, this, [this] {
        m_plotsMenu->popup(m_showPlots->mapToGlobal(QPoint(0, m_showPlots->height())));
    });
}

void TfmCalc::PlotWindowShown(QAction* item) {
    item->setEnabled(true);
    m_showPlots->setEnabled(true);
}

void TfmCalc::PlotTypeChosen(int type) {
    const auto plotType = static_cast<PlotType>(type);
    ShowAssistantText(QString::fromLatin1(PlotTypeData(plotType).hint));
    if (LayoutFor(plotType).lowersPrecision) {
        m_session.State().integralPrecision = kGridIntegralPrecision;
    }
}

void TfmCalc::SavePlotSettings() {
    m_graphicsTab->StoreSettings();
    m_plot2D->SaveSettings();
    m_plot2D->hide();
    m_contour->SaveSettings();
    m_contour->hide();
    m_polar->SaveSettings();
    m_surface->SaveSettings();
}

void TfmCalc::PlotClick() {
    if (m_evaluating) {
        return;
    }
    const PlotType type = m_graphicsTab->Type();
    const PlotSetupCheck check = CheckPlotSetup(m_graphicsTab->Texts(), type);
    if (!check.ok) {
        if (!check.message.empty()) {
            m_dialogs.MessageBox(this, DialogService::Icon::kError, tr("Kalvo"),
                                 FromEngine(check.message));
        }
        m_graphicsTab->FocusField(check.field);
        return;
    }
    m_graphicsTab->SetKeptExaggeration(check.setup.exaggeration);
    const std::string text = InputText();
    switch (type) {
        case PlotType::kCurve:
            PlotCurve(check.setup, text);
            break;
        case PlotType::kContour:
        case PlotType::kShade:
            PlotGrid(check.setup, text, type == PlotType::kShade);
            break;
        case PlotType::kSurface:
            PlotSurface(check.setup, text);
            break;
        case PlotType::kPolar:
            PlotPolar(check.setup, text);
            break;
    }
}

void TfmCalc::PlotCurve(const PlotSetup& setup, const std::string& text) {
    QProgressBar* gauge = m_graphicsTab->Gauge();
    m_graphicsTab->SetLegend(FromEngine(FunctionCaption(text)));
    CurveSamples samples;
    {
        EvaluationScope scope(*this);
        samples = SampleCurve(m_session, text, setup.XAxis(), GaugeHooks(gauge));
    }
    if (samples.failed) {
        PlotFailed(text, samples.failure);
        return;
    }
    CurveTitles titles;
    titles.legend = m_graphicsTab->Legend();
    titles.description = FromEngine(CurveDescription(text));
    titles.title = m_graphicsTab->Title();
    titles.x = m_graphicsTab->XName();
    titles.y = m_graphicsTab->YName();
    titles.color = m_graphicsTab->TakeChosenColor();
    m_plot2D->AddCurve(samples, titles);
    Present(m_plot2D);
    PlotDone(text);
}

void TfmCalc::PlotGrid(const PlotSetup& setup, const std::string& text, bool shade) {
    GridSamples samples;
    {
        EvaluationScope scope(*this);
        samples = SampleGrid(m_session, text, setup.XAxis(), setup.YAxis(),
                             GridSamplingMode(m_session.ComplexMode()),
                             GaugeHooks(m_graphicsTab->Gauge()));
    }
    if (samples.failed) {
        // The map of the last plot stays; grids sample at the usual precision again.
        m_session.State().integralPrecision = kNormalIntegralPrecision;
        PlotFailed(text, samples.failure);
        return;
    }
    GridTitles titles;
    titles.title =
        FromEngine(ModulusTitle(ToEngine(m_graphicsTab->Title()), m_session.ComplexMode()));
    titles.x = m_graphicsTab->XName();
    titles.y = m_graphicsTab->YName();
    titles.description = FromEngine(text);
    Present(m_contour);
    {
        EvaluationScope scope(*this);  // the hourglass while the layer is traced
        m_contour->ShowGrid(samples, shade, setup.contours, static_cast<double>(setup.exaggeration),
                            titles);
    }
    PlotDone(text);
}

void TfmCalc::PlotSurface(const PlotSetup& setup, const std::string& text) {
    m_surface->hide();
    SurfaceSamples samples;
    {
        EvaluationScope scope(*this);
        samples = SampleSurface(m_session, text, setup.XAxis(), setup.YAxis(),
                                GridSamplingMode(m_session.ComplexMode()),
                                GaugeHooks(m_graphicsTab->Gauge()));
    }
    if (samples.stopped) {
        PlotFailed(text, samples.failure);
        return;
    }
    SurfaceTitles titles;
    titles.x = m_graphicsTab->XName();
    titles.vertical = m_graphicsTab->Title();
    titles.depth = m_graphicsTab->YName();
    titles.chart =
        FromEngine(ModulusTitle(ToEngine(m_graphicsTab->Legend()), m_session.ComplexMode()));
    m_surface->ShowSurface(samples, titles);
    m_surface->raise();
    PlotDone(text);
}

void TfmCalc::PlotPolar(const PlotSetup& setup, const std::string& text) {
    PolarSamples samples;
    {
        EvaluationScope scope(*this);
        samples = SamplePolar(m_session, text, setup.XAxis(), GaugeHooks(m_graphicsTab->Gauge()));
    }
    if (samples.stopped) {
        PlotFailed(text, samples.failure);
        return;
    }
    m_polar->AddCurve(samples, m_graphicsTab->Legend(), m_graphicsTab->XName(),
                      m_graphicsTab->YName());
    m_polar->raise();
    PlotDone(text);
}

void TfmCalc::PlotFailed(const std::string& text, const SampleFailure& failure) {
    // The result line reports the failing point's error where the text was typed; a break
    // the user asked for needs no further box.
    ResultLine line;
    line.kind = ResultLine::Kind::kError;
    if (failure.fault.empty() && failure.position > 0) {
        const ShownError shown = ShowError(m_session.GetEngine(), text, WithoutBlanks(text),
                                           failure.code, failure.position, failure.length);
        line.text = shown.text;
        line.selectStart = shown.selectStart;
        line.selectLength = shown.selectLength;
    } else {
        line.text = DescribeFailure(m_session.GetEngine(), text, failure);
    }
    ShowResult(line);
    m_session.State().errorFlag = false;
    if (!failure.UserBreak()) {
        m_dialogs.MessageBox(this, DialogService::Icon::kError, tr("Kalvo"),
                             QString::fromLatin1(kCannotCalculate));
    }
    m_graphicsTab->Gauge()->setValue(0);
}

void TfmCalc::PlotDone(const std::string& text) {
    m_graphicsTab->Gauge()->setValue(0);
    m_session.PutOnTopOfHistory(text);
    RefreshLists();
}

}  // namespace kalvo
