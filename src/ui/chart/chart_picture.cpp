#include "ui/chart/chart_picture.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPrinter>
#include <QSvgGenerator>

#include <qcustomplot.h>

namespace kalvo {

QString ChartPictureFilter() {
    return QStringLiteral(
        "PNG files (*.png);;BMP files (*.bmp);;SVG files (*.svg);;PDF files (*.pdf)");
}

QSize PictureSize(const QCustomPlot& plot, QSize fallback) {
    const QSize own = plot.size();
    return own.width() > 50 && own.height() > 50 ? own : fallback;
}

bool SaveChartPicture(QCustomPlot& plot, const QString& path, PictureFormat format,
                      QString* error) {
    const QSize size = PictureSize(plot);
    bool saved = false;
    switch (format) {
        case PictureFormat::kPng:
            saved = plot.savePng(path, size.width(), size.height());
            break;
        case PictureFormat::kBmp:
            saved = plot.saveBmp(path, size.width(), size.height());
            break;
        case PictureFormat::kPdf:
            saved = plot.savePdf(path, size.width(), size.height());
            break;
        case PictureFormat::kSvg: {
            QSvgGenerator svg;
            svg.setFileName(path);
            svg.setSize(size);
            svg.setViewBox(QRect(QPoint(0, 0), size));
            svg.setTitle(QStringLiteral("Kalvo"));
            QCPPainter painter;
            if (painter.begin(&svg)) {
                plot.toPainter(&painter, size.width(), size.height());
                saved = painter.end() && QFile::exists(path);
            }
            break;
        }
    }
    if (!saved && error) {
        *error = QStringLiteral("Can't create file ") + path;
    }
    return saved;
}

bool SaveChartPicture(QCustomPlot& plot, const QString& path, QString* error) {
    const std::optional<PictureFormat> format = PictureFormatOf(path.toStdString());
    if (!format) {
        if (error) {
            *error = QStringLiteral("Unknown picture format: ") + path;
        }
        return false;
    }
    return SaveChartPicture(plot, path, *format, error);
}

void PrintChart(QCustomPlot& plot, QPrinter& printer) {
    const QSize size = PictureSize(plot);
    QCPPainter painter;
    if (!painter.begin(&printer)) {
        return;
    }
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double scale = std::min(page.width() / size.width(), page.height() / size.height());
    painter.setMode(QCPPainter::pmVectorized);
    painter.setMode(QCPPainter::pmNoCaching);
    painter.scale(scale, scale);
    plot.toPainter(&painter, size.width(), size.height());
    painter.end();
}

void CopyChartPicture(QCustomPlot& plot) {
    const QSize size = PictureSize(plot);
    QApplication::clipboard()->setPixmap(plot.toPixmap(size.width(), size.height()));
}

}  // namespace kalvo
