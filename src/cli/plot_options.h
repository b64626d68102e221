#pragma once

#include <string>

#include "cli/cli_subcommand.h"
#include "plot/plot_setup.h"

namespace kalvo {

/// Fills the set-up's X and Y fields from --x FROM,TO,N and --y FROM,TO,M, where given, for
/// CheckPlotSetup to check as the window checks its fields. False, with `error` set, when
/// one is not three parts separated by commas.
bool ReadRangeOptions(const SubcommandArgs& args, PlotSetupTexts& texts, std::string& error);

}  // namespace kalvo
