#include "plot/zoom_levels.h"

#include <algorithm>
#include <cmath>

namespace kalvo {

std::optional<ChartView> ZoomLevels::ZoomTo(const ChartView& current, const ChartView& marked) {
    ChartView view{std::min(marked.xMin, marked.xMax), std::max(marked.xMin, marked.xMax),
                   std::min(marked.yMin, marked.yMax), std::max(marked.yMin, marked.yMax)};
    const bool finite = std::isfinite(view.xMin) && std::isfinite(view.xMax) &&
                        std::isfinite(view.yMin) && std::isfinite(view.yMax);
    if (!finite || !(view.xMax > view.xMin) || !(view.yMax > view.yMin)) {
        return std::nullopt;
    }
    m_levels.push_back(current);
    return view;
}

std::optional<ChartView> ZoomLevels::Previous() {
    if (m_levels.empty()) {
        return std::nullopt;
    }
    ChartView view = m_levels.back();
    m_levels.pop_back();
    return view;
}

std::optional<ChartView> ZoomLevels::LeaveAll() {
    m_mode = false;
    if (m_levels.empty()) {
        return std::nullopt;
    }
    ChartView view = m_levels.front();
    m_levels.clear();
    return view;
}

}  // namespace kalvo
