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

}  // namespace

ContourLineBuilder::ContourLineBuilder(double tolerance)
    : m_tolerance(tolerance), m_ends(tolerance) {}

ContourLineBuilder::Join ContourLineBuilder::FindJoin(const Line& line, const ContourPoint& first,
                                                      const ContourPoint& second) const {
    // The first coinciding pair in the order of the bits, looked up rather than branched on.
    static constexpr Join kFirst[16] = {
        Join::kNone,         Join::kStartFirst, Join::kStartSecond, Join::kStartFirst,
        Join::kFinishFirst,  Join::kStartFirst, Join::kStartSecond, Join::kStartFirst,
        Join::kFinishSecond, Join::kStartFirst, Join::kStartSecond, Join::kStartFirst,
        Join::kFinishFirst,  Join::kStartFirst, Join::kStartSecond, Join::kStartFirst};
    const unsigned pairs = (Coincide(line.start, first, m_tolerance) ? 1u : 0u) |
                           (Coincide(line.start, second, m_tolerance) ? 2u : 0u) |
                           (Coincide(line.finish, first, m_tolerance) ? 4u : 0u) |
                           (Coincide(line.finish, second, m_tolerance) ? 8u : 0u);
    return kFirst[pairs];
}

ContourLineBuilder::Match ContourLineBuilder::FirstInList(const Found* first, const Found* last,
                                                          auto&& test) const {
    Match best{kNoLine, Join::kNone};
    std::uint32_t bestPosition = kGone;
    for (const Found* entry = first; entry != last; ++entry) {
        const Line& line = m_lines[entry->handle / 2];
        if (line.inList && line.position < bestPosition) {
            if (const Join join = test(line); join != Join::kNone) {
                best = {entry->handle / 2, join};
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
    m_near.Clear();
    const std::uint64_t keyP = m_ends.Near(p, m_near);
    const std::size_t nearP = m_near.Size();
    const std::uint64_t keyQ = m_ends.Near(q, m_near);
    const std::size_t nearQ = m_near.Size();
    if (p.x == q.x) {
        m_vertical.Scan(AxisKey(p.x), m_near);
    }
    if (p.y == q.y) {
        m_horizontal.Scan(AxisKey(p.y), m_near);
    }
    // The lines that may cover the segment come as ids: read them as start handles.
    for (Found* found = m_near.begin() + nearQ; found != m_near.end(); ++found) {
        found->handle = Handle(found->handle, true);
    }
    const Found* const nearBegin = m_near.begin();
    // The first line in list order that covers the segment or meets it.
    const bool axial = p.x == q.x || p.y == q.y;
    const auto [id, join] = FirstInList(nearBegin, m_near.end(), [&](const Line& line) {
        return axial && Covers(line.start, line.finish, p, q) ? Join::kCovered
                                                              : FindJoin(line, p, q);
    });
    if (id == kNoLine) {
        NewLine(p, q, level, gradient, keyP, keyQ);
        return;
    }
    if (join == Join::kCovered) {
        return;
    }
    Line& line = m_lines[id];
    const bool atStart = join == Join::kStartFirst || join == Join::kStartSecond;
    const bool otherIsQ = join == Join::kStartFirst || join == Join::kFinishFirst;
    const ContourPoint& other = otherIsQ ? q : p;
    ContourPoint& end = atStart ? line.start : line.finish;
    const ContourPoint joined = end;
    end = other;
    if (atStart) {
        line.chain.PushFront(other);
    } else {
        line.chain.PushBack(other);
    }
    if (gradient < line.gradient) {
        line.gradient = gradient;
        line.anchor = {p, q};
    }
    // The joined end's entry lies near the segment end it met, so that query found it.
    const std::uint32_t handle = Handle(id, atStart);
    const Found* const joinedFirst = nearBegin + (otherIsQ ? 0 : nearP);
    const Found* const joinedLast = nearBegin + (otherIsQ ? nearP : nearQ);
    const Found* const entry = std::find_if(
        joinedFirst, joinedLast, [handle](const Found& found) { return found.handle == handle; });

    // The grown line is taken out and compared with the list again. Only its new end can
    // meet another line: every other end was compared with all ends when it last moved, and
    // coinciding ends were joined then. So the lines near the new end are the candidates, and
    // a line that absorbs the grown one joins nothing more, its new end being the grown
    // line's other end.
    TakeOut(id);
    const auto [into, meeting] = FirstInList(
        otherIsQ ? nearBegin + nearP : nearBegin, otherIsQ ? nearBegin + nearQ : nearBegin + nearP,
        [&](const Line& candidate) { return FindJoin(candidate, line.start, line.finish); });
    if (into == kNoLine) {
        if (entry != joinedLast) {
            m_ends.InsertKey(otherIsQ ? keyQ : keyP, handle);
            m_ends.EraseAt(entry->slot);
        } else {
            m_ends.Erase(joined, handle);
            m_ends.Insert(other, handle);
        }
        UpdateAxes(id);
        Append(id);
        return;
    }
    if (entry != joinedLast) {
        m_ends.EraseAt(entry->slot);
    } else {
        m_ends.Erase(joined, handle);
    }
    Absorb(into, id, meeting);
    TakeOut(into);
    Append(into);
}

void ContourLineBuilder::NewLine(const ContourPoint& p, const ContourPoint& q, double level,
                                 double gradient, std::uint64_t keyP, std::uint64_t keyQ) {
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
    m_ends.InsertKey(keyP, Handle(id, true));
    m_ends.InsertKey(keyQ, Handle(id, false));
    UpdateAxes(id);
    Append(id);
}

void ContourLineBuilder::TakeOut(std::uint32_t id) {
    Line& line = m_lines[id];
    if (line.inList) {
        m_order[line.position] = kGone;
        line.inList = false;
        --m_inList;
    }
}

void ContourLineBuilder::Append(std::uint32_t id) {
    if (m_order.size() >= 2 * m_inList + 1024) {
        // Mostly lines taken out: close the gaps, keeping the order.
        std::size_t kept = 0;
        for (std::uint32_t listed : m_order) {
            if (listed != kGone) {
                m_lines[listed].position = static_cast<std::uint32_t>(kept);
                m_order[kept++] = listed;
            }
        }
        m_order.resize(kept);
    }
    Line& line = m_lines[id];
    line.position = static_cast<std::uint32_t>(m_order.size());
    line.inList = true;
    m_order.push_back(id);
    ++m_inList;
}

void ContourLineBuilder::Absorb(std::uint32_t into, std::uint32_t piece, Join join) {
    Line& line = m_lines[into];
    Line& part = m_lines[piece];
    const bool atStart = join == Join::kStartFirst || join == Join::kStartSecond;
    const bool partStartMeets = join == Join::kStartFirst || join == Join::kFinishFirst;
    // The line's meeting end gives way to the piece's far end, whose entry passes to the line;
    // the piece's meeting end has no entry any more.
    const ContourPoint far = partStartMeets ? part.finish : part.start;
    ContourPoint& end = atStart ? line.start : line.finish;
    m_ends.Erase(end, Handle(into, atStart));
    m_ends.Relabel(far, Handle(piece, !partStartMeets), Handle(into, atStart));
    end = far;
    LeaveAxes(piece);
    // The line keeps its direction and its copy of the shared point; the piece is turned
    // round where its meeting end is the wrong one.
    if (partStartMeets == atStart) {
        part.chain.Reverse();
    }
    if (atStart) {
        line.chain.Prepend(std::move(part.chain));
    } else {
        line.chain.Append(std::move(part.chain));
    }
    if (part.gradient < line.gradient) {
        line.gradient = part.gradient;
        line.anchor = part.anchor;
    }
    part.chain.Clear();
    m_freeIds.push_back(piece);
    UpdateAxes(into);
}

void ContourLineBuilder::UpdateAxes(std::uint32_t id) {
    Line& line = m_lines[id];
    if (!line.vertical.listed && !line.horizontal.listed && line.start.x != line.finish.x &&
        line.start.y != line.finish.y) {
        return;
    }
    UpdateAxis(m_vertical, line.vertical, line.start.x == line.finish.x, line.start.x, id);
    UpdateAxis(m_horizontal, line.horizontal, line.start.y == line.finish.y, line.start.y, id);
}

void ContourLineBuilder::LeaveAxes(std::uint32_t id) {
    Line& line = m_lines[id];
    UpdateAxis(m_vertical, line.vertical, false, 0, id);
    UpdateAxis(m_horizontal, line.horizontal, false, 0, id);
}

void ContourLineBuilder::UpdateAxis(HandleTable& table, AxisEntry& entry, bool member,
                                    double coordinate, std::uint32_t id) {
    if (entry.listed && !(member && entry.coordinate == coordinate)) {
        table.Erase(AxisKey(entry.coordinate), id);
        entry.listed = false;
    }
    if (member && !entry.listed) {
        table.Insert(AxisKey(coordinate), id);
        entry = {true, coordinate};
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
    m_order.clear();
    m_inList = 0;
    return lines;
}

}  // namespace kalvo
