#include "engine/user_functions.h"

#include "engine/engine.h"
#include "engine/error_codes.h"
#include "engine/text_encoding.h"

namespace kalvo {

void UserFunctions::Clear() {
    m_functions.clear();
    m_values.clear();
}

bool UserFunctions::Add(const std::string& line, const MessageSink& sink) {
    auto function = std::make_unique<TUserFunc>(line);
    if (function->Valid()) {
        m_functions.push_back(std::move(function));
        return true;
    }
    if (sink) {
        if (function->TooManyParameters()) {
            sink(TooManyParametersMessage(line));
        } else if (function->DuplicateParameter()) {
            sink("Dublicate parametrs (" + function->ParameterText() + ")");
        } else if (function->ParameterMissing()) {
            sink("Parametr missing " + line);
        } else {
            sink("Invalid functions " + line);
        }
    }
    return false;
}

bool UserFunctions::LoadFromText(std::string_view bytes, const std::string& fileName,
                                 const MessageSink& sink) {
    m_fileName = fileName;
    Clear();
    // Editors that save UTF-8 may put a byte order mark before the first line.
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    bool ok = true;
    ForEachLine(ToLatin1(bytes), [&](std::string_view line) {
        if (ok && !line.empty()) {
            ok = Add(std::string(line), sink);
        }
    });
    return ok;
}

void UserFunctions::Insert(int index, std::unique_ptr<TUserFunc> function) {
    m_functions.insert(m_functions.begin() + index, std::move(function));
}

void UserFunctions::Remove(int index) {
    m_functions.erase(m_functions.begin() + index);
}

Real UserFunctions::PopValue() {
    if (m_values.empty()) {
        return 0;  // the evaluator pops only after a push
    }
    Real value = m_values.back();
    m_values.pop_back();
    return value;
}

bool UserFunctions::ReadArguments(EngineState& s, const TUserFunc& function,
                                  std::vector<std::string>& arguments) {
    int c = s.scanPos;
    for (int k = 1; k <= function.ParameterCount(); ++k) {
        std::string argument;
        const int end = ArgumentEnd(s.text, s.scanPos + 1, argument);
        const int size = static_cast<int>(s.text.size());
        s.scanPos = end > size ? size : end;
        s.currentChar = end > size ? kEndMarker : s.text[static_cast<std::size_t>(end - 1)];
        if (s.currentChar == kEndMarker || argument.empty()) {
            s.errorFlag = true;
            s.errorLength = s.scanPos - c;
            s.errorPos = s.scanPos;
            s.errorCode = kErrMissingArgument;
            s.currentChar = kEndMarker;
            s.scanPos = static_cast<int>(s.text.size());
            return false;
        }
        arguments.push_back(std::move(argument));
        c = s.scanPos;
    }
    return true;
}

Real UserFunctions::EvaluateBody(Engine& engine, std::string body) {
    EngineState& s = engine.State();
    std::string savedText = std::move(s.text);
    const int savedPos = s.scanPos;
    const char savedChar = s.currentChar;
    const int savedStart = s.subexprStart;
    s.text = std::move(body);
    s.scanPos = 0;
    s.subexprStart = 1;
    engine.Advance();
    const Real value = engine.RejectEndMarker() ? 0 : engine.Expression();
    s.text = std::move(savedText);
    s.scanPos = savedPos;
    s.currentChar = savedChar;
    s.subexprStart = savedStart;
    return value;
}

namespace {

/// Counts a call in progress and its expanded text for as long as the body runs, also
/// when a floating-point fault unwinds it.
class CallFrame {
  public:
    CallFrame(int& depth, std::size_t& total, std::size_t length)
        : m_depth(depth), m_total(total), m_length(length) {
        ++m_depth;
        m_total += m_length;
    }
    ~CallFrame() {
        --m_depth;
        m_total -= m_length;
    }
    CallFrame(const CallFrame&) = delete;
    CallFrame& operator=(const CallFrame&) = delete;

  private:
    int& m_depth;
    std::size_t& m_total;
    std::size_t m_length;
};

}  // namespace

bool UserFunctions::Call(Engine& engine, const std::string& name) {
    EngineState& s = engine.State();
    for (auto& function : m_functions) {
        if (function->Name() != name) {
            continue;
        }
        function->Prepare();
        const int nameStart = s.scanPos - static_cast<int>(name.size()) + 1;
        std::vector<std::string> arguments;
        if (!ReadArguments(s, *function, arguments) || engine.Poll()) {
            return false;
        }
        std::string body;
        if (m_callDepth >= kMaxCallDepth ||
            !function->Expand(arguments, kMaxExpandedLength - m_expandedLength, body)) {
            // Too deep or too long: mark the whole call.
            engine.RaiseError(kErrStackOverflow);
            s.errorLength = s.errorPos - nameStart + 1;
            s.errorPos = nameStart;
            return false;
        }
        Real value = 0;
        {
            CallFrame frame(m_callDepth, m_expandedLength, body.size());
            value = EvaluateBody(engine, std::move(body));
        }
        if (!s.errorFlag) {
            PushValue(value);
            engine.Advance();
            return true;
        }
        // Report the failure inside the body; a failure that is itself inside a nested
        // user function keeps the innermost code and position.
        if (s.errorCode != kErrUserFunction) {
            s.userFuncErrorPos = s.errorPos - 1;
            s.userFuncErrorCode = s.errorCode;
        }
        s.errorPos = s.errorPos + static_cast<int>(name.size()) - 1;
        s.errorCode = kErrUserFunction;
        s.currentChar = kEndMarker;
        s.scanPos = static_cast<int>(s.text.size());
        return false;
    }
    return false;
}

}  // namespace kalvo
