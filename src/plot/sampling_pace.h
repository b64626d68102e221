#pragma once

#include <chrono>
#include <functional>

namespace kalvo {

class Engine;

/// What a window lends a running sampler besides the engine's host.
struct SamplingHooks {
    /// Percent done, 0..100; called when the figure changes. May be empty.
    std::function<void(int percent)> progress;
};

/// Paces a sampler: reports the progress figure when it changes, and every few
/// milliseconds (never after every point) lets the engine's host handle its pending
/// events, so that the window repaints and its Stop button works, then honours a break
/// request of the engine's state through the host's confirmation.
class SamplingPace {
  public:
    SamplingPace(Engine& engine, const SamplingHooks& hooks);

    /// Between points. False when the user confirmed a break: the engine then holds
    /// error 22 and the sampler stops.
    bool Continue(int percent);

  private:
    Engine& m_engine;
    const SamplingHooks& m_hooks;
    std::chrono::steady_clock::time_point m_lastPump;
    int m_percent = -1;
    unsigned m_countdown = 0;
};

}  // namespace kalvo
