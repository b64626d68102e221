#pragma once

#include <QColor>
#include <QString>

#include "plot/curve_sampler.h"
#include "ui/plot_window.h"

namespace kalvo {

/// What an f(X) plot writes on the 2D chart besides its points.
struct CurveTitles {
    QString legend;       ///< the series' name ("f(" + input + ")")
    QString description;  ///< "f(" + blank-free text + ")"
    QString title;        ///< chart title
    QString x;            ///< X axis name
    QString y;            ///< Y axis name
    QColor color;         ///< the curve's colour; invalid: the chart's next free colour
};

/// The "2D - Plot" window: the curves y = f(X), one series each, kept until the user
/// deletes them in the properties dialog.
class TfmPlot2D : public PlotWindow {
    Q_OBJECT
  public:
    TfmPlot2D(DialogService& dialogs, Settings& settings, QWidget* parent = nullptr);

    /// Adds the samples as a new series with the next free marker, a marker on every
    /// (N div 20)-th point, its line-legend entry and the titles. Does not show the window.
    ChartSeries* AddCurve(const CurveSamples& samples, const CurveTitles& titles);
    /// Set the first time the window is shown.
    bool WasShown() const { return m_shown; }

    void ExportData();
    void ImportData();

  protected:
    void RunCommand(PlotCommand command) override;
    void showEvent(QShowEvent* event) override;

  private:
    bool m_shown = false;
};

}  // namespace kalvo
