#pragma once

#include <string>

#include "engine/constant_list.h"

namespace kalvo {

/// What the engine needs from the front end while it evaluates. The Qt window implements
/// it with dialogs and its event loop, the command line with non-interactive answers, and
/// tests with a scripted fake.
class EngineHost {
  public:
    virtual ~EngineHost() = default;

    /// Shows the value prompt for a variable slot (1..12) and returns true when the user
    /// confirmed it. The prompt evaluates what the user typed with the same engine and has
    /// stored the value and the evaluated text before it returns true.
    virtual bool ShowValuePrompt(int slot) = 0;

    /// Evaluates the expression that the front end holds for slot 1..10 (the variables
    /// panel); on success stores value and text in the slot. Must leave the engine's text alone.
    virtual void EvaluateVariableEdit(int slot) = 0;

    /// A named constant was created or changed by an evaluation; `show` asks the front
    /// end to list it.
    virtual void ConstantStored(const NamedConstant& constant, bool created, bool show) = 0;

    /// Lets the front end handle pending events during a long computation.
    virtual void PumpMessages() = 0;

    /// Asks "Do you realy wont break calculation?"; true means break.
    virtual bool ConfirmBreak() = 0;

    /// Progress of a running integral, as the text of the latest estimate.
    virtual void IntegralProgress(const std::string& text) = 0;

    /// Number of characters after the point that successive integral estimates must share.
    virtual int IntegrationPrecision() const = 0;
};

/// A host that never asks anything: prompts are cancelled, breaks never confirmed.
class SilentHost : public EngineHost {
  public:
    bool ShowValuePrompt(int) override { return false; }
    void EvaluateVariableEdit(int) override {}
    void ConstantStored(const NamedConstant&, bool, bool) override {}
    void PumpMessages() override {}
    bool ConfirmBreak() override { return false; }
    void IntegralProgress(const std::string&) override {}
    int IntegrationPrecision() const override { return m_precision; }
    void SetIntegrationPrecision(int precision) { m_precision = precision; }

  private:
    int m_precision = 9;
};

}  // namespace kalvo
