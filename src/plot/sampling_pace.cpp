#include "plot/sampling_pace.h"

#include "engine/engine.h"

namespace kalvo {

namespace {

// Reading the clock costs about a tenth of a cheap evaluation, so it is read every few
// points; events are handled when this much time has passed.
constexpr unsigned kPointsBetweenClockReads = 16;
constexpr auto kPumpInterval = std::chrono::milliseconds(15);

}  // namespace

SamplingPace::SamplingPace(Engine& engine, const SamplingHooks& hooks)
    : m_engine(engine), m_hooks(hooks), m_lastPump(std::chrono::steady_clock::now()) {}

bool SamplingPace::Continue(int percent) {
    if (percent != m_percent) {
        m_percent = percent;
        if (m_hooks.progress) {
            m_hooks.progress(percent);
        }
    }
    if (m_countdown-- != 0) {
        return true;
    }
    m_countdown = kPointsBetweenClockReads - 1;
    const auto now = std::chrono::steady_clock::now();
    if (now - m_lastPump < kPumpInterval) {
        return true;
    }
    m_lastPump = now;
    m_engine.Host().PumpMessages();
    return !m_engine.CheckBreak();
}

}  // namespace kalvo
