#include "ui/plot_renderer.h"

#include <QString>

#include "engine/text_encoding.h"
#include "frontend/calculator_session.h"
#include "frontend/settings.h"
#include "plot/curve_sampler.h"
#include "plot/graphics_layout.h"
#include "ui/engine_text.h"
#include "ui/plot2d_window.h"
#include "ui/silent_dialogs.h"

namespace kalvo {

namespace {

int ReportFailure(CalculatorSession& session, const std::string& text, const SampleFailure& failure,
                  std::ostream& err) {
    err << Latin1ToUtf8(DescribeFailure(session.GetEngine(), text, failure)) << '\n';
    if (!failure.UserBreak()) {
        err << "Cann't calculate this function\n";
    }
    return 1;
}

int Write(TPlot& chart, const PlotRequest& request, std::ostream& err) {
    QString error;
    if (!chart.SavePicture(QString::fromStdString(request.out), request.format, &error)) {
        err << error.toStdString() << '\n';
        return 1;
    }
    return 0;
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
    const SampleAxis x{s.fromX, s.toX, s.stepsX};
    SilentDialogs dialogs;
    Settings settings;
    switch (request.type) {
        case PlotType::kCurve: {
            const CurveSamples samples = SampleCurve(session, text, x);
            if (samples.failed) {
                return ReportFailure(session, text, samples.failure, err);
            }
            TfmPlot2D window(dialogs, settings);
            CurveTitles titles;
            titles.legend = FromEngine(FunctionCaption(text));
            titles.description = FromEngine(CurveDescription(text));
            titles.x = QStringLiteral("X");
            titles.y = QStringLiteral("Y");
            window.AddCurve(samples, titles);
            return Write(window.Chart(), request, err);
        }
        default:
            err << "this plot type cannot be rendered yet\n";
            return 1;
    }
}

}  // namespace kalvo
