#include "chart/end_point_index.h"

namespace kalvo {

namespace {

constexpr double kCellWidth = 128;  // in tolerances

}  // namespace

EndPointIndex::EndPointIndex(double tolerance)
    : m_tolerance(tolerance), m_scale(1.0 / (kCellWidth * tolerance)) {}

EndPointIndex::Spot EndPointIndex::Near(const ContourPoint& at, std::vector<Found>& found) const {
    // A point within the tolerance of `at` lies less than 1/128 cell from it. When `at` lies
    // deeper than 1/64 cell inside its cell on both axes (nearly always), that cell is the
    // only one to search. The margin covers the rounding of coordinates below 2^40 cells.
    constexpr double kMargin = 1.0 / 64;
    constexpr double kPlain = 1099511627776.0;  // 2^40
    const double u = at.x * m_scale;
    const double v = at.y * m_scale;
    if (u > -kPlain && u < kPlain && v > -kPlain && v < kPlain) {
        const std::int64_t cx = Cell(at.x);
        const std::int64_t cy = Cell(at.y);
        const double fx = u - static_cast<double>(cx);
        const double fy = v - static_cast<double>(cy);
        if (fx >= kMargin && fx <= 1 - kMargin && fy >= kMargin && fy <= 1 - kMargin) {
            const std::uint64_t key = Key(cx, cy);
            return {key, m_table.Scan(key, found)};
        }
    }
    const std::int64_t x0 = Cell(at.x - m_tolerance);
    const std::int64_t x1 = Cell(at.x + m_tolerance);
    const std::int64_t y0 = Cell(at.y - m_tolerance);
    const std::int64_t y1 = Cell(at.y + m_tolerance);
    const std::int64_t cx = Cell(at.x);
    const std::int64_t cy = Cell(at.y);
    Spot spot{Key(cx, cy), 0};
    for (std::int64_t x = x0; x <= x1; ++x) {
        for (std::int64_t y = y0; y <= y1; ++y) {
            const std::uint64_t key = Key(x, y);
            const std::size_t end = m_table.Scan(key, found);
            if (x == cx && y == cy) {
                spot.slot = end;
            }
        }
    }
    return spot;
}

}  // namespace kalvo
