#pragma once

namespace kalvo {

/// How the ticks of one axis are drawn.
struct TickStyle {
    bool inward = false;
    bool majorVisible = true;
    bool minorVisible = true;
    int majorLength = 4;
    int minorLength = 2;

    friend bool operator==(const TickStyle&, const TickStyle&) = default;
};

/// The frame of a chart: the 3D depth, the frame width and the ticks of the main and the
/// secondary axes.
struct ChartFrame {
    int view3D = 0;
    int frameWidth = 1;
    TickStyle x;
    TickStyle y;
    TickStyle x2;
    TickStyle y2;

    friend bool operator==(const ChartFrame&, const ChartFrame&) = default;
};

/// The frame of a new chart: flat, outward ticks with minor ticks.
ChartFrame DefaultChartFrame();

/// The 3D-view toggle. Switching on sets the depth to 8, remembers the frame width in
/// `savedFrameWidth` and widens the frame to 10 with inward ticks as long as the frame is
/// wide and no minor ticks on both main axes. Switching off gives the frame its
/// remembered width and the normal ticks (outward with minor ticks, major length 4 on the
/// X axes, minor length 2 on the Y axes) on all four axes.
void ToggleView3D(ChartFrame& frame, int& savedFrameWidth);

inline constexpr int kView3DDepth = 8;
inline constexpr int kView3DFrameWidth = 10;

}  // namespace kalvo
