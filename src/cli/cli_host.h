#pragma once

#include <csignal>

#include "engine/engine_host.h"

namespace kalvo {

class CalculatorSession;

/// The command line's side of the engine: it never prompts (an undefined variable reads
/// as a cancelled prompt), and Ctrl+C during an evaluation breaks it.
class CliHost : public EngineHost {
  public:
    void Attach(CalculatorSession& session) { m_session = &session; }
    void SetIntegrationPrecision(int precision) { m_precision = precision; }

    bool ShowValuePrompt(int slot) override;
    void EvaluateVariableEdit(int slot) override;
    void ConstantStored(const NamedConstant&, bool, bool) override {}
    void PumpMessages() override;
    bool ConfirmBreak() override;
    void IntegralProgress(const std::string&) override {}
    int IntegrationPrecision() const override { return m_precision; }

    /// Called from the SIGINT handler.
    static void RequestBreak() { s_interrupted = 1; }
    static void ResetBreak() { s_interrupted = 0; }

  private:
    static inline volatile std::sig_atomic_t s_interrupted = 0;
    CalculatorSession* m_session = nullptr;
    int m_precision = 9;
};

}  // namespace kalvo
