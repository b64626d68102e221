#include "chart/contour_trace.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kalvo {

namespace {

// Sides whose end values differ by no more than this are not crossed: t would be unreliable.
constexpr double kFlatSide = 1e-10;

unsigned MissingMask(const CellValues& z) {
    unsigned mask = 0;
    for (unsigned k = 0; k < 4; ++k) {
        if (z[k] == kMissingValue || z[k] == -kMissingValue) {
            mask |= 1u << k;
        }
    }
    return mask;
}

// NaN-blind running extremes: a NaN corner never crosses a level.
void Widen(double value, double& low, double& high) {
    low = value < low ? value : low;
    high = value > high ? value : high;
}

// The index of the first value not below `v` in ascending `sorted`, without branches that
// the sign of each comparison would make hard to predict.
std::size_t FirstNotBelow(const std::vector<double>& sorted, double v) {
    const double* base = sorted.data();
    std::size_t n = sorted.size();
    while (n > 1) {
        const std::size_t half = n / 2;
        base += half * static_cast<std::size_t>(base[half - 1] < v);
        n -= half;
    }
    return static_cast<std::size_t>(base - sorted.data()) + (n == 1 && *base < v ? 1 : 0);
}

// No corner is missing, large or NaN: the values need no patching and no care.
bool IsPlain(const CellValues& z) {
    // Counted rather than joined with && so that the test stays free of branches (clang
    // warns on & between booleans).
    const int plain = int{std::fabs(z[0]) < kMissingValue} + int{std::fabs(z[1]) < kMissingValue} +
                      int{std::fabs(z[2]) < kMissingValue} + int{std::fabs(z[3]) < kMissingValue};
    return plain == 4;
}

}  // namespace

CellValues PatchCell(CellValues z) {
    if (MissingMask(z) == 0) {
        return z;
    }
    // Per rule: the missing corners (bit k for corner k + 1) and where each corner's new
    // value comes from: the mean of corners a and b, a copy of corner a (a == b), or kKeep.
    constexpr int kKeep = -1;
    struct Rule {
        unsigned missing;
        int from[4][2];
    };
    static constexpr Rule kRules[] = {
        {0b0001, {{1, 3}, {kKeep}, {kKeep}, {kKeep}}},  // z1 := (z2 + z4) / 2
        {0b0100, {{kKeep}, {kKeep}, {1, 3}, {kKeep}}},  // z3 := (z2 + z4) / 2
        {0b0010, {{kKeep}, {0, 2}, {kKeep}, {kKeep}}},  // z2 := (z1 + z3) / 2
        {0b1000, {{kKeep}, {kKeep}, {kKeep}, {0, 2}}},  // z4 := (z1 + z3) / 2
        {0b0111, {{3, 3}, {3, 3}, {3, 3}, {kKeep}}},    // z1, z2, z3 := z4
        {0b1011, {{2, 2}, {2, 2}, {kKeep}, {2, 2}}},    // z1, z2, z4 := z3
        {0b1101, {{1, 1}, {kKeep}, {1, 1}, {1, 1}}},    // z1, z3, z4 := z2
        {0b1110, {{kKeep}, {0, 0}, {0, 0}, {0, 0}}},    // z2, z3, z4 := z1
        {0b1100, {{kKeep}, {kKeep}, {1, 1}, {0, 0}}},   // z4 := z1, z3 := z2
        {0b0110, {{kKeep}, {0, 0}, {3, 3}, {kKeep}}},   // z2 := z1, z3 := z4
    };
    // One after another, each on the values as the rules before left them.
    for (const Rule& rule : kRules) {
        if (MissingMask(z) != rule.missing) {
            continue;
        }
        const CellValues before = z;
        for (int k = 0; k < 4; ++k) {
            const auto [a, b] = rule.from[k];
            if (a != kKeep) {
                z[k] = a == b ? before[a] : (before[a] + before[b]) / 2;
            }
        }
    }
    return z;
}

bool CellIsEmpty(const CellValues& z) {
    for (double value : z) {
        if (value >= kMissingValue || value <= -kMissingValue) {
            return true;
        }
    }
    return false;
}

std::optional<ContourSegment> TriangleSegment(const ContourPoint& a, const ContourPoint& b,
                                              const ContourPoint& c, double ha, double hb,
                                              double hc, double level, double tolerance) {
    if ((ha > level && hb > level && hc > level) || (ha < level && hb < level && hc < level)) {
        return std::nullopt;
    }
    if (ha == level && hb == level && hc == level) {
        return std::nullopt;
    }
    if (ha == level && hb == level) {
        return ContourSegment{a, b};
    }
    if (hb == level && hc == level) {
        return ContourSegment{b, c};
    }
    if (ha == level && hc == level) {
        return ContourSegment{a, c};
    }
    ContourPoint crossing[3];
    int count = 0;
    auto side = [&](const ContourPoint& p, double hp, const ContourPoint& q, double hq) {
        if (std::fabs(hq - hp) > kFlatSide) {
            const double t = (level - hp) / (hq - hp);
            if (t >= 0 && t <= 1) {
                crossing[count++] = {p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)};
            }
        }
    };
    side(a, ha, b, hb);
    side(b, hb, c, hc);
    side(c, hc, a, ha);
    if (count < 2) {
        return std::nullopt;
    }
    const ContourPoint& last = crossing[count - 1];
    for (int k = count - 2; k >= 0; --k) {
        if (!Coincide(crossing[k], last, tolerance)) {
            return ContourSegment{last, crossing[k]};
        }
    }
    return std::nullopt;
}

