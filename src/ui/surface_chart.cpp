#include "ui/surface_chart.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QPainter>
#include <QVBoxLayout>
#include <QtDataVisualization/Q3DCamera>
#include <QtDataVisualization/Q3DScene>
#include <QtDataVisualization/Q3DSurface>
#include <QtDataVisualization/Q3DTheme>
#include <QtDataVisualization/QCustom3DItem>
#include <QtDataVisualization/QSurface3DSeries>
#include <QtDataVisualization/QSurfaceDataProxy>
#include <QtDataVisualization/QValue3DAxis>
#include <QtDataVisualization/QValue3DAxisFormatter>

#include "display/format_general.h"
#include "ui/rgb_color.h"

// The wall mesh lives in the static ui library, whose resources are not registered by
// themselves.
static void InitPlotResources() {
    Q_INIT_RESOURCE(plot);
}

namespace kalvo {

namespace {

constexpr int kLabelDigits = 6;
/// Scene size of the graph: the horizontal half-extent is the aspect ratio times the
/// vertical one, X and depth alike, so the walls can be placed in scene units.
constexpr double kAspectRatio = 2;
/// Scene units of wall thickness per unit of wall width.
constexpr float kWallScale = 0.005f;
constexpr float kWallGap = 0.01f;
constexpr int kLegendWidth = 170;
/// The camera's zoom in percent: the whole box with its labels fits the window.
constexpr float kZoomLevel = 75;
const QColor kWallColor(222, 222, 230);

QString Reason(const char* text) {
    return QString::fromLatin1(text);
}

/// The camera's turn for a rotation: the camera circles the other way round, so that a
/// growing rotation turns the chart to the left; wrapped into -180..180.
float CameraX(double rotation) {
    return static_cast<float>(std::remainder(-rotation, 360.0));
}

void PaintLegend(QPainter& painter, const QRect& area, const SurfaceView& view, double least,
                 double greatest, const QPalette& palette) {
    const Rgb fill = RgbFromStoredColor(view.elevationColor);
    const QFontMetrics metrics(painter.font());
    const int line = metrics.height();
    const QRect swatch(area.left() + line / 2, area.top() + line, line * 2, line);
    painter.setPen(palette.color(QPalette::WindowText));
    painter.setBrush(ToQColor(fill));
    painter.drawRect(swatch);
    const QString name =
        QString::fromStdString(view.titles.chart.empty() ? view.titles.axis[1] : view.titles.chart);
    const QRect text(swatch.right() + line / 2, swatch.top(), area.right() - swatch.right() - line,
                     line);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(name, Qt::ElideRight, text.width()));
    const QString range =
        QString::fromLatin1(FormatGeneral(static_cast<Real>(least), kLabelDigits)) +
        QStringLiteral(" … ") +
        QString::fromLatin1(FormatGeneral(static_cast<Real>(greatest), kLabelDigits));
    painter.drawText(QRect(text.left(), text.bottom() + line / 2, text.width(), line),
                     Qt::AlignLeft | Qt::AlignVCenter, range);
}

}  // namespace

/// Labels in the general format, and a major grid that can be switched off per axis.
/// The renderer works on copies made through createNewInstance and populateCopy, so the
/// switch travels with them.
class AxisGridFormatter : public QValue3DAxisFormatter {
  public:
    void SetGridShown(bool shown) {
        if (shown != m_gridShown) {
            m_gridShown = shown;
            markDirty(false);
        }
    }
    bool GridShown() const { return m_gridShown; }

  protected:
    QValue3DAxisFormatter* createNewInstance() const override { return new AxisGridFormatter; }
    void populateCopy(QValue3DAxisFormatter& copy) const override {
        QValue3DAxisFormatter::populateCopy(copy);
        static_cast<AxisGridFormatter&>(copy).m_gridShown = m_gridShown;
    }
    void recalculate() override {
        QValue3DAxisFormatter::recalculate();
        if (!m_gridShown) {
            gridPositions().clear();
            subGridPositions().clear();
        }
    }
    QString stringForValue(qreal value, const QString&) const override {
        return QString::fromLatin1(FormatGeneral(static_cast<Real>(value), kLabelDigits));
    }

  private:
    bool m_gridShown = true;
};

/// The legend beside the graph: the fill colour, the chart's name and its value range.
class SurfaceLegend : public QWidget {
  public:
    explicit SurfaceLegend(QWidget* parent) : QWidget(parent) {
        setObjectName("SurfaceLegend");
        setFixedWidth(kLegendWidth);
    }
    void Set(const SurfaceView& view, double least, double greatest) {
        m_view = view;
        m_least = least;
        m_greatest = greatest;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        PaintLegend(painter, rect(), m_view, m_least, m_greatest, palette());
    }

