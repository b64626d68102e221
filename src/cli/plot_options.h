#pragma once

#include <string>

#include "cli/cli_subcommand.h"
#include "plot/plot_setup.h"

namespace kalvo {

struct SampleFailure;

/// Fills the set-up's X and Y fields from --x FROM,TO,N and --y FROM,TO,M, where given, for
/// CheckPlotSetup to check as the window checks its fields. False, with `error` set, when
/// one is not three parts separated by commas.
bool ReadRangeOptions(const SubcommandArgs& args, PlotSetupTexts& texts, std::string& error);

/// Reports a sampling that stopped at a failing point, as the main window does: the
/// engine's message with its position in `text`, then, unless the user broke it,
/// "Cann't calculate this function". Returns the exit status 1.
int ReportSampleFailure(const SubcommandContext& context, const std::string& text,
                        const SampleFailure& failure);

}  // namespace kalvo
