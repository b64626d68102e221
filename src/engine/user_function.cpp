#include "engine/user_function.h"

#include <algorithm>
#include <cctype>

namespace kalvo {

namespace {

bool IsWordChar(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return u < 128 && std::isalnum(u) != 0;
}

std::string Between(const std::string& line, std::size_t from, std::size_t to) {
    if (from == std::string::npos || from >= line.size()) {
        return {};
    }
    if (to == std::string::npos || to < from) {
        to = line.size();
    }
    return line.substr(from, to - from);
}

// starts[i] is set where `word` occurs in `text` at position i, overlapping occurrences
// included; found with the prefix function in time linear in both lengths.
std::vector<bool> MatchStarts(const std::string& text, const std::string& word) {
    std::vector<bool> starts(text.size(), false);
    const std::size_t m = word.size();
    if (m == 0 || m > text.size()) {
        return starts;
    }
    std::vector<std::size_t> border(m, 0);
    for (std::size_t i = 1, k = 0; i < m; ++i) {
        while (k > 0 && word[i] != word[k]) {
            k = border[k - 1];
        }
        if (word[i] == word[k]) {
            ++k;
        }
        border[i] = k;
    }
    for (std::size_t i = 0, k = 0; i < text.size(); ++i) {
        while (k > 0 && text[i] != word[k]) {
            k = border[k - 1];
        }
        if (text[i] == word[k]) {
            ++k;
        }
        if (k == m) {
            starts[i + 1 - m] = true;
            k = border[k - 1];
        }
    }
    return starts;
}

// One pass from the left: an occurrence is a whole word when the character before it (as
// already written, so an earlier placeholder counts) and the one after it are not letters
// or digits. The placeholder is never searched again, even when it equals the word.
std::string ReplaceWholeWords(const std::string& text, const std::string& word,
                              const std::vector<bool>& starts, char placeholder) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t after = i + word.size();
        if (starts[i] && (out.empty() || !IsWordChar(out.back())) &&
            (after >= text.size() || !IsWordChar(text[after]))) {
            out.push_back(placeholder);
            i = after;
        } else {
            out.push_back(text[i++]);
        }
    }
    return out;
}

}  // namespace

std::string TooManyParametersMessage(const std::string& line) {
    return "Too many parameters (at most " + std::to_string(TUserFunc::kMaxParameters) + ") " +
           line;
}

TUserFunc::TUserFunc(const std::string& line) {
    std::string text;
    text.reserve(line.size());
    bool inComment = false;
    for (char c : line) {
        inComment = inComment || c == ';';
        if (c != ' ' || inComment) {
            text.push_back(c);
        }
    }
    if (!text.empty() && text.front() == ';') {
        m_comment = text;
        Prepare();
        m_valid = true;
        return;
    }
    const std::size_t open = text.find('(');
    if (open == std::string::npos) {
        return;
    }
    m_name = text.substr(0, open + 1);
    const std::size_t equals = text.find('=');
    const std::size_t semicolon = text.find(';');
    m_body = equals == std::string::npos ? std::string() : Between(text, equals + 1, semicolon);
    if (m_body.empty()) {
        return;
    }
    m_parameterText = Between(text, open + 1, text.find(')'));
    if (m_parameterText.empty()) {
        return;
    }
    if (semicolon != std::string::npos) {
        m_comment = text.substr(semicolon);
    }
    Prepare();
}

void TUserFunc::Prepare() {
    m_parameters.clear();
    m_sortedParameters.clear();
    m_parameterCount = 0;
    m_workBody = m_body;
    m_parameterMissing = false;
    m_duplicateParameter = false;
    m_tooManyParameters = false;
    m_valid = false;

    if (!m_parameterText.empty()) {
        std::size_t start = 0;
        for (;;) {
            std::size_t comma = m_parameterText.find(',', start);
            std::string item = Between(m_parameterText, start, comma);
            if (item.empty()) {
                m_parameters.clear();
                return;  // «a,,b» or a trailing comma: no parameters at all
            }
            if (static_cast<int>(m_parameters.size()) == kMaxParameters) {
                m_parameters.clear();
                m_tooManyParameters = true;
                return;
            }
            m_parameters.push_back(item);
            if (comma == std::string::npos) {
                break;
            }
            start = comma + 1;
        }
    }
    m_sortedParameters = m_parameters;
    // Longest first, so that a parameter "ab" is replaced before "a" could damage it.
    for (std::size_t i = 0; i < m_sortedParameters.size(); ++i) {
        for (std::size_t j = i + 1; j < m_sortedParameters.size(); ++j) {
            if (m_sortedParameters[j].size() > m_sortedParameters[i].size()) {
                std::swap(m_sortedParameters[i], m_sortedParameters[j]);
            }
        }
    }
    for (std::size_t i = 0; i < m_sortedParameters.size(); ++i) {
        for (std::size_t j = i + 1; j < m_sortedParameters.size(); ++j) {
            if (m_sortedParameters[i] == m_sortedParameters[j]) {
                m_duplicateParameter = true;
                return;
            }
        }
    }
    for (const std::string& parameter : m_sortedParameters) {
        const std::vector<bool> starts = MatchStarts(m_workBody, parameter);
        if (std::find(starts.begin(), starts.end(), true) == starts.end()) {
            m_parameterMissing = true;
            return;
        }
        std::size_t k = 1;
        while (m_parameters[k - 1] != parameter) {
            ++k;
        }
        m_workBody = ReplaceWholeWords(m_workBody, parameter, starts, static_cast<char>(k));
        ++m_parameterCount;
    }
    m_valid = m_parameterCount > 0;
}

bool TUserFunc::Expand(const std::vector<std::string>& arguments, std::size_t limit,
                       std::string& expanded) const {
    expanded.clear();
    auto argumentOf = [&arguments](char c) -> const std::string* {
        const auto code = static_cast<unsigned char>(c);
        if (code == 0 || code > arguments.size()) {
            return nullptr;
        }
        return &arguments[code - 1];
    };
    std::size_t length = 0;
    for (char c : m_workBody) {
        const std::string* argument = argumentOf(c);
        length += argument ? argument->size() : 1;
        if (length > limit) {
            return false;
        }
    }
    expanded.reserve(length);
    for (char c : m_workBody) {
        if (const std::string* argument = argumentOf(c)) {
            expanded += *argument;
        } else {
            expanded.push_back(c);
        }
    }
    return true;
}

std::string TUserFunc::DefinitionText() const {
    if (IsComment()) {
        return m_comment;
    }
    return m_name + m_parameterText + ") = " + m_body + m_comment;
}

}  // namespace kalvo
