#include "ui/contour_window.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ui/chart/contour_plottable.h"
#include "ui/help_contexts.h"

namespace kalvo {

namespace {

using Row = PlotCommandRow;

/// How near (in pixels) a click must come to a label to hide it.
constexpr double kLabelReach = 24;

const std::vector<PlotCommandRow>& ContourCommands() {
    static const std::vector<PlotCommandRow> table = JoinRows(
        {{
             {PlotCommand::kPrint, "Print graphic", "&File", "&Print", "Ctrl+P", "sbPrint"},
             {PlotCommand::kSaveAs, "Save As...", "&File", "&Save As...", "Ctrl+S", "sbSaveAs"},
             {PlotCommand::kSeparator, nullptr, "", nullptr, nullptr, ""},
             {PlotCommand::kClose, nullptr, "&File", "&Close", "Ctrl+W", "miClose"},
             {PlotCommand::kCopy, "Copy to clipbord", "&Edit", "&Copy to clipboard", "Ctrl+C",
              "sbCopy"},
             {PlotCommand::kSeparator, nullptr, "", nullptr, nullptr, ""},
             {PlotCommand::kBreakEdit, "Break edit", "&Edit", "End edit", nullptr, "sbBreakEdit",
              Row::kRadio},
             {PlotCommand::kAddContour, "Add contour(s)", "&Edit", "&Add Contour(s)", nullptr,
              "sbAddContour", Row::kRadio},
             {PlotCommand::kDeleteContour, "Delete contour(s)", "&Edit", "&Delete Contour(s)",
              nullptr, "sbDeleteContour", Row::kRadio},
             {PlotCommand::kLabelPosition, "Add/Move label(s)", "&Edit", "Label &position", nullptr,
              "sbLabelPosition", Row::kRadio},
             {PlotCommand::kLabelOff, "Delete label(s)", "&Edit", "&Label off", nullptr,
              "sbLabelOff", Row::kRadio},
             {PlotCommand::kAllLabels, nullptr, "&Edit", "All Labels on&/off", nullptr,
              "miAllLabels"},
             {PlotCommand::kSeparator, nullptr, "", nullptr, nullptr, ""},
         },
         ViewCommandRows(),
         {
             {PlotCommand::kView3D, "3D-view", "", nullptr, nullptr, "sb3D", Row::kCheck},
             {PlotCommand::kSeparator, nullptr, "", nullptr, nullptr, ""},
             {PlotCommand::kProperties, "Properties", "", "&Properties", nullptr, "sbProperties"},
             HelpCommandRow(),
         }});
    return table;
}

struct EditCommand {
    PlotCommand command;
    TContour::EditMode mode;
    Qt::CursorShape cursor;
};
constexpr EditCommand kEditCommands[] = {
    {PlotCommand::kBreakEdit, TContour::EditMode::kNone, Qt::ArrowCursor},
    {PlotCommand::kAddContour, TContour::EditMode::kAddContour, Qt::CrossCursor},
    {PlotCommand::kDeleteContour, TContour::EditMode::kDeleteContour, Qt::PointingHandCursor},
    {PlotCommand::kLabelPosition, TContour::EditMode::kLabelPosition, Qt::SizeAllCursor},
    {PlotCommand::kLabelOff, TContour::EditMode::kLabelOff, Qt::ForbiddenCursor},
};

}  // namespace

TfmContourPlot::TfmContourPlot(DialogService& dialogs, Settings& settings, QWidget* parent)
    : PlotWindow(dialogs, settings.contourPlot, kHelpContourPlotWindow, parent) {
    setObjectName("fmContourPlot");
    setWindowTitle(QStringLiteral("Contour Plot"));
    BuildCommands(ContourCommands());
    SetEditMode(TContour::EditMode::kNone);
    connect(&Chart(), &TPlot::Clicked, this,
            [this](double x, double y, Qt::MouseButton) { ChartClicked(x, y); });
}

void TfmContourPlot::ShowGrid(const GridSamples& samples, bool shade, int levels,
                              double exaggeration, const GridTitles& titles) {
    TPlot& chart = Chart();
    // One map at a time: the chart starts afresh.
    chart.ClearLayers();
    m_layer = nullptr;
    chart.SetExaggerate(exaggeration);
    chart.SetAxisName(TPlot::Axis::kY, titles.y);
    chart.SetAxisName(TPlot::Axis::kX, titles.x);
    chart.SetTitle(titles.title);
    chart.SetAutoRange(TPlot::Axis::kX, false, false);
    chart.SetAutoRange(TPlot::Axis::kY, false, false);
    if (!samples.x.empty() && !samples.y.empty()) {
        chart.SetAxisRange(TPlot::Axis::kX, samples.x.front(), samples.x.back());
        chart.SetAxisRange(TPlot::Axis::kY, samples.y.front(), samples.y.back());
    }
    chart.SetClipMarkers(false);

    std::optional<TContour> layer =
        TContour::Create(shade, shade ? 1 : levels, samples.z, samples.y, samples.x);
    if (layer) {
        layer->SetDescription(titles.description.toStdString());
        auto& canvas = chart.Canvas();
        m_layer = new ContourPlottable(canvas.xAxis, canvas.yAxis, std::move(*layer));
        m_layer->SetPlainLines(shade);
        chart.AddLayer(m_layer);
    }
    // A shading has no line legend entries: its colour scale is the legend. The line
    // legend's state comes back with the next contour map.
    if (shade) {
        if (!m_shadeMode) {
            m_lineLegendShown = chart.LineLegendVisible();
        }
        chart.SetLineLegendVisible(false);
    } else if (m_shadeMode) {
        chart.SetLineLegendVisible(m_lineLegendShown);
    }
    m_shadeMode = shade;
    if (shade) {
        setWindowTitle(QStringLiteral("Color Shade f(x,y)"));
        chart.SetColorMap(samples.x, samples.y, samples.z);
        ShowEditCommands(false);
        chart.BindColorLegend(2);
        chart.SetColorLegendVisible(true);
    } else {
        setWindowTitle(QStringLiteral("Contour Plot f(x,y)"));
        if (m_layer) {
            chart.AddLegendEntry(m_layer);
        }
        ShowEditCommands(true);
        chart.BindColorLegend(2);
        chart.SetColorLegendVisible(m_layer && m_layer->Layer().Shaded());
    }
    SetEditMode(TContour::EditMode::kNone);
    SetChecked(PlotCommand::kShowLegend,
               shade ? chart.ColorLegendVisible() : chart.LineLegendVisible());
    SetZoomBackEnabled(false);
    chart.Redraw();
}

void TfmContourPlot::ShowEditCommands(bool on) {
    for (const EditCommand& e : kEditCommands) {
        for (QAction* a : {m_commands.Button(e.command), m_commands.Item(e.command)}) {
            if (a) {
                a->setVisible(on);
            }
        }
    }
    for (QAction* separator : m_commands.radioSeparators) {
        separator->setVisible(on);
    }
}

void TfmContourPlot::SetEditMode(TContour::EditMode mode) {
    m_editMode = mode;
    for (const EditCommand& e : kEditCommands) {
        SetChecked(e.command, e.mode == mode);
        if (e.mode == mode) {
            Chart().Canvas().setCursor(e.cursor);
        }
    }
    if (m_layer) {
        m_layer->Layer().SetMode(mode);
    }
}

void TfmContourPlot::ChartClicked(double x, double y) {
    if (!m_layer || m_shadeMode) {
        return;
    }
    const QPointF pixel(Chart().Canvas().xAxis->coordToPixel(x),
                        Chart().Canvas().yAxis->coordToPixel(y));
    bool changed = false;
    switch (m_editMode) {
        case TContour::EditMode::kNone:
            break;
        case TContour::EditMode::kAddContour:
            changed = m_layer->Layer().AddLevelThrough(x, y).has_value();
            break;
        case TContour::EditMode::kDeleteContour:
            changed = m_layer->Layer().RemoveLevelNear(x, y).has_value();
            break;
        case TContour::EditMode::kLabelPosition:
            changed = m_layer->PlaceLabel(x, y);
            break;
        case TContour::EditMode::kLabelOff:
            changed = m_layer->HideLabelNear(pixel, kLabelReach);
            break;
    }
    if (changed) {
        Chart().Redraw();
    }
}

void TfmContourPlot::RunCommand(PlotCommand command) {
    for (const EditCommand& e : kEditCommands) {
        if (e.command == command) {
            SetEditMode(e.mode);
            return;
        }
    }
    if (command == PlotCommand::kAllLabels) {
        if (m_layer) {
            m_layer->ToggleAllLabels();
            Chart().Redraw();
        }
        return;
    }
    PlotWindow::RunCommand(command);
}

void TfmContourPlot::ToggleLegend() {
    TPlot& chart = Chart();
    if (m_shadeMode) {
        chart.SetColorLegendVisible(!chart.ColorLegendVisible());
        SetChecked(PlotCommand::kShowLegend, chart.ColorLegendVisible());
    } else {
        chart.SetLineLegendVisible(!chart.LineLegendVisible());
        SetChecked(PlotCommand::kShowLegend, chart.LineLegendVisible());
    }
    chart.Redraw();
}

void TfmContourPlot::ToggleGrid(TPlot::Axis axis) {
    // A grid switched on is drawn over the picture, so that it shows above a shading.
    TPlot& chart = Chart();
    const bool on = !chart.AxisGrid(axis);
    chart.SetAxisGrid(axis, on);
    if (on) {
        chart.SetGridAbove(true);
    }
    SetChecked(axis == TPlot::Axis::kX ? PlotCommand::kVertGrid : PlotCommand::kHorisGrid, on);
    chart.Redraw();
}

void TfmContourPlot::showEvent(QShowEvent* event) {
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
        if (menu->objectName() == QStringLiteral("mnEdit")) {
            menu->menuAction()->setVisible(!m_shadeMode);
        }
    }
    Chart().SetColorLegendVisible(m_shadeMode);
    PlotWindow::showEvent(event);
}

}  // namespace kalvo
