#pragma once

#include <cstdint>
#include <vector>

#include "chart/contour_line.h"
#include "chart/handle_table.h"

namespace kalvo {

/// The ends of the contour lines under construction, by position, so that the lines whose
/// ends may coincide with a point are found without looking at every line. Points fall into
/// square cells of 512 tolerances; a query visits the cells that the square of half-width
/// `tolerance` around the point touches (nearly always one), so it finds every entry within
/// the tolerance, and some farther ones that the caller tests exactly.
class EndPointIndex {
  public:
    using Found = HandleTable::Found;
    using FoundList = HandleTable::FoundList;

    explicit EndPointIndex(double tolerance);

    /// Makes room for `count` more entries: no slot changes before that many inserts.
    void Reserve(std::size_t count) { m_table.Reserve(count); }
    /// Appends the entries near `at` to `found`; returns the key under which `at` itself
    /// would be inserted.
    std::uint64_t Near(const ContourPoint& at, FoundList& found) const {
        // A point within the tolerance of `at` lies less than 1/512 cell from it. When `at`
        // lies deeper than 1/256 cell inside its cell on both axes (nearly always), that cell
        // is the only one to search. The margin covers the rounding below 2^40 cells.
        constexpr double kMargin = 1.0 / 256;
        constexpr double kPlain = 1099511627776.0;  // 2^40
        const double u = at.x * m_scale;
        const double v = at.y * m_scale;
        if (u > -kPlain && u < kPlain && v > -kPlain && v < kPlain) {
            const std::int64_t cx = Floor(u);
            const std::int64_t cy = Floor(v);
            const double fx = u - static_cast<double>(cx);
            const double fy = v - static_cast<double>(cy);
            if (fx >= kMargin && fx <= 1 - kMargin && fy >= kMargin && fy <= 1 - kMargin) {
                const std::uint64_t key = Key(cx, cy);
                m_table.Scan(key, found);
                return key;
            }
        }
        return NearEdge(at, found);
    }

    void Insert(const ContourPoint& at, std::uint32_t handle) { m_table.Insert(KeyOf(at), handle); }
    /// Inserts with the key Near() returned for the point.
    void InsertKey(std::uint64_t key, std::uint32_t handle) { m_table.Insert(key, handle); }
    /// Removes the entry made by Insert(at, handle) with the same point.
    void Erase(const ContourPoint& at, std::uint32_t handle) { m_table.Erase(KeyOf(at), handle); }
    /// Removes the entry at a slot found by Near(), with no removal in between.
    void EraseAt(std::uint32_t slot) { m_table.EraseAt(slot); }
    /// Hands the entry of a point from one handle to another.
    void Relabel(const ContourPoint& at, std::uint32_t handle, std::uint32_t newHandle) {
        m_table.Relabel(KeyOf(at), handle, newHandle);
    }

  private:
    // Far beyond any coordinate of a plot; keeps the cell number an integer. Points beyond it
    // share the outermost cells, which is slower but still exact.
    static constexpr double kCellLimit = 4.0e18;

    static std::int64_t Floor(double u) {
        const auto whole = static_cast<std::int64_t>(u);
        return whole - (u < static_cast<double>(whole) ? 1 : 0);
    }
    std::int64_t Cell(double coordinate) const {
        // floor(coordinate * scale). Rounding is monotonic, so a point within the tolerance of
        // a query point falls between the cells of (query - tolerance) and (query + tolerance).
        const double u = coordinate * m_scale;
        if (u > -kCellLimit && u < kCellLimit) {
            return Floor(u);
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
    /// Near() for a point close to a cell border, or far out.
    std::uint64_t NearEdge(const ContourPoint& at, FoundList& found) const;

    double m_tolerance;
    double m_scale;  ///< cells per unit
    HandleTable m_table;
};

}  // namespace kalvo
