#include "ui/surface_window.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QPainter>

#include "display/format_general.h"
#include "ui/chart_properties.h"
#include "ui/dialog_service.h"
#include "ui/surface_chart.h"

namespace kalvo {

namespace {

constexpr int kCellDigits = 15;
constexpr int kLargestColor = 0xFFFFFF;

using Id = ChartCommandId;

constexpr const char* kView = kViewMenu;

// {id, name, hint, menu, menu text, pop-up text, shortcut}
constexpr std::array kCommands{
    kPrintCommand,
    WithMenuText(kPrinterSetupCommand, "Printer &Setup"),
    kSaveAsCommand,
    WithMenuText(kSaveBmpCommand, "Save as &BMP..."),
    WithMenuText(kSavePngCommand, "Save as PNG..."),
    kLegendCommand,
    kCopyCommand,
    WithMenuText(kPasteCommand, "&Paste "),
    kDataCommand,
    ChartCommand{Id::kHorizontalGrid, "HorizontalGrid", "Horizontal grid", kView,
                 "&Horizontal Grid", nullptr, nullptr},
    ChartCommand{Id::kPedestalGrid, "PedestalGrid", "Pedestal Grid", kView, "&Pedestal Grid",
                 nullptr, nullptr},
    ChartCommand{Id::kRotateDown, "RotateDown", "Rotate down", kView, "Rotate &Down", nullptr,
                 "Ctrl+Down"},
    ChartCommand{Id::kRotateLeft, "RotateLeft", "Rotate left", kView, "&Rotate &Left", nullptr,
                 "Ctrl+Left"},
    ChartCommand{Id::kRotateUp, "RotateUp", "Rotate up", kView, "&Rotate &Up", nullptr, "Ctrl+Up"},
    ChartCommand{Id::kRotateRight, "RotateRight", "Rotate right", kView, "Rotate &Right", nullptr,
                 "Ctrl+Right"},
    WithMenuText(kPropertiesCommand, "&Chart properties"),
    kExitCommand,
};

}  // namespace

std::span<const ChartCommand> TfmSurface::Commands() {
    return kCommands;
}

TfmSurface::TfmSurface(DialogService& dialogs, Settings& settings, QWidget* parent)
    : ChartWindow(dialogs, settings.surfacePlacement, "fmSurface", tr("Surface"), parent),
      m_settings(settings) {
    // A hand-edited file may hold a system colour or a wall beyond reason.
    if (settings.elevationColor >= 0 && settings.elevationColor <= kLargestColor) {
        m_view.elevationColor = settings.elevationColor;
    }
    m_view.wallWidth = std::clamp(settings.wallWidth, 0, kMaxWallWidth);
    m_chart = new SurfaceChart(this);
    connect(m_chart, &SurfaceChart::ViewTurned, this, [this](double rotation, double elevation) {
        m_view.rotation = rotation;
        m_view.elevation = std::clamp(elevation, 0.0, 90.0);
    });
    BuildCommands(kCommands, m_chart);
    m_chart->SetView(m_view);
}

void TfmSurface::ShowSurface(const SurfaceSamples& samples, const SurfaceTitles& titles) {
    const auto rows = static_cast<std::size_t>(std::max(samples.rows, 0));
    const auto columns = static_cast<std::size_t>(std::max(samples.columns, 0));
    if (samples.rowLabels.size() != rows || samples.columnLabels.size() != columns ||
        samples.values.size() != rows * columns) {
        Message(tr("The surface samples are incomplete: nothing is drawn"));
        return;
    }
    DataGrid grid;
    if (!grid.Resize(samples.rows, samples.columns)) {
        Message(tr("The surface has too many points to draw: at most %1").arg(kMaxGridCells));
        return;
    }
    m_view.titles.axis = {titles.x.toStdString(), titles.vertical.toStdString(),
                          titles.vertical.toStdString(), titles.depth.toStdString()};
    m_view.titles.chart = titles.chart.toStdString();
    // Filled as the sampler hands the cells over: row by row, each cell as text.
    for (int row = 0; row < samples.rows; ++row) {
        grid.SetCurrentCell(row, 0);
        grid.SetCurrentRowLabel(samples.rowLabels[static_cast<std::size_t>(row)]);
        for (int column = 0; column < samples.columns; ++column) {
            grid.SetCurrentCell(row, column);
            grid.SetCurrentColumnLabel(samples.columnLabels[static_cast<std::size_t>(column)]);
            grid.SetData(FormatGeneral(samples.Value(row, column), kCellDigits));
        }
    }
    ReplaceGrid(std::move(grid));
    show();
    raise();
    activateWindow();
}

QImage TfmSurface::RenderChart(const QSize& size, QString& error) {
    QImage picture = m_chart->Render(size);
    if (picture.isNull()) {
        SurfaceChart::Available(&error);
        error = tr("The surface cannot be drawn here: %1").arg(error);
    }
    return picture;
}

QImage TfmSurface::Snapshot() {
    QImage picture = grab().toImage();
    if (!m_chart->isVisible()) {
        return picture;
    }
    const QImage chart = m_chart->Render(m_chart->size());
    if (!chart.isNull()) {
        QPainter painter(&picture);
        const qreal scale = picture.devicePixelRatio();
        painter.drawImage(
            QRectF(m_chart->mapTo(this, QPoint(0, 0)) * scale, QSizeF(m_chart->size()) * scale),
            chart);
    }
    return picture;
}

void TfmSurface::Redraw() {
    m_chart->SetData(m_grid);
    m_chart->SetView(m_view);
}

void TfmSurface::ToggleLegend() {
    m_view.showLegend = !m_view.showLegend;
    m_chart->SetView(m_view);
}

void TfmSurface::EditProperties() {
    SurfaceProperties dialog(m_dialogs, m_view, this);
    if (m_dialogs.ExecDialog(dialog) == QDialog::Accepted) {
        m_view = dialog.View();
        m_chart->SetView(m_view);
    }
}

void TfmSurface::RunOwn(ChartCommandId id) {
    switch (id) {
        case Id::kHorizontalGrid:
            m_view.grids.Toggle({1, 2});
            break;
        case Id::kPedestalGrid:
            m_view.grids.Toggle({0, 3});
            break;
        case Id::kRotateDown:
            m_view.elevation = RotateDown(m_view.elevation);
            break;
        case Id::kRotateUp:
            m_view.elevation = RotateUp(m_view.elevation);
            break;
        case Id::kRotateLeft:
            m_view.rotation += kRotationStep;
            break;
        case Id::kRotateRight:
            m_view.rotation -= kRotationStep;
            break;
        default:
            return;
    }
    m_chart->SetView(m_view);
}

void TfmSurface::StoreSettings() {
    m_settings.elevationColor = m_view.elevationColor;
    m_settings.wallWidth = static_cast<int>(std::lround(m_view.wallWidth));
}

}  // namespace kalvo
