#include "frontend/print_margins.h"

#include <algorithm>

namespace kalvo {

namespace {

constexpr int kMaxMarginMm = 100;

}  // namespace

PrintMargins LoadPrintMargins(const IniFile& ini) {
    const PrintMargins defaults;
    PrintMargins margins;
    margins.leftMm = std::clamp(ini.ReadInteger(kPrintSection, kLeftMarginKey, defaults.leftMm), 0,
                                kMaxMarginMm);
    margins.topMm =
        std::clamp(ini.ReadInteger(kPrintSection, kTopMarginKey, defaults.topMm), 0, kMaxMarginMm);
    return margins;
}

}  // namespace kalvo
