#include "ui/keypad_table.h"

#include <array>
#include <cstring>

#include "engine/engine_state.h"
#include "engine/function_table.h"

namespace kalvo {

namespace {

using enum KeyAction;
using enum KeyGroup;

constexpr KeypadKey Fn(const char* name, const char* caption, const char* hint, int row,
                       const char* ctrl, const char* alt, int gridRow, int gridColumn,
                       bool realOnly = false) {
    return {name, caption, hint,       kFunction, "",         row,
            ctrl, alt,     kFunctions, gridRow,   gridColumn, realOnly};
}

constexpr KeypadKey Pad(const char* name, const char* caption, const char* hint, const char* insert,
                        int gridRow, int gridColumn, bool realOnly = false) {
    return {name, caption, hint,    kInsert, insert,     0,
            "",   "",      kDigits, gridRow, gridColumn, realOnly};
}

constexpr KeypadKey Var(const char* name, const char* caption, int slot, const char* alt,
                        int column) {
    return {name, caption, "", kVariable, "", slot, "", alt, kVariables, 0, column, false};
}

// clang-format off
constexpr auto kKeys = std::to_array<KeypadKey>({
    // Function buttons.
    Fn("sbSin", "sin", "Sine of (...)", kFnSin, "S", "", 0, 0),
    Fn("sbCos", "cos", "Cosine of (...)", kFnCos, "C", "", 0, 1),
    Fn("sbTan", "tan", "Tangent of (...)", kFnTan, "T", "", 0, 2),
    Fn("sbASin", "asin", "Arc sine of (...)", kFnArcSin, "A", "", 0, 3),
    Fn("sbACos", "acos", "Arc cosine of (...)", kFnArcCos, "O", "", 0, 4),
    Fn("sbATan", "atan", "Arc tangent of (...)", kFnArcTan, "N", "", 0, 5),
    Fn("sbSinh", "sinh", "Hyperbolic sine of (..)", kFnSinh, "", "S", 1, 0),
    Fn("sbCosh", "cosh", "Hyperbolic cosine of (..)", kFnCosh, "", "C", 1, 1),
    Fn("sbTanh", "tanh", "Hyperbolic tangent of (..)", kFnTanh, "", "T", 1, 2),
    Fn("sbASinh", "asnh", "Inverse hyperbolic sine of (..)", kFnArcSinh, "", "A", 1, 3),
    Fn("sbACosh", "acsh", "Inverse hyperbolic cosine of (..)", kFnArcCosh, "", "H", 1, 4),
    Fn("sbATanh", "atnh", "Inverse hyperbolic tangent of (..)", kFnArcTanh, "", "", 1, 5),
    Fn("sbLog", "log", "Logarithm (..)", kFnLog, "G", "", 2, 0),
    Fn("sbLn", "ln", "Natural logarithm (..)", kFnLn, "L", "", 2, 1),
    Fn("sbExp", "exp", "Exponent", kFnExp, "", "E", 2, 2),
    Fn("sbTenPower", "10\u00AA", "10 to the power of (..)", kFnTenPower, "1", "", 2, 3, true),
    Fn("sbSqr", "a\u00B2", "square of a number", kFnSqr, "", "Q", 2, 4),
    Fn("sbSqrt", "\u221A", "Positive square root of (..)", kFnSqrt, "Q", "", 2, 5),
    Fn("sbGamma", "\u0393", "Gamma function at (..)", kFnGamma, "", "G", 3, 0),
    Fn("sbSi", "Si", "Integral Sine of (..)", kFnSi, "", "", 3, 1, true),
    Fn("sbCi", "Ci", "Integral Cosine of (..)", kFnCi, "", "", 3, 2, true),
    Fn("sbSolve", "solv", "Solve equation of f(X) = 0", kFnSolve, "", "O", 3, 3, true),
    Fn("sbErf", "erf", "Error function with normal distribution", kFnErf, "FR", "", 3, 4, true),
    Fn("sbIntegral", "\u222B", "Numerical Integration of f(x)", kFnIntegral, "4", "", 3, 5, true),
    Fn("sbIn", "In", "Modified Bessel function of the first kind In(order, x)", kFnIn, "I", "", 4,
       0, true),
    Fn("sbYn", "Yn", "Bessel function of the second kind Yn(order, x)", kFnYn, "Y", "", 4, 1,
       true),
    Fn("sbJn", "Jn", "Bessel function of the first kind Jn(order, x)", kFnJn, "J", "", 4, 2, true),
    Fn("sbKn", "Kn", "Modified Bessel function of the second kind Kn(order, x)", kFnKn, "K", "", 4,
       3, true),
    Fn("sbFactorial", "n!", "Factarial of (..)", kFnFactorial, "", "", 4, 4, true),
    Fn("sbFermiDirac", "eFD", "Fermi - Dirak function", kFnFermiDirac, "", "", 4, 5, true),
    Fn("sbMin", "min", "Absolute Minimum search of (..)", kFnMin, "", "", 5, 0, true),
    Fn("sbMax", "max", "Absolute Maximum search of (..)", kFnMax, "", "", 5, 1, true),
    Fn("sbRandom", "rand", "Random number 0..1.0", kFnRandom, "", "R", 5, 2),
    Fn("sbAbs", "abs", "Absolute value of (..)", kFnAbs, "", "", 5, 3),
    Fn("sbRound", "round", "Round of (...)", kFnRound, "", "", 5, 4, true),
    Fn("sbFrac", "frac", "Fractional part of(...)", kFnFrac, "", "", 5, 5, true),
    Fn("sbMean", "mean", "Mean value of a list (..,..,..)", kFnMean, "M", "", 6, 0, true),
    Fn("sbStd", "std", "Standard deviation of a list (..,..,..)", kFnStd, "D", "", 6, 1, true),
    Fn("sbStat", "stat", "Statistics of a list: stat(n, ..,..,..)", kFnStat, "", "", 6, 2, true),
    Fn("sbSum", "sum", "Sum of a list (..,..,..)", kFnSum, "", "", 6, 3, true),
    Fn("sbGauss", "gauss", "Gauss distribution gauss(x, sigma)", kFnGauss, "", "", 6, 4, true),
    Fn("sbPoly", "poly", "Polynomial poly(Variable, a0, a1,..,aN)", kFnPoly, "", "", 6, 5, true),

    // Digits and operators.
    Pad("sb7", "7", "", "7", 0, 0),
    Pad("sb8", "8", "", "8", 0, 1),
    Pad("sb9", "9", "", "9", 0, 2),
    Pad("sbDivide", "/", "", "/", 0, 3),
    Pad("sbAnd", "and", "Logical AND", "&", 0, 4, true),
    Pad("sb4", "4", "", "4", 1, 0),
    Pad("sb5", "5", "", "5", 1, 1),
    Pad("sb6", "6", "", "6", 1, 2),
    Pad("sbMultiply", "*", "Multiply", "*", 1, 3),
    Pad("sbOr", "or", "Logical OR", "|", 1, 4, true),
    Pad("sb1", "1", "", "1", 2, 0),
    Pad("sb2", "2", "", "2", 2, 1),
    Pad("sb3", "3", "", "3", 2, 2),
    Pad("sbMinus", "-", "", "-", 2, 3),
    Pad("sbXor", "xor", "Logical XOR", "\\", 2, 4, true),
    Pad("sb0", "0", "", "0", 3, 0),
    Pad("sbPoint", ".", "", ".", 3, 1),
    {"sbEQ", "=", "", kEvaluate, "", 0, "", "", kDigits, 3, 2, false},
    Pad("sbPlus", "+", "", "+", 3, 3),
    Pad("sbPower", "^", "Power", "^", 3, 4),
    Pad("sbPerCent", "%", "Per cent", "%", 4, 0, true),
    Pad("sbLastResult", "?", "Last Result", "?", 4, 1),
    Pad("sbSquared", "\u00B2", "Squared", "\xB2", 4, 2),
    Pad("sbCubed", "\u00B3", "Cubed", "\xB3", 4, 3),
    Pad("sbRoot", "\u00BD", "Square root", "\xBD", 4, 4),
    Pad("sbLoop", "Loop", "for J to K step M do()", "for J to K step M do(?)", 5, 0, true),

    // Variable buttons.
    Var("sbVarX", "X", kSlotX, "X", 0),
    Var("sbVarY", "Y", kSlotY, "Y", 1),
    Var("sbVarZ", "Z", kSlotZ, "Z", 2),
    Var("sbVarV", "V", kSlotV, "V", 3),
    Var("sbVarW", " W ", kSlotW, "W", 4),
    Var("sbVarI", "I", kSlotI, "I", 5),
    Var("sbVarJ", "J", kSlotJ, "J", 6),
    Var("sbVarK", "K", kSlotK, "K", 7),
    Var("sbVarM", "M", kSlotM, "M", 8),
    Var("sbVarN", "N", kSlotN, "N", 9),

    // Shortcuts without a button: the constant e and the pi sign.
    {"", "", "", kInsert, "e", 0, "E", "", kNone, 0, 0, false},
    {"", "", "", kInsert, "\xB6", 0, "P", "", kNone, 0, 0, false},
});
// clang-format on

}  // namespace

std::span<const KeypadKey> KeypadKeys() {
    return kKeys;
}

const KeypadKey* FindShortcut(char key, bool alt) {
    if (key == '\0') {
        return nullptr;
    }
    for (const KeypadKey& entry : kKeys) {
        if (std::strchr(alt ? entry.altKeys : entry.ctrlKeys, key) != nullptr) {
            return &entry;
        }
    }
    return nullptr;
}

const KeypadKey* FindKey(const char* objectName) {
    for (const KeypadKey& entry : kKeys) {
        if (std::strcmp(entry.objectName, objectName) == 0) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace kalvo
