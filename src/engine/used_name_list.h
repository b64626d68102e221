#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/real.h"

namespace kalvo {

/// How many reads the used lists keep. An integral or a loop reads its variables millions
/// of times; the lists count every read but keep only the first ones (the tape note shows
/// them only when there are fewer than 10).
inline constexpr std::size_t kMaxUsedEntries = 256;

/// `UsedNames`: the letter or name of every variable or named constant read or assigned
/// during an evaluation, in order of use, duplicates kept. Variable letters are kept as
/// characters, so recording the commonest read builds no string. size() counts every
/// read; the first kMaxUsedEntries are kept.
class UsedNameList {
  public:
    void AddLetter(char letter) {
        if (++m_count <= kMaxUsedEntries) {
            m_entries.push_back(static_cast<unsigned char>(letter));
        }
    }
    void Add(std::string_view name) {
        if (++m_count <= kMaxUsedEntries) {
            m_entries.push_back(static_cast<std::uint32_t>(kNameBase + m_names.size()));
            m_names.emplace_back(name);
        }
    }
    void clear() {
        m_entries.clear();
        m_names.clear();
        m_count = 0;
    }
    std::size_t size() const { return m_count; }
    bool empty() const { return m_count == 0; }
    /// Only the kept entries can be read: index < min(size(), kMaxUsedEntries).
    std::string operator[](std::size_t index) const {
        std::uint32_t entry = m_entries[index];
        if (entry < kNameBase) {
            return std::string(1, static_cast<char>(entry));
        }
        return m_names[entry - kNameBase];
    }
    /// The kept entries.
    std::vector<std::string> ToVector() const {
        std::vector<std::string> out;
        out.reserve(m_entries.size());
        for (std::size_t i = 0; i < m_entries.size(); ++i) {
            out.push_back((*this)[i]);
        }
        return out;
    }

  private:
    static constexpr std::uint32_t kNameBase = 256;
    std::vector<std::uint32_t> m_entries;
    std::vector<std::string> m_names;
    std::size_t m_count = 0;
};

/// `UsedValues`: the value of every read in `UsedNames`, kept as `UsedNameList` keeps the
/// names (every read counted, the first kMaxUsedEntries kept).
class UsedValueList {
  public:
    void push_back(Real value) {
        if (++m_count <= kMaxUsedEntries) {
            m_values.push_back(value);
        }
    }
    void clear() {
        m_values.clear();
        m_count = 0;
    }
    std::size_t size() const { return m_count; }
    /// Only the kept values can be read.
    Real at(std::size_t index) const { return m_values.at(index); }
    const std::vector<Real>& Kept() const { return m_values; }

  private:
    std::vector<Real> m_values;
    std::size_t m_count = 0;
};

}  // namespace kalvo
