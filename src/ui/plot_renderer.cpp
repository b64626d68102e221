#include "ui/plot_renderer.h"

#include <QString>

#include "engine/text_encoding.h"
#include "frontend/calculator_session.h"
#include "frontend/settings.h"
#include "plot/curve_sampler.h"
#include "plot/graphics_layout.h"
#include "plot/grid_sampler.h"
#include "ui/contour_window.h"
#include "ui/engine_text.h"
#include "ui/plot2d_window.h"
#include "ui/polar_window.h"
#include "ui/silent_dialogs.h"
#include "ui/surface_chart.h"
#include "ui/surface_window.h"

namespace kalvo {

namespace {

int Report(bool written, const QString& error, std::ostream& err) {
    if (!written) {
        err << error.toStdString() << '\n';
        return 1;
    }
    return 0;
}

int Write(TPlot& chart, const PlotRequest& request, std::ostream& err) {
    QString error;
    const bool written =
        chart.SavePicture(QString::fromStdString(request.out), request.format, &error);
    return Report(written, error, err);
}

int Write(ChartWindow& window, const PlotRequest& request, std::ostream& err) {
    QString error;
    const bool written = window.SavePicture(QString::fromStdString(request.out), &error);
    return Report(written, error, err);
}

/// The names the Graphics tab writes on a plot of `text` by default.
QString Caption(const std::string& text) {
    return FromEngine(FunctionCaption(text));
}

}  // namespace

int RenderPlot(CalculatorSession& session, const PlotRequest& request, std::ostream& err) {
    const std::string text = ToLatin1(request.text);
    const PlotSetupCheck check = CheckPlotSetup(request.fields, request.type);
    if (!check.ok) {
        err << check.message << '\n';
        return 1;
    }
    const PlotSetup& s = check.setup;
    const SampleAxis x = s.XAxis();
    const SampleAxis y = s.YAxis();
    const QString x0 = QStringLiteral("X");
    const QString y0 = QStringLiteral("Y");
    SilentDialogs dialogs;
    Settings settings;
    switch (request.type) {
        case PlotType::kCurve: {
            const CurveSamples samples = SampleCurve(session, text, x);
            if (samples.failed) {
                return WriteSampleFailure(err, session.GetEngine(), text, samples.failure);
            }
            TfmPlot2D window(dialogs, settings);
            CurveTitles titles;
            titles.legend = Caption(text);
            titles.description = FromEngine(CurveDescription(text));
            titles.x = x0;
            titles.y = y0;
            window.AddCurve(samples, titles);
            return Write(window.Chart(), request, err);
        }
        case PlotType::kContour:
        case PlotType::kShade: {
            const GridSamples samples =
                SampleGrid(session, text, x, y, GridSamplingMode(session.ComplexMode()));
            if (samples.failed) {
                return WriteSampleFailure(err, session.GetEngine(), text, samples.failure);
            }
            TfmContourPlot window(dialogs, settings);
            GridTitles titles;
            titles.title = FromEngine(ModulusTitle(FunctionCaption(text), session.ComplexMode()));
            titles.x = x0;
            titles.y = y0;
            titles.description = FromEngine(text);
            window.ShowGrid(samples, request.type == PlotType::kShade, s.contours,
                            static_cast<double>(s.exaggeration), titles);
            return Write(window.Chart(), request, err);
        }
        case PlotType::kSurface: {
            // Said before the work: without OpenGL no surface can be drawn at all.
            QString reason;
            if (!SurfaceChart::Available(&reason)) {
                err << "The surface cannot be drawn here: " << reason.toStdString() << '\n';
                return 1;
            }
            const SurfaceSamples samples =
                SampleSurface(session, text, x, y, GridSamplingMode(session.ComplexMode()));
            if (samples.stopped) {
                return WriteSampleFailure(err, session.GetEngine(), text, samples.failure);
            }
            TfmSurface window(dialogs, settings);
            const SurfaceTitles titles{
                x0, QStringLiteral("Z"), y0,
                FromEngine(ModulusTitle(FunctionCaption(text), session.ComplexMode()))};
            if (!window.SetSurface(samples, titles)) {
                err << "The surface has too many points to draw\n";
                return 1;
            }
            return Write(window, request, err);
        }
        case PlotType::kPolar: {
            const PolarSamples samples = SamplePolar(session, text, x);
            if (samples.stopped) {
                return WriteSampleFailure(err, session.GetEngine(), text, samples.failure);
            }
            TfmPolar window(dialogs, settings);
            window.AddCurve(samples, Caption(text), x0, y0);
            window.hide();
            return Write(window, request, err);
        }
    }
    return 1;
}

}  // namespace kalvo
