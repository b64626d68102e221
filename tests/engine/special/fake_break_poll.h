#pragma once

#include "engine/special/break_poll.h"

namespace kalvo {

/// Counts the polls and asks for a break at poll number breakAt (never when it is 0).
class FakeBreakPoll : public BreakPoll {
  public:
    explicit FakeBreakPoll(long breakAt = 0) : m_breakAt(breakAt) {}
    bool PollBreak() override { return ++m_polls == m_breakAt; }
    long Polls() const { return m_polls; }

  private:
    long m_breakAt;
    long m_polls = 0;
};

}  // namespace kalvo
