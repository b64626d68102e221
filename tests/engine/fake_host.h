#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/engine_host.h"

namespace kalvo::test {

/// A scripted stand-in for the main window: the value prompt answers from a queue, the
/// variables panel holds fixed texts, the break question is confirmed at a chosen poll,
/// and every constant and progress text the engine reports is recorded.
class FakeHost : public EngineHost {
public:
    void Attach(Engine& engine) { m_engine = &engine; }

    /// Answers of the value prompt in order; std::nullopt is a click on Cancel.
    std::deque<std::optional<std::string>> promptAnswers;
    std::vector<int> promptedSlots;
    /// Texts of the variables panel by slot.
    std::map<int, std::string> variableEdits;
    std::vector<int> editedSlots;
    /// 0 never confirms; N confirms the break at the N-th question.
    int confirmBreakAt = 0;
    int breakQuestions = 0;
    int pumps = 0;
    struct StoredConstant {
        std::string name;
        int identifier;
        Real value;
        bool created;
        bool show;
    };
    std::vector<StoredConstant> constants;
    std::vector<std::string> progress;
    int precision = 9;

    bool ShowValuePrompt(int slot) override {
        promptedSlots.push_back(slot);
        if (promptAnswers.empty()) {
            return false;
        }
        std::optional<std::string> answer = promptAnswers.front();
        promptAnswers.pop_front();
        if (!answer) {
            return false;
        }
        // Like the prompt's OK: evaluate the typed text with the same engine, store the value.
        EngineState& s = m_engine->State();
        s.argDepth = 0;
        Real value = m_engine->Evaluate(*answer);
        if (s.errorFlag) {
            return false;
        }
        s.Var(slot) = value;
        return true;
    }

    void EvaluateVariableEdit(int slot) override {
        editedSlots.push_back(slot);
        auto it = variableEdits.find(slot);
        if (it == variableEdits.end()) {
            return;
        }
        EngineState& s = m_engine->State();
        const std::string kept = s.text;
        s.argDepth = 0;
        Real value = m_engine->Evaluate(it->second);
        if (!s.errorFlag) {
            s.Var(slot) = value;
            s.VarText(slot) = it->second;
        }
        s.text = kept;
    }

    void ConstantStored(const NamedConstant& constant, bool created, bool show) override {
        constants.push_back({constant.name, constant.identifier, constant.value, created, show});
    }

    void PumpMessages() override { ++pumps; }

    bool ConfirmBreak() override {
        ++breakQuestions;
        return confirmBreakAt > 0 && breakQuestions >= confirmBreakAt;
    }

    void IntegralProgress(const std::string& text) override { progress.push_back(text); }

    int IntegrationPrecision() const override { return precision; }

private:
    Engine* m_engine = nullptr;
};

}  // namespace kalvo::test
