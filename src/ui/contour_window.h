#pragma once

#include <QString>

#include "chart/contour_layer.h"
#include "plot/grid_sampler.h"
#include "ui/plot_window.h"

namespace kalvo {

class ContourPlottable;

/// What an f(X,Y) plot writes on the contour chart besides its map.
struct GridTitles {
    QString title;  ///< "|" + title + "|" in complex mode
    QString x;
    QString y;
    QString description;  ///< the input text, the contour legend's entry
};

/// The "Contour Plot" window: one contour map or colour shading of Z = f(X,Y) at a time,
/// with the contour edit modes (add or delete a contour through a clicked point, place or
/// hide a label).
class TfmContourPlot : public PlotWindow {
    Q_OBJECT
  public:
    TfmContourPlot(DialogService& dialogs, Settings& settings, QWidget* parent = nullptr);

    /// Replaces the chart's content with the grid as a contour map of `levels` levels or
    /// as a colour shading, over the grid's X and Y range, with the exaggeration.
    /// Does not show the window.
    void ShowGrid(const GridSamples& samples, bool shade, int levels, double exaggeration,
                  const GridTitles& titles);
    bool ShadeMode() const { return m_shadeMode; }
    /// The current contour layer; null before the first plot.
    ContourPlottable* Layer() const { return m_layer; }

    TContour::EditMode EditMode() const { return m_editMode; }
    void SetEditMode(TContour::EditMode mode);
    void ToggleLegend() override;
    void ToggleGrid(TPlot::Axis axis) override;

  protected:
    void RunCommand(PlotCommand command) override;
    void showEvent(QShowEvent* event) override;

  private:
    void ChartClicked(double x, double y);
    void ShowEditCommands(bool on);

    ContourPlottable* m_layer = nullptr;
    bool m_shadeMode = false;
    bool m_lineLegendShown = true;  ///< the line legend of contour maps, kept over shadings
    TContour::EditMode m_editMode = TContour::EditMode::kNone;
};

}  // namespace kalvo
