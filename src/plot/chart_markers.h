#pragma once

#include <vector>

namespace kalvo {

/// The points of a series of `count` points that carry a marker when every k-th point is
/// marked: points 0, k, 2k, … and the last point; every point when 3k reaches the count
/// (so that a short series still shows its markers). k = 0 counts as 1.
///
///   MarkerIndices(10, 4) == {0, 4, 8, 9}
std::vector<int> MarkerIndices(int count, int interval);

/// The marker interval of an f(X) curve of n points: a marker on every (n div 20)-th point.
inline int CurveMarkerInterval(int points) {
    return points / 20;
}

/// The first entry of a cyclic palette of `size` entries that no series uses; when all
/// are used, the one used least often (the first of those).
int FirstFree(const std::vector<int>& used, int size);

}  // namespace kalvo
