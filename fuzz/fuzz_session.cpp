#include "fuzz_session.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "engine/engine_state.h"
#include "engine/float_fault.h"
#include "engine/user_functions.h"

namespace kalvo {

void FuzzCheck(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

std::string_view FuzzText(const std::uint8_t* data, std::size_t size, std::size_t skip) {
    if (size <= skip) {
        return {};
    }
    return {reinterpret_cast<const char*>(data) + skip, size - skip};
}

std::vector<std::string_view> FuzzLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string_view::npos;
         end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::vector<std::string> FuzzWords(std::string_view text) {
    std::vector<std::string> words;
    std::size_t start = 0;
    for (std::size_t end = text.find('\0'); words.size() < 64; end = text.find('\0', start)) {
        words.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return words;
}

FuzzSession::FuzzSession() : m_session(m_host) {
    m_host.Attach(m_session);
    m_session.SetListLimit(1);
}

void FuzzSession::ApplySettings(const std::uint8_t* data, std::size_t size) {
    auto byte = [data, size](std::size_t i) -> unsigned { return i < size ? data[i] : 0u; };
    const unsigned modes = byte(0);
    m_session.SetNotation(static_cast<int>(modes & 3u));
    const int base = static_cast<int>((modes >> 2) & 3u) % 3;
    m_session.State().display.base = base;
    m_session.State().digitSet = CalculatorSession::DigitSetFor(base);
    m_session.SetAngle(static_cast<int>((modes >> 4) & 1u));
    m_session.State().display.complexForm = static_cast<int>((modes >> 5) & 1u);
    const int low = m_session.DigitsMin();
    const int high = std::max(low, m_session.DigitsMax());
    m_session.SetDigits(low + static_cast<int>(byte(1)) % (high - low + 1));
    m_host.SetIntegrationPrecision(1 + static_cast<int>(byte(2) % 20));
    m_session.SetBits(1 + static_cast<int>(byte(3) % 32));
}

void FuzzSession::Define(std::string_view line) {
    static constexpr std::string_view kLetters = "XYZVWIJKMN";
    if (line.size() >= 2 && line[1] == ':' && kLetters.find(line[0]) != std::string_view::npos) {
        const int slot = static_cast<int>(kLetters.find(line[0])) + 1;
        m_session.State().VarText(slot) = std::string(line.substr(2));
        m_session.State().Var(slot) = kUndefinedValue;
        return;
    }
    GetEngine().Functions().Add(std::string(line), nullptr);
}

ResultLine FuzzSession::Evaluate(std::string_view text) {
    const ResultLine line = m_session.Evaluate(std::string(text), true);
    switch (line.kind) {
        case ResultLine::Kind::kUnchanged:
            FuzzCheck(text.empty(), "only an empty text leaves the result line alone");
            break;
        case ResultLine::Kind::kValue:
        case ResultLine::Kind::kError:
            FuzzCheck(!line.text.empty(), "a value or an error has a text");
            break;
        case ResultLine::Kind::kFault:
            FuzzCheck(line.text == FloatFaultMessage(FloatFault::kOverflow) ||
                          line.text == FloatFaultMessage(FloatFault::kDivisionByZero) ||
                          line.text == FloatFaultMessage(FloatFault::kInvalidOperation),
                      "a fault has one of the three fault messages");
            break;
    }
    FuzzCheck(!m_session.State().errorFlag, "the cycle leaves no error pending");
    return line;
}

void FuzzSession::DefineAndEvaluate(std::string_view text) {
    const std::vector<std::string_view> lines = FuzzLines(text);
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        Define(lines[i]);
    }
    Evaluate(lines.back());
    CheckStillUsable();
}

void FuzzSession::CheckStillUsable() {
    const ResultLine line = m_session.Evaluate(m_session.ComplexMode() ? "comp(1,1)" : "1+1", true);
    FuzzCheck(line.kind == ResultLine::Kind::kValue, "a plain sum still evaluates");
}

}  // namespace kalvo
