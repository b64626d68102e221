#pragma once

#include <QColor>
#include <QPalette>

namespace kalvo {

/// True when the palette draws dark fields (a dark desktop theme).
bool IsDarkPalette(const QPalette& palette);

/// Text colour of a result in the result line: blue, lightened on dark themes.
QColor ValueColor(const QPalette& palette);
/// Text colour of an error message: red, lightened on dark themes.
QColor ErrorColor(const QPalette& palette);
/// Background of a numeric field that holds an out-of-range value.
QColor InvalidFieldColor(const QPalette& palette);

}  // namespace kalvo
