#include "chart/point_chain.h"

#include <algorithm>
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
    Attach(std::move(other), true);
}

void PointChain::Prepend(PointChain&& other) {
    Attach(std::move(other), false);
}

void PointChain::Attach(PointChain&& other, bool atBack) {
    if (Size() >= other.Size()) {
        other.ForEachButFirst(!atBack, [this, atBack](const ContourPoint& p) {
            atBack ? PushBack(p) : PushFront(p);
        });
        return;
    }
    // Move this chain's points onto the longer one; the shared point stays this chain's.
    (atBack ? other.Front() : other.Back()) = atBack ? Back() : Front();
    ForEachButFirst(atBack, [&other, atBack](const ContourPoint& p) {
        atBack ? other.PushFront(p) : other.PushBack(p);
    });
    std::swap(*this, other);
}

std::vector<ContourPoint> PointChain::Take() {
    // The points are the first part reversed, then the second as stored. The result is
    // built in the memory of the longer part.
    std::vector<ContourPoint>& first = m_reversed ? m_back : m_front;
    std::vector<ContourPoint>& second = m_reversed ? m_front : m_back;
    std::vector<ContourPoint> points;
    if (first.size() >= second.size()) {
        points = std::move(first);
        std::reverse(points.begin(), points.end());
        points.insert(points.end(), second.begin(), second.end());
    } else {
        points = std::move(second);
        points.insert(points.begin(), first.rbegin(), first.rend());
    }
    Clear();
    return points;
}

void PointChain::Clear() {
    m_front.clear();
    m_back.clear();
    m_reversed = false;
}

}  // namespace kalvo
