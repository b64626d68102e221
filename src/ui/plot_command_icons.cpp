#include "ui/plot_command_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "ui/chart_icons.h"

namespace kalvo {

namespace {

constexpr int kSize = 24;

void Magnifier(QPainter& p, const char* sign) {
    p.drawEllipse(QRectF(3, 3, 12, 12));
    p.drawLine(QPointF(13.5, 13.5), QPointF(20, 20));
    if (*sign == '+' || *sign == '-') {
        p.drawLine(QPointF(6, 9), QPointF(12, 9));
    }
    if (*sign == '+') {
        p.drawLine(QPointF(9, 6), QPointF(9, 12));
    }
}

}  // namespace

QIcon PlotCommandIcon(PlotCommand command, const QPalette& palette) {
    const QColor ink = palette.color(QPalette::ButtonText);
    // The commands every chart window has look the same in all of them.
    switch (command) {
        case PlotCommand::kPrint:
            return ChartCommandIcon(ChartCommandId::kPrint, ink);
        case PlotCommand::kSaveAs:
            return ChartCommandIcon(ChartCommandId::kSaveAs, ink);
        case PlotCommand::kCopy:
            return ChartCommandIcon(ChartCommandId::kCopy, ink);
        default:
            break;
    }
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor accent(0x1f, 0x6e, 0xd8);
    p.setPen(QPen(ink, 1.6));
    switch (command) {
        case PlotCommand::kZoomIn:
            Magnifier(p, "+");
            break;
        case PlotCommand::kZoomOut:
            Magnifier(p, "-");
            break;
        case PlotCommand::kAnimatedZoom:
            Magnifier(p, "");
            p.setPen(QPen(accent, 1.6));
            p.drawArc(QRectF(5, 5, 8, 8), 30 * 16, 270 * 16);
            break;
        case PlotCommand::kZoomPrevious: {
            Magnifier(p, "");
            QPainterPath arrow;
            arrow.moveTo(12, 9);
            arrow.lineTo(6, 9);
            arrow.moveTo(8.5, 6.5);
            arrow.lineTo(6, 9);
            arrow.lineTo(8.5, 11.5);
            p.drawPath(arrow);
            break;
        }
        case PlotCommand::kProperties:
            p.drawRect(QRectF(4, 4, 16, 16));
            for (int y : {8, 12, 16}) {
                p.drawLine(7, y, 17, y);
            }
            break;
        case PlotCommand::kShowLegend:
            p.drawRect(QRectF(3, 5, 18, 14));
            p.setPen(QPen(accent, 2));
            p.drawLine(5, 10, 10, 10);
            p.setPen(QPen(Qt::red, 2));
            p.drawLine(5, 15, 10, 15);
            p.setPen(QPen(ink, 1));
            p.drawLine(12, 10, 19, 10);
            p.drawLine(12, 15, 19, 15);
            break;
        case PlotCommand::kVertGrid:
            p.drawRect(QRectF(3, 3, 18, 18));
            for (int x : {9, 15}) {
                p.drawLine(x, 3, x, 21);
            }
            break;
        case PlotCommand::kHorisGrid:
            p.drawRect(QRectF(3, 3, 18, 18));
            for (int y : {9, 15}) {
                p.drawLine(3, y, 21, y);
            }
            break;
        case PlotCommand::kView3D:
            p.drawRect(QRectF(3, 8, 13, 13));
            p.drawPolyline(QPolygonF(
                {QPointF(3, 8), QPointF(8, 3), QPointF(21, 3), QPointF(21, 16), QPointF(16, 21)}));
            p.drawLine(QPointF(16, 8), QPointF(21, 3));
            break;
        case PlotCommand::kExport:
        case PlotCommand::kImport: {
            p.drawRect(QRectF(3, 3, 12, 18));
            p.setPen(QPen(accent, 2));
            const bool out = command == PlotCommand::kExport;
            p.drawLine(out ? 10 : 21, 12, out ? 21 : 10, 12);
            const int tip = out ? 21 : 10;
            const int back = out ? 17 : 14;
            p.drawLine(tip, 12, back, 8);
            p.drawLine(tip, 12, back, 16);
            break;
        }
        case PlotCommand::kBreakEdit:
            p.drawLine(5, 19, 19, 5);
            p.drawLine(5, 5, 19, 19);
            break;
        case PlotCommand::kAddContour:
        case PlotCommand::kDeleteContour:
            p.setPen(QPen(accent, 1.6));
            p.drawEllipse(QRectF(3, 5, 14, 12));
            p.setPen(QPen(ink, 2));
            p.drawLine(17, 18, 23, 18);
            if (command == PlotCommand::kAddContour) {
                p.drawLine(20, 15, 20, 21);
            }
            break;
        case PlotCommand::kLabelPosition:
        case PlotCommand::kLabelOff: {
            QFont f = p.font();
            f.setPixelSize(11);
            f.setBold(true);
            p.setFont(f);
            p.drawText(QRectF(0, 2, 24, 14), Qt::AlignCenter, QStringLiteral("1.5"));
            p.setPen(QPen(command == PlotCommand::kLabelOff ? Qt::red : accent, 2));
            p.drawLine(4, 19, 20, 19);
            break;
        }
        default:
            break;
    }
    return QIcon(pixmap);
}

}  // namespace kalvo
