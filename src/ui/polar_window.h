#pragma once

#include <span>

#include <QString>

#include "frontend/settings.h"
#include "plot/curve_sampler.h"
#include "plot/polar_view.h"
#include "ui/chart_window.h"

namespace kalvo {

class PolarChart;

/// The "Polar" window: polar curves that accumulate, one per pair of data columns, with
/// a legend of their names and a grid, printed, saved, copied, pasted into and edited
/// through the commands of its tool bar and menus. Created once at start-up and kept
/// until the program ends; closing it hides it.
class TfmPolar : public ChartWindow {
    Q_OBJECT
  public:
    /// The placement comes from the "fmPolar" settings; the chart starts without columns.
    TfmPolar(DialogService& dialogs, Settings& settings, QWidget* parent = nullptr);

    /// Appends two columns (angle in degrees, radius) holding the samples, sets the row
    /// count to their number of points (kept when larger, so earlier curves keep theirs),
    /// labels the angle column with `legend`, gives the new curve line width 1, sets the
    /// axis titles, and shows the window.
    void AddCurve(const PolarSamples& samples, const QString& legend, const QString& xTitle,
                  const QString& yTitle);

    /// The command table: tool buttons and menus are built from it.
    static std::span<const ChartCommand> Commands();

    const PolarView& View() const { return m_view; }
    PolarChart& Chart() { return *m_chart; }

  protected:
    QImage RenderChart(const QSize& size, QString& error) override;
    void Redraw() override;
    void GridReplaced() override;
    void ToggleLegend() override;
    void EditProperties() override;
    void RunOwn(ChartCommandId id) override;

  private:
    PolarView m_view;
    PolarChart* m_chart;
};

}  // namespace kalvo
