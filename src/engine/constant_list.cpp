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
    m_index[m_records.front().name].push_back(m_records.begin());
    if (created) {
        *created = true;
    }
    return m_records.front();
}

NamedConstant* ConstantList::FindForRead(std::string_view name) {
    auto it = m_index.find(name);
    return it == m_index.end() ? nullptr : &*it->second.front();
}

NamedConstant* ConstantList::Find(std::string_view name) {
    auto it = m_index.find(name);
    return it == m_index.end() ? nullptr : &*it->second.back();
}

bool ConstantList::Remove(std::string_view name) {
    auto it = m_index.find(name);
    if (it == m_index.end()) {
        return false;
    }
    m_records.erase(it->second.back());
    it->second.pop_back();
    if (it->second.empty()) {
        m_index.erase(it);
    }
    return true;
}

}  // namespace kalvo
