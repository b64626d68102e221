#pragma once

#include <QString>

namespace kalvo {

class TfmCalc;

/// Renders the unit convertor opened from `window`: Length after 1 typed into "KM" and
/// Temperature after 100 typed into "Celsium", as `dir`/`prefix`units-length.png and
/// units-temperature.png. False when a picture could not be written.
bool RenderUnitsScreenshots(TfmCalc& window, const QString& dir, const QString& prefix);

}  // namespace kalvo
