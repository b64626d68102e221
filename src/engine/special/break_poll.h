#pragma once

namespace kalvo {

/// Lets a long computation hand control to the host between steps.
class BreakPoll {
  public:
    virtual ~BreakPoll() = default;
    /// Pumps messages and checks for a confirmed break; returns true when the computation must stop
    /// (the engine has then already raised its own error).
    virtual bool PollBreak() = 0;
};

}  // namespace kalvo
