#pragma once

#include <QColor>
#include <QIcon>

#include "ui/chart_window.h"

namespace kalvo {

/// The tool bar picture of a chart command, drawn in `ink` on a clear ground, so that
/// the tool bars look the same on every desktop and in light and dark palettes. A null
/// icon for a command without a tool button.
QIcon ChartCommandIcon(ChartCommandId id, const QColor& ink);

}  // namespace kalvo
