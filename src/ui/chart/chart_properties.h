#pragma once

#include <vector>

#include <QColor>
#include <QString>

#include "plot/zoom_levels.h"
#include "ui/chart/chart_series.h"

namespace kalvo {

/// What the properties dialog edits: the titles, the visible ranges and each series.
struct ChartProperties {
    struct SeriesEntry {
        QString name;
        QColor color;
        ChartLine line = ChartLine::kSolid;
        int width = 1;
        ChartMarker marker = ChartMarker::kNone;
        bool remove = false;
    };

    QString title;
    QString xName;
    QString yName;
    ChartView view;
    std::vector<SeriesEntry> series;  ///< in the chart's order
};

}  // namespace kalvo
