#pragma once

#include <cmath>

#include "chart/contour_line.h"

namespace kalvo {

/// Receives the segments of the traced levels in tracing order, each with its level and
/// the squared gradient of the cell it comes from.
class SegmentSink {
  public:
    virtual ~SegmentSink() = default;
    virtual void Add(const ContourPoint& p, const ContourPoint& q, double level,
                     double gradient) = 0;
};

/// The join rule of the line builder: two points coincide when they differ by less than the
/// tolerance in x and in y.
inline bool Coincide(const ContourPoint& a, const ContourPoint& b, double tolerance) {
    return (std::fabs(a.x - b.x) < tolerance) & (std::fabs(a.y - b.y) < tolerance);
}

}  // namespace kalvo
