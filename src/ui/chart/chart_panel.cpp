#include "ui/chart/chart_panel.h"

#include <algorithm>
#include <cmath>

#include <QMouseEvent>
#include <QVBoxLayout>

#include <qcustomplot.h>

#include "plot/aspect_fit.h"
#include "plot/chart_markers.h"
#include "ui/chart/chart_picture.h"
#include "ui/chart/chart_properties.h"
#include "ui/chart/depth_frame.h"

namespace kalvo {

namespace {

/// The colours handed out to new series, in order.
const QColor kSeriesColors[] = {
    QColor(0x1f, 0x4e, 0xc8), QColor(0xd0, 0x1c, 0x1c), QColor(0x1a, 0x8c, 0x2e),
    QColor(0xb0, 0x2a, 0xb8), QColor(0x00, 0x8b, 0x8b), QColor(0xe0, 0x7b, 0x00),
    QColor(0x6a, 0x3d, 0x9a), QColor(0x8b, 0x57, 0x2a), QColor(0x80, 0x80, 0x00),
    QColor(0x00, 0x00, 0x80), QColor(0x40, 0x40, 0x40), QColor(0xe7, 0x29, 0x8a)};
constexpr int kSeriesColorCount = static_cast<int>(std::size(kSeriesColors));

/// Values of this magnitude mark missing points; the colour map leaves them empty.
constexpr double kMissingValue = 1234321;

void ApplyTicks(QCPAxis* axis, const TickStyle& t) {
    axis->setTicks(t.majorVisible);
    axis->setSubTicks(t.minorVisible);
    if (t.inward) {
        axis->setTickLength(t.majorLength, 0);
        axis->setSubTickLength(t.minorLength, 0);
    } else {
        axis->setTickLength(0, t.majorLength);
        axis->setSubTickLength(0, t.minorLength);
    }
}

}  // namespace

TPlot::TPlot(QWidget* parent) : QWidget(parent), m_plot(new QCustomPlot(this)) {
    setObjectName("Chart");
    m_plot->setObjectName("ChartCanvas");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_plot);

    // A white plot area on the window's own background.
    m_plot->setBackground(palette().brush(QPalette::Window));
    m_plot->axisRect()->setBackground(Qt::white);
    m_plot->plotLayout()->insertRow(0);
    m_title = new QCPTextElement(m_plot, QString(), QFont(font().family(), 11, QFont::Bold));
    m_title->setTextColor(palette().color(QPalette::WindowText));
    m_plot->plotLayout()->addElement(0, 0, m_title);
    for (QCPAxis* axis : {m_plot->xAxis, m_plot->yAxis}) {
        axis->grid()->setVisible(true);
        axis->setNumberFormat(QStringLiteral("g"));
        axis->setNumberPrecision(7);
        axis->setLabelColor(palette().color(QPalette::WindowText));
        axis->setTickLabelColor(palette().color(QPalette::WindowText));
    }
    m_plot->xAxis2->setVisible(false);
    m_plot->yAxis2->setVisible(false);
    m_plot->legend->setVisible(true);
    m_plot->legend->setBrush(QColor(255, 255, 255, 220));
    m_plot->axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignTop | Qt::AlignRight);
    m_plot->axisRect()->setSizeConstraintRect(QCPLayoutElement::scrInnerRect);

    m_plot->addLayer(QStringLiteral("depth"), m_plot->layer(QStringLiteral("background")),
                     QCustomPlot::limBelow);
    m_depth = new DepthFrame(m_plot, m_plot->axisRect());
    m_depth->setLayer(QStringLiteral("depth"));

    m_frame = DefaultChartFrame();
    ApplyFrame();
    SetAxisRange(Axis::kX, -10, 10);
    SetAxisRange(Axis::kY, -10, 10);

    connect(m_plot, &QCustomPlot::afterLayout, this, &TPlot::FitExaggeration);
    connect(m_plot->selectionRect(), &QCPSelectionRect::accepted, this,
            [this](const QRect& rect, QMouseEvent*) { RubberBandMarked(rect); });
    connect(m_plot, &QCustomPlot::mousePress, this, &TPlot::MousePressed);
    m_plot->installEventFilter(this);
}

TPlot::~TPlot() {
    if (m_colorScale && !m_colorScale->layout()) {
        delete m_colorScale;  // taken out of the layout while hidden
    }
}

QCPAxis* TPlot::AxisOf(Axis axis) const {
    return axis == Axis::kX ? m_plot->xAxis : m_plot->yAxis;
}

// Axes and title ----------------------------------------------------------------------------

void TPlot::SetAxisName(Axis axis, const QString& name) {
    AxisOf(axis)->setLabel(name);
}

QString TPlot::AxisName(Axis axis) const {
    return AxisOf(axis)->label();
}

