#pragma once

#include <cstdint>
#include <vector>

#include "chart/contour_line.h"
#include "chart/handle_table.h"

namespace kalvo {

/// The ends of the contour lines under construction, by position, so that the lines whose
/// ends may coincide with a point are found without looking at every line. Points fall into
/// square cells of 128 tolerances; a query visits the cells that the square of half-width
/// `tolerance` around the point touches (nearly always one), so it finds every entry within
/// the tolerance, and some farther ones that the caller tests exactly.
class EndPointIndex {
  public:
    using Found = HandleTable::Found;
    /// Where an entry for a point would be inserted.
    struct Spot {
        std::uint64_t key;
        std::size_t slot;
    };

    explicit EndPointIndex(double tolerance);

    /// Makes room for `count` more entries, so that no slot moves before that many inserts.
    void Reserve(std::size_t count) { m_table.Reserve(count); }
    /// Appends the entries near `at` to `found`; returns the spot for `at`.
    Spot Near(const ContourPoint& at, std::vector<Found>& found) const;

    void Insert(const ContourPoint& at, std::uint32_t handle) { m_table.Insert(KeyOf(at), handle); }
    /// Inserts at the spot of an earlier Near(), as HandleTable::InsertAt.
    void InsertAt(const Spot& spot, std::uint32_t handle) {
        m_table.InsertAt(spot.key, spot.slot, handle);
    }
    /// Removes the entry made by Insert(at, handle) with the same point.
    void Erase(const ContourPoint& at, std::uint32_t handle) { m_table.Erase(KeyOf(at), handle); }
    /// Removes the entry at a slot found by Near(), with no removal in between.
    void EraseAt(std::size_t slot) { m_table.EraseAt(slot); }

  private:
    // Far beyond any coordinate of a plot; keeps the cell number an integer. Points beyond it
    // share the outermost cells, which is slower but still exact.
    static constexpr double kCellLimit = 4.0e18;

    std::int64_t Cell(double coordinate) const {
        // floor(coordinate * scale). Rounding is monotonic, so a point within the tolerance of
        // a query point falls between the cells of (query - tolerance) and (query + tolerance).
        const double u = coordinate * m_scale;
        if (u > -kCellLimit && u < kCellLimit) {
            const auto whole = static_cast<std::int64_t>(u);
            return whole - (u < static_cast<double>(whole) ? 1 : 0);
        }
        return u < 0 ? static_cast<std::int64_t>(-kCellLimit)
                     : (u > 0 ? static_cast<std::int64_t>(kCellLimit) : 0);  // 0 for a NaN
    }
    static std::uint64_t Key(std::int64_t cx, std::int64_t cy) {
        std::uint64_t h = static_cast<std::uint64_t>(cx) * 0x9E3779B97F4A7C15ull ^
                          static_cast<std::uint64_t>(cy) * 0xC2B2AE3D27D4EB4Full;
        return h ^ (h >> 29);
    }
    std::uint64_t KeyOf(const ContourPoint& at) const { return Key(Cell(at.x), Cell(at.y)); }

    double m_tolerance;
    double m_scale;  ///< cells per unit
    HandleTable m_table;
};

}  // namespace kalvo
