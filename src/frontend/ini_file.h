#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/file_result.h"

namespace kalvo {

/// A settings document in the plain INI layout: "[Section]" header lines and
/// "key=value" lines. Section and key names may hold blanks ("Calc Settings",
/// "Plot Type") and are matched ignoring case, as INI tools do. Every line that is not
/// written to is kept as it was, so comments, unknown sections and keys, and lines that
/// are neither survive a round trip. Values are kept as bytes, without any recoding:
/// paths must reach the file system unchanged, and `LoadSettings` decodes the texts
/// meant for the engine one value at a time (UTF-8 or Latin-1).
///
///   IniFile ini;
///   ini.Load(home.SettingsFile());            // a missing file leaves it empty
///   int digits = ini.ReadInteger("Calc Settings", "Digits", 12);
///   ini.WriteInteger("Calc Settings", "Digits", 14);
///   if (FileResult r = ini.Save(home.SettingsFile()); !r) { show(r.message); }
class IniFile {
  public:
    IniFile() = default;
    /// A document from text with LF, CR LF or CR line ends (UTF-8 byte-order marks at the
    /// start are dropped).
    static IniFile Parse(std::string_view text);

    /// Replaces the document by the file's. A missing or unreadable file leaves the
    /// document empty and returns "Can't open file " / "Can't read file " + path.
    FileResult Load(const std::string& path);
    /// Writes the document with CR LF line ends through `WriteFileAtomic`.
    FileResult Save(const std::string& path) const;
    std::string Text() const;

    /// The value of the first such key in the first such section, without the blanks
    /// around it and without one pair of enclosing double quotes.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key,
                           const std::string& fallback) const;
    /// A decimal integer; a missing key or a value that is not one gives the fallback.
    int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
    /// True for any integer other than 0; a missing key or non-integer gives the fallback.
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

    /// Sets the value of an existing key in place, or adds the key at the end of its
    /// section, or adds the section at the end of the document.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    /// Removes every line of the key; true when there was one.
    bool DeleteKey(std::string_view section, std::string_view key);

    bool HasSection(std::string_view section) const;
    std::vector<std::string> Sections() const;
    std::vector<std::string> Keys(std::string_view section) const;

  private:
    /// One line as written. A damaged file can hold millions of lines, so a line keeps
    /// only its text, the index of its section's name and where its key and value stand.
    struct Line {
        enum class Kind : std::uint8_t { kOther, kSection, kKey };
        std::string text;           ///< the line as it is written
        std::uint32_t section = 0;  ///< index in m_sections of the section it belongs to
        Kind kind = Kind::kOther;
        // kKey: the key and the value as read, without the blanks around them.
        std::uint32_t keyBegin = 0;
        std::uint32_t keyLength = 0;
        std::uint32_t valueBegin = 0;
        std::uint32_t valueLength = 0;

        std::string_view Key() const { return std::string_view(text).substr(keyBegin, keyLength); }
        std::string_view RawValue() const {
            return std::string_view(text).substr(valueBegin, valueLength);
        }
    };
    static Line MakeKeyLine(std::uint32_t section, std::string_view key, std::string_view value);
    std::optional<std::size_t> FindKey(std::string_view section, std::string_view key) const;
    /// Which entries of m_sections carry this name (ignoring case).
    std::vector<bool> SectionsNamed(std::string_view section) const;
    const std::string& SectionOf(const Line& line) const { return m_sections[line.section]; }

    /// Section names, one per header line in order; entry 0 ("") holds the lines before
    /// the first header.
    std::vector<std::string> m_sections{std::string()};
    std::vector<Line> m_lines;
};

}  // namespace kalvo
