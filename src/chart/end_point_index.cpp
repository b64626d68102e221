#include "chart/end_point_index.h"

namespace kalvo {

namespace {

constexpr double kCellWidth = 512;  // in tolerances

}  // namespace

EndPointIndex::EndPointIndex(double tolerance)
    : m_tolerance(tolerance), m_scale(1.0 / (kCellWidth * tolerance)) {}

std::uint64_t EndPointIndex::NearEdge(const ContourPoint& at, FoundList& found) const {
    const std::int64_t x0 = Cell(at.x - m_tolerance);
    const std::int64_t x1 = Cell(at.x + m_tolerance);
    const std::int64_t y0 = Cell(at.y - m_tolerance);
    const std::int64_t y1 = Cell(at.y + m_tolerance);
    for (std::int64_t x = x0; x <= x1; ++x) {
        for (std::int64_t y = y0; y <= y1; ++y) {
            m_table.Scan(Key(x, y), found);
        }
    }
    return KeyOf(at);
}

}  // namespace kalvo
