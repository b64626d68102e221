#pragma once

#include <ostream>
#include <string>

#include "plot/plot_request.h"

namespace kalvo {

class CalculatorSession;

/// Renders a plot asked for on the command line through the plot windows, without
/// showing them, into the request's file. Failures are written to `err` as the window
/// would report them ("message: position N", then "Cann't calculate this function").
/// Returns 0 when the picture was written, 1 otherwise.
int RenderPlot(CalculatorSession& session, const PlotRequest& request, std::ostream& err);

}  // namespace kalvo
