#pragma once

#include <QString>

namespace kalvo {

class DialogService;
class TfmCalc;

/// Plots a surface and two polar curves with the main window's engine and renders the
/// surface and polar windows, the data editor and the properties dialogs (which open
/// their colour dialogs through `dialogs`) into PNG files
/// in `dir`, named with `prefix` ("plot-surface.png", "plot-polar.png", …). Where 3D
/// drawing is unavailable the surface picture shows the window's message instead.
bool RenderPlotWindowShots(TfmCalc& window, DialogService& dialogs, const QString& dir,
                           const QString& prefix);

}  // namespace kalvo
