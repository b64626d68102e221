#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace kalvo {

/// A multimap from 64-bit keys (well mixed already) to 32-bit handles: buckets of four
/// entries, chosen by the key's low bits, and a spill list for entries whose bucket was
/// full. A lookup reads one bucket and takes its matches without branching on them, since
/// whether an entry matches is as good as random to the processor.
class HandleTable {
  public:
    /// An entry found by a scan, and where it lies.
    struct Found {
        std::uint32_t handle;
        std::uint32_t slot;
    };

    /// Found entries, appended without a branch per entry.
    class FoundList {
      public:
        void Clear() { m_count = 0; }
        bool Empty() const { return m_count == 0; }
        const Found* begin() const { return m_items.data(); }
        const Found* end() const { return m_items.data() + m_count; }
        Found* begin() { return m_items.data(); }
        Found* end() { return m_items.data() + m_count; }
        /// Makes room for `count` more entries.
        void Room(std::size_t count) {
            if (m_count + count > m_items.size()) {
                m_items.resize(std::max(2 * m_items.size(), m_count + count));
            }
        }
        std::size_t Size() const { return m_count; }
        /// Appends the entry when `take` holds; needs room for it either way.
        void AppendIf(bool take, Found found) {
            m_items[m_count] = found;
            m_count += take ? 1 : 0;
        }
        void Append(Found found) {
            Room(1);
            m_items[m_count++] = found;
        }

      private:
        std::vector<Found> m_items = std::vector<Found>(16);
        std::size_t m_count = 0;
    };

    HandleTable();

    /// Makes room for `count` more entries: no slot changes before that many inserts.
    void Reserve(std::size_t count) {
        if (m_size + count > m_buckets.size()) {
            Grow(m_size + count);
        }
    }
    /// Appends the entries of `key` to `found`.
    void Scan(std::uint64_t key, FoundList& found) const {
        const std::size_t index = key & m_mask;
        const Bucket& bucket = m_buckets[index];
        found.Room(kWays);
        for (std::uint32_t way = 0; way < kWays; ++way) {
            found.AppendIf((bucket.keys[way] == key) & (bucket.handles[way] != kEmpty),
                           {bucket.handles[way], static_cast<std::uint32_t>(index * kWays + way)});
        }
        if (bucket.spilled != 0) [[unlikely]] {
            ScanSpill(key, found);
        }
    }
    void Insert(std::uint64_t key, std::uint32_t handle);
    void Erase(std::uint64_t key, std::uint32_t handle);
    /// Removes the entry at a slot a Scan() found, with no removal in between.
    void EraseAt(std::uint32_t slot);
    /// Gives the entry of `key` and `handle` a new handle.
    void Relabel(std::uint64_t key, std::uint32_t handle, std::uint32_t newHandle);

  private:
    static constexpr std::uint32_t kWays = 4;
    static constexpr std::uint32_t kEmpty = UINT32_MAX;
    static constexpr std::uint32_t kSpillSlot = 0x80000000u;  ///< slots of the spill list

    struct alignas(64) Bucket {
        std::uint64_t keys[kWays] = {};
        std::uint32_t handles[kWays] = {kEmpty, kEmpty, kEmpty, kEmpty};
        std::uint32_t spilled = 0;  ///< entries of this bucket in the spill list
    };
    struct Spill {
        std::uint64_t key;
        std::uint32_t handle;
    };

    void ScanSpill(std::uint64_t key, FoundList& found) const;
    void Grow(std::size_t entries);
    void RemoveSpill(std::size_t index);

    std::vector<Bucket> m_buckets;
    std::size_t m_mask;
    std::size_t m_size = 0;
    std::vector<Spill> m_spill;
};

}  // namespace kalvo