  private:
    SurfaceView m_view;
    double m_least = 0;
    double m_greatest = 0;
};

bool SurfaceChart::Available(QString* reason) {
    static std::optional<QString> problem;
    if (!problem) {
        const QString platform = QGuiApplication::platformName();
        if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal") ||
            platform == QLatin1String("vnc") || platform == QLatin1String("linuxfb")) {
            problem = QStringLiteral("the \"%1\" display platform offers no OpenGL").arg(platform);
        } else {
            QOpenGLContext context;
            QOffscreenSurface surface;
            surface.create();
            if (!context.create()) {
                problem = Reason("no OpenGL context can be created on this display");
            } else if (!surface.isValid() || !context.makeCurrent(&surface)) {
                problem = Reason("the OpenGL context of this display cannot be used");
            } else if (!context.isOpenGLES() && context.format().majorVersion() < 2) {
                problem = QStringLiteral("OpenGL %1.%2 is too old (2.1 is needed)")
                              .arg(context.format().majorVersion())
                              .arg(context.format().minorVersion());
            } else {
                problem = QString();
                context.doneCurrent();
            }
        }
    }
    if (reason) {
        *reason = *problem;
    }
    return problem->isEmpty();
}

SurfaceChart::SurfaceChart(QWidget* parent) : QWidget(parent) {
    setObjectName("VtChart");
    m_title = new QLabel(this);
    m_title->setObjectName("lbChartTitle");
    m_title->setAlignment(Qt::AlignCenter);
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_title->hide();
    m_legend = new SurfaceLegend(this);
    m_legend->hide();

    m_message = new QLabel(this);
    m_message->setObjectName("lbNoOpenGL");
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setWordWrap(true);
    QString reason;
    if (!Available(&reason)) {
        m_message->setText(tr("The surface cannot be drawn here: %1.\n\nThe data, the data "
                              "editor, the properties and the other commands still work.")
                               .arg(reason));
    } else {
        m_message->hide();
    }

    m_row = new QHBoxLayout;
    m_row->setContentsMargins(0, 0, 0, 0);
    m_row->addWidget(m_message, 1);
    m_row->addWidget(m_legend);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_title);
    layout->addLayout(m_row, 1);
}

SurfaceChart::~SurfaceChart() = default;

void SurfaceChart::CreateGraph() {
    if (m_graph || !Available()) {
        return;
    }
    InitPlotResources();
    m_graph = new Q3DSurface;
    m_graph->setShadowQuality(QAbstract3DGraph::ShadowQualityNone);
    m_graph->setAspectRatio(kAspectRatio);
    m_graph->setHorizontalAspectRatio(1);
    m_graph->setMargin(0);  // the grid's planes at the edges of the data
    Q3DTheme* theme = m_graph->activeTheme();
    theme->setType(Q3DTheme::ThemeQt);
    theme->setWindowColor(Qt::white);
    // The walls are drawn as blocks of their own width (PlaceWalls); the graph's flat
    // background would hide them.
    theme->setBackgroundEnabled(false);
    theme->setGridLineColor(QColor(150, 150, 160));
    theme->setLabelTextColor(Qt::black);
    theme->setLabelBackgroundEnabled(false);
    theme->setLabelBorderEnabled(false);
    theme->setColorStyle(Q3DTheme::ColorStyleUniform);

    QValue3DAxis* axes[3] = {m_graph->axisX(), m_graph->axisY(), m_graph->axisZ()};
    for (int i = 0; i < 3; ++i) {
        m_formatters[i] = new AxisGridFormatter;
        axes[i]->setFormatter(m_formatters[i]);
        axes[i]->setTitleVisible(true);
    }

    m_series = new QSurface3DSeries;
    m_series->setDrawMode(QSurface3DSeries::DrawSurfaceAndWireframe);
    m_series->setFlatShadingEnabled(false);
    m_series->setColorStyle(Q3DTheme::ColorStyleUniform);
    m_graph->addSeries(m_series);

    QImage wallTexture(2, 2, QImage::Format_RGB32);
    wallTexture.fill(kWallColor);
    for (QCustom3DItem*& wall : m_walls) {
        wall = new QCustom3DItem;
        wall->setMeshFile(QStringLiteral(":/plot/wall.obj"));
        wall->setTextureImage(wallTexture);
        wall->setPositionAbsolute(true);
        wall->setShadowCasting(false);
        m_graph->addCustomItem(wall);
    }

    Q3DCamera* camera = m_graph->scene()->activeCamera();
    camera->setZoomLevel(kZoomLevel);
    auto turned = [this, camera] {
        PlaceWalls();
        if (!m_settingCamera) {
            emit ViewTurned(-camera->xRotation(), camera->yRotation());
        }
    };
    connect(camera, &Q3DCamera::xRotationChanged, this, turned);
    connect(camera, &Q3DCamera::yRotationChanged, this, turned);

    m_container = QWidget::createWindowContainer(m_graph, this);
    m_container->setObjectName("SurfaceGraph");
    m_container->setMinimumSize(160, 120);
    m_container->setFocusPolicy(Qt::StrongFocus);
    m_row->insertWidget(0, m_container, 1);
    ApplyData();
    ApplyView();
}

