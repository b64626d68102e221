#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "display/display_settings.h"
#include "engine/constant_list.h"
#include "engine/real.h"
#include "engine/used_name_list.h"

namespace kalvo {

inline constexpr int kVariableCount = 12;
/// Slot i (1-based) is named by the i-th letter; L and U hold interval bounds only.
inline constexpr char kVariableLetters[] = "XYZVWIJKMNLU";
inline constexpr char kEndMarker = 127;

/// Slots by their letter.
enum VariableSlot : int {
    kSlotX = 1,
    kSlotY,
    kSlotZ,
    kSlotV,
    kSlotW,
    kSlotI,
    kSlotJ,
    kSlotK,
    kSlotM,
    kSlotN,
    kSlotL,
    kSlotU
};

struct VariableSlotData {
    Real value = kUndefinedValue;  ///< `VarValue`
    std::string text;              ///< `VarText`: defining expression, empty when typed directly
};

/// Everything the real-mode engine keeps between and during evaluations. There is one
/// per application; the front end reads and writes the settings, variables and error fields.
struct EngineState {
    // Variables, 1-based: vars[kSlotX] .. vars[kSlotU]; vars[0] is unused.
    std::array<VariableSlotData, kVariableCount + 1> vars;

    // Settings.
    int angleUnit = 0;  ///< 0 radians, 1 degrees
    DisplaySettings display;
    std::string digitSet = "$.0123456789";
    int listDigits = 18;
    int integralPrecision = 9;
    bool breakRequested = false;

    // Scanner and error fields.
    std::string text;
    char currentChar = kEndMarker;
    int scanPos = 0;
    int subexprStart = 1;
    int argDepth = 0;
    bool errorFlag = false;
    int errorCode = 0;
    int errorPos = 0;
    int errorLength = 0;
    int userFuncErrorCode = 0;
    int userFuncErrorPos = 0;

    // Results.
    Real lastAnswer = 0;
    Real extremumArgument = 0;
    UsedNameList usedNames;
    UsedValueList usedValues;  ///< formatted with listDigits when read (see UsedValueText)
    ConstantList constants;

    // Memo fields shared by the numerical operators.
    Real previousLow = kUndefinedValue;
    Real previousUp = kUndefinedValue;
    int subdivisionCount = 1;
    std::string previousSearchText;
    Real stdDeviation = 0;

    Real& Var(int slot) { return vars[static_cast<std::size_t>(slot)].value; }
    std::string& VarText(int slot) { return vars[static_cast<std::size_t>(slot)].text; }
    static char Letter(int slot) { return kVariableLetters[slot - 1]; }
};

}  // namespace kalvo
