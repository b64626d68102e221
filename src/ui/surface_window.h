#pragma once

#include <span>

#include <QString>

#include "frontend/settings.h"
#include "plot/grid_sampler.h"
#include "plot/surface_view.h"
#include "ui/chart_window.h"

namespace kalvo {

class SurfaceChart;

/// The names written on a surface plot.
struct SurfaceTitles {
    QString x;         ///< axis 0, from edX
    QString vertical;  ///< axes 1 and 2 (the values), from edTitle
    QString depth;     ///< axis 3, from edY
    QString chart;     ///< chart title, from edLegend ("|" + legend + "|" in complex mode)
};

/// The "Surface" window: a data grid drawn as a 3D surface that the user turns, with
/// its grids, legend, walls and fill colour, printed, saved, copied, pasted into and
/// edited through the commands of its tool bar and menus. Created once at start-up and
/// kept until the program ends; closing it hides it.
class TfmSurface : public ChartWindow {
    Q_OBJECT
  public:
    /// The fill colour, wall width and placement come from the "fmSurface" settings.
    TfmSurface(DialogService& dialogs, Settings& settings, QWidget* parent = nullptr);

    /// Replaces the whole surface with the samples (rows = X points, columns = Y points,
    /// row and column labels from the samples, cells as general 15-digit text) and shows
    /// the window.
    void ShowSurface(const SurfaceSamples& samples, const SurfaceTitles& titles);

    /// The command table: tool buttons and menus are built from it.
    static std::span<const ChartCommand> Commands();

    const SurfaceView& View() const { return m_view; }
    SurfaceChart& Chart() { return *m_chart; }
    /// A picture of the whole window as it stands on screen, the 3D chart included (a
    /// plain grab leaves the OpenGL area empty).
    QImage Snapshot();

  protected:
    QImage RenderChart(const QSize& size, QString& error) override;
    void Redraw() override;
    void ToggleLegend() override;
    void EditProperties() override;
    void RunOwn(ChartCommandId id) override;
    void StoreSettings() override;

  private:
    Settings& m_settings;
    SurfaceView m_view;
    SurfaceChart* m_chart;
};

}  // namespace kalvo
