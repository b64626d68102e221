#include "frontend/ini_file.h"

#include <algorithm>
#include <charconv>
#include <unordered_set>

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

struct Span {
    std::uint32_t begin = 0;
    std::uint32_t length = 0;
};

// Where the text between from and to stands in line without the blanks around it.
Span TrimmedSpan(std::string_view line, std::size_t from, std::size_t to) {
    const std::string_view part = Trim(line.substr(from, to - from));
    const std::size_t begin =
        part.empty() ? from : static_cast<std::size_t>(part.data() - line.data());
    return {static_cast<std::uint32_t>(begin), static_cast<std::uint32_t>(part.size())};
}

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperAscii(a[i]) != UpperAscii(b[i])) {
            return false;
        }
    }
    return true;
}

std::string Upper(std::string_view name) {
    std::string upper(name);
    for (char& c : upper) {
        c = UpperAscii(c);
    }
    return upper;
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
    // Byte-order marks written by other editors, each saved over the last: all go, or a
    // second one would hide the first line now and show it after the next save.
    while (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    std::uint32_t section = 0;
    ForEachLine(text, [&ini, &section](std::string_view raw) {
        Line line;
        std::string_view trimmed = Trim(raw);
        std::size_t equals = raw.find('=');
        if (trimmed.size() >= 2 && trimmed.front() == '[' &&
            trimmed.find(']') != std::string::npos) {
            line.kind = Line::Kind::kSection;
            ini.m_sections.emplace_back(Trim(trimmed.substr(1, trimmed.find(']') - 1)));
            section = static_cast<std::uint32_t>(ini.m_sections.size() - 1);
        } else if (!trimmed.empty() && trimmed.front() != ';' && trimmed.front() != '#' &&
                   equals != std::string::npos) {
            const Span key = TrimmedSpan(raw, 0, equals);
            if (key.length > 0) {
                const Span value = TrimmedSpan(raw, equals + 1, raw.size());
                line.kind = Line::Kind::kKey;
                line.keyBegin = key.begin;
                line.keyLength = key.length;
                line.valueBegin = value.begin;
                line.valueLength = value.length;
            }
        }
        line.section = section;
        line.text = std::string(raw);
        ini.m_lines.push_back(std::move(line));
    });
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

std::vector<bool> IniFile::SectionsNamed(std::string_view section) const {
    std::vector<bool> named(m_sections.size());
    for (std::size_t i = 0; i < m_sections.size(); ++i) {
        named[i] = SameName(m_sections[i], section);
    }
    return named;
}

std::optional<std::size_t> IniFile::FindKey(std::string_view section, std::string_view key) const {
    const std::vector<bool> named = SectionsNamed(section);
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.kind == Line::Kind::kKey && named[line.section] && SameName(line.Key(), key)) {
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
    std::string value(m_lines[*index].RawValue());
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

IniFile::Line IniFile::MakeKeyLine(std::uint32_t section, std::string_view key,
                                   std::string_view value) {
    std::string written(value);
    for (char& c : written) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    if (NeedsQuotes(written)) {
        written = "\"" + written + "\"";
    }
    Line line;
    line.kind = Line::Kind::kKey;
    line.section = section;
    line.text = std::string(key) + "=" + written;
    line.keyLength = static_cast<std::uint32_t>(key.size());
    line.valueBegin = line.keyLength + 1;
    line.valueLength = static_cast<std::uint32_t>(written.size());
    return line;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    if (std::optional<std::size_t> index = FindKey(section, key)) {
        const std::string existingKey(m_lines[*index].Key());
        m_lines[*index] = MakeKeyLine(m_lines[*index].section, existingKey, value);
        return;
    }
    // After the last key of the first such section, so that blank lines and comments
    // that follow the section stay where they are.
    std::optional<std::size_t> insertAt;
    std::uint32_t sectionIndex = 0;
    const std::vector<bool> named = SectionsNamed(section);
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.kind == Line::Kind::kSection && named[line.section]) {
            if (insertAt) {
                break;  // a second header of the same name: keep to the first one
            }
            insertAt = i + 1;
            sectionIndex = line.section;
        } else if (insertAt && line.kind == Line::Kind::kSection) {
            break;
        } else if (insertAt && line.kind == Line::Kind::kKey) {
            insertAt = i + 1;
        }
    }
    if (insertAt) {
        m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(*insertAt),
                       MakeKeyLine(sectionIndex, key, value));
        return;
    }
    if (!m_lines.empty() && !Trim(m_lines.back().text).empty()) {
        Line blank;
        blank.section = m_lines.back().section;
        m_lines.push_back(std::move(blank));
    }
    m_sections.emplace_back(section);
    Line header;
    header.kind = Line::Kind::kSection;
    header.section = static_cast<std::uint32_t>(m_sections.size() - 1);
    header.text = "[" + m_sections.back() + "]";
    m_lines.push_back(std::move(header));
    m_lines.push_back(MakeKeyLine(header.section, key, value));
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

bool IniFile::DeleteKey(std::string_view section, std::string_view key) {
    const std::vector<bool> named = SectionsNamed(section);
    const auto removed = std::remove_if(m_lines.begin(), m_lines.end(), [&](const Line& line) {
        return line.kind == Line::Kind::kKey && named[line.section] && SameName(line.Key(), key);
    });
    const bool found = removed != m_lines.end();
    m_lines.erase(removed, m_lines.end());
    return found;
}

bool IniFile::HasSection(std::string_view section) const {
    const std::vector<bool> named = SectionsNamed(section);
    for (const Line& line : m_lines) {
        if (line.kind == Line::Kind::kSection && named[line.section]) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> IniFile::Sections() const {
    std::vector<std::string> sections;
    std::unordered_set<std::string> seen;
    for (const Line& line : m_lines) {
        if (line.kind == Line::Kind::kSection && seen.insert(Upper(SectionOf(line))).second) {
            sections.push_back(SectionOf(line));
        }
    }
    return sections;
}

std::vector<std::string> IniFile::Keys(std::string_view section) const {
    const std::vector<bool> named = SectionsNamed(section);
    std::vector<std::string> keys;
    std::unordered_set<std::string> seen;
    for (const Line& line : m_lines) {
        if (line.kind == Line::Kind::kKey && named[line.section] &&
            seen.insert(Upper(line.Key())).second) {
            keys.emplace_back(line.Key());
        }
    }
    return keys;
}

}  // namespace kalvo
