#pragma once

#include <string>
#include <vector>

#include <QDialog>

#include "plot/data_grid.h"
#include "plot/polar_view.h"
#include "plot/surface_view.h"

class QCheckBox;
class QDoubleSpinBox;
class QFormLayout;
class QLineEdit;
class QTableWidget;

namespace kalvo {

class ColorButton;
class DialogService;

/// The surface's properties: chart and axis titles, fill colour, wall width, legend,
/// the grid of each axis and the view angles.
class SurfaceProperties : public QDialog {
    Q_OBJECT
  public:
    SurfaceProperties(DialogService& dialogs, const SurfaceView& view, QWidget* parent = nullptr);

    SurfaceView View() const;

  private:
    SurfaceView m_view;
    QLineEdit* m_titles[kAxisCount + 1];  ///< the axes, then the chart
    ColorButton* m_color;
    QDoubleSpinBox* m_wallWidth;
    QDoubleSpinBox* m_rotation;
    QDoubleSpinBox* m_elevation;
    QCheckBox* m_legend;
    QCheckBox* m_grids[kAxisCount];
};

/// The polar chart's properties: chart and axis titles, legend, the grids of circles and
/// spokes, and the name, colour and line width of each curve.
class PolarProperties : public QDialog {
    Q_OBJECT
  public:
    PolarProperties(DialogService& dialogs, const PolarView& view, const DataGrid& grid,
                    QWidget* parent = nullptr);

    PolarView View() const;
    /// The curves' names, the labels of their angle columns.
    std::vector<std::string> CurveNames() const;

  private:
    PolarView m_view;
    QLineEdit* m_chartTitle;
    QLineEdit* m_xTitle;
    QLineEdit* m_yTitle;
    QCheckBox* m_legend;
    QCheckBox* m_circles;
    QCheckBox* m_spokes;
    QTableWidget* m_curves;
};

}  // namespace kalvo
