#include "frontend/calculator_session.h"

#include <algorithm>

#include "display/format_complex.h"
#include "engine/error_codes.h"
#include "frontend/field_evaluation.h"

namespace kalvo {

namespace {

constexpr const char* kBaseLabels[] = {"10", "16", "2"};

}  // namespace

CalculatorSession::CalculatorSession(EngineHost& host) : m_engine(host) {
    State().digitSet = DigitSetFor(kDec);
}

std::string CalculatorSession::DigitSetFor(int base) {
    switch (base) {
        case kHex:
            return "$0123456789ABCDEF";
        case kBin:
            return "01";
        default:
            return ".0123456789";
    }
}

ResultLine CalculatorSession::ErrorLine(const std::string& typed, const std::string& blankFree,
                                        int code, int pos, int length) {
    ShownError shown = ShowError(m_engine, typed, blankFree, code, pos, length);
    ResultLine line;
    line.kind = ResultLine::Kind::kError;
    line.text = std::move(shown.text);
    line.selectStart = shown.selectStart;
    line.selectLength = shown.selectLength;
    return line;
}

ResultLine CalculatorSession::Evaluate(const std::string& input, bool modified) {
    EngineState& s = State();
    s.errorFlag = false;
    if (input.empty()) {
        return {};
    }
    // A break request set before a complex evaluation stays: only real mode clears it.
    if (!m_complexMode) {
        s.breakRequested = false;
    }
    ParenCheck check = CheckParens(input);
    s.text = check.blankFree;
    if (check.errorFlag) {
        return ErrorLine(input, check.blankFree, check.errorCode, check.errorPos,
                         check.errorLength);
    }
    s.argDepth = 0;
    s.usedNames.clear();
    s.usedValues.clear();
    if (m_complexMode) {
        return EvaluateComplexInput(input, check.blankFree, modified);
    }

    const TextEvaluation evaluated = EvaluateText(m_engine, check.blankFree);
    if (evaluated.fault != FloatFault::kNone) {
        return FaultLine(evaluated.fault);
    }
    if (evaluated.failed) {
        s.errorFlag = false;
        return ErrorLine(input, check.blankFree, evaluated.code, evaluated.pos, evaluated.length);
    }
    const Real value = evaluated.value;
    std::string text = m_engine.FormatValue(m_digits, value);
    if (s.errorFlag) {
        // The value cannot be shown in this base or notation: an error, not a result.
        s.errorFlag = false;
        return ErrorLine(input, check.blankFree, s.errorCode, s.errorPos, s.errorLength);
    }
    s.lastAnswer = value;
    return RecordedValue(input, std::move(text), modified);
}

ResultLine CalculatorSession::EvaluateComplexInput(const std::string& input,
                                                   const std::string& blankFree, bool modified) {
    ComplexNum value;
    try {
        value = m_complex.EvaluateComplex(blankFree);
    } catch (const FloatFaultError& fault) {
        return FaultLine(fault.Fault());
    }
    if (m_complex.ErrorFlag()) {
        return ErrorLine(input, blankFree, m_complex.ErrorCode(), m_complex.ErrorPos(),
                         m_complex.ErrorLength());
    }
    FormatFault fault = FormatFault::kNone;
    std::string text = FormatComplex(State().display, m_digits, value, &fault);
    if (fault != FormatFault::kNone) {
        // The library never hands out a value that is not finite; should one arrive it is
        // an overflow, not a result.
        return ErrorLine(input, blankFree, kErrOverflow, static_cast<int>(blankFree.size()) + 1, 1);
    }
    m_complex.SetLastResult(value);
    return RecordedValue(input, std::move(text), modified);
}

ResultLine CalculatorSession::RecordedValue(const std::string& input, std::string text,
                                            bool modified) {
    ResultLine line;
    line.kind = ResultLine::Kind::kValue;
    if (modified) {
        line.tapeLine = Record(input, text);
    }
    line.text = std::move(text);
    return line;
}

ResultLine CalculatorSession::FaultLine(FloatFault fault) {
    ResultLine line;
    line.kind = ResultLine::Kind::kFault;
    line.text = FloatFaultMessage(fault);
    return line;
}

ResultLine CalculatorSession::SetComplexForm(int form, const std::string& input) {
    State().display.complexForm = form;
    ResultLine line = ShowLastAnswer();
    line.tapeLine = input + " = " + line.text;
    AddTapeLine(line.tapeLine);
    return line;
}

std::string CalculatorSession::TapeNote() const {
    const EngineState& s = State();
    std::string note = "; ";
    if (s.usedNames.size() >= 10) {
        return note;
    }
    for (std::size_t j = 0; j < s.usedNames.size(); ++j) {
        const std::string name = s.usedNames[j];
        if (name.empty() || note.find(name + "=") != std::string::npos) {
            continue;
        }
        std::string value = j < s.usedValues.size() ? m_engine.UsedValueText(j) : std::string();
        note += name + "=" + value + "; ";
    }
    return note;
}

std::string CalculatorSession::Record(const std::string& input, const std::string& resultText) {
    if (m_listLimit > 0) {
        m_results.push_front(resultText);
        PutOnTopOfHistory(input);
    }
    std::string tapeLine = input + " = " + resultText + TapeNote();
    AddTapeLine(tapeLine);
    return tapeLine;
}

void CalculatorSession::PutOnTopOfHistory(const std::string& input) {
    if (m_historyIndex.insert(input).second) {
        m_history.push_front(input);
    } else if (m_history.front() != input) {
        m_history.erase(std::find(m_history.begin(), m_history.end(), input));
        m_history.push_front(input);
    }
    TrimLists();
}

void CalculatorSession::AddTapeLine(std::string line) {
    m_tape.push_front(std::move(line));
    TrimLists();
}

void CalculatorSession::SetListLimit(std::size_t limit) {
    m_listLimit = limit;
    TrimLists();
}

void CalculatorSession::TrimLists() {
    while (m_history.size() > m_listLimit) {
        m_historyIndex.erase(m_history.back());
        m_history.pop_back();
    }
    if (m_results.size() > m_listLimit) {
        m_results.resize(m_listLimit);
    }
    if (m_tape.size() > m_listLimit) {
        m_tape.resize(m_listLimit);
    }
}

void CalculatorSession::SetHistory(std::deque<std::string> entries) {
    m_history.clear();
    m_historyIndex.clear();
    for (std::string& entry : entries) {
        if (m_historyIndex.insert(entry).second) {
            m_history.push_back(std::move(entry));
        }
    }
}

void CalculatorSession::DeleteHistoryEntry(std::size_t index) {
    if (index < m_history.size()) {
        m_historyIndex.erase(m_history[index]);
        m_history.erase(m_history.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

void CalculatorSession::DeleteResultsEntry(std::size_t index) {
    if (index < m_results.size()) {
        m_results.erase(m_results.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

int CalculatorSession::DigitsMax() const {
    if (State().display.base == kBin) {
        return 32;
    }
    switch (State().display.notation) {
        case kScn:
        case kEng:
            return 21;
        case kFix:
            return 20;
        default:
            return 22;
    }
}

ResultLine CalculatorSession::ShowLastAnswer() {
    EngineState& s = State();
    s.errorFlag = false;
    ResultLine line;
    line.kind = ResultLine::Kind::kValue;
    if (m_complexMode) {
        line.text = FormatComplex(s.display, m_digits, m_complex.LastResult());
        return line;
    }
    line.text = m_engine.FormatValue(m_digits, s.lastAnswer);
    if (s.errorFlag) {
        line.kind = ResultLine::Kind::kError;
        line.text = m_engine.ErrorText(s.errorCode);
        s.errorFlag = false;
    }
    return line;
}

ResultLine CalculatorSession::SetNotation(int notation) {
    State().display.notation = notation;
    switch (notation) {
        case kScn:
            m_digitsMin = 8;
            break;
        case kFix:
            m_digitsMin = 3;
            break;
        case kEng:
            m_digitsMin = 11;
            break;
        default:
            break;
    }
    m_digits = std::clamp(m_digits, m_digitsMin, std::max(m_digitsMin, DigitsMax()));
    return ShowLastAnswer();
}

ResultLine CalculatorSession::SetBase(int base, const std::string& input, bool modified,
                                      ResultLine* evaluated) {
    ResultLine first = Evaluate(input, modified);
    if (evaluated) {
        *evaluated = std::move(first);
    }
    EngineState& s = State();
    s.display.base = base;
    s.digitSet = DigitSetFor(base);
    ResultLine line = ShowLastAnswer();
    line.tapeLine = input + " = " + line.text + "; Base=" + kBaseLabels[base];
    AddTapeLine(line.tapeLine);
    return line;
}

int CalculatorSession::SetDigitsPosition(int position, ResultLine* shown) {
    if (State().display.base == kBin) {
        if (position == 31) {
            position = 16;
        } else if (position == 15) {
            position = 8;
        } else if (position <= 6) {
            position = 7;
        } else if (position == 9) {
            position = 16;
        } else if (position == 17) {
            position = 32;
        }
        position = std::min(position, 32);
        State().display.bits = position;
    } else {
        position = std::min(position, 22);
        m_digits = position;
    }
    if (shown) {
        *shown = ShowLastAnswer();
    }
    return position;
}

void CalculatorSession::SetBits(int bits) {
    State().display.bits = std::clamp(bits, 1, 32);
}

void CalculatorSession::SetAngle(int angleUnit) {
    if (!m_loading) {
        State().angleUnit = angleUnit;
    }
}

void CalculatorSession::ClearAll() {
    EngineState& s = State();
    m_history.clear();
    m_historyIndex.clear();
    m_results.clear();
    for (VariableSlotData& slot : s.vars) {
        slot.value = kUndefinedValue;
        slot.text.clear();
    }
    s.lastAnswer = kUndefinedValue;
    s.extremumArgument = kUndefinedValue;
}

}  // namespace kalvo
