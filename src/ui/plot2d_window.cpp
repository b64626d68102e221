#include "ui/plot2d_window.h"

#include <QApplication>
#include <QClipboard>

#include "frontend/atomic_file.h"
#include "plot/chart_markers.h"
#include "plot/series_table.h"
#include "ui/dialog_service.h"
#include "ui/engine_text.h"
#include "ui/help_contexts.h"

namespace kalvo {

namespace {

using Row = PlotCommandRow;

const std::vector<PlotCommandRow>& Plot2DCommands() {
    static const std::vector<PlotCommandRow> table = JoinRows(
        {{
             {PlotCommand::kPrint, "Print graphic", "&File", "&Print", "Ctrl+P", "sbPrint"},
             {PlotCommand::kSaveAs, "Save As...", "&File", "&Save As...", "Ctrl+S", "sbSaveAs"},
             {PlotCommand::kSeparator, nullptr, "", nullptr, nullptr, ""},
             {PlotCommand::kExport, "Export data", "&File", "&Export", nullptr, "sbExport"},
             {PlotCommand::kImport, "Import data", "&File", "&Import", nullptr, "sbImport"},
             {PlotCommand::kSeparator, nullptr, "", nullptr, nullptr, ""},
             {PlotCommand::kClose, nullptr, "&File", "&Exit", "Ctrl+W", "miExit"},
             {PlotCommand::kCopy, "Copy to clipbord", "&Edit", "&Copy to clipboard", "Ctrl+C",
              "sbCopy"},
             {PlotCommand::kSeparator, nullptr, "", nullptr, nullptr, ""},
         },
         ViewCommandRows(),
         {
             {PlotCommand::kView3D, "3D-view", "&View", "&3D View", nullptr, "sb3D", Row::kCheck},
             {PlotCommand::kSeparator, nullptr, "", nullptr, nullptr, ""},
             {PlotCommand::kProperties, "Properties", "", "&Properties", nullptr, "sbProperties"},
             HelpCommandRow(),
         }});
    return table;
}

}  // namespace

TfmPlot2D::TfmPlot2D(DialogService& dialogs, Settings& settings, QWidget* parent)
    : PlotWindow(dialogs, settings.plot2D, kHelpPlot2DWindow, parent) {
    setObjectName("fmPlot2D");
    setWindowTitle(QStringLiteral("2D - Plot"));
    BuildCommands(Plot2DCommands());
    Chart().SetAutoRange(TPlot::Axis::kX, true, true);
    Chart().SetAutoRange(TPlot::Axis::kY, true, true);
}

ChartSeries* TfmPlot2D::AddCurve(const CurveSamples& samples, const CurveTitles& titles) {
    TPlot& chart = Chart();
    chart.SetAxisName(TPlot::Axis::kY, titles.y);
    chart.SetAxisName(TPlot::Axis::kX, titles.x);
    chart.SetTitle(titles.title);
    ChartSeries* series =
        chart.AddSeries(titles.legend, titles.color.isValid() ? titles.color : chart.FreeColor(),
                        chart.FreeMarker());
    series->SetDescription(titles.description);
    series->SetMarkerInterval(CurveMarkerInterval(static_cast<int>(samples.points.size())));
    for (const CurvePoint& p : samples.points) {
        series->AddPoint(static_cast<double>(p.x), static_cast<double>(p.y));
    }
    chart.AddLineLegend(series);
    chart.SetTitle(titles.title);
    chart.Redraw();
    return series;
}

void TfmPlot2D::ExportData() {
    const QString path = m_dialogs.GetSaveFileName(
        this, tr("Export data"), tr("CSV files (*.csv);;Tab-separated text (*.txt *.tsv)"),
        QStringLiteral("csv"));
    if (path.isEmpty()) {
        return;
    }
    const char separator = path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? ',' : '\t';
    const std::string text = FormatSeriesTable(Chart().SeriesDataList(), separator);
    if (const FileResult written = WriteFileAtomic(FileName(path), text); !written) {
        m_dialogs.MessageBox(this, DialogService::Icon::kError, windowTitle(),
                             Path(written.message));
    }
}

void TfmPlot2D::ImportData() {
    const SeriesTableRead read =
        ReadSeriesTable(QApplication::clipboard()->text().toUtf8().toStdString());
    if (!read.error.empty()) {
        m_dialogs.MessageBox(this, DialogService::Icon::kWarning, windowTitle(),
                             QString::fromStdString(read.error));
        return;
    }
    if (Chart().AddSeriesData(read.series) > 0) {
        Chart().Redraw();
    }
}

void TfmPlot2D::RunCommand(PlotCommand command) {
    switch (command) {
        case PlotCommand::kExport:
            ExportData();
            break;
        case PlotCommand::kImport:
            ImportData();
            break;
        default:
            PlotWindow::RunCommand(command);
    }
}

void TfmPlot2D::showEvent(QShowEvent* event) {
    m_shown = true;
    PlotWindow::showEvent(event);
}

}  // namespace kalvo
