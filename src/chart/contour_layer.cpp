#include "chart/contour_layer.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "chart/contour_levels.h"
#include "chart/contour_line_builder.h"
#include "chart/contour_trace.h"

namespace kalvo {

namespace {

// The first k with v between c[k] and c[k + 1], ends included; nothing when v is outside.
std::optional<std::size_t> FindInterval(const std::vector<double>& c, double v) {
    for (std::size_t k = 0; k + 1 < c.size(); ++k) {
        if (std::min(c[k], c[k + 1]) <= v && v <= std::max(c[k], c[k + 1])) {
            return k;
        }
    }
    return std::nullopt;
}

double SegmentDistance(const ContourPoint& p, const ContourPoint& a, const ContourPoint& b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

double AnchorAngle(const ContourSegment& anchor) {
    if (anchor.q.x == anchor.p.x) {
        return -90;
    }
    const double slope = (anchor.q.y - anchor.p.y) / (anchor.q.x - anchor.p.x);
    return std::atan(slope) * 180 / std::numbers::pi;
}

}  // namespace

std::optional<TContour> TContour::Create(bool shaded, int levelCount, std::vector<double> z,
                                         std::vector<double> y, std::vector<double> x) {
    ContourGrid grid{std::move(x), std::move(y), std::move(z)};
    if (!grid.Consistent()) {
        return std::nullopt;
    }
    TContour layer(shaded, levelCount, std::move(grid));
    layer.Recompute();
    return layer;
}

TContour::TContour(bool shaded, int levelCount, ContourGrid grid)
    : m_grid(std::move(grid)),
      m_tolerance(JoinTolerance(m_grid.x, m_grid.y)),
      m_shaded(shaded),
      m_levelCount(levelCount) {}

void TContour::SetLevelCount(int count) {
    m_levelCount = count;
    Recompute();
}

void TContour::SetAutomaticLevels(bool on) {
    m_automaticLevels = on;
    Recompute();
}

void TContour::SetUserLevels(std::vector<std::string> texts, bool use) {
    m_userLevels = std::move(texts);
    m_useUserLevels = use;
    Recompute();
}

void TContour::SetFixedMinimum(std::optional<double> value) {
    m_fixedMinimum = value;
    Recompute();
}

void TContour::SetFixedMaximum(std::optional<double> value) {
    m_fixedMaximum = value;
    Recompute();
}

double TContour::Minimum() {
    m_minimum = ZMinimum(m_grid.z);
    return m_minimum;
}

double TContour::Maximum() {
    m_maximum = ZMaximum(m_grid.z);
    return m_maximum;
}

void TContour::ClearLines() {
    m_lines.clear();
    m_labels.clear();
}

void TContour::PlaceLevels() {
    const double computedMinimum = Minimum();
    const double computedMaximum = Maximum();
    const double a = m_fixedMinimum.value_or(computedMinimum);
    const double b = m_fixedMaximum.value_or(computedMaximum);
    m_levels.clear();
    m_ignoredUserLevels.clear();
    if (m_automaticLevels) {
        for (double level :
             kalvo::AutomaticLevels(computedMinimum, computedMaximum, a, b, m_levelCount)) {
            m_levels.push_back(RoundLevel(level));
        }
    }
    m_automaticCount = m_levels.size();
    if (m_useUserLevels) {
        for (const std::string& text : m_userLevels) {
            if (auto level = ReadLevelText(text)) {
                m_levels.push_back(RoundLevel(*level));
            } else {
                m_ignoredUserLevels.push_back(text);
            }
        }
    }
}

void TContour::Recompute() {
    ClearLines();
    PlaceLevels();
    const ContourTracer tracer(m_grid, m_tolerance, m_levels);
    ContourLineBuilder builder(m_tolerance);
    bool walked = false;
    for (std::size_t k = 0; k < m_levels.size(); ++k) {
        if (m_levels[k] < m_minimum || m_levels[k] > m_maximum) {
            continue;
        }
        tracer.TraceLevel(k, builder);
        if (!walked) {
            // The walk lowers or raises the stored extremes to the c1 values it meets. Those
            // are present values or means of them, so in fact they never move.
            if (auto extremes = tracer.WalkExtremes()) {
                m_minimum = std::min(m_minimum, extremes->first);
                m_maximum = std::max(m_maximum, extremes->second);
            }
            walked = true;
        }
    }
    m_lines = builder.TakeLines();
    MakeLabels();
}

void TContour::MakeLabels() {
    m_labels.clear();
    // One number format for all labels of the layer, whichever levels have lines.
    const int digits = LabelDigits(m_levels);
    for (std::size_t k = 0; k < m_lines.size(); ++k) {
        const ContourLine& line = m_lines[k];
        if (line.level == 0) {
            continue;
        }
        ContourLabel& label = m_labels.emplace_back();
        label.line = k;
        label.anchor = line.anchor;
        label.position = {(line.anchor.p.x + line.anchor.q.x) / 2,
                          (line.anchor.p.y + line.anchor.q.y) / 2};
        label.angle = AnchorAngle(line.anchor);
        label.text = LabelText(line.level, digits);
    }
}

std::optional<double> TContour::ValueAt(double x, double y) const {
    const auto i = FindInterval(m_grid.x, x);
    const auto j = FindInterval(m_grid.y, y);
    if (!i || !j || !m_grid.Consistent()) {
        return std::nullopt;
    }
    const CellValues z = PatchCell(
        {m_grid.Z(*i, *j), m_grid.Z(*i + 1, *j), m_grid.Z(*i + 1, *j + 1), m_grid.Z(*i, *j + 1)});
    if (CellIsEmpty(z)) {
        return std::nullopt;
    }
    const double x1 = m_grid.x[*i], x2 = m_grid.x[*i + 1];
    const double y1 = m_grid.y[*j], y2 = m_grid.y[*j + 1];
    const ContourPoint corner[4] = {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}};
    const ContourPoint c = {(x1 + x2) / 2, (y1 + y2) / 2};
    const double zc = (z[0] + z[1] + z[2] + z[3]) / 4;
    // The triangle in which the point lies deepest (rounding may put it just outside all).
    std::optional<double> value;
    double depth = -std::numeric_limits<double>::infinity();
    for (int m = 0; m < 4; ++m) {
        const ContourPoint& a = corner[m];
        const ContourPoint& b = corner[(m + 1) % 4];
        const double det = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
        if (det == 0) {
            continue;
        }
        const double wb = ((x - a.x) * (c.y - a.y) - (c.x - a.x) * (y - a.y)) / det;
        const double wc = ((b.x - a.x) * (y - a.y) - (x - a.x) * (b.y - a.y)) / det;
        const double wa = 1 - wb - wc;
        const double least = std::min({wa, wb, wc});
        if (least > depth) {
            depth = least;
            value = wa * z[m] + wb * z[(m + 1) % 4] + wc * zc;
        }
    }
    return value;
}

std::optional<double> TContour::AddLevelThrough(double x, double y) {
    const auto value = ValueAt(x, y);
    if (!value) {
        return std::nullopt;
    }
    const double level = RoundLevel(*value);
    if (std::find(m_levels.begin(), m_levels.end(), level) == m_levels.end()) {
        m_userLevels.push_back(LevelText(level));
        m_useUserLevels = true;
        Recompute();
    }
    return level;
}

std::optional<TContour::NearestLine> TContour::FindNearestLine(double x, double y) const {
    std::optional<NearestLine> nearest;
    const ContourPoint p{x, y};
    for (std::size_t k = 0; k < m_lines.size(); ++k) {
        const auto& points = m_lines[k].points;
        for (std::size_t s = 1; s < points.size(); ++s) {
            const double distance = SegmentDistance(p, points[s - 1], points[s]);
            if (!nearest || distance < nearest->distance) {
                nearest = NearestLine{k, distance};
            }
        }
    }
    return nearest;
}

std::optional<double> TContour::RemoveLevelNear(double x, double y) {
    const auto nearest = FindNearestLine(x, y);
    if (!nearest) {
        return std::nullopt;
    }
    const double level = m_lines[nearest->index].level;
    RemoveLevel(level);
    return level;
}

bool TContour::RemoveLevel(double level) {
    bool removed = false;
    std::vector<std::string> kept;
    const auto automatic = m_levels.begin() + static_cast<std::ptrdiff_t>(m_automaticCount);
    if (m_automaticLevels && std::find(m_levels.begin(), automatic, level) != automatic) {
        // Automatic levels come as a whole; without this one the others become user levels.
        for (auto it = m_levels.begin(); it != automatic; ++it) {
            if (*it != level) {
                kept.push_back(LevelText(*it));
            }
        }
        m_automaticLevels = false;
        removed = true;
    }
    for (const std::string& text : m_userLevels) {
        const auto value = ReadLevelText(text);
        if (m_useUserLevels && value && RoundLevel(*value) == level) {
            removed = true;
        } else {
            kept.push_back(text);
        }
    }
    if (removed) {
        m_userLevels = std::move(kept);
        m_useUserLevels = true;
        Recompute();
    }
    return removed;
}

}  // namespace kalvo
