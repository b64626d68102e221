#include "fuzz_host.h"

#include <cstdlib>

#include "frontend/calculator_session.h"

namespace kalvo {

namespace {

std::chrono::milliseconds BudgetFromEnvironment() {
    const char* text = std::getenv("KALVO_FUZZ_BREAK_MS");
    const long milliseconds = text != nullptr ? std::strtol(text, nullptr, 10) : 0;
    return std::chrono::milliseconds(milliseconds > 0 ? milliseconds : 100);
}

}  // namespace

FuzzHost::FuzzHost()
    : m_start(std::chrono::steady_clock::now()), m_budget(BudgetFromEnvironment()) {}

void FuzzHost::Attach(CalculatorSession& session) {
    CliHost::Attach(session);
    m_session = &session;
}

void FuzzHost::PumpMessages() {
    if (m_session != nullptr && std::chrono::steady_clock::now() - m_start > m_budget) {
        m_session->State().breakRequested = true;
    }
}

}  // namespace kalvo
