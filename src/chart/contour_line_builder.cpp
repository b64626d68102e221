#include "chart/contour_line_builder.h"

#include <algorithm>
#include <bit>

namespace kalvo {

namespace {

constexpr std::uint32_t kGone = UINT32_MAX;
constexpr std::uint32_t kNoLine = UINT32_MAX;

std::uint32_t Handle(std::uint32_t id, bool start) {
    return 2 * id + (start ? 0 : 1);
}

// The key of an exact coordinate; 0 and -0 are one coordinate.
std::uint64_t AxisKey(double coordinate) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(coordinate == 0 ? 0.0 : coordinate);
    return (bits ^ (bits >> 31)) * 0x9E3779B97F4A7C15ull;
}

bool Within(double v, double a, double b) {
    return std::min(a, b) <= v && v <= std::max(a, b);
}

bool Covers(const ContourPoint& s, const ContourPoint& f, const ContourPoint& p,
            const ContourPoint& q) {
    if (s.x == f.x && p.x == q.x && p.x == s.x && Within(p.y, s.y, f.y) && Within(q.y, s.y, f.y)) {
        return true;
    }
    return s.y == f.y && p.y == q.y && p.y == s.y && Within(p.x, s.x, f.x) && Within(q.x, s.x, f.x);
}

bool StartJoin(int join) {
    return join == 1 || join == 2;
}

}  // namespace

ContourLineBuilder::ContourLineBuilder(double tolerance)
    : m_tolerance(tolerance), m_ends(tolerance) {}

inline ContourLineBuilder::Join ContourLineBuilder::FindJoin(const Line& line,
                                                             const ContourPoint& first,
                                                             const ContourPoint& second) const {
    if (Coincide(line.start, first, m_tolerance)) {
        return Join::kStartFirst;
    }
    if (Coincide(line.start, second, m_tolerance)) {
        return Join::kStartSecond;
    }
    if (Coincide(line.finish, first, m_tolerance)) {
        return Join::kFinishFirst;
    }
    if (Coincide(line.finish, second, m_tolerance)) {
        return Join::kFinishSecond;
    }
    return Join::kNone;
}

std::uint32_t ContourLineBuilder::FirstInList(std::initializer_list<const Candidates*> candidates,
                                              auto&& accept) const {
    std::uint32_t best = kNoLine;
    std::uint32_t bestPosition = kGone;
    for (const Candidates* found : candidates) {
        for (const Found& entry : *found) {
            const Line& line = m_lines[entry.handle / 2];
            if (line.inList && line.position < bestPosition && accept(line)) {
                best = entry.handle / 2;
                bestPosition = line.position;
            }
        }
    }
    return best;
}

void ContourLineBuilder::Add(const ContourPoint& p, const ContourPoint& q, double level,
                             double gradient) {
    if (Coincide(p, q, m_tolerance)) {
        return;
    }
    // No slot moves until this segment has its place: the found slots stay valid.
    m_ends.Reserve(2);
    m_nearP.clear();
    m_nearQ.clear();
    const EndPointIndex::Spot spotP = m_ends.Near(p, m_nearP);
    const EndPointIndex::Spot spotQ = m_ends.Near(q, m_nearQ);
    m_nearAxis.clear();
    if (p.x == q.x) {
        m_vertical.Scan(AxisKey(p.x), m_nearAxis);
    }
    if (p.y == q.y) {
        m_horizontal.Scan(AxisKey(p.y), m_nearAxis);
    }
    // m_nearAxis holds ids, not handles: read them as start handles.
    for (Found& found : m_nearAxis) {
        found.handle = Handle(found.handle, true);
    }
    const std::uint32_t id = FirstInList({&m_nearP, &m_nearQ, &m_nearAxis}, [&](const Line& line) {
        return Covers(line.start, line.finish, p, q) || FindJoin(line, p, q) != Join::kNone;
    });
    if (id == kNoLine) {
        NewLine(p, q, level, gradient, spotP, spotQ);
        return;
    }
    Line& line = m_lines[id];
    if (Covers(line.start, line.finish, p, q)) {
        return;
    }
    const Join join = FindJoin(line, p, q);
    const bool atStart = StartJoin(static_cast<int>(join));
    const bool otherIsQ = join == Join::kStartFirst || join == Join::kFinishFirst;
    const ContourPoint& other = otherIsQ ? q : p;
    if (atStart) {
        line.chain.PushFront(other);
    } else {
        line.chain.PushBack(other);
    }
    if (gradient < line.gradient) {
        line.gradient = gradient;
        line.anchor = {p, q};
    }
    // The joined end lies near the segment end it met, so that query found its entry.
    const std::uint32_t handle = Handle(id, atStart);
    const Candidates& nearJoined = otherIsQ ? m_nearP : m_nearQ;
    auto entry = std::find_if(nearJoined.begin(), nearJoined.end(),
                              [handle](const Found& found) { return found.handle == handle; });
    if (entry != nearJoined.end()) {
        (atStart ? line.start : line.finish) = other;
        m_ends.InsertAt(otherIsQ ? spotQ : spotP, handle);
        m_ends.EraseAt(entry->slot);
        UpdateAxes(id);
    } else {
        MoveEnd(id, atStart, other);
    }
    Settle(id, otherIsQ ? m_nearQ : m_nearP);
}

