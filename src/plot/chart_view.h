#pragma once

#include <array>
#include <initializer_list>
#include <string>

namespace kalvo {

/// Axis numbers of the surface and polar charts: 0 the X axis, 1 the Y (vertical) axis,
/// 2 the second Y axis, 3 the Z (depth) axis.
inline constexpr int kAxisCount = 4;

/// A colour as red, green and blue parts, 0..255 each.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const Rgb&) const = default;
};

/// A colour as the settings file stores it: one integer with blue in bits 16-23, green in
/// bits 8-15 and red in bits 0-7 (so 16776960, hexadecimal FFFF00, is red 0, green 255,
/// blue 255).
Rgb RgbFromStoredColor(int stored);
int StoredColorFromRgb(Rgb rgb);

/// The major-grid line style of each axis: 0 none, 1 solid.
class AxisGrids {
  public:
    int Style(int axis) const { return m_styles[static_cast<std::size_t>(axis)]; }
    void SetStyle(int axis, int style) { m_styles[static_cast<std::size_t>(axis)] = style; }
    bool Shown(int axis) const { return Style(axis) != 0; }
    /// For each axis in turn: a grid that is drawn in any style is removed, a missing one
    /// becomes solid. Each axis flips on its own state.
    void Toggle(std::initializer_list<int> axes);

    bool operator==(const AxisGrids&) const = default;

  private:
    std::array<int, kAxisCount> m_styles{1, 1, 1, 1};
};

/// The titles of the four axes and of the chart.
struct ChartTitles {
    std::array<std::string, kAxisCount> axis;
    std::string chart;

    bool operator==(const ChartTitles&) const = default;
};

}  // namespace kalvo
