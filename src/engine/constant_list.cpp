#include "engine/constant_list.h"

namespace kalvo {

NamedConstant& ConstantList::Store(const std::string& name, Real value, bool* created) {
    if (NamedConstant* existing = Find(name)) {
        existing->value = value;
        if (created) {
            *created = false;
        }
        return *existing;
    }
    NamedConstant record;
    record.name = name.substr(0, kMaxNameLength);
    record.identifier = 1000 + static_cast<int>(m_records.size());
    record.value = value;
    m_records.push_front(std::move(record));
    if (created) {
        *created = true;
    }
    return m_records.front();
}

NamedConstant* ConstantList::FindForRead(std::string_view name) {
    for (auto it = m_records.rbegin(); it != m_records.rend(); ++it) {
        if (it->name == name) {
            return &*it;
        }
    }
    return nullptr;
}

NamedConstant* ConstantList::Find(std::string_view name) {
    for (NamedConstant& record : m_records) {
        if (record.name == name) {
            return &record;
        }
    }
    return nullptr;
}

bool ConstantList::Remove(std::string_view name) {
    for (auto it = m_records.begin(); it != m_records.end(); ++it) {
        if (it->name == name) {
            m_records.erase(it);
            return true;
        }
    }
    return false;
}

}  // namespace kalvo
