#include "plot/point_evaluator.h"

#include <algorithm>
#include <ostream>

#include "engine/error_codes.h"
#include "engine/float_fault.h"
#include "engine/text_encoding.h"
#include "frontend/calculator_session.h"
#include "frontend/field_evaluation.h"

namespace kalvo {

namespace {

constexpr int kModulusPrefix = 4;  // "abs("

}  // namespace

std::string WithoutBlanks(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != ' ') {
            out += c;
        }
    }
    return out;
}

bool SampleFailure::UserBreak() const {
    return fault.empty() && code == kErrUserBreak;
}

std::string DescribeFailure(const Engine& engine, const std::string& typed,
                            const SampleFailure& failure) {
    if (!failure.fault.empty()) {
        return failure.fault;
    }
    if (failure.position == 0) {  // a break between points has no place in the text
        return engine.ErrorText(failure.code);
    }
    return ShowError(engine, typed, WithoutBlanks(typed), failure.code, failure.position,
                     failure.length)
        .text;
}

int WriteSampleFailure(std::ostream& err, const Engine& engine, const std::string& typed,
                       const SampleFailure& failure) {
    err << Latin1ToUtf8(DescribeFailure(engine, typed, failure)) << '\n';
    if (!failure.UserBreak()) {
        err << kCannotCalculate << '\n';
    }
    return 1;
}

PointEvaluator::PointEvaluator(CalculatorSession& session, const std::string& text, Mode mode)
    : m_session(session), m_text(WithoutBlanks(text)), m_mode(mode) {
    m_evaluated = m_mode == Mode::kComplexModulus ? "abs(" + m_text + ")" : m_text;
}

void PointEvaluator::SetX(Real x) {
    m_session.State().Var(kSlotX) = x;
}

void PointEvaluator::SetY(Real y) {
    m_session.State().Var(kSlotY) = y;
}

Real PointEvaluator::Evaluate(bool& failed, SampleFailure* failure) {
    EngineState& state = m_session.State();
    state.argDepth = 0;
    state.usedNames.clear();
    state.usedValues.clear();
    Real value = 0;
    failed = false;
    try {
        if (m_mode == Mode::kReal) {
            value = m_session.GetEngine().Evaluate(m_evaluated);
            if (state.errorFlag) {
                failed = true;
                if (failure != nullptr) {
                    *failure = {state.errorCode, state.errorPos, state.errorLength, {}};
                }
            }
        } else {
            ComplexEvaluator& complex = m_session.GetComplexEvaluator();
            value = complex.EvaluateComplex(m_evaluated).a;
            if (complex.ErrorFlag()) {
                failed = true;
                value = 0;
                if (failure != nullptr) {
                    // Positions past the wrapper's ")" point just after the text.
                    const int last = static_cast<int>(m_text.size()) + 1;
                    const int position = std::clamp(complex.ErrorPos() - kModulusPrefix, 1, last);
                    *failure = {complex.ErrorCode(), position, complex.ErrorLength(), {}};
                }
            }
        }
    } catch (const FloatFaultError& fault) {
        failed = true;
        value = 0;
        if (failure != nullptr) {
            *failure = {0, 0, 0, fault.what()};
        }
    }
    state.errorFlag = false;
    state.previousSearchText.clear();
    return value;
}

}  // namespace kalvo