void ContourLineBuilder::NewLine(const ContourPoint& p, const ContourPoint& q, double level,
                                 double gradient, const EndPointIndex::Spot& spotP,
                                 const EndPointIndex::Spot& spotQ) {
    std::uint32_t id;
    if (m_freeIds.empty()) {
        id = static_cast<std::uint32_t>(m_lines.size());
        m_lines.emplace_back();
    } else {
        id = m_freeIds.back();
        m_freeIds.pop_back();
    }
    Line& line = m_lines[id];
    line.level = level;
    line.start = p;
    line.finish = q;
    line.chain.PushBack(p);
    line.chain.PushBack(q);
    line.anchor = {p, q};
    line.gradient = gradient;
    m_ends.InsertAt(spotP, Handle(id, true));
    m_ends.InsertAt(spotQ, Handle(id, false));
    UpdateAxes(id);
    Append(id);
}

void ContourLineBuilder::MoveEnd(std::uint32_t id, bool start, const ContourPoint& to) {
    Line& line = m_lines[id];
    ContourPoint& end = start ? line.start : line.finish;
    m_ends.Erase(end, Handle(id, start));
    end = to;
    m_ends.Insert(to, Handle(id, start));
    UpdateAxes(id);
}

void ContourLineBuilder::TakeOut(std::uint32_t id) {
    Line& line = m_lines[id];
    if (line.inList) {
        m_order[line.position] = kGone;
        line.inList = false;
    }
}

void ContourLineBuilder::Append(std::uint32_t id) {
    Line& line = m_lines[id];
    line.position = static_cast<std::uint32_t>(m_order.size());
    line.inList = true;
    m_order.push_back(id);
}

void ContourLineBuilder::Settle(std::uint32_t id, const Candidates& near) {
    TakeOut(id);
    const Line& grown = m_lines[id];
    const std::uint32_t into = FirstInList({&near}, [&](const Line& line) {
        return FindJoin(line, grown.start, grown.finish) != Join::kNone;
    });
    if (into != kNoLine) {
        // Comparing again would end here: the end of the merged line that moved was the
        // grown line's other end, and every end that did not move in this step was compared
        // with all other ends when it last moved, coinciding ends being joined at once.
        Absorb(into, id, FindJoin(m_lines[into], grown.start, grown.finish));
        TakeOut(into);
        id = into;
    }
    Append(id);
}

void ContourLineBuilder::Absorb(std::uint32_t into, std::uint32_t piece, Join join) {
    Line& line = m_lines[into];
    Line& part = m_lines[piece];
    m_ends.Erase(part.start, Handle(piece, true));
    m_ends.Erase(part.finish, Handle(piece, false));
    LeaveAxes(piece);
    // The line keeps its direction and its copy of the shared point; the piece is turned
    // round where its shared end is the wrong one.
    switch (join) {
        case Join::kStartFirst:
            part.chain.Reverse();
            line.chain.Prepend(std::move(part.chain));
            MoveEnd(into, true, part.finish);
            break;
        case Join::kStartSecond:
            line.chain.Prepend(std::move(part.chain));
            MoveEnd(into, true, part.start);
            break;
        case Join::kFinishFirst:
            line.chain.Append(std::move(part.chain));
            MoveEnd(into, false, part.finish);
            break;
        case Join::kFinishSecond:
        case Join::kNone:
            part.chain.Reverse();
            line.chain.Append(std::move(part.chain));
            MoveEnd(into, false, part.start);
            break;
    }
    if (part.gradient < line.gradient) {
        line.gradient = part.gradient;
        line.anchor = part.anchor;
    }
    part.chain.Clear();
    m_freeIds.push_back(piece);
}

void ContourLineBuilder::UpdateAxes(std::uint32_t id) {
    Line& line = m_lines[id];
    const bool vertical = line.start.x == line.finish.x;
    if (line.onVertical && !(vertical && line.axisX == line.start.x)) {
        m_vertical.Erase(AxisKey(line.axisX), id);
        line.onVertical = false;
    }
    if (vertical && !line.onVertical) {
        m_vertical.Insert(AxisKey(line.start.x), id);
        line.onVertical = true;
        line.axisX = line.start.x;
    }
    const bool horizontal = line.start.y == line.finish.y;
    if (line.onHorizontal && !(horizontal && line.axisY == line.start.y)) {
        m_horizontal.Erase(AxisKey(line.axisY), id);
        line.onHorizontal = false;
    }
    if (horizontal && !line.onHorizontal) {
        m_horizontal.Insert(AxisKey(line.start.y), id);
        line.onHorizontal = true;
        line.axisY = line.start.y;
    }
}

void ContourLineBuilder::LeaveAxes(std::uint32_t id) {
    Line& line = m_lines[id];
    if (line.onVertical) {
        m_vertical.Erase(AxisKey(line.axisX), id);
        line.onVertical = false;
    }
    if (line.onHorizontal) {
        m_horizontal.Erase(AxisKey(line.axisY), id);
        line.onHorizontal = false;
    }
}

std::vector<ContourLine> ContourLineBuilder::TakeLines() {
    std::vector<ContourLine> lines;
    for (std::uint32_t id : m_order) {
        if (id == kGone) {
            continue;
        }
        Line& line = m_lines[id];
        ContourLine& out = lines.emplace_back();
        out.level = line.level;
        out.points = line.chain.Take();
        out.anchor = line.anchor;
        out.gradient = line.gradient;
    }
    *this = ContourLineBuilder(m_tolerance);
    return lines;
}

}  // namespace kalvo
