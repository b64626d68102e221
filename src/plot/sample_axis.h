#pragma once

#include "engine/real.h"

namespace kalvo {

/// One axis of a sampling: `count` points from `from` to `to`, both ends included.
/// Point i (0-based) is from + i × step with step = (to − from)/(count − 1), computed in
/// extended precision, so the last point is `to` up to rounding.
///
///   SampleAxis x{-10, 10, 201};   // x.At(100) == 0
struct SampleAxis {
    Real from = 0;
    Real to = 0;
    int count = 0;

    Real Step() const { return count > 1 ? (to - from) / (count - 1) : 0; }
    Real At(int i) const { return from + i * Step(); }
};

}  // namespace kalvo
