#include "ui/chart/chart_series.h"

#include "plot/chart_markers.h"

namespace kalvo {

namespace {

QCPScatterStyle::ScatterShape Shape(ChartMarker marker) {
    switch (marker) {
        case ChartMarker::kNone:
            return QCPScatterStyle::ssNone;
        case ChartMarker::kCircle:
            return QCPScatterStyle::ssCircle;
        case ChartMarker::kSquare:
            return QCPScatterStyle::ssSquare;
        case ChartMarker::kDiamond:
            return QCPScatterStyle::ssDiamond;
        case ChartMarker::kTriangle:
            return QCPScatterStyle::ssTriangle;
        case ChartMarker::kCross:
            return QCPScatterStyle::ssCross;
        case ChartMarker::kPlus:
            return QCPScatterStyle::ssPlus;
        case ChartMarker::kStar:
            return QCPScatterStyle::ssStar;
        case ChartMarker::kTriangleDown:
            return QCPScatterStyle::ssTriangleInverted;
        case ChartMarker::kDisc:
            return QCPScatterStyle::ssDisc;
    }
    return QCPScatterStyle::ssNone;
}

Qt::PenStyle PenStyle(ChartLine line) {
    switch (line) {
        case ChartLine::kSolid:
            return Qt::SolidLine;
        case ChartLine::kDash:
            return Qt::DashLine;
        case ChartLine::kDot:
            return Qt::DotLine;
        case ChartLine::kDashDot:
            return Qt::DashDotLine;
        case ChartLine::kNone:
            return Qt::NoPen;
    }
    return Qt::SolidLine;
}

constexpr double kMarkerSize = 7;

}  // namespace

QString MarkerName(ChartMarker marker) {
    static const char* const names[kChartMarkerCount] = {
        "None",  "Circle", "Square", "Diamond",       "Triangle",
        "Cross", "Plus",   "Star",   "Triangle down", "Disc"};
    return QString::fromLatin1(names[static_cast<int>(marker)]);
}

QString LineName(ChartLine line) {
    static const char* const names[kChartLineCount] = {"Solid", "Dash", "Dot", "Dash dot", "None"};
    return QString::fromLatin1(names[static_cast<int>(line)]);
}

ChartSeries::ChartSeries(QCPAxis* keyAxis, QCPAxis* valueAxis) : QCPGraph(keyAxis, valueAxis) {
    setAdaptiveSampling(true);
}

void ChartSeries::SetColor(const QColor& color) {
    QPen p = pen();
    p.setColor(color);
    setPen(p);
    SetMarker(m_marker);  // the marker takes the new colour
}

void ChartSeries::SetMarker(ChartMarker marker) {
    m_marker = marker;
    QCPScatterStyle style(Shape(marker), kMarkerSize);
    style.setPen(QPen(Color(), 1.2));
    setScatterStyle(style);
}

void ChartSeries::SetLine(ChartLine line) {
    m_line = line;
    QPen p = pen();
    p.setStyle(PenStyle(line));
    setPen(p);
    setLineStyle(line == ChartLine::kNone ? QCPGraph::lsNone : QCPGraph::lsLine);
}

void ChartSeries::SetLineWidth(int width) {
    QPen p = pen();
    p.setWidth(std::max(width, 1));
    setPen(p);
}

void ChartSeries::draw(QCPPainter* painter) {
    // The graph draws the line alone; the markers follow the marker interval rather than
    // the graph's own every-n-th rule. The style stays set for the legend icon.
    const QCPScatterStyle markers = scatterStyle();
    setScatterStyle(QCPScatterStyle());
    QCPGraph::draw(painter);
    setScatterStyle(markers);
    if (markers.isNone() || !mKeyAxis || !mValueAxis) {
        return;
    }
    const QCPRange keys = mKeyAxis->range();
    const QCPRange values = mValueAxis->range();
    applyScattersAntialiasingHint(painter);
    markers.applyTo(painter, pen());
    if (!m_clipMarkers) {
        painter->setClipping(false);
    }
    for (int index : MarkerIndices(dataCount(), m_markerInterval)) {
        const auto point = mDataContainer->at(index);
        if (keys.contains(point->key) && values.contains(point->value)) {
            markers.drawShape(painter, coordsToPixels(point->key, point->value));
        }
    }
}

}  // namespace kalvo
