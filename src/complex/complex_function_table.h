#pragma once

#include <array>
#include <string_view>

#include "engine/function_table.h"

namespace kalvo {

/// The complex-mode name table: 88 entries with the numbering of the real table. Entries
/// without a complex counterpart hold a placeholder ("___(", once "____(") that no input
/// matches; code 17 is "comp(" and code 26 "LnGamma(".
const std::array<FunctionEntry, kFunctionCount>& ComplexFunctionTable();

/// Help texts of codes 0..66 in complex mode; empty for the placeholder rows.
const std::array<std::string_view, kHelpRowCount>& ComplexHelpTable();

/// The names of the complex table in code order (the assistant's row names).
const std::array<std::string_view, kFunctionCount>& ComplexRowNames();

/// The code of a scanned name, or -1. `body` is the name without its terminator: entries
/// with arguments match body + "(" when the terminator is "(", entries without arguments
/// match body itself.
int LookupComplexName(std::string_view body, char terminator);

/// Codes with a meaning of their own in the complex evaluator.
inline constexpr int kCxFnComp = 17;
inline constexpr int kCxFnLnGamma = 26;

}  // namespace kalvo