void SurfaceChart::showEvent(QShowEvent* event) {
    CreateGraph();
    QWidget::showEvent(event);
}

void SurfaceChart::SetData(const DataGrid& grid) {
    m_grid = grid;
    CreateGraph();
    ApplyData();
    ApplyView();
}

void SurfaceChart::SetView(const SurfaceView& view) {
    m_view = view;
    ApplyView();
}

void SurfaceChart::ApplyData() {
    if (!m_graph) {
        return;
    }
    const SurfaceLayout layout = LayOutSurface(m_grid);
    // Qt's rows run along the depth axis, its columns along X: the grid transposed.
    auto* array = new QSurfaceDataArray;
    array->reserve(m_grid.ColumnCount());
    for (int column = 0; column < m_grid.ColumnCount(); ++column) {
        auto* row = new QSurfaceDataRow(m_grid.RowCount());
        const auto depth = static_cast<float>(layout.depth[static_cast<std::size_t>(column)]);
        for (int r = 0; r < m_grid.RowCount(); ++r) {
            const std::size_t cell =
                static_cast<std::size_t>(r) * static_cast<std::size_t>(m_grid.ColumnCount()) +
                static_cast<std::size_t>(column);
            (*row)[r].setPosition(
                QVector3D(static_cast<float>(layout.x[static_cast<std::size_t>(r)]),
                          static_cast<float>(layout.height[cell]), depth));
        }
        array->append(row);
    }
    m_series->dataProxy()->resetArray(array);
    const AxisScale scales[3] = {
        ExactScale(layout.x.empty() ? 0 : layout.x.front(), layout.x.empty() ? 1 : layout.x.back()),
        NiceScale(layout.least, layout.greatest),
        ExactScale(layout.depth.empty() ? 0 : layout.depth.front(),
                   layout.depth.empty() ? 1 : layout.depth.back())};
    QValue3DAxis* axes[3] = {m_graph->axisX(), m_graph->axisY(), m_graph->axisZ()};
    for (int i = 0; i < 3; ++i) {
        axes[i]->setRange(static_cast<float>(scales[i].from), static_cast<float>(scales[i].to));
        axes[i]->setSegmentCount(scales[i].segments);
        axes[i]->setSubSegmentCount(1);
    }
}

void SurfaceChart::ApplyView() {
    m_title->setText(QString::fromStdString(m_view.titles.chart));
    m_title->setVisible(!m_view.titles.chart.empty());
    double least = 0;
    double greatest = 0;
    m_grid.ValueRange(least, greatest);
    m_legend->Set(m_view, least, greatest);
    m_legend->setVisible(m_view.showLegend);
    if (!m_graph) {
        return;
    }
    const QColor fill = ToQColor(RgbFromStoredColor(m_view.elevationColor));
    m_series->setBaseColor(fill);
    m_series->setWireframeColor(fill.darker(250));
    m_graph->axisX()->setTitle(QString::fromStdString(m_view.titles.axis[0]));
    // The second Y axis has no place of its own in the 3D view: it shares the vertical.
    m_graph->axisY()->setTitle(QString::fromStdString(m_view.titles.axis[1]));
    m_graph->axisZ()->setTitle(QString::fromStdString(m_view.titles.axis[3]));
    m_formatters[0]->SetGridShown(m_view.grids.Shown(0));
    m_formatters[1]->SetGridShown(m_view.grids.Shown(1) || m_view.grids.Shown(2));
    m_formatters[2]->SetGridShown(m_view.grids.Shown(3));
    Q3DCamera* camera = m_graph->scene()->activeCamera();
    m_settingCamera = true;
    camera->setCameraPosition(CameraX(m_view.rotation), static_cast<float>(m_view.elevation),
                              camera->zoomLevel());
    m_settingCamera = false;
    PlaceWalls();
}

