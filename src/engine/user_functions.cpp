#include "engine/user_functions.h"

#include <fstream>
#include <sstream>

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
        if (function->DuplicateParameter()) {
            sink("Dublicate parametrs (" + function->ParameterText() + ")");
        } else if (function->ParameterMissing()) {
            sink("Parametr missing " + line);
        } else {
            sink("Invalid functions " + line);
        }
    }
    return false;
}

bool UserFunctions::LoadFromFile(const std::string& path, const MessageSink& sink) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    if (!file || !(content << file.rdbuf()) || file.bad()) {
        if (sink) {
            sink("Cannot load " + path + "!");
        }
        return false;
    }
    m_fileName = path;
    Clear();
    std::string bytes = content.str();
    // Editors that save UTF-8 may put a byte order mark before the first line.
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.erase(0, 3);
    }
    for (const std::string& line : SplitLines(ToLatin1(bytes))) {
        if (line.empty()) {
            continue;
        }
        if (!Add(line, sink)) {
            return false;
        }
    }
    return true;
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

bool UserFunctions::Call(Engine& engine, const std::string& name) {
    EngineState& s = engine.State();
    for (auto& function : m_functions) {
        if (function->Name() != name) {
            continue;
        }
        function->Prepare();
        int c = s.scanPos;
        for (int k = 1; k <= function->ParameterCount(); ++k) {
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
            function->Substitute(k, argument);
            c = s.scanPos;
        }

        const std::string savedText = s.text;
        const int savedPos = s.scanPos;
        const char savedChar = s.currentChar;
        const int savedStart = s.subexprStart;
        s.text = function->WorkBody();
        s.scanPos = 0;
        s.subexprStart = 1;
        engine.Advance();
        Real value = 0;
        if (m_callDepth >= kMaxCallDepth) {
            engine.RaiseError(kErrStackOverflow);
        } else {
            ++m_callDepth;
            try {
                value = engine.Expression();
            } catch (...) {
                --m_callDepth;
                throw;
            }
            --m_callDepth;
        }
        s.text = savedText;
        s.scanPos = savedPos;
        s.currentChar = savedChar;
        s.subexprStart = savedStart;

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
