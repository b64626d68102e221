#pragma once

#include <QSize>
#include <QString>

#include "plot/plot_request.h"

class QCustomPlot;
class QPrinter;

namespace kalvo {

/// Picture output of any QCustomPlot chart (the 2D, contour and polar charts).

/// The save dialog's filter: PNG, BMP, SVG and PDF.
QString ChartPictureFilter();

/// The size a picture of the chart is drawn at: the chart's own size once it has one,
/// otherwise `fallback` (a chart that was never shown, as on the command line).
QSize PictureSize(const QCustomPlot& plot, QSize fallback = QSize(800, 600));

/// Writes the chart as a picture in `format`; false with `error` set when the file
/// cannot be written.
bool SaveChartPicture(QCustomPlot& plot, const QString& path, PictureFormat format, QString* error);
/// The same with the format chosen by the file's extension.
bool SaveChartPicture(QCustomPlot& plot, const QString& path, QString* error);

/// Prints the chart on one page, scaled to the page and keeping its proportions.
void PrintChart(QCustomPlot& plot, QPrinter& printer);

/// Puts the chart on the clipboard as a picture.
void CopyChartPicture(QCustomPlot& plot);

}  // namespace kalvo
