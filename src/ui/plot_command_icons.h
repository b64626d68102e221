#pragma once

#include <QIcon>
#include <QPalette>

#include "ui/plot_commands.h"

namespace kalvo {

/// A small drawn picture for a plot window's tool button, in the palette's text colour.
QIcon PlotCommandIcon(PlotCommand command, const QPalette& palette);

}  // namespace kalvo
