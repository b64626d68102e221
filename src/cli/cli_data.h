#pragma once

#include <functional>
#include <string>

#include "cli/cli_options.h"

namespace kalvo {

class CalculatorSession;

/// Loads what the calculator has before the first expression: user functions, user
/// variables and predefined variables, from the files the options name or, when they name
/// none, from the home folder as the desktop application does. Messages go to `report`;
/// returns false when anything was reported.
bool LoadCliData(CalculatorSession& session, const CliOptions& options,
                 const std::function<void(const std::string&)>& report);

}  // namespace kalvo
