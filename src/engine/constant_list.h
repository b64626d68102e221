#pragma once

#include <list>
#include <string>

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
/// evaluator can keep a pointer to the record that a lookup found.
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
    void Clear() { m_records.clear(); }

    std::size_t Count() const { return m_records.size(); }
    const std::list<NamedConstant>& Records() const { return m_records; }

  private:
    std::list<NamedConstant> m_records;
};

}  // namespace kalvo
