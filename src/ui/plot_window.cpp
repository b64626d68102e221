#include "ui/plot_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QPrinter>

#include "ui/chart/chart_picture.h"
#include "ui/chart/chart_properties_dialog.h"
#include "ui/dialog_service.h"
#include "ui/window_placement.h"

namespace kalvo {

PlotWindow::PlotWindow(DialogService& dialogs, WindowPlacement& placement, int helpContext,
                       QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      m_dialogs(dialogs),
      m_chart(new TPlot(this)),
      m_placement(placement),
      m_helpContext(helpContext) {
    setCentralWidget(m_chart);
    ApplyPlacement(*this, placement);
}

void PlotWindow::SaveSettings() {
    m_placement = PlacementOf(*this);
}

QAction* PlotWindow::Command(PlotCommand command) const {
    QAction* button = m_commands.Button(command);
    return button ? button : m_commands.Item(command);
}

QAction* PlotWindow::MenuItem(PlotCommand command) const {
    QAction* item = m_commands.Item(command);
    return item ? item : m_commands.Button(command);
}

void PlotWindow::BuildCommands(const std::vector<PlotCommandRow>& table) {
    m_commands = BuildPlotCommands(*this, table);
    auto wire = [this](PlotCommand command, QAction* action) {
        if (!action) {
            return;
        }
        connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
    };
    for (const auto& [command, action] : m_commands.actions) {
        wire(command, action);
    }
    for (const auto& [command, action] : m_commands.menuItems) {
        if (action != m_commands.Button(command)) {
            wire(command, action);
        }
    }
    SetZoomBackEnabled(false);
    SetChecked(PlotCommand::kShowLegend, m_chart->LineLegendVisible());
    SetChecked(PlotCommand::kVertGrid, m_chart->AxisGrid(TPlot::Axis::kX));
    SetChecked(PlotCommand::kHorisGrid, m_chart->AxisGrid(TPlot::Axis::kY));
}

void PlotWindow::RunCommand(PlotCommand command) {
    switch (command) {
        case PlotCommand::kPrint:
            PrintGraphic();
            break;
        case PlotCommand::kSaveAs:
            SaveAs();
            break;
        case PlotCommand::kZoomIn:
            ZoomIn();
            break;
        case PlotCommand::kAnimatedZoom:
            AnimatedZoom();
            break;
        case PlotCommand::kZoomPrevious:
            ZoomPrevious();
            break;
        case PlotCommand::kZoomOut:
            ZoomOut();
            break;
        case PlotCommand::kProperties:
            OpenProperties();
            break;
        case PlotCommand::kShowLegend:
            ToggleLegend();
            break;
        case PlotCommand::kVertGrid:
            ToggleGrid(TPlot::Axis::kX);
            break;
        case PlotCommand::kHorisGrid:
            ToggleGrid(TPlot::Axis::kY);
            break;
        case PlotCommand::kView3D:
            View3D();
            break;
        case PlotCommand::kCopy:
            CopyToClipboard();
            break;
        case PlotCommand::kClose:
            close();
            break;
        case PlotCommand::kHelp:
            m_dialogs.ShowHelp(this, m_helpContext);
            break;
        default:
            break;
    }
}

void PlotWindow::SetZoomBackEnabled(bool on) {
    for (PlotCommand c : {PlotCommand::kZoomOut, PlotCommand::kZoomPrevious}) {
        for (QAction* a : {m_commands.Button(c), m_commands.Item(c)}) {
            if (a) {
                a->setEnabled(on);
            }
        }
    }
}

void PlotWindow::SetChecked(PlotCommand command, bool on) {
    for (QAction* a : {m_commands.Button(command), m_commands.Item(command)}) {
        if (a) {
            a->setChecked(on);
        }
    }
}

void PlotWindow::PrintGraphic() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    if (m_dialogs.ExecPrintDialog(this, printer)) {
        m_chart->Print(printer);
    }
}

void PlotWindow::SaveAs() {
    const QString path = m_dialogs.GetSaveFileName(this, tr("Save to file"), ChartPictureFilter(),
                                                   QStringLiteral("png"));
    if (path.isEmpty()) {
        return;
    }
    QString error;
    if (!m_chart->SavePicture(path, &error)) {
        m_dialogs.MessageBox(this, DialogService::Icon::kError, windowTitle(), error);
    }
}

void PlotWindow::ZoomIn() {
    m_chart->SetAnimation(false);
    m_chart->SetZoomMode(true);
    SetChecked(PlotCommand::kAnimatedZoom, false);
    SetZoomBackEnabled(true);
}

void PlotWindow::AnimatedZoom() {
    const bool on = !m_chart->ZoomMode();
    if (on) {
        m_rememberedAnimation = m_chart->Animation();
        m_chart->SetAnimation(true);
    } else {
        m_chart->SetAnimation(m_rememberedAnimation);
    }
    m_chart->SetZoomMode(on);
    SetChecked(PlotCommand::kAnimatedZoom, on);
    SetZoomBackEnabled(m_chart->ZoomMode() || m_chart->ZoomLevelCount() > 0);
}

void PlotWindow::ZoomPrevious() {
    if (!m_chart->PreviousZoom()) {
        SetZoomBackEnabled(false);
    }
}

void PlotWindow::ZoomOut() {
    m_chart->LeaveZoom();
    SetChecked(PlotCommand::kAnimatedZoom, false);
    SetZoomBackEnabled(false);
}

void PlotWindow::OpenProperties() {
    ChartPropertiesDialog dialog(m_chart->Properties(), m_dialogs, this);
    if (m_dialogs.ExecDialog(dialog) != QDialog::Accepted) {
        return;
    }
    QString error;
    if (const std::optional<ChartProperties> properties = dialog.Result(&error)) {
        m_chart->ApplyProperties(*properties);
    } else {
        m_dialogs.MessageBox(this, DialogService::Icon::kError, windowTitle(), error);
    }
}

void PlotWindow::ToggleLegend() {
    m_chart->SetLineLegendVisible(!m_chart->LineLegendVisible());
    SetChecked(PlotCommand::kShowLegend, m_chart->LineLegendVisible());
    m_chart->Redraw();
}

void PlotWindow::ToggleGrid(TPlot::Axis axis) {
    m_chart->SetAxisGrid(axis, !m_chart->AxisGrid(axis));
    SetChecked(axis == TPlot::Axis::kX ? PlotCommand::kVertGrid : PlotCommand::kHorisGrid,
               m_chart->AxisGrid(axis));
    m_chart->Redraw();
}

void PlotWindow::View3D() {
    m_chart->ToggleView3D(m_savedFrameWidth);
    SetChecked(PlotCommand::kView3D, m_chart->Frame().view3D != 0);
}

void PlotWindow::CopyToClipboard() {
    m_chart->CopyPicture();
}

void PlotWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    emit Shown();
}

void PlotWindow::closeEvent(QCloseEvent* event) {
    SaveSettings();
    QMainWindow::closeEvent(event);
}

}  // namespace kalvo
