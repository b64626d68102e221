#include "ui/polar_window.h"

#include <array>

#include "ui/chart_properties.h"
#include "ui/dialog_service.h"
#include "ui/polar_chart.h"

namespace kalvo {

namespace {

using Id = ChartCommandId;

constexpr const char* kView = kViewMenu;

// {id, name, hint, menu, menu text, pop-up text, shortcut}
constexpr std::array kCommands{
    kPrintCommand,
    WithMenuText(kPrinterSetupCommand, "Print &Setup"),
    kSaveAsCommand,
    WithMenuText(kSaveBmpCommand, "Save as BMP..."),
    WithMenuText(kSavePngCommand, "Save as &PNG..."),
    kLegendCommand,
    kCopyCommand,
    WithMenuText(kPasteCommand, "&Paste"),
    kDataCommand,
    ChartCommand{Id::kGrid, "Grid", "Grid", kView, "&Grid", nullptr, nullptr},
    WithMenuText(kPropertiesCommand, "&Chart Properties"),
    kExitCommand,
};

}  // namespace

std::span<const ChartCommand> TfmPolar::Commands() {
    return kCommands;
}

TfmPolar::TfmPolar(DialogService& dialogs, Settings& settings, QWidget* parent)
    : ChartWindow(dialogs, settings.polarPlacement, "fmPolar", tr("Polar"), parent) {
    m_chart = new PolarChart(this);
    BuildCommands(kCommands, m_chart);
    m_grid.SetColumnCount(0);
    Redraw();
}

void TfmPolar::AddCurve(const PolarSamples& samples, const QString& legend, const QString& xTitle,
                        const QString& yTitle) {
    if (!AddPolarCurve(m_grid, m_view, samples, legend.toStdString())) {
        Message(tr("The polar chart holds at most %1 values: remove curves in the data editor "
                   "first")
                    .arg(kMaxGridCells));
        return;
    }
    m_view.titles.axis[0] = xTitle.toStdString();
    m_view.titles.axis[1] = yTitle.toStdString();
    Redraw();
    show();
    raise();
    activateWindow();
}

QImage TfmPolar::RenderChart(const QSize& size, QString&) {
    return m_chart->Render(size);
}

void TfmPolar::Redraw() {
    m_chart->SetData(m_grid, m_view);
}

void TfmPolar::GridReplaced() {
    MatchCurveStyles(m_view, m_grid);
}

void TfmPolar::ToggleLegend() {
    m_view.showLegend = !m_view.showLegend;
    Redraw();
}

void TfmPolar::EditProperties() {
    PolarProperties dialog(m_dialogs, m_view, m_grid, this);
    if (m_dialogs.ExecDialog(dialog) != QDialog::Accepted) {
        return;
    }
    m_view = dialog.View();
    const std::vector<std::string> names = dialog.CurveNames();
    for (std::size_t k = 0; k < names.size(); ++k) {
        m_grid.SetColumnLabel(static_cast<int>(2 * k), names[k]);
    }
    Redraw();
}

void TfmPolar::RunOwn(ChartCommandId id) {
    if (id == Id::kGrid) {
        m_view.grids.Toggle({1, 2});
        Redraw();
    }
}

}  // namespace kalvo
