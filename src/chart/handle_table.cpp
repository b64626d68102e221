#include "chart/handle_table.h"

namespace kalvo {

namespace {

constexpr std::size_t kInitialCapacity = 64;

}  // namespace

HandleTable::HandleTable() : m_entries(kInitialCapacity), m_mask(kInitialCapacity - 1) {}

void HandleTable::Insert(std::uint64_t key, std::uint32_t handle) {
    Reserve(1);
    InsertAt(key, key & m_mask, handle);
}

void HandleTable::InsertAt(std::uint64_t key, std::size_t slot, std::uint32_t handle) {
    // Every slot from the key's home up to `slot` was taken when the scan ran, and still is;
    // entries inserted since may have taken `slot` itself.
    std::size_t i = slot & m_mask;
    while (m_entries[i].handle != kEmpty) {
        i = (i + 1) & m_mask;
    }
    m_entries[i] = {key, handle};
    ++m_size;
}

void HandleTable::Erase(std::uint64_t key, std::uint32_t handle) {
    for (std::size_t i = key & m_mask; m_entries[i].handle != kEmpty; i = (i + 1) & m_mask) {
        if (m_entries[i].handle == handle && m_entries[i].key == key) {
            EraseAt(i);
            return;
        }
    }
}

void HandleTable::Relabel(std::uint64_t key, std::uint32_t handle, std::uint32_t newHandle) {
    for (std::size_t i = key & m_mask; m_entries[i].handle != kEmpty; i = (i + 1) & m_mask) {
        if (m_entries[i].handle == handle && m_entries[i].key == key) {
            m_entries[i].handle = newHandle;
            return;
        }
    }
}

void HandleTable::EraseAt(std::size_t slot) {
    // Shift later entries of the probe run back so that no lookup stops at the hole.
    std::size_t hole = slot;
    for (std::size_t j = (slot + 1) & m_mask; m_entries[j].handle != kEmpty; j = (j + 1) & m_mask) {
        const std::size_t home = m_entries[j].key & m_mask;
        const bool stays = hole <= j ? (hole < home && home <= j) : (hole < home || home <= j);
        if (!stays) {
            m_entries[hole] = m_entries[j];
            hole = j;
        }
    }
    m_entries[hole] = Entry{};
    --m_size;
}

void HandleTable::Grow() {
    std::vector<Entry> old(m_entries.size() * 2);
    old.swap(m_entries);
    m_mask = m_entries.size() - 1;
    for (const Entry& entry : old) {
        if (entry.handle != kEmpty) {
            std::size_t i = entry.key & m_mask;
            while (m_entries[i].handle != kEmpty) {
                i = (i + 1) & m_mask;
            }
            m_entries[i] = entry;
        }
    }
}

}  // namespace kalvo
