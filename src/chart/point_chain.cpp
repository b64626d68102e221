#include "chart/point_chain.h"

#include <utility>

namespace kalvo {

template <typename Push>
void PointChain::ForEachButFirst(bool backwards, Push&& push) const {
    // Stored order is m_front from its end to its start, then m_back; `backwards` walks
    // the points from the back of the chain, which is the stored order unless reversed.
    bool skip = true;
    auto visit = [&](const ContourPoint& point) {
        if (!skip) {
            push(point);
        }
        skip = false;
    };
    if (backwards == m_reversed) {
        for (auto it = m_front.rbegin(); it != m_front.rend(); ++it) {
            visit(*it);
        }
        for (const ContourPoint& point : m_back) {
            visit(point);
        }
    } else {
        for (auto it = m_back.rbegin(); it != m_back.rend(); ++it) {
            visit(*it);
        }
        for (const ContourPoint& point : m_front) {
            visit(point);
        }
    }
}

void PointChain::Append(PointChain&& other) {
    if (Size() >= other.Size()) {
        other.ForEachButFirst(false, [this](const ContourPoint& p) { PushBack(p); });
        return;
    }
    // Move this chain's points onto the longer one; the shared point stays this chain's.
    other.Front() = Back();
    ForEachButFirst(true, [&other](const ContourPoint& p) { other.PushFront(p); });
    std::swap(*this, other);
}

void PointChain::Prepend(PointChain&& other) {
    if (Size() >= other.Size()) {
        other.ForEachButFirst(true, [this](const ContourPoint& p) { PushFront(p); });
        return;
    }
    other.Back() = Front();
    ForEachButFirst(false, [&other](const ContourPoint& p) { other.PushBack(p); });
    std::swap(*this, other);
}

std::vector<ContourPoint> PointChain::Take() {
    std::vector<ContourPoint> points;
    if (Size() == 0) {
        return points;
    }
    points.reserve(Size());
    points.push_back(Front());
    ForEachButFirst(false, [&points](const ContourPoint& p) { points.push_back(p); });
    Clear();
    return points;
}

void PointChain::Clear() {
    m_front.clear();
    m_back.clear();
    m_reversed = false;
}

}  // namespace kalvo
