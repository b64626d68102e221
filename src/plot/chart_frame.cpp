#include "plot/chart_frame.h"

namespace kalvo {

namespace {

TickStyle NormalTicks(const TickStyle& before, bool xAxis) {
    TickStyle t = before;
    t.inward = false;
    t.majorVisible = true;
    t.minorVisible = true;
    if (xAxis) {
        t.majorLength = 4;
    } else {
        t.minorLength = 2;
    }
    return t;
}

TickStyle DepthTicks(const TickStyle& before, int length) {
    TickStyle t = before;
    t.inward = true;
    t.minorVisible = false;
    t.majorVisible = true;
    t.majorLength = length;
    return t;
}

}  // namespace

ChartFrame DefaultChartFrame() {
    return ChartFrame{};
}

void ToggleView3D(ChartFrame& frame, int& savedFrameWidth) {
    if (frame.view3D != 0) {
        frame.view3D = 0;
        frame.frameWidth = savedFrameWidth;
        frame.x = NormalTicks(frame.x, true);
        frame.x2 = NormalTicks(frame.x2, true);
        frame.y = NormalTicks(frame.y, false);
        frame.y2 = NormalTicks(frame.y2, false);
        return;
    }
    frame.view3D = kView3DDepth;
    savedFrameWidth = frame.frameWidth;
    frame.frameWidth = kView3DFrameWidth;
    frame.x = DepthTicks(frame.x, frame.frameWidth);
    frame.y = DepthTicks(frame.y, frame.frameWidth);
}

}  // namespace kalvo
