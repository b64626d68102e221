#pragma once

#include "frontend/ini_file.h"

namespace kalvo {

/// Section and keys of the print margins in the settings file.
inline constexpr char kPrintSection[] = "Print";
inline constexpr char kLeftMarginKey[] = "Left Margin";
inline constexpr char kTopMarginKey[] = "Top Margin";

/// The left and top page margins of printouts, in millimetres.
struct PrintMargins {
    int leftMm = 20;
    int topMm = 20;
};

/// The margins from the "Print" section; a missing or unreadable key gives its default,
/// and a value is kept within 0..100 mm.
PrintMargins LoadPrintMargins(const IniFile& ini);

}  // namespace kalvo
