#include "chart/end_point_index.h"

namespace kalvo {

namespace {

constexpr double kCellWidth = 128;  // in tolerances

}  // namespace

EndPointIndex::EndPointIndex(double tolerance)
    : m_tolerance(tolerance), m_scale(1.0 / (kCellWidth * tolerance)) {}

EndPointIndex::Spot EndPointIndex::NearEdge(const ContourPoint& at,
                                            std::vector<Found>& found) const {
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
