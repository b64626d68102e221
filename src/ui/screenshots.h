#pragma once

#include <QString>

namespace kalvo {

/// Renders the main window on each of its tabs and each dialog into PNG files in `dir`,
/// once in the desktop's palette and once in a dark palette ("dark-" prefix). Returns
/// the process exit code.
int RenderScreenshots(const QString& dir);

}  // namespace kalvo