void TPlot::SetTitle(const QString& title) {
    m_title->setText(title);
    m_title->setVisible(!title.isEmpty());
}

QString TPlot::Title() const {
    return m_title->text();
}

void TPlot::SetAutoRange(Axis axis, bool autoMin, bool autoMax) {
    QCPAxis* a = AxisOf(axis);
    a->setProperty("autoMin", autoMin);
    a->setProperty("autoMax", autoMax);
}

void TPlot::SetAxisRange(Axis axis, double min, double max) {
    if (!(max > min) || !std::isfinite(min) || !std::isfinite(max)) {
        const double centre = std::isfinite(min) ? min : 0;
        min = centre - 1;
        max = centre + 1;
    }
    AxisOf(axis)->setRange(min, max);
}

ChartView TPlot::View() const {
    const QCPRange x = m_plot->xAxis->range();
    const QCPRange y = m_plot->yAxis->range();
    return {x.lower, x.upper, y.lower, y.upper};
}

void TPlot::SetClipMarkers(bool on) {
    m_clipMarkers = on;
    for (ChartSeries* s : m_series) {
        s->SetClipMarkers(on);
    }
}

void TPlot::SetExaggerate(double exaggeration) {
    m_exaggerate = std::isfinite(exaggeration) && exaggeration > 0 ? exaggeration : 0;
}

