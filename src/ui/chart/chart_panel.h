#pragma once

#include <memory>
#include <utility>
#include <vector>

#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "plot/chart_frame.h"
#include "plot/plot_request.h"
#include "plot/series_table.h"
#include "plot/zoom_levels.h"
#include "ui/chart/chart_series.h"

class QCustomPlot;
class QCPAxis;
class QCPColorMap;
class QCPColorScale;
class QCPTextElement;
class QPrinter;
class QVariantAnimation;

namespace kalvo {

class ChartProperties;
class DepthFrame;

/// The chart panel of the 2D and contour windows: axes with names and ranges, a title,
/// series layers with a line legend, a colour map with its colour legend, zoom levels
/// marked with a rubber band, a 3D view, axis grids, a fixed vertical exaggeration and
/// picture output. The windows speak to it in these terms only.
///
///   TPlot chart(this);
///   ChartSeries* s = chart.AddSeries("f(sin(X))", chart.FreeColor(), chart.FreeMarker());
///   s->AddPoint(0, 0);
///   chart.AddLineLegend(s);
///   chart.Redraw();
class TPlot : public QWidget {
    Q_OBJECT
  public:
    enum class Axis { kX, kY };

    explicit TPlot(QWidget* parent = nullptr);
    ~TPlot() override;

    // Axes and title.
    void SetAxisName(Axis axis, const QString& name);
    QString AxisName(Axis axis) const;
    void SetTitle(const QString& title);
    QString Title() const;
    /// With automatic ends the axis follows the data at the next redraw.
    void SetAutoRange(Axis axis, bool autoMin, bool autoMax);
    void SetAxisRange(Axis axis, double min, double max);
    ChartView View() const;
    /// Markers beyond the axis ends are drawn (off) or cut at the plot area (on).
    void SetClipMarkers(bool on);
    /// Vertical exaggeration: pixels per Y unit over pixels per X unit; 0 fills the area.
    void SetExaggerate(double exaggeration);
    double Exaggerate() const { return m_exaggerate; }

    // Frame, ticks and grids.
    const ChartFrame& Frame() const { return m_frame; }
    void SetFrame(const ChartFrame& frame);
    /// The 3D-view toggle; `savedFrameWidth` holds the frame width while the view is on.
    void ToggleView3D(int& savedFrameWidth);
    bool AxisGrid(Axis axis) const;
    void SetAxisGrid(Axis axis, bool on);
    /// Draws the axes and their grids above the layers (the grid shows over a shading)
    /// or below them again.
    void SetGridAbove(bool above);

    // Series layers.
    QColor FreeColor() const;
    ChartMarker FreeMarker() const;
    ChartSeries* AddSeries(const QString& name, const QColor& color, ChartMarker marker);
    int SeriesCount() const { return static_cast<int>(m_series.size()); }
    ChartSeries* Series(int index) const { return m_series.at(static_cast<std::size_t>(index)); }
    void RemoveSeries(ChartSeries* series);
    /// Adds the series' entry (its name, line and marker) to the line legend.
    void AddLineLegend(ChartSeries* series);
    bool HasLineLegend(const ChartSeries* series) const;
    bool LineLegendVisible() const;
    void SetLineLegendVisible(bool on);

    // Colour map and colour legend.
    /// Shows Z over the grid (z[i * y.size() + j] at x[i], y[j]) as colours; values of
    /// 1234321 or more in magnitude are left empty.
    void SetColorMap(const std::vector<double>& x, const std::vector<double>& y,
                     const std::vector<double>& z);
    bool HasColorMap() const;
    /// Binds the colour legend to the colour map; style 2 shows it as a bar beside the
    /// plot area with the map's range.
    void BindColorLegend(int style);
    bool ColorLegendVisible() const;
    /// The values the colour legend spans (both 0 when there is none).
    std::pair<double, double> ColorLegendRange() const;
    void SetColorLegendVisible(bool on);
    /// A layer drawn by the chart's user (the contour lines), removed by ClearLayers.
    void AddLayer(QCPAbstractPlottable* layer);
    void AddLegendEntry(QCPAbstractPlottable* layer);
    /// Removes every layer, legend entry and axis setting: series, colour map, contour
    /// layers, zoom levels, titles and ranges back to automatic.
    void ClearLayers();

    // Zoom.
    /// In zoom mode a rectangle marked with the mouse zooms in and is kept as a level.
    void SetZoomMode(bool on);
    bool ZoomMode() const { return m_zoom.Mode(); }
    bool Animation() const { return m_zoom.Animation(); }
    void SetAnimation(bool on) { m_zoom.SetAnimation(on); }
    /// Goes back one level; false when no level is left.
    bool PreviousZoom();
    /// Back to the full view, zoom mode off.
    void LeaveZoom();
    int ZoomLevelCount() const { return m_zoom.Count(); }
    /// Zooms to a view as a marked rectangle does (the current view becomes a level).
    void ZoomTo(const ChartView& view);

    // Output.
    void Redraw();
    bool SavePicture(const QString& path, QString* error);
    bool SavePicture(const QString& path, PictureFormat format, QString* error);
    void Print(QPrinter& printer);
    void CopyPicture();
    /// The series as data (export) and new series from data (import).
    std::vector<SeriesData> SeriesDataList() const;
    int AddSeriesData(const std::vector<SeriesData>& data);
    /// What the properties dialog edits, and its outcome applied.
    ChartProperties Properties() const;
    void ApplyProperties(const ChartProperties& properties);

    /// The drawing surface, for picture output helpers and tests of what is drawn.
    QCustomPlot& Canvas() const { return *m_plot; }

  signals:
    /// A click in the plot area outside zoom mode, in axis coordinates.
    void Clicked(double x, double y, Qt::MouseButton button);
    /// Zoom mode or the levels changed.
    void ZoomChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QCPAxis* AxisOf(Axis axis) const;
    void ApplyFrame();
    void FitExaggeration();
    void SetView(const ChartView& view, bool animate);
    void RubberBandMarked(const QRect& rect);
    void MousePressed(QMouseEvent* event);

    QCustomPlot* m_plot;
    QCPTextElement* m_title = nullptr;
    QCPColorMap* m_colorMap = nullptr;
    QCPColorScale* m_colorScale = nullptr;
    DepthFrame* m_depth = nullptr;
    std::vector<ChartSeries*> m_series;
    std::vector<QCPAbstractPlottable*> m_layers;
    ChartFrame m_frame;
    ZoomLevels m_zoom;
    double m_exaggerate = 0;
    bool m_gridAbove = false;
    bool m_clipMarkers = true;
    bool m_fitting = false;
    QPointer<QVariantAnimation> m_animation;
};

}  // namespace kalvo
