#pragma once

#include <QImage>
#include <QList>
#include <QPen>
#include <QWidget>

#include "plot/data_grid.h"
#include "plot/polar_view.h"

class QCustomPlot;
class QCPLegend;
class QCPPolarAxisAngular;
class QCPPolarGraph;
class QCPTextElement;

namespace kalvo {

/// The polar curves of a data grid, drawn by QCustomPlot: one curve per pair of columns
/// (angle in degrees, radius), 0 degrees to the right and angles turning anticlockwise,
/// with a legend of the curves' names, a grid of circles (the radius axis, 1) and spokes
/// (axis 2), the axis titles under the chart and a chart title above it. The rest of the
/// program speaks to it in these terms only.
class PolarChart : public QWidget {
    Q_OBJECT
  public:
    explicit PolarChart(QWidget* parent = nullptr);

    /// Draws the grid's curves as the view styles them (one style per curve).
    void SetData(const DataGrid& grid, const PolarView& view);

    /// The chart as a picture of `size`, drawn without showing the window.
    QImage Render(const QSize& size);

    // What the chart draws, for tests.
    int CurveCount() const;
    int LegendEntryCount() const;
    bool LegendShown() const;
    QString CurveName(int curve) const;
    QPen CurvePen(int curve) const;
    int CurvePointCount(int curve) const;
    bool CirclesShown() const;
    bool SpokesShown() const;
    QString Caption() const;

  private:
    void SetTitle(const QString& title);
    QCPPolarGraph* Curve(int curve) const;

    QCustomPlot* m_plot;
    QCPPolarAxisAngular* m_angular;
    QCPLegend* m_legend;
    QCPTextElement* m_caption;
    QCPTextElement* m_title = nullptr;
    QList<QCPPolarGraph*> m_curves;
};

}  // namespace kalvo
