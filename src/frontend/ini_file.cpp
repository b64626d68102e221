#include "frontend/ini_file.h"

#include <charconv>

#include "engine/text_encoding.h"
#include "frontend/text_file.h"

namespace kalvo {

namespace {

std::string_view Trim(std::string_view s) {
    std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    std::size_t last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i] >= 'a' && a[i] <= 'z' ? static_cast<char>(a[i] - 32) : a[i];
        char y = b[i] >= 'a' && b[i] <= 'z' ? static_cast<char>(b[i] - 32) : b[i];
        if (x != y) {
            return false;
        }
    }
    return true;
}

// A value whose blanks at the ends or enclosing quotes would be lost on reading is
// written in quotes; reading removes one pair.
bool NeedsQuotes(std::string_view value) {
    if (value.empty()) {
        return false;
    }
    bool blankEnds = value.front() == ' ' || value.front() == '\t' || value.back() == ' ' ||
                     value.back() == '\t';
    bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
    return blankEnds || quoted;
}

}  // namespace

IniFile IniFile::Parse(std::string_view text) {
    IniFile ini;
    std::string section;
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);  // a byte-order mark written by another editor
    }
    for (std::string& raw : SplitLines(text)) {
        Line line;
        std::string_view trimmed = Trim(raw);
        std::size_t equals = raw.find('=');
        if (trimmed.size() >= 2 && trimmed.front() == '[' &&
            trimmed.find(']') != std::string::npos) {
            line.kind = Line::Kind::kSection;
            section = std::string(Trim(trimmed.substr(1, trimmed.find(']') - 1)));
        } else if (!trimmed.empty() && trimmed.front() != ';' && trimmed.front() != '#' &&
                   equals != std::string::npos &&
                   !Trim(std::string_view(raw).substr(0, equals)).empty()) {
            line.kind = Line::Kind::kKey;
            line.key = std::string(Trim(std::string_view(raw).substr(0, equals)));
            line.value = std::string(Trim(std::string_view(raw).substr(equals + 1)));
        }
        line.section = section;
        line.text = std::move(raw);
        ini.m_lines.push_back(std::move(line));
    }
    return ini;
}

FileResult IniFile::Load(const std::string& path) {
    m_lines.clear();
    std::string content;
    switch (ReadFileBytes(path, content)) {
        case ReadStatus::kOk:
            *this = Parse(content);
            return FileResult::Success();
        case ReadStatus::kCannotOpen:
            return FileResult::Failure(kCantOpenFile + path);
        case ReadStatus::kCannotRead:
            break;
    }
    return FileResult::Failure(kCantReadFile + path);
}

std::string IniFile::Text() const {
    std::string text;
    for (const Line& line : m_lines) {
        text += line.text;
        text += "\r\n";
    }
    return text;
}

FileResult IniFile::Save(const std::string& path) const {
    std::vector<std::string> lines;
    lines.reserve(m_lines.size());
    for (const Line& line : m_lines) {
        lines.push_back(line.text);
    }
    return WriteTextLines(path, lines);
}

std::optional<std::size_t> IniFile::FindKey(std::string_view section, std::string_view key) const {
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.kind == Line::Kind::kKey && SameName(line.section, section) &&
            SameName(line.key, key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
    std::optional<std::size_t> index = FindKey(section, key);
    if (!index) {
        return std::nullopt;
    }
    std::string value = m_lines[*index].value;
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                const std::string& fallback) const {
    std::optional<std::string> value = Value(section, key);
    return value ? *value : fallback;
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
    std::optional<std::string> value = Value(section, key);
    if (!value) {
        return fallback;
    }
    std::string_view text = Trim(*value);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int result = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), result);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return fallback;
    }
    return result;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

IniFile::Line IniFile::MakeKeyLine(std::string_view section, std::string_view key,
                                   std::string_view value) {
    Line line;
    line.kind = Line::Kind::kKey;
    line.section = std::string(section);
    line.key = std::string(key);
    std::string written(value);
    for (char& c : written) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    line.value = NeedsQuotes(written) ? "\"" + written + "\"" : written;
    line.text = line.key + "=" + line.value;
    return line;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    if (std::optional<std::size_t> index = FindKey(section, key)) {
        Line line = MakeKeyLine(m_lines[*index].section, m_lines[*index].key, value);
        m_lines[*index] = std::move(line);
        return;
    }
    // After the last key of the first such section, so that blank lines and comments
    // that follow the section stay where they are.
    std::optional<std::size_t> insertAt;
    std::string sectionName(section);
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.kind == Line::Kind::kSection && SameName(line.section, section)) {
            if (insertAt) {
                break;  // a second header of the same name: keep to the first one
            }
            insertAt = i + 1;
            sectionName = line.section;
        } else if (insertAt && line.kind == Line::Kind::kSection) {
            break;
        } else if (insertAt && line.kind == Line::Kind::kKey) {
            insertAt = i + 1;
        }
    }
    if (insertAt) {
        m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(*insertAt),
                       MakeKeyLine(sectionName, key, value));
        return;
    }
    if (!m_lines.empty() && !Trim(m_lines.back().text).empty()) {
        Line blank;
        blank.section = m_lines.back().section;
        m_lines.push_back(std::move(blank));
    }
    Line header;
    header.kind = Line::Kind::kSection;
    header.section = std::string(section);
    header.text = "[" + header.section + "]";
    m_lines.push_back(std::move(header));
    m_lines.push_back(MakeKeyLine(section, key, value));
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

bool IniFile::DeleteKey(std::string_view section, std::string_view key) {
    bool found = false;
    while (std::optional<std::size_t> index = FindKey(section, key)) {
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(*index));
        found = true;
    }
    return found;
}

bool IniFile::HasSection(std::string_view section) const {
    for (const Line& line : m_lines) {
        if (line.kind == Line::Kind::kSection && SameName(line.section, section)) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> IniFile::Sections() const {
    std::vector<std::string> sections;
    for (const Line& line : m_lines) {
        if (line.kind != Line::Kind::kSection) {
            continue;
        }
        bool seen = false;
        for (const std::string& s : sections) {
            seen = seen || SameName(s, line.section);
        }
        if (!seen) {
            sections.push_back(line.section);
        }
    }
    return sections;
}

std::vector<std::string> IniFile::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    for (const Line& line : m_lines) {
        if (line.kind != Line::Kind::kKey || !SameName(line.section, section)) {
            continue;
        }
        bool seen = false;
        for (const std::string& k : keys) {
            seen = seen || SameName(k, line.key);
        }
        if (!seen) {
            keys.push_back(line.key);
        }
    }
    return keys;
}

}  // namespace kalvo
