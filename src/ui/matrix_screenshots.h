#pragma once

#include <QString>

namespace kalvo {

class TfmCalc;

/// Renders the matrix window of `window` with a solved system, an inverse and an f(A),
/// and its f(A) prompt, into PNG files "matrix-….png" in `dir` (names after `prefix`).
/// Returns false when a picture could not be written.
bool RenderMatrixScreenshots(TfmCalc& window, const QString& dir, const QString& prefix);

}  // namespace kalvo
