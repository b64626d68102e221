#pragma once

#include <vector>

#include "chart/contour_line.h"

namespace kalvo {

/// The points of a line under construction: cheap to extend at either end, to reverse and
/// to join with another chain, so that joining two long pieces does not copy the longer one.
/// Stored as a front part kept last point first, a back part, and a direction flag.
class PointChain {
  public:
    std::size_t Size() const { return m_front.size() + m_back.size(); }
    ContourPoint& Front() { return m_reversed ? StoredBack() : StoredFront(); }
    ContourPoint& Back() { return m_reversed ? StoredFront() : StoredBack(); }

    void PushFront(const ContourPoint& point) { (m_reversed ? m_back : m_front).push_back(point); }
    void PushBack(const ContourPoint& point) { (m_reversed ? m_front : m_back).push_back(point); }
    void Reverse() { m_reversed = !m_reversed; }

    /// this := this + other without other's first point (the one both chains share).
    void Append(PointChain&& other);
    /// this := other without its last point + this.
    void Prepend(PointChain&& other);

    /// The points in order, in the chain's own memory; the chain is empty afterwards.
    std::vector<ContourPoint> Take();
    /// Empties the chain and keeps its memory for the next points.
    void Clear();

  private:
    /// Append (at the back) or Prepend.
    void Attach(PointChain&& other, bool atBack);
    ContourPoint& StoredFront() { return m_front.empty() ? m_back.front() : m_front.back(); }
    ContourPoint& StoredBack() { return m_back.empty() ? m_front.front() : m_back.back(); }
    /// Calls push(point) for the points in order (from the back when `backwards`), leaving
    /// out the first one met.
    template <typename Push>
    void ForEachButFirst(bool backwards, Push&& push) const;

    std::vector<ContourPoint> m_front;  ///< stored order: m_front reversed, then m_back
    std::vector<ContourPoint> m_back;
    bool m_reversed = false;
};

}  // namespace kalvo