ContourTracer::ContourTracer(const ContourGrid& grid, double tolerance,
                             const std::vector<double>& levels)
    : m_grid(grid), m_tolerance(tolerance), m_levels(levels), m_listOfLevel(levels.size()) {
    // Distinct levels in ascending order; a NaN level crosses nothing.
    std::vector<double> distinct;
    for (double level : levels) {
        if (!std::isnan(level)) {
            distinct.push_back(level);
        }
    }
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    m_cells.resize(distinct.size() + 1);  // the last list stays empty, for NaN levels
    for (std::size_t k = 0; k < levels.size(); ++k) {
        const auto it = std::lower_bound(distinct.begin(), distinct.end(), levels[k]);
        m_listOfLevel[k] = std::isnan(levels[k]) ? distinct.size()
                                                 : static_cast<std::size_t>(it - distinct.begin());
    }
    if (!grid.Consistent() || grid.Nx() < 2 || grid.Ny() < 2 || distinct.empty()) {
        return;
    }
    const std::size_t cellsX = grid.Nx() - 1;
    const std::size_t cellsY = grid.Ny() - 1;
    double walkLow = std::numeric_limits<double>::infinity();
    double walkHigh = -walkLow;
    std::size_t hint = 0;  // neighbouring cells mostly lie between the same two levels
    const std::size_t ny = grid.Ny();
    for (std::size_t j = 0; j < cellsY; ++j) {
        for (std::size_t i = 0; i < cellsX; ++i) {
            const double* corner = grid.z.data() + i * ny + j;
            CellValues z = {corner[0], corner[ny], corner[ny + 1], corner[1]};
            double low = std::numeric_limits<double>::infinity();
            double high = -low;
            if (IsPlain(z)) {
                const double centre = (z[0] + z[1] + z[2] + z[3]) / 4;
                low = std::min({z[0], z[1], z[2], z[3], centre});
                high = std::max({z[0], z[1], z[2], z[3], centre});
            } else {
                z = PatchCell(z);
                if (CellIsEmpty(z)) {
                    continue;
                }
                for (double value : z) {
                    Widen(value, low, high);
                }
                Widen((z[0] + z[1] + z[2] + z[3]) / 4, low, high);
            }
            Widen(z[0], walkLow, walkHigh);
            std::size_t k = hint;
            if (!((k == 0 || distinct[k - 1] < low) &&
                  (k == distinct.size() || distinct[k] >= low))) {
                k = FirstNotBelow(distinct, low);
                hint = k;
            }
            for (; k < distinct.size() && distinct[k] <= high; ++k) {
                m_cells[k].push_back(
                    {static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(j)});
            }
        }
    }
    if (walkLow <= walkHigh) {
        m_walkExtremes = std::make_pair(walkLow, walkHigh);
    }
}

void ContourTracer::TraceLevel(std::size_t k, SegmentSink& sink) const {
    if (k >= m_levels.size()) {
        return;
    }
    for (const Cell& cell : m_cells[m_listOfLevel[k]]) {
        TraceCell(cell.i, cell.j, m_levels[k], sink);
    }
}

void ContourTracer::TraceCell(std::size_t i, std::size_t j, double level, SegmentSink& sink) const {
    const std::size_t ny = m_grid.Ny();
    const double* values = m_grid.z.data() + i * ny + j;
    CellValues z = {values[0], values[ny], values[ny + 1], values[1]};
    if (!IsPlain(z)) {
        z = PatchCell(z);  // not empty, or the cell would not be listed
    }
    const double x1 = m_grid.x[i], x2 = m_grid.x[i + 1];
    const double y1 = m_grid.y[j], y2 = m_grid.y[j + 1];
    const ContourPoint corner[4] = {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}};
    const ContourPoint centre = {(x1 + x2) / 2, (y1 + y2) / 2};
    const double zc = (z[0] + z[1] + z[2] + z[3]) / 4;
    // gx = (z2 + z3 - z1 - z4) / (x2 + x3 - x1 - x4), gy likewise over y, corners c1…c4.
    const double gx = (z[1] + z[2] - z[0] - z[3]) / (x2 + x2 - x1 - x1);
    const double gy = (z[2] + z[3] - z[0] - z[1]) / (y2 + y2 - y1 - y1);
    const double gradient = gx * gx + gy * gy;
    for (int m = 0; m < 4; ++m) {
        const int n = (m + 1) % 4;
        if (auto segment =
                TriangleSegment(corner[m], corner[n], centre, z[m], z[n], zc, level, m_tolerance)) {
            sink.Add(segment->p, segment->q, level, gradient);
        }
    }
}

}  // namespace kalvo
