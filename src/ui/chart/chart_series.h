#pragma once

#include <QColor>
#include <QString>

#include <qcustomplot.h>

namespace kalvo {

/// The marker styles a series can carry, in the order the chart hands them out.
enum class ChartMarker {
    kNone,
    kCircle,
    kSquare,
    kDiamond,
    kTriangle,
    kCross,
    kPlus,
    kStar,
    kTriangleDown,
    kDisc
};
inline constexpr int kChartMarkerCount = 10;
/// The markers' names as the properties dialog lists them.
QString MarkerName(ChartMarker marker);

/// The line styles a series can be drawn with.
enum class ChartLine { kSolid, kDash, kDot, kDashDot, kNone };
inline constexpr int kChartLineCount = 5;
QString LineName(ChartLine line);

/// One series layer: a curve of points with a name, a colour, a line, a marker drawn on
/// every k-th point (and the last), and a description. The chart owns it.
class ChartSeries : public QCPGraph {
    Q_OBJECT
  public:
    ChartSeries(QCPAxis* keyAxis, QCPAxis* valueAxis);

    QColor Color() const { return pen().color(); }
    void SetColor(const QColor& color);
    ChartMarker Marker() const { return m_marker; }
    void SetMarker(ChartMarker marker);
    ChartLine Line() const { return m_line; }
    void SetLine(ChartLine line);
    int LineWidth() const { return pen().width(); }
    void SetLineWidth(int width);
    /// A marker on every k-th point and on the last; on every point when 3k reaches the
    /// number of points; k = 0 counts as 1.
    int MarkerInterval() const { return m_markerInterval; }
    void SetMarkerInterval(int interval) { m_markerInterval = interval; }
    const QString& Description() const { return m_description; }
    void SetDescription(const QString& text) { m_description = text; }

    /// Whether markers are cut at the plot area (on) or drawn whole at its edge.
    void SetClipMarkers(bool on) { m_clipMarkers = on; }

    void AddPoint(double x, double y) { addData(x, y); }
    int PointCount() const { return dataCount(); }

  protected:
    void draw(QCPPainter* painter) override;

  private:
    ChartMarker m_marker = ChartMarker::kNone;
    ChartLine m_line = ChartLine::kSolid;
    int m_markerInterval = 0;
    QString m_description;
    bool m_clipMarkers = true;
};

}  // namespace kalvo
