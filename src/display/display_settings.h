#pragma once

namespace kalvo {

enum Notation : int { kScn = 0, kFix = 1, kEng = 2, kSxg = 3 };
enum Base : int { kDec = 0, kHex = 1, kBin = 2 };
enum ComplexForm : int { kPolar = 0, kRect = 1 };

/// The settings that the number formatters read.
struct DisplaySettings {
    int notation = kScn;
    int base = kDec;
    int bits = 32;  ///< binary digit-group width, used only in base bin
    int complexForm = kRect;
};

}  // namespace kalvo
