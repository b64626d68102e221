#pragma once

#include <optional>
#include <vector>

namespace kalvo {

/// The visible part of a chart: X and Y from least to greatest.
struct ChartView {
    double xMin = 0;
    double xMax = 1;
    double yMin = 0;
    double yMax = 1;

    friend bool operator==(const ChartView&, const ChartView&) = default;
};

/// The zoom of a chart: a mode in which a marked rectangle zooms in, and the stack of
/// views that each zoom left behind, so that the user can go back one level at a time or
/// leave them all.
///
///   ZoomLevels zoom;
///   zoom.SetMode(true);
///   zoom.ZoomTo(current, marked);      // current is kept as a level
///   auto back = zoom.Previous();       // current again; zoom.Count() == 0
class ZoomLevels {
  public:
    bool Mode() const { return m_mode; }
    void SetMode(bool on) { m_mode = on; }
    bool Animation() const { return m_animation; }
    void SetAnimation(bool on) { m_animation = on; }

    /// A rectangle marked in zoom mode: the view it leaves is kept and the marked one
    /// returned, ordered and never empty. A rectangle of no width or height does not zoom.
    std::optional<ChartView> ZoomTo(const ChartView& current, const ChartView& marked);
    /// The view before the last zoom, which is dropped; nothing when no level is held.
    std::optional<ChartView> Previous();
    /// The view before the first zoom (the full view); every level is dropped and zoom
    /// mode switched off. Nothing when no level was held.
    std::optional<ChartView> LeaveAll();
    int Count() const { return static_cast<int>(m_levels.size()); }
    /// Drops the levels without moving (a new plot replaces the view).
    void Clear() { m_levels.clear(); }
    /// Zoom Out and Zoom previous are offered while zoom mode is on or a level is held.
    bool CanGoBack() const { return m_mode || !m_levels.empty(); }

  private:
    std::vector<ChartView> m_levels;
    bool m_mode = false;
    bool m_animation = false;
};

}  // namespace kalvo
