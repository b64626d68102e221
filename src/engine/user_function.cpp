#include "engine/user_function.h"

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

}  // namespace

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
    m_valid = false;

    if (!m_parameterText.empty()) {
        std::size_t start = 0;
        for (;;) {
            std::size_t comma = m_parameterText.find(',', start);
            std::string item = Between(m_parameterText, start, comma);
            if (item.empty()) {
                return;  // «a,,b» or a trailing comma: no parameters at all
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
        if (m_workBody.find(parameter) == std::string::npos) {
            m_parameterMissing = true;
            return;
        }
        std::size_t k = 1;
        while (m_parameters[k - 1] != parameter) {
            ++k;
        }
        const std::string placeholder(1, static_cast<char>(k));
        for (std::size_t pos = m_workBody.find(parameter); pos != std::string::npos;) {
            const std::size_t after = pos + parameter.size();
            const bool wholeWord = (pos == 0 || !IsWordChar(m_workBody[pos - 1])) &&
                                   (after >= m_workBody.size() || !IsWordChar(m_workBody[after]));
            if (wholeWord) {
                m_workBody.replace(pos, parameter.size(), placeholder);
                pos = m_workBody.find(parameter);
            } else {
                pos = m_workBody.find(parameter, pos + 1);
            }
        }
        ++m_parameterCount;
    }
    m_valid = m_parameterCount > 0;
}

void TUserFunc::Substitute(int k, const std::string& argument) {
    const char placeholder = static_cast<char>(k);
    std::string result;
    result.reserve(m_workBody.size() + argument.size());
    for (char c : m_workBody) {
        if (c == placeholder) {
            result += argument;
        } else {
            result.push_back(c);
        }
    }
    m_workBody = std::move(result);
}

std::string TUserFunc::DefinitionText() const {
    if (IsComment()) {
        return m_comment;
    }
    return m_name + m_parameterText + ") = " + m_body + m_comment;
}

}  // namespace kalvo
