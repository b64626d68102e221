#include "complex/complex_function_table.h"

namespace kalvo {

namespace {

constexpr std::string_view kNone = "___(";

// clang-format off
constexpr std::array<FunctionEntry, kFunctionCount> kTable = {{
    {kNone, 1},       {"sin(", 1},      {"arcsin(", 1},   {"arccos(", 1},   {"arctan(", 1},
    {"arcsinh(", 1},  {"arccosh(", 1},  {"arctanh(", 1},  {"sinh(", 1},     {"cosh(", 1},
    {"tanh(", 1},     {"random", 0},    {"cos(", 1},      {"tan(", 1},      {"exp(", 1},
    {"sqrt(", 1},     {"ln(", 1},       {"comp(", 2},     {kNone, 1},       {kNone, 1},
    {kNone, 1},       {kNone, 1},       {kNone, 1},       {kNone, 1},       {kNone, 1},
    {kNone, 1},       {"LnGamma(", 1},  {kNone, 1},       {"\xB6", 0},      {"pi", 0},
    {"e", 0},         {kNone, 1},       {kNone, 1},       {"abs(", 1},      {kNone, 1},
    {kNone, 1},       {kNone, 1},       {kNone, 1},       {kNone, 1},       {kNone, 1},
    {"sqr(", 1},      {kNone, 1},       {kNone, 1},       {kNone, 1},       {kNone, 1},
    {kNone, 1},       {kNone, 1},       {kNone, 1},       {kNone, 1},       {kNone, 1},
    {kNone, 1},       {kNone, 1},       {kNone, 1},       {kNone, 1},       {kNone, 1},
    {kNone, 1},       {kNone, 1},       {kNone, 1},       {kNone, 1},       {kNone, 1},
    {kNone, 1},       {kNone, 1},       {kNone, 1},       {kNone, 1},       {kNone, 1},
    {kNone, 1},       {kNone, 1},
    {"x", 0}, {"y", 0}, {"z", 0}, {"v", 0}, {"w", 0}, {"i", 0}, {"j", 0}, {"k", 0}, {"m", 0},
    {"n", 0},
    {"X", 0}, {"Y", 0}, {"Z", 0}, {"V", 0}, {"W", 0}, {"I", 0}, {"J", 0}, {"K", 0}, {"M", 0},
    {"N", 0},
    {"____(", 1},
}};
// clang-format on

constexpr std::array<std::string_view, kHelpRowCount> kHelp = {
    "",
    "Complex Sine of (%A)",
    "Complex Arc sine of (-1<=Value<=1)",
    "Complex Arc cosine (-1<=Value<=1)",
    "Complex Arc tangent of (..)",
    "Complex Inverse hiperbolic sine (..)",
    "Complex Invers haperbolic cosine of (..)",
    "Complex Invert hiperbolic tangent of (..)",
    "Complex Hiperbolic sine of (..)",
    "Complex Hiperbolic cosine of ()",
    "Complex Hiperbolic tangent of (..)",
    " 0.0 <= Random number <= 1.0",
    "Complex Cosine of (%A)",
    "Complex Tangent of (%A)",
    "Complex Exponent",
    "Complex square root of (..)",
    "Complex logarithm ()",
    "Complex number of (..)",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "Logarithm Gamma of (..)",
    "",
    "ratio of a circle's circumference to its diameter",
    "ratio of a circle's circumference to its diameter",
    "natural logarithm \" e \"",
    "",
    "",
    "Absolute value",
    "",
    "",
    "",
    "",
    "",
    "",
    "Complex Squared of (..)",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
};

constexpr std::array<std::string_view, kFunctionCount> MakeRowNames() {
    std::array<std::string_view, kFunctionCount> names{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = kTable[i].name;
    }
    return names;
}

constexpr std::array<std::string_view, kFunctionCount> kRowNames = MakeRowNames();

}  // namespace

const std::array<FunctionEntry, kFunctionCount>& ComplexFunctionTable() {
    return kTable;
}

const std::array<std::string_view, kHelpRowCount>& ComplexHelpTable() {
    return kHelp;
}

const std::array<std::string_view, kFunctionCount>& ComplexRowNames() {
    return kRowNames;
}

int LookupComplexName(std::string_view body, char terminator) {
    // A linear scan: there are only a few live names. Placeholders must never match, even
    // if a caller passes a body made of underscores.
    for (int code = 0; code < kFunctionCount; ++code) {
        const FunctionEntry& entry = kTable[static_cast<std::size_t>(code)];
        if (entry.name.front() == '_') {
            continue;
        }
        if (entry.argumentCount == 0) {
            if (body == entry.name) {
                return code;
            }
        } else if (terminator == '(' && entry.name.size() == body.size() + 1 &&
                   entry.name.substr(0, body.size()) == body) {
            return code;
        }
    }
    return -1;
}

}  // namespace kalvo
