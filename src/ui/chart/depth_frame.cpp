#include "ui/chart/depth_frame.h"

namespace kalvo {

DepthFrame::DepthFrame(QCustomPlot* plot, QCPAxisRect* rect)
    : QCPLayerable(plot, QString(), rect), m_rect(rect) {}

void DepthFrame::applyDefaultAntialiasingHint(QCPPainter* painter) const {
    applyAntialiasingHint(painter, false, QCP::aeOther);
}

void DepthFrame::draw(QCPPainter* painter) {
    if (m_depth <= 0) {
        return;
    }
    const QRect front = m_rect->rect();
    const QRect back = front.translated(m_depth, -m_depth);
    const QColor shade = mParentPlot->palette().color(QPalette::Mid);
    painter->setPen(QPen(shade.darker(130), 1));
    painter->setBrush(shade.lighter(130));
    // The visible part of the back face: the strips above and to the right of the front.
    QPolygon top;
    top << front.topLeft() << back.topLeft() << back.topRight()
        << QPoint(back.right(), back.bottom()) << front.bottomRight() << front.topRight();
    painter->drawPolygon(top);
    painter->drawLine(front.topRight(), back.topRight());
}

}  // namespace kalvo
