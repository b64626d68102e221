#include "ui/chart_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace kalvo {

namespace {

// Drawn on a 24 × 24 grid and scaled up for sharper pixmaps.
constexpr int kGrid = 24;
constexpr int kScale = 2;

void Arrow(QPainter& p, int rotation) {
    p.save();
    p.translate(12, 12);
    p.rotate(rotation);
    QPainterPath path;
    path.moveTo(0, 8);  // pointing down before the turn
    path.lineTo(-6, 1);
    path.lineTo(-2.5, 1);
    path.lineTo(-2.5, -8);
    path.lineTo(2.5, -8);
    path.lineTo(2.5, 1);
    path.lineTo(6, 1);
    path.closeSubpath();
    p.drawPath(path);
    p.restore();
}

void Draw(QPainter& p, ChartCommandId id, const QColor& ink) {
    const QBrush fill(ink);
    switch (id) {
        case ChartCommandId::kPrint:
            p.drawRect(QRectF(7, 3, 10, 6));
            p.drawRoundedRect(QRectF(3, 9, 18, 8), 1.5, 1.5);
            p.drawRect(QRectF(7, 14, 10, 7));
            break;
        case ChartCommandId::kSaveAs:
            p.drawRoundedRect(QRectF(4, 4, 16, 16), 1.5, 1.5);
            p.drawRect(QRectF(8, 4, 8, 5));
            p.drawRect(QRectF(7, 13, 10, 7));
            break;
        case ChartCommandId::kLegend:
            for (int row = 0; row < 3; ++row) {
                p.fillRect(QRectF(4, 5 + 6 * row, 5, 3), fill);
                p.drawLine(QLineF(11, 6.5 + 6 * row, 20, 6.5 + 6 * row));
            }
            break;
        case ChartCommandId::kCopy:
            p.drawRect(QRectF(4, 4, 11, 13));
            p.drawRect(QRectF(9, 8, 11, 13));
            break;
        case ChartCommandId::kPaste:
            p.drawRoundedRect(QRectF(5, 5, 14, 16), 1.5, 1.5);
            p.fillRect(QRectF(9, 3, 6, 4), fill);
            p.drawLine(QLineF(8, 11, 16, 11));
            p.drawLine(QLineF(8, 15, 16, 15));
            break;
        case ChartCommandId::kEditData:
            p.drawRect(QRectF(3, 4, 18, 16));
            for (double y : {8.0, 12.0, 16.0}) {
                p.drawLine(QLineF(3, y, 21, y));
            }
            p.drawLine(QLineF(9, 4, 9, 20));
            p.drawLine(QLineF(15, 4, 15, 20));
            break;
        case ChartCommandId::kHorizontalGrid:
            p.drawRect(QRectF(3, 3, 18, 18));
            for (double y : {7.5, 12.0, 16.5}) {
                p.drawLine(QLineF(3, y, 21, y));
            }
            break;
        case ChartCommandId::kPedestalGrid: {
            const QPointF floor[4] = {{2, 18}, {8, 8}, {22, 8}, {16, 18}};
            p.drawPolygon(floor, 4);
            p.drawLine(QLineF(6.7, 18, 12.7, 8));
            p.drawLine(QLineF(11.3, 18, 17.3, 8));
            p.drawLine(QLineF(5, 13, 19, 13));
            break;
        }
        case ChartCommandId::kGrid:
            p.drawEllipse(QPointF(12, 12), 9, 9);
            p.drawEllipse(QPointF(12, 12), 4.5, 4.5);
            p.drawLine(QLineF(3, 12, 21, 12));
            p.drawLine(QLineF(12, 3, 12, 21));
            break;
        case ChartCommandId::kRotateDown:
        case ChartCommandId::kRotateLeft:
        case ChartCommandId::kRotateUp:
        case ChartCommandId::kRotateRight:
            p.setBrush(fill);
            // An arrow pointing down, turned a quarter for each command after the first.
            Arrow(p, 90 * (static_cast<int>(id) - static_cast<int>(ChartCommandId::kRotateDown)));
            break;
        default:
            break;
    }
}

}  // namespace

QIcon ChartCommandIcon(ChartCommandId id, const QColor& ink) {
    QPixmap pixmap(kGrid * kScale, kGrid * kScale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kScale, kScale);
    painter.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    Draw(painter, id, ink);
    painter.end();
    return QIcon(pixmap);
}

}  // namespace kalvo