void SurfaceChart::PlaceWalls() {
    if (!m_graph) {
        return;
    }
    const float t = static_cast<float>(m_view.wallWidth) * kWallScale;
    const bool shown = t > 0;
    // The walls stand on the sides away from the camera, as the graph's own background does.
    const double angle = m_graph->scene()->activeCamera()->xRotation() * M_PI / 180;
    const float sx = std::sin(angle) >= 0 ? 1.0f : -1.0f;
    const float sz = std::cos(angle) >= 0 ? 1.0f : -1.0f;
    const auto h = static_cast<float>(kAspectRatio);  // horizontal half-extent in scene units
    // Scene units to absolute positions: horizontally 1 = h, vertically 1 = 1.
    // Each wall stands a hair outside the planes on which the graph draws its grid.
    const float g = kWallGap;
    const float across = (g + t) / 2;  // a wall's reach beyond the graph, halved
    const QVector3D floorCenter(sx * across / h, -1 - g - t / 2, sz * across / h);
    const QVector3D floorHalf(h + across, t / 2, h + across);
    const QVector3D backCenter(sx * across / h, -across, sz * (h + g + t / 2) / h);
    const QVector3D backHalf(h + across, 1 + across, t / 2);
    const QVector3D sideCenter(sx * (h + g + t / 2) / h, -across, sz * across / h);
    const QVector3D sideHalf(t / 2, 1 + across, h + across);
    const QVector3D centers[3] = {floorCenter, backCenter, sideCenter};
    const QVector3D halves[3] = {floorHalf, backHalf, sideHalf};
    for (int i = 0; i < 3; ++i) {
        m_walls[i]->setVisible(shown);
        m_walls[i]->setPosition(centers[i]);
        m_walls[i]->setScaling(halves[i]);
    }
}

QImage SurfaceChart::Render(const QSize& size) {
    CreateGraph();
    if (!m_graph || size.isEmpty()) {
        return {};
    }
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    int top = 0;
    if (!m_view.titles.chart.empty()) {
        painter.setFont(m_title->font());
        top = QFontMetrics(m_title->font()).height() * 3 / 2;
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, 0, size.width(), top), Qt::AlignCenter,
                         QString::fromStdString(m_view.titles.chart));
    }
    const int legendWidth = m_view.showLegend ? kLegendWidth : 0;
    const QSize chartSize(std::max(size.width() - legendWidth, 1),
                          std::max(size.height() - top, 1));
    const QImage chart = m_graph->renderToImage(0, chartSize);
    if (chart.isNull()) {
        return {};
    }
    painter.drawImage(0, top, chart);
    if (m_view.showLegend) {
        double least = 0;
        double greatest = 0;
        m_grid.ValueRange(least, greatest);
        QPalette light;
        light.setColor(QPalette::WindowText, Qt::black);
        painter.setFont(font());
        PaintLegend(painter, QRect(chartSize.width(), top, legendWidth, chartSize.height()), m_view,
                    least, greatest, light);
    }
    return picture;
}

bool SurfaceChart::AxisGridDrawn(int axis) const {
    if (!m_graph) {
        return false;
    }
    static constexpr int kFormatterOfAxis[kAxisCount] = {0, 1, 1, 2};
    return m_formatters[kFormatterOfAxis[axis]]->GridShown();
}

QColor SurfaceChart::DrawnFillColor() const {
    return m_series ? m_series->baseColor() : QColor();
}

float SurfaceChart::CameraRotation() const {
    return m_graph ? -m_graph->scene()->activeCamera()->xRotation() : 0;
}

float SurfaceChart::CameraElevation() const {
    return m_graph ? m_graph->scene()->activeCamera()->yRotation() : 0;
}

int SurfaceChart::WallCount() const {
    return m_graph
               ? static_cast<int>(std::count_if(std::begin(m_walls), std::end(m_walls),
                                                [](QCustom3DItem* w) { return w->isVisible(); }))
               : 0;
}

QString SurfaceChart::AxisTitle(int axis) const {
    if (!m_graph) {
        return {};
    }
    switch (axis) {
        case 0:
            return m_graph->axisX()->title();
        case 3:
            return m_graph->axisZ()->title();
        default:
            return m_graph->axisY()->title();
    }
}

}  // namespace kalvo
