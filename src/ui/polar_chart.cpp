#include "ui/polar_chart.h"

#include <qcustomplot.h>
#include <QPointer>
#include <QVBoxLayout>

#include "ui/rgb_color.h"

namespace kalvo {

namespace {

constexpr double kTurn = 360;
constexpr double kRadialAxisAngle = 22.5;
/// The radius axis reaches a little beyond the farthest point.
constexpr double kRadiusMargin = 1.05;

QPen GridPen() {
    return QPen(QColor(170, 170, 170), 0, Qt::DotLine);
}

}  // namespace

PolarChart::PolarChart(QWidget* parent) : QWidget(parent) {
    setObjectName("VtChart");
    m_plot = new QCustomPlot(this);
    m_plot->setObjectName("PolarPlot");
    m_plot->setAutoAddPlottableToLegend(false);
    m_plot->plotLayout()->clear();

    m_angular = new QCPPolarAxisAngular(m_plot);
    m_plot->plotLayout()->addElement(0, 0, m_angular);
    m_angular->setRangeDrag(false);
    m_angular->setRangeZoom(false);
    m_angular->setRange(0, kTurn);
    // Mathematical orientation: 0 degrees to the right, angles turning anticlockwise.
    m_angular->setAngle(0);
    m_angular->setRangeReversed(true);
    m_angular->setTickLabelMode(QCPPolarAxisAngular::lmUpright);
    m_angular->grid()->setSubGridType(QCPPolarGrid::gtNone);
    m_angular->grid()->setAngularPen(GridPen());
    m_angular->grid()->setRadialPen(GridPen());
    QCPPolarAxisRadial* radial = m_angular->radialAxis();
    radial->setTickLabelMode(QCPPolarAxisRadial::lmUpright);
    radial->setTickLabelRotation(0);
    radial->setAngle(kRadialAxisAngle);
    radial->setRangeDrag(false);
    radial->setRangeZoom(false);

    // The legend stands at the top of a column right of the chart.
    auto* side = new QCPLayoutGrid;
    m_plot->plotLayout()->addElement(0, 1, side);
    m_plot->plotLayout()->setColumnStretchFactor(1, 0.001);
    m_legend = new QCPLegend;
    side->addElement(0, 0, m_legend);
    side->addElement(1, 0, new QCPLayoutElement(m_plot));
    side->setRowStretchFactor(0, 0.001);
    m_legend->setLayer(QStringLiteral("legend"));

    m_caption = new QCPTextElement(m_plot, QString());
    m_plot->plotLayout()->addElement(1, 0, m_caption);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_plot);
}

void PolarChart::SetTitle(const QString& title) {
    QCPLayoutGrid* layout = m_plot->plotLayout();
    if (title.isEmpty()) {
        if (m_title) {
            layout->remove(m_title);
            layout->simplify();
            m_title = nullptr;
        }
        return;
    }
    if (!m_title) {
        layout->insertRow(0);
        m_title = new QCPTextElement(m_plot, title, QFont(font().family(), -1, QFont::Bold));
        layout->addElement(0, 0, m_title);
    }
    m_title->setText(title);
}

void PolarChart::SetData(const DataGrid& grid, const PolarView& view) {
    // Legend items refer to their curves: they go first.
    m_legend->clearItems();
    for (QCPPolarGraph* curve : std::as_const(m_curves)) {
        // The axis forgets the curve (and may delete it); whatever is left goes here.
        QPointer<QCPPolarGraph> left(curve);
        m_angular->removeGraph(curve);
        delete left.data();
    }
    m_curves.clear();
    const int curves = PolarCurveCount(grid);
    for (int k = 0; k < curves; ++k) {
        auto* graph = new QCPPolarGraph(m_angular, m_angular->radialAxis());
        m_curves.push_back(graph);
        QVector<double> angles;
        QVector<double> radii;
        for (const PolarPoint& point : PolarPath(grid, k)) {
            angles.push_back(point.angle);
            radii.push_back(point.radius);
        }
        graph->setData(angles, radii, true);
        graph->setName(QString::fromStdString(grid.ColumnLabel(2 * k)));
        const PolarCurveStyle style = k < static_cast<int>(view.curves.size())
                                          ? view.curves[static_cast<std::size_t>(k)]
                                          : PolarCurveStyle{1, DefaultCurveColor(k)};
        graph->setPen(QPen(ToQColor(style.color), style.lineWidth));
        graph->addToLegend(m_legend);
    }
    m_angular->radialAxis()->setRange(0, PolarRadiusLimit(grid) * kRadiusMargin);

    QCPPolarGrid::GridTypes types = QCPPolarGrid::gtNone;
    if (view.grids.Shown(1)) {
        types |= QCPPolarGrid::gtRadial;
    }
    if (view.grids.Shown(2)) {
        types |= QCPPolarGrid::gtAngular;
    }
    m_angular->grid()->setType(types);
    m_legend->setVisible(view.showLegend);

    QStringList caption;
    if (!view.titles.axis[0].empty()) {
        caption << tr("Angle: %1").arg(QString::fromStdString(view.titles.axis[0]));
    }
    if (!view.titles.axis[1].empty()) {
        caption << tr("Radius: %1").arg(QString::fromStdString(view.titles.axis[1]));
    }
    m_caption->setText(caption.join(QStringLiteral("    ")));
    SetTitle(QString::fromStdString(view.titles.chart));
    m_plot->replot();
}

QImage PolarChart::Render(const QSize& size) {
    if (size.isEmpty()) {
        return {};
    }
    return m_plot->toPixmap(size.width(), size.height()).toImage();
}

int PolarChart::CurveCount() const {
    return static_cast<int>(m_curves.size());
}

int PolarChart::LegendEntryCount() const {
    return m_legend->itemCount();
}

bool PolarChart::LegendShown() const {
    return m_legend->visible();
}

QCPPolarGraph* PolarChart::Curve(int curve) const {
    return curve >= 0 && curve < CurveCount() ? m_curves[curve] : nullptr;
}

QString PolarChart::CurveName(int curve) const {
    QCPPolarGraph* graph = Curve(curve);
    return graph ? graph->name() : QString();
}

QPen PolarChart::CurvePen(int curve) const {
    QCPPolarGraph* graph = Curve(curve);
    return graph ? graph->pen() : QPen();
}

int PolarChart::CurvePointCount(int curve) const {
    QCPPolarGraph* graph = Curve(curve);
    return graph ? graph->data()->size() : 0;
}

bool PolarChart::CirclesShown() const {
    return m_angular->grid()->type().testFlag(QCPPolarGrid::gtRadial);
}

bool PolarChart::SpokesShown() const {
    return m_angular->grid()->type().testFlag(QCPPolarGrid::gtAngular);
}

QString PolarChart::Caption() const {
    return m_caption->text();
}

}  // namespace kalvo
