#include "ui/theme_colors.h"

namespace kalvo {

bool IsDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Base).lightness() < 128;
}

QColor ValueColor(const QPalette& palette) {
    return IsDarkPalette(palette) ? QColor(0x6c, 0xb4, 0xff) : QColor(0x00, 0x00, 0xff);
}

QColor ErrorColor(const QPalette& palette) {
    return IsDarkPalette(palette) ? QColor(0xff, 0x70, 0x70) : QColor(0xff, 0x00, 0x00);
}

QColor InvalidFieldColor(const QPalette& palette) {
    return IsDarkPalette(palette) ? QColor(0x9a, 0x20, 0x20) : QColor(0xff, 0x80, 0x80);
}

}  // namespace kalvo
