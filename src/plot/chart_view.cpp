#include "plot/chart_view.h"

namespace kalvo {

Rgb RgbFromStoredColor(int stored) {
    return {stored & 0xFF, (stored >> 8) & 0xFF, (stored >> 16) & 0xFF};
}

int StoredColorFromRgb(Rgb rgb) {
    return (rgb.red & 0xFF) | ((rgb.green & 0xFF) << 8) | ((rgb.blue & 0xFF) << 16);
}

void AxisGrids::Toggle(std::initializer_list<int> axes) {
    for (int axis : axes) {
        SetStyle(axis, Style(axis) != 0 ? 0 : 1);
    }
}

}  // namespace kalvo
