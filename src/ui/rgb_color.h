#pragma once

#include <QColor>

#include "plot/chart_view.h"

namespace kalvo {

inline QColor ToQColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

inline Rgb ToRgb(const QColor& color) {
    return {color.red(), color.green(), color.blue()};
}

}  // namespace kalvo
