#pragma once

#include <list>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/real.h"

namespace kalvo {

/// A user-named constant. Its identifier never changes, so records removed from the
/// middle of the list never disturb the others.
struct NamedConstant {
    std::string name;  ///< at most 20 characters
    int identifier = 0;
    Real value = 0;
};

/// The named constants, newest first. Records are stable in memory (std::list), so the
/// evaluator can keep a pointer to the record that a lookup found. An index by name makes
/// every lookup take constant time, so a file of many records loads in linear time.
class ConstantList {
  public:
    static constexpr std::size_t kMaxNameLength = 20;

    /// Overwrites the value of the constant with exactly this name, or creates a record at
    /// the front with identifier 1000 + the number of records. Returns the record.
    NamedConstant& Store(const std::string& name, Real value, bool* created = nullptr);
    /// Searches from the oldest record to the newest, as the evaluator does; null when absent.
    NamedConstant* FindForRead(std::string_view name);
    NamedConstant* Find(std::string_view name);
    bool Remove(std::string_view name);
    void Clear() {
        m_records.clear();
        m_index.clear();
    }

    std::size_t Count() const { return m_records.size(); }
    const std::list<NamedConstant>& Records() const { return m_records; }

  private:
    using Record = std::list<NamedConstant>::iterator;
    /// Lets the index be searched with a string_view, so a lookup builds no string.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const {
            return std::hash<std::string_view>{}(name);
        }
    };

    std::list<NamedConstant> m_records;
    /// The records of each name, oldest first. A name has several records only when longer
    /// names were cut to the same 20 characters.
    std::unordered_map<std::string, std::vector<Record>, NameHash, std::equal_to<>> m_index;
};

}  // namespace kalvo
