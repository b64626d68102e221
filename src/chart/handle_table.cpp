#include "chart/handle_table.h"

#include <bit>

namespace kalvo {

namespace {

constexpr std::size_t kInitialBuckets = 16;

}  // namespace

HandleTable::HandleTable() : m_buckets(kInitialBuckets), m_mask(kInitialBuckets - 1) {}

void HandleTable::ScanSpill(std::uint64_t key, FoundList& found) const {
    for (std::size_t i = 0; i < m_spill.size(); ++i) {
        if (m_spill[i].key == key) {
            found.Append({m_spill[i].handle, static_cast<std::uint32_t>(kSpillSlot | i)});
        }
    }
}

void HandleTable::Insert(std::uint64_t key, std::uint32_t handle) {
    Reserve(1);
    Bucket& bucket = m_buckets[key & m_mask];
    unsigned empty = 0;
    for (std::uint32_t way = 0; way < kWays; ++way) {
        empty |= (bucket.handles[way] == kEmpty ? 1u : 0u) << way;
    }
    if (empty != 0) [[likely]] {
        const int way = std::countr_zero(empty);
        bucket.keys[way] = key;
        bucket.handles[way] = handle;
        ++m_size;
        return;
    }
    m_spill.push_back({key, handle});
    ++bucket.spilled;
    ++m_size;
}

void HandleTable::Erase(std::uint64_t key, std::uint32_t handle) {
    Bucket& bucket = m_buckets[key & m_mask];
    for (std::uint32_t way = 0; way < kWays; ++way) {
        if (bucket.handles[way] == handle && bucket.keys[way] == key) {
            bucket.handles[way] = kEmpty;
            --m_size;
            return;
        }
    }
    for (std::size_t i = 0; i < m_spill.size(); ++i) {
        if (m_spill[i].handle == handle && m_spill[i].key == key) {
            RemoveSpill(i);
            return;
        }
    }
}

void HandleTable::EraseAt(std::uint32_t slot) {
    if ((slot & kSpillSlot) != 0) {
        RemoveSpill(slot & ~kSpillSlot);
        return;
    }
    m_buckets[slot / kWays].handles[slot % kWays] = kEmpty;
    --m_size;
}

void HandleTable::RemoveSpill(std::size_t index) {
    --m_buckets[m_spill[index].key & m_mask].spilled;
    m_spill[index] = m_spill.back();
    m_spill.pop_back();
    --m_size;
}

void HandleTable::Relabel(std::uint64_t key, std::uint32_t handle, std::uint32_t newHandle) {
    Bucket& bucket = m_buckets[key & m_mask];
    for (std::uint32_t way = 0; way < kWays; ++way) {
        if (bucket.handles[way] == handle && bucket.keys[way] == key) {
            bucket.handles[way] = newHandle;
            return;
        }
    }
    for (Spill& spill : m_spill) {
        if (spill.handle == handle && spill.key == key) {
            spill.handle = newHandle;
            return;
        }
    }
}

void HandleTable::Grow(std::size_t entries) {
    // One entry per bucket on average keeps full buckets, and so the spill list, rare.
    std::size_t count = m_buckets.size();
    while (entries > count) {
        count *= 2;
    }
    std::vector<Bucket> old(count);
    old.swap(m_buckets);
    std::vector<Spill> spill;
    spill.swap(m_spill);
    m_mask = count - 1;
    m_size = 0;
    for (const Bucket& bucket : old) {
        for (std::uint32_t way = 0; way < kWays; ++way) {
            if (bucket.handles[way] != kEmpty) {
                Insert(bucket.keys[way], bucket.handles[way]);
            }
        }
    }
    for (const Spill& entry : spill) {
        Insert(entry.key, entry.handle);
    }
}

}  // namespace kalvo
