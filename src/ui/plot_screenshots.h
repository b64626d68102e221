#pragma once

#include <QString>

namespace kalvo {

class DialogService;
class TfmCalc;

/// Renders the Graphics tab for each plot type, every plot window with real plots made
/// through the Graphics tab, the properties dialogs (which open their colour dialogs
/// through `dialogs`) and the data editor into PNG files in `dir`, names prefixed with
/// `prefix`. Without 3D drawing the surface's picture is left out.
bool RenderPlotScreenshots(TfmCalc& window, DialogService& dialogs, const QString& dir,
                           const QString& prefix);

}  // namespace kalvo
