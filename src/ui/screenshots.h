#pragma once

#include <QString>

#include "frontend/home_folder.h"

namespace kalvo {

/// Renders the main window on each of its tabs and each dialog into PNG files in `dir`,
/// once in the desktop's palette and once in a dark palette ("dark-" prefix). Returns
/// the process exit code. Each set runs the normal start-up and close in `home`, so the
/// settings, history and constants files are read and written as in a session.
int RenderScreenshots(const QString& dir, const HomeFolder& home);

}  // namespace kalvo
