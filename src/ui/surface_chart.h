#pragma once

#include <QImage>
#include <QWidget>

#include "plot/data_grid.h"
#include "plot/surface_view.h"

class QHBoxLayout;
class QLabel;
class QCustom3DItem;
class Q3DSurface;
class QSurface3DSeries;

namespace kalvo {

class AxisGridFormatter;
class SurfaceLegend;

/// The 3D surface of a data grid, drawn by Qt Data Visualization: rows along X, columns
/// along the depth axis, values upward, filled in one colour, with walls of a chosen
/// width behind it, a grid per axis, axis titles, a chart title and a legend. The rest
/// of the program speaks to it in these terms only.
///
/// 3D drawing needs OpenGL. Where there is none (the offscreen platform, a display
/// without GL) the chart shows a message in its place, keeps the titles and the legend,
/// and Render returns a null image; the graph is created only when first needed.
class SurfaceChart : public QWidget {
    Q_OBJECT
  public:
    explicit SurfaceChart(QWidget* parent = nullptr);
    ~SurfaceChart() override;

    /// Whether the surface can be drawn here; the reason when not. Checked once per run.
    static bool Available(QString* reason = nullptr);
    /// True once the 3D graph exists (it is made on the first data, show or render).
    bool IsDrawn() const { return m_graph != nullptr; }

    void SetData(const DataGrid& grid);
    /// Titles, fill colour, walls, grids, legend and view angles.
    void SetView(const SurfaceView& view);

    /// The chart as a picture of `size` with its title and, when shown, its legend;
    /// null when the surface cannot be drawn here.
    QImage Render(const QSize& size);

    // What the graph draws, for tests.
    bool AxisGridDrawn(int axis) const;
    QColor DrawnFillColor() const;
    /// The view's rotation as the camera has it, in -180..180.
    float CameraRotation() const;
    float CameraElevation() const;
    int WallCount() const;
    QString AxisTitle(int axis) const;

  signals:
    /// The user turned the view with the mouse; angles as SurfaceView keeps them.
    void ViewTurned(double rotation, double elevation);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void CreateGraph();
    void ApplyData();
    void ApplyView();
    void PlaceWalls();

    DataGrid m_grid;
    SurfaceView m_view;
    QLabel* m_title = nullptr;
    QLabel* m_message = nullptr;
    QHBoxLayout* m_row = nullptr;
    QWidget* m_container = nullptr;
    SurfaceLegend* m_legend = nullptr;
    Q3DSurface* m_graph = nullptr;
    QSurface3DSeries* m_series = nullptr;
    AxisGridFormatter* m_formatters[3] = {};  ///< X, vertical, depth
    QCustom3DItem* m_walls[3] = {};           ///< floor, back wall, side wall
    bool m_settingCamera = false;
};

}  // namespace kalvo
