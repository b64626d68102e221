#pragma once

#include <chrono>

#include "cli/cli_host.h"

namespace kalvo {

/// The engine's host while fuzzing: as the command line's, it never prompts and takes a
/// variable's own definition as its field; in addition it confirms a break once an input
/// has run longer than its budget, so that work that is long but polls for a break ends
/// as "User break", and only work that never polls shows up as a hang.
class FuzzHost : public CliHost {
  public:
    /// The budget is KALVO_FUZZ_BREAK_MS milliseconds from the environment, or 100.
    FuzzHost();

    void Attach(CalculatorSession& session);
    void PumpMessages() override;
    bool ConfirmBreak() override { return true; }

  private:
    CalculatorSession* m_session = nullptr;
    std::chrono::steady_clock::time_point m_start;
    std::chrono::milliseconds m_budget;
};

}  // namespace kalvo
