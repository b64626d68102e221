#include "plot/chart_markers.h"

#include <algorithm>

namespace kalvo {

std::vector<int> MarkerIndices(int count, int interval) {
    std::vector<int> indices;
    if (count <= 0) {
        return indices;
    }
    const int k = std::max(interval, 1);
    const int step = 3L * k >= count ? 1 : k;
    indices.reserve(static_cast<std::size_t>(count / step + 1));
    for (int i = 0; i < count; i += step) {
        indices.push_back(i);
    }
    if (indices.back() != count - 1) {
        indices.push_back(count - 1);
    }
    return indices;
}

int FirstFree(const std::vector<int>& used, int size) {
    if (size <= 0) {
        return 0;
    }
    std::vector<int> uses(static_cast<std::size_t>(size), 0);
    for (int entry : used) {
        if (entry >= 0 && entry < size) {
            ++uses[static_cast<std::size_t>(entry)];
        }
    }
    return static_cast<int>(std::min_element(uses.begin(), uses.end()) - uses.begin());
}

}  // namespace kalvo
