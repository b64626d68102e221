#pragma once

#include <array>
#include <string_view>

namespace kalvo {

/// One entry of the built-in name table. Entries with arguments include their "(".
struct FunctionEntry {
    std::string_view name;
    int argumentCount;  ///< 0 marks constants and variable letters, compared without terminator
};

inline constexpr int kFunctionCount = 88;
inline constexpr int kHelpRowCount = 67;

/// Identifiers with a meaning of their own in the evaluator.
// clang-format off
enum FunctionId : int {
    kFnMin = 0, kFnSin = 1, kFnArcSin, kFnArcCos, kFnArcTan, kFnArcSinh, kFnArcCosh, kFnArcTanh,
    kFnSinh, kFnCosh, kFnTanh, kFnRandom, kFnCos, kFnTan, kFnExp, kFnSqrt, kFnLn, kFnLog,
    kFnJn, kFnYn, kFnIn, kFnKn, kFnSolve, kFnCi, kFnSi, kFnErf, kFnGamma, kFnIntegral,
    kFnPiSign, kFnPi, kFnE, kFnFactorial, kFnFermiDirac, kFnAbs, kFnRound, kFnFrac, kFnTrunc,
    kFnMax, kFnMean, kFnStd, kFnSqr, kFnSum, kFnGauss, kFnPoly, kFnStat,
    kFnFirstConversion = 45, kFnLastConversion = 66,
    kFnFirstLowerVariable = 67, kFnFirstUpperVariable = 77, kFnLastVariable = 86,
    kFnTenPower = 87,
    kIdUserFunction = 999,
    kIdLoop = 99,
    kIdFirstConstant = 1000,
};
// clang-format on

/// The 88-entry built-in table of real mode, in identifier order.
const std::array<FunctionEntry, kFunctionCount>& RealFunctionTable();

/// Help texts of identifiers 0..66 ("%A" stands for the angle unit).
const std::array<std::string_view, kHelpRowCount>& RealHelpTable();

/// The identifier of a scanned name, or -1. body is the name without its terminator:
/// entries with arguments match body + "(" when the terminator is "(", entries without
/// arguments match body itself. When both match, the later entry wins.
int LookupBuiltin(std::string_view body, char terminator);

/// Factor of the unit conversion with the given identifier (45..66).
long double ConversionFactor(int id);

}  // namespace kalvo