void TPlot::FitExaggeration() {
    if (m_fitting) {
        return;
    }
    m_fitting = true;
    QCPAxisRect* rect = m_plot->axisRect();
    const QSize unlimited(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (rect->maximumSize() != unlimited || m_exaggerate > 0) {
        rect->setMaximumSize(unlimited);
        m_plot->plotLayout()->update(QCPLayoutElement::upLayout);
    }
    if (m_exaggerate > 0) {
        const ChartView v = View();
        const PixelSize fit = FitAspect({rect->rect().width(), rect->rect().height()},
                                        v.xMax - v.xMin, v.yMax - v.yMin, m_exaggerate);
        rect->setMaximumSize(fit.width, fit.height);
        m_plot->plotLayout()->update(QCPLayoutElement::upLayout);
    }
    m_fitting = false;
}

// Frame, ticks and grids ------------------------------------------------------------------

void TPlot::SetFrame(const ChartFrame& frame) {
    m_frame = frame;
    ApplyFrame();
}

void TPlot::ApplyFrame() {
    ApplyTicks(m_plot->xAxis, m_frame.x);
    ApplyTicks(m_plot->yAxis, m_frame.y);
    ApplyTicks(m_plot->xAxis2, m_frame.x2);
    ApplyTicks(m_plot->yAxis2, m_frame.y2);
    for (QCPAxis* axis : {m_plot->xAxis, m_plot->yAxis}) {
        QPen base = axis->basePen();
        base.setWidth(m_frame.frameWidth);
        base.setCapStyle(Qt::SquareCap);
        axis->setBasePen(base);
    }
    m_depth->SetDepth(m_frame.view3D);
}

void TPlot::ToggleView3D(int& savedFrameWidth) {
    kalvo::ToggleView3D(m_frame, savedFrameWidth);
    ApplyFrame();
    Redraw();
}

bool TPlot::AxisGrid(Axis axis) const {
    return AxisOf(axis)->grid()->visible();
}

void TPlot::SetAxisGrid(Axis axis, bool on) {
    AxisOf(axis)->grid()->setVisible(on);
}

void TPlot::SetGridAbove(bool above) {
    m_gridAbove = above;
    const QString layer = above ? QStringLiteral("overlay") : QStringLiteral("grid");
    m_plot->xAxis->grid()->setLayer(layer);
    m_plot->yAxis->grid()->setLayer(layer);
}

// Series -------------------------------------------------------------------------------------

QColor TPlot::FreeColor() const {
    std::vector<int> used;
    for (const ChartSeries* s : m_series) {
        const auto* found =
            std::find(std::begin(kSeriesColors), std::end(kSeriesColors), s->Color());
        if (found != std::end(kSeriesColors)) {
            used.push_back(static_cast<int>(found - std::begin(kSeriesColors)));
        }
    }
    return kSeriesColors[FirstFree(used, kSeriesColorCount)];
}

ChartMarker TPlot::FreeMarker() const {
    // Markers from the circle on; "none" is never handed out.
    std::vector<int> used;
    for (const ChartSeries* s : m_series) {
        if (s->Marker() != ChartMarker::kNone) {
            used.push_back(static_cast<int>(s->Marker()) - 1);
        }
    }
    return static_cast<ChartMarker>(FirstFree(used, kChartMarkerCount - 1) + 1);
}

ChartSeries* TPlot::AddSeries(const QString& name, const QColor& color, ChartMarker marker) {
    auto* series = new ChartSeries(m_plot->xAxis, m_plot->yAxis);
    series->setName(name);
    series->SetColor(color);
    series->SetMarker(marker);
    series->SetClipMarkers(m_clipMarkers);
    series->removeFromLegend();
    m_series.push_back(series);
    return series;
}

void TPlot::RemoveSeries(ChartSeries* series) {
    auto found = std::find(m_series.begin(), m_series.end(), series);
    if (found == m_series.end()) {
        return;
    }
    m_series.erase(found);
    m_plot->removePlottable(series);
}

void TPlot::AddLineLegend(ChartSeries* series) {
    series->addToLegend();
}

bool TPlot::HasLineLegend(const ChartSeries* series) const {
    return m_plot->legend->hasItemWithPlottable(series);
}

bool TPlot::LineLegendVisible() const {
    return m_plot->legend->visible();
}

void TPlot::SetLineLegendVisible(bool on) {
    m_plot->legend->setVisible(on);
}

std::vector<SeriesData> TPlot::SeriesDataList() const {
    std::vector<SeriesData> list;
    for (const ChartSeries* s : m_series) {
        SeriesData d;
        d.name = s->name().toStdString();
        for (auto it = s->data()->constBegin(); it != s->data()->constEnd(); ++it) {
            d.x.push_back(it->key);
            d.y.push_back(it->value);
        }
        list.push_back(std::move(d));
    }
    return list;
}

int TPlot::AddSeriesData(const std::vector<SeriesData>& data) {
    for (const SeriesData& d : data) {
        ChartSeries* s = AddSeries(QString::fromStdString(d.name), FreeColor(), FreeMarker());
        s->SetMarkerInterval(CurveMarkerInterval(static_cast<int>(d.x.size())));
        for (std::size_t i = 0; i < d.x.size() && i < d.y.size(); ++i) {
            s->AddPoint(d.x[i], d.y[i]);
        }
        AddLineLegend(s);
    }
    return static_cast<int>(data.size());
}

// Colour map and layers ---------------------------------------------------------------------

void TPlot::SetColorMap(const std::vector<double>& x, const std::vector<double>& y,
                        const std::vector<double>& z) {
    if (m_colorMap) {
        m_plot->removePlottable(m_colorMap);
        m_colorMap = nullptr;
    }
    const int nx = static_cast<int>(x.size());
    const int ny = static_cast<int>(y.size());
    if (nx < 2 || ny < 2 || z.size() != x.size() * y.size()) {
        return;
    }
    m_colorMap = new QCPColorMap(m_plot->xAxis, m_plot->yAxis);
    m_colorMap->setLayer(QStringLiteral("background"));
    m_colorMap->removeFromLegend();
    QCPColorMapData* data = m_colorMap->data();
    data->setSize(nx, ny);
    data->setRange(QCPRange(x.front(), x.back()), QCPRange(y.front(), y.back()));
    for (int i = 0; i < nx; ++i) {
        for (int j = 0; j < ny; ++j) {
            const double v = z[static_cast<std::size_t>(i) * ny + j];
            data->setCell(i, j,
                          std::fabs(v) >= kMissingValue || !std::isfinite(v)
                              ? std::numeric_limits<double>::quiet_NaN()
                              : v);
        }
    }
    QCPColorGradient gradient(QCPColorGradient::gpJet);
    gradient.setNanHandling(QCPColorGradient::nhTransparent);
    m_colorMap->setGradient(gradient);
    m_colorMap->setInterpolate(true);
    m_colorMap->rescaleDataRange(true);
}

bool TPlot::HasColorMap() const {
    return m_colorMap != nullptr;
}

void TPlot::BindColorLegend(int style) {
    if (!m_colorScale) {
        m_colorScale = new QCPColorScale(m_plot);
        m_colorScale->setType(QCPAxis::atRight);
        m_colorScale->setBarWidth(14);
        m_colorScale->axis()->setTickLabelColor(palette().color(QPalette::WindowText));
        auto* group = new QCPMarginGroup(m_plot);
        m_plot->axisRect()->setMarginGroup(QCP::msBottom | QCP::msTop, group);
        m_colorScale->setMarginGroup(QCP::msBottom | QCP::msTop, group);
        SetColorLegendVisible(true);
    }
    // Style 2: a bar beside the plot area spanning the map's values.
    m_colorScale->setType(style == 2 ? QCPAxis::atRight : QCPAxis::atBottom);
    if (m_colorMap) {
        // Binding hands the scale's gradient and range to the map: the map's go first.
        const QCPColorGradient gradient = m_colorMap->gradient();
        const QCPRange range = m_colorMap->dataRange();
        m_colorScale->setGradient(gradient);
        m_colorScale->setDataRange(range);
        m_colorMap->setColorScale(m_colorScale);
    }
}

std::pair<double, double> TPlot::ColorLegendRange() const {
    if (!m_colorScale) {
        return {0, 0};
    }
    return {m_colorScale->dataRange().lower, m_colorScale->dataRange().upper};
}

bool TPlot::ColorLegendVisible() const {
    return m_colorScale && m_colorScale->layout() != nullptr;
}

void TPlot::SetColorLegendVisible(bool on) {
    if (!m_colorScale || on == ColorLegendVisible()) {
        return;
    }
    // A hidden scale would still take its column: it leaves the layout instead.
    QCPLayoutGrid* grid = m_plot->plotLayout();
    if (on) {
        grid->addElement(1, 1, m_colorScale);
    } else {
        grid->take(m_colorScale);
        grid->simplify();
    }
}

void TPlot::AddLayer(QCPAbstractPlottable* layer) {
    layer->removeFromLegend();
    m_layers.push_back(layer);
}

void TPlot::AddLegendEntry(QCPAbstractPlottable* layer) {
    layer->addToLegend();
}

void TPlot::ClearLayers() {
    for (ChartSeries* s : m_series) {
        m_plot->removePlottable(s);
    }
    m_series.clear();
    for (QCPAbstractPlottable* layer : m_layers) {
        m_plot->removePlottable(layer);
    }
    m_layers.clear();
    if (m_colorMap) {
        m_plot->removePlottable(m_colorMap);
        m_colorMap = nullptr;
    }
    m_plot->legend->clearItems();
    SetColorLegendVisible(false);
    SetTitle(QString());
    SetAxisName(Axis::kX, QString());
    SetAxisName(Axis::kY, QString());
    SetAutoRange(Axis::kX, true, true);
    SetAutoRange(Axis::kY, true, true);
    m_zoom.Clear();
    emit ZoomChanged();
}

// Output -------------------------------------------------------------------------------------

void TPlot::Redraw() {
    for (Axis axis : {Axis::kX, Axis::kY}) {
        QCPAxis* a = AxisOf(axis);
        const bool autoMin = a->property("autoMin").toBool();
        const bool autoMax = a->property("autoMax").toBool();
        if ((!autoMin && !autoMax) || m_zoom.Count() > 0) {
            continue;
        }
        bool found = false;
        QCPRange all;
        for (int i = 0; i < m_plot->plottableCount(); ++i) {
            bool ok = false;
            QCPAbstractPlottable* p = m_plot->plottable(i);
            const QCPRange r = axis == Axis::kX ? p->getKeyRange(ok) : p->getValueRange(ok);
            if (ok) {
                all = found ? QCPRange(std::min(all.lower, r.lower), std::max(all.upper, r.upper))
                            : r;
                found = true;
            }
        }
        if (found) {
            const QCPRange now = a->range();
            SetAxisRange(axis, autoMin ? all.lower : now.lower, autoMax ? all.upper : now.upper);
        }
    }
    m_plot->replot();
}

bool TPlot::SavePicture(const QString& path, QString* error) {
    return SaveChartPicture(*m_plot, path, error);
}

bool TPlot::SavePicture(const QString& path, PictureFormat format, QString* error) {
    return SaveChartPicture(*m_plot, path, format, error);
}

void TPlot::Print(QPrinter& printer) {
    PrintChart(*m_plot, printer);
}

void TPlot::CopyPicture() {
    CopyChartPicture(*m_plot);
}

ChartProperties TPlot::Properties() const {
    ChartProperties p;
    p.title = Title();
    p.xName = AxisName(Axis::kX);
    p.yName = AxisName(Axis::kY);
    p.view = View();
    for (const ChartSeries* s : m_series) {
        p.series.push_back({s->name(), s->Color(), s->Line(), s->LineWidth(), s->Marker(), false});
    }
    return p;
}

void TPlot::ApplyProperties(const ChartProperties& p) {
    SetTitle(p.title);
    SetAxisName(Axis::kX, p.xName);
    SetAxisName(Axis::kY, p.yName);
    if (!(p.view == View())) {
        SetAutoRange(Axis::kX, false, false);
        SetAutoRange(Axis::kY, false, false);
        SetAxisRange(Axis::kX, p.view.xMin, p.view.xMax);
        SetAxisRange(Axis::kY, p.view.yMin, p.view.yMax);
    }
    std::vector<ChartSeries*> removed;
    for (std::size_t i = 0; i < p.series.size() && i < m_series.size(); ++i) {
        const ChartProperties::SeriesEntry& e = p.series[i];
        ChartSeries* s = m_series[i];
        if (e.remove) {
            removed.push_back(s);
            continue;
        }
        s->setName(e.name);
        s->SetColor(e.color);
        s->SetLine(e.line);
        s->SetLineWidth(e.width);
        s->SetMarker(e.marker);
    }
    for (ChartSeries* s : removed) {
        RemoveSeries(s);
    }
    m_plot->replot();
}

}  // namespace kalvo
