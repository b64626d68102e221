#pragma once

#include <cstdint>
#include <vector>

namespace kalvo {

/// A multimap from 64-bit keys to 32-bit handles: open addressing with linear probing. A
/// scan tells where each entry it found lies and where a new entry of that key would go, so
/// that an update right after a scan needs no second search.
class HandleTable {
  public:
    /// An entry found by a scan, and its place in the table.
    struct Found {
        std::uint32_t handle;
        std::uint32_t slot;
    };

    HandleTable();

    /// Makes room for `count` more entries, so that no slot moves before that many inserts.
    void Reserve(std::size_t count) {
        while ((m_size + count) * 2 > m_entries.size()) {
            Grow();
        }
    }
    /// Appends the entries of `key` to `found`; returns the slot where a new one would go.
    std::size_t Scan(std::uint64_t key, std::vector<Found>& found) const {
        std::size_t i = key & m_mask;
        for (; m_entries[i].handle != kEmpty; i = (i + 1) & m_mask) {
            if (m_entries[i].key == key) {
                found.push_back({m_entries[i].handle, static_cast<std::uint32_t>(i)});
            }
        }
        return i;
    }
    /// Gives the entry of `key` and `handle` a new handle.
    void Relabel(std::uint64_t key, std::uint32_t handle, std::uint32_t newHandle);
    void Insert(std::uint64_t key, std::uint32_t handle);
    /// Inserts at the slot a Scan() of this key returned; in between, entries may have been
    /// inserted (within the reserved room) but none removed.
    void InsertAt(std::uint64_t key, std::size_t slot, std::uint32_t handle);
    void Erase(std::uint64_t key, std::uint32_t handle);
    /// Removes the entry at a slot a Scan() found, with no removal in between.
    void EraseAt(std::size_t slot);

  private:
    static constexpr std::uint32_t kEmpty = UINT32_MAX;
    struct Entry {
        std::uint64_t key = 0;
        std::uint32_t handle = kEmpty;
    };
    void Grow();

    std::vector<Entry> m_entries;
    std::size_t m_mask;
    std::size_t m_size = 0;
};

}  // namespace kalvo
