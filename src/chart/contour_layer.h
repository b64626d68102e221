#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chart/contour_grid.h"
#include "chart/contour_line.h"

namespace kalvo {

/// A contour layer: the contour lines of values Z sampled over an X and a Y vector, with the
/// labels to draw on them. No drawing here; the chart draws what the layer holds.
///
/// Levels: with automatic levels on (the default), the level count N gives the levels
/// a + k (b - a) / N, k = 0 … N-1 (for N = 1 the single level a), where a and b are the
/// least and greatest Z value, or the fixed minimum and maximum when set; a constant Z has
/// none. Then, when the user-level flag is set, the user levels in list order. Every level is
/// rounded to 12 significant digits before it is traced.
///
///     auto layer = TContour::Create(false, 10, z, y, x);   // z[i * y.size() + j]
///     for (const ContourLine& line : layer->Lines()) { … line.level, line.points … }
///     layer->AddLevelThrough(1.5, -2);                     // a contour through a point
class TContour {
  public:
    /// The edit modes a chart gives the mouse over the layer.
    enum class EditMode {
        kNone = 0,
        kAddContour = 1,
        kDeleteContour = 2,
        kLabelPosition = 4,
        kLabelOff = 5
    };

    /// The line nearest to a point and its distance from it.
    struct NearestLine {
        std::size_t index;
        double distance;
    };

    /// Copies the grid (z[i * y.size() + j] is the value at (x[i], y[j])) and computes the
    /// levels, lines and labels. Nothing when z does not hold x.size() * y.size() values.
    static std::optional<TContour> Create(bool shaded, int levelCount, std::vector<double> z,
                                          std::vector<double> y, std::vector<double> x);

    const ContourGrid& Grid() const { return m_grid; }
    /// The distance below which points coincide and segments are dropped as too short.
    double Tolerance() const { return m_tolerance; }

    bool Shaded() const { return m_shaded; }
    void SetShaded(bool shaded) { m_shaded = shaded; }
    const std::string& Description() const { return m_description; }
    void SetDescription(std::string text) { m_description = std::move(text); }
    EditMode Mode() const { return m_editMode; }
    void SetMode(EditMode mode) { m_editMode = mode; }
    const std::string& LabelFontFamily() const { return m_labelFontFamily; }
    int LabelFontSize() const { return m_labelFontSize; }

    // Settings that change the levels; each re-computes the lines and labels.
    int LevelCount() const { return m_levelCount; }
    void SetLevelCount(int count);
    bool AutomaticLevels() const { return m_automaticLevels; }
    void SetAutomaticLevels(bool on);
    const std::vector<std::string>& UserLevels() const { return m_userLevels; }
    bool UseUserLevels() const { return m_useUserLevels; }
    /// Sets the user-level texts and their flag. A text that is not a number is left out of
    /// the levels and listed by IgnoredUserLevels().
    void SetUserLevels(std::vector<std::string> texts, bool use);
    std::optional<double> FixedMinimum() const { return m_fixedMinimum; }
    std::optional<double> FixedMaximum() const { return m_fixedMaximum; }
    void SetFixedMinimum(std::optional<double> value);
    void SetFixedMaximum(std::optional<double> value);

    /// Computes, stores and returns the least Z value that is not a missing-value marker.
    double Minimum();
    /// Computes, stores and returns the greatest Z value that is not a missing-value marker.
    double Maximum();
    /// The extremes as last computed (1e30 and -1e30 before the first computation).
    double StoredMinimum() const { return m_minimum; }
    double StoredMaximum() const { return m_maximum; }

    /// Clears the lines and labels, places the levels, traces them and labels the lines.
    void Recompute();
    void ClearLines();

    /// The levels of the last computation, rounded, in the order they were traced; a level
    /// outside the extremes has no lines.
    const std::vector<double>& Levels() const { return m_levels; }
    /// User-level texts of the last computation that are not numbers.
    const std::vector<std::string>& IgnoredUserLevels() const { return m_ignoredUserLevels; }
    const std::vector<ContourLine>& Lines() const { return m_lines; }
    /// One label per line whose level is not 0, in line order.
    const std::vector<ContourLabel>& Labels() const { return m_labels; }
    /// The labels for the chart's label editing (move, hide); re-computation renews them.
    std::vector<ContourLabel>& EditableLabels() { return m_labels; }

    /// The value at a point as the tracing sees it: linear over the quarter triangle of the
    /// cell that holds the point, so that the line of that level passes through the point.
    /// Nothing outside the grid or in an empty cell.
    std::optional<double> ValueAt(double x, double y) const;
    /// Adds a user level through the value at the point, turns the user levels on and
    /// re-computes. Returns the level, or nothing when the point has no value. A level that is
    /// traced already is not added again.
    std::optional<double> AddLevelThrough(double x, double y);
    std::optional<NearestLine> FindNearestLine(double x, double y) const;
    /// Removes the level of the line nearest to the point and re-computes; returns the level.
    std::optional<double> RemoveLevelNear(double x, double y);
    /// Removes a level: the user levels that round to it and, when it is one of the
    /// automatic levels, that one, the others then turning into user levels. Re-computes when
    /// it removed anything.
    bool RemoveLevel(double level);

  private:
    TContour(bool shaded, int levelCount, ContourGrid grid);
    void PlaceLevels();
    void MakeLabels();

    ContourGrid m_grid;
    double m_tolerance;
    bool m_shaded;
    int m_levelCount;
    bool m_automaticLevels = true;
    std::vector<std::string> m_userLevels;
    bool m_useUserLevels = false;
    double m_minimum = 1e30;
    double m_maximum = -1e30;
    std::optional<double> m_fixedMinimum;
    std::optional<double> m_fixedMaximum;
    std::vector<double> m_levels;
    std::size_t m_automaticCount = 0;  ///< the first levels of m_levels that are automatic
    std::vector<std::string> m_ignoredUserLevels;
    std::vector<ContourLine> m_lines;
    std::vector<ContourLabel> m_labels;
    std::string m_description;
    EditMode m_editMode = EditMode::kNone;
    std::string m_labelFontFamily = "Arial";
    int m_labelFontSize = 8;
};

}  // namespace kalvo
