#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kalvo {

/// `UsedNames`: the letter or name of every variable or named constant read or assigned
/// during an evaluation, in order of use, duplicates kept. Variable letters are kept as
/// characters, so recording the commonest read builds no string.
class UsedNameList {
  public:
    void AddLetter(char letter) { m_entries.push_back(static_cast<unsigned char>(letter)); }
    void Add(std::string_view name) {
        m_entries.push_back(static_cast<std::uint32_t>(kNameBase + m_names.size()));
        m_names.emplace_back(name);
    }
    void clear() {
        m_entries.clear();
        m_names.clear();
    }
    std::size_t size() const { return m_entries.size(); }
    bool empty() const { return m_entries.empty(); }
    std::string operator[](std::size_t index) const {
        std::uint32_t entry = m_entries[index];
        if (entry < kNameBase) {
            return std::string(1, static_cast<char>(entry));
        }
        return m_names[entry - kNameBase];
    }
    std::vector<std::string> ToVector() const {
        std::vector<std::string> out;
        out.reserve(size());
        for (std::size_t i = 0; i < size(); ++i) {
            out.push_back((*this)[i]);
        }
        return out;
    }

  private:
    static constexpr std::uint32_t kNameBase = 256;
    std::vector<std::uint32_t> m_entries;
    std::vector<std::string> m_names;
};

}  // namespace kalvo
