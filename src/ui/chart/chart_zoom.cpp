// The chart's zoom: a rubber band marked in zoom mode zooms in and keeps the view it left
// as a level; the levels are left one at a time or all at once.
#include <QMouseEvent>
#include <QVariantAnimation>

#include <qcustomplot.h>

#include "ui/chart/chart_panel.h"

namespace kalvo {

namespace {

constexpr int kAnimationMs = 250;

}  // namespace

void TPlot::SetZoomMode(bool on) {
    m_zoom.SetMode(on);
    m_plot->setSelectionRectMode(on ? QCP::srmCustom : QCP::srmNone);
    m_plot->setCursor(on ? Qt::CrossCursor : Qt::ArrowCursor);
    emit ZoomChanged();
}

bool TPlot::PreviousZoom() {
    if (const std::optional<ChartView> view = m_zoom.Previous()) {
        SetView(*view, m_zoom.Animation());
    }
    emit ZoomChanged();
    return m_zoom.Count() > 0;
}

void TPlot::LeaveZoom() {
    if (const std::optional<ChartView> view = m_zoom.LeaveAll()) {
        SetView(*view, m_zoom.Animation());
    }
    SetZoomMode(false);
}

void TPlot::ZoomTo(const ChartView& marked) {
    if (const std::optional<ChartView> view = m_zoom.ZoomTo(View(), marked)) {
        SetView(*view, m_zoom.Animation());
        emit ZoomChanged();
    }
}

void TPlot::RubberBandMarked(const QRect& rect) {
    if (!m_zoom.Mode()) {
        return;
    }
    const QRect r = rect.normalized();
    ZoomTo({m_plot->xAxis->pixelToCoord(r.left()), m_plot->xAxis->pixelToCoord(r.right()),
            m_plot->yAxis->pixelToCoord(r.bottom()), m_plot->yAxis->pixelToCoord(r.top())});
}

void TPlot::SetView(const ChartView& view, bool animate) {
    if (m_animation) {
        m_animation->stop();
        delete m_animation;
    }
    if (!animate || !isVisible()) {
        SetAxisRange(Axis::kX, view.xMin, view.xMax);
        SetAxisRange(Axis::kY, view.yMin, view.yMax);
        m_plot->replot();
        return;
    }
    const ChartView from = View();
    m_animation = new QVariantAnimation(this);
    m_animation->setDuration(kAnimationMs);
    m_animation->setStartValue(0.0);
    m_animation->setEndValue(1.0);
    connect(m_animation, &QVariantAnimation::valueChanged, this,
            [this, from, view](const QVariant& v) {
                const double t = v.toDouble();
                auto mix = [t](double a, double b) { return a + (b - a) * t; };
                SetAxisRange(Axis::kX, mix(from.xMin, view.xMin), mix(from.xMax, view.xMax));
                SetAxisRange(Axis::kY, mix(from.yMin, view.yMin), mix(from.yMax, view.yMax));
                m_plot->replot(QCustomPlot::rpQueuedReplot);
            });
    m_animation->start();
}

void TPlot::MousePressed(QMouseEvent* event) {
    if (m_zoom.Mode() || !m_plot->axisRect()->rect().contains(event->pos())) {
        return;
    }
    emit Clicked(m_plot->xAxis->pixelToCoord(event->pos().x()),
                 m_plot->yAxis->pixelToCoord(event->pos().y()), event->button());
}

bool TPlot::eventFilter(QObject* watched, QEvent* event) {
    // Esc leaves zoom mode, as the rubber band's own cancel does.
    if (watched == m_plot && event->type() == QEvent::KeyPress && m_zoom.Mode() &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        SetZoomMode(false);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kalvo
