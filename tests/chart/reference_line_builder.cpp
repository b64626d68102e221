#include "chart/reference_line_builder.h"

#include <algorithm>

namespace kalvo::test {

namespace {

bool Between(double v, double a, double b) {
    return (a <= v && v <= b) || (b <= v && v <= a);
}

// The line from s to f lies on a vertical (or horizontal) that holds the whole segment p-q.
bool Covers(const ContourPoint& s, const ContourPoint& f, const ContourPoint& p,
            const ContourPoint& q) {
    const bool onVertical = s.x == f.x && p.x == s.x && q.x == s.x;
    if (onVertical && Between(p.y, s.y, f.y) && Between(q.y, s.y, f.y)) {
        return true;
    }
    const bool onHorizontal = s.y == f.y && p.y == s.y && q.y == s.y;
    return onHorizontal && Between(p.x, s.x, f.x) && Between(q.x, s.x, f.x);
}

}  // namespace

void ReferenceLineBuilder::Add(const ContourPoint& p, const ContourPoint& q, double level,
                               double gradient) {
    if (Coincide(p, q, m_tolerance)) {
        return;
    }
    for (std::size_t k = 0; k < m_list.size(); ++k) {
        Line& line = m_list[k];
        const ContourPoint s = line.points.front();
        const ContourPoint f = line.points.back();
        if (Covers(s, f, p, q)) {
            return;
        }
        if (Coincide(s, p, m_tolerance)) {
            line.points.push_front(q);
        } else if (Coincide(s, q, m_tolerance)) {
            line.points.push_front(p);
        } else if (Coincide(f, p, m_tolerance)) {
            line.points.push_back(q);
        } else if (Coincide(f, q, m_tolerance)) {
            line.points.push_back(p);
        } else {
            continue;
        }
        if (gradient < line.gradient) {
            line.gradient = gradient;
            line.anchor = {p, q};
        }
        Line grown = std::move(line);
        m_list.erase(m_list.begin() + static_cast<std::ptrdiff_t>(k));
        Rejoin(std::move(grown));
        return;
    }
    m_list.push_back({level, {p, q}, {p, q}, gradient});
}

void ReferenceLineBuilder::Rejoin(Line grown) {
    for (;;) {
        bool joined = false;
        for (std::size_t k = 0; k < m_list.size() && !joined; ++k) {
            Line& line = m_list[k];
            const auto& piece = grown.points;
            const ContourPoint s = line.points.front();
            const ContourPoint f = line.points.back();
            if (Coincide(s, piece.front(), m_tolerance)) {
                // The piece leaves the start: its points after the shared one, far end first.
                for (auto it = piece.begin() + 1; it != piece.end(); ++it) {
                    line.points.push_front(*it);
                }
            } else if (Coincide(s, piece.back(), m_tolerance)) {
                for (auto it = piece.rbegin() + 1; it != piece.rend(); ++it) {
                    line.points.push_front(*it);
                }
            } else if (Coincide(f, piece.front(), m_tolerance)) {
                line.points.insert(line.points.end(), piece.begin() + 1, piece.end());
            } else if (Coincide(f, piece.back(), m_tolerance)) {
                line.points.insert(line.points.end(), piece.rbegin() + 1, piece.rend());
            } else {
                continue;
            }
            if (grown.gradient < line.gradient) {
                line.gradient = grown.gradient;
                line.anchor = grown.anchor;
            }
            grown = std::move(line);
            m_list.erase(m_list.begin() + static_cast<std::ptrdiff_t>(k));
            joined = true;
        }
        if (!joined) {
            m_list.push_back(std::move(grown));
            return;
        }
    }
}

std::vector<ContourLine> ReferenceLineBuilder::Lines() const {
    std::vector<ContourLine> lines;
    for (const Line& line : m_list) {
        lines.push_back(
            {line.level, {line.points.begin(), line.points.end()}, line.anchor, line.gradient});
    }
    return lines;
}

}  // namespace kalvo::test
