#pragma once

#include <QString>

namespace kalvo {

class TfmCalc;

/// Renders the Graphics tab for each plot type, the plot windows with real plots and the
/// chart's properties dialog into PNG files in `dir`, names prefixed with `prefix`.
bool RenderPlotScreenshots(TfmCalc& window, const QString& dir, const QString& prefix);

}  // namespace kalvo
