#include "engine/function_table.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace kalvo {

namespace {

// clang-format off
constexpr std::array<FunctionEntry, kFunctionCount> kTable = {{
    {"min(", 3},      {"sin(", 1},      {"arcsin(", 1},   {"arccos(", 1},   {"arctan(", 1},
    {"arcsinh(", 1},  {"arccosh(", 1},  {"arctanh(", 1},  {"sinh(", 1},     {"cosh(", 1},
    {"tanh(", 1},     {"random", 0},    {"cos(", 1},      {"tan(", 1},      {"exp(", 1},
    {"sqrt(", 1},     {"ln(", 1},       {"log(", 1},      {"Jn(", 2},       {"Yn(", 2},
    {"In(", 2},       {"Kn(", 2},       {"solve(", 3},    {"Ci(", 1},       {"Si(", 1},
    {"erf(", 1},      {"gamma(", 1},    {"integral(", 3}, {"\xB6", 0},      {"pi", 0},
    {"e", 0},         {"n!(", 1},       {"eFD(", 2},      {"abs(", 1},      {"round(", 1},
    {"frac(", 1},     {"trunc(", 1},    {"max(", 3},      {"mean(", 1},     {"std(", 1},
    {"sqr(", 1},      {"sum(", 1},      {"gauss(", 2},    {"poly(", 1},     {"stat(", 2},
    {"ft_m(", 1},     {"m_ft(", 1},     {"ml_km(", 1},    {"km_ml(", 1},    {"lb_g(", 1},
    {"g_lb(", 1},     {"pt_l(", 1},     {"l_pt(", 1},     {"gl_l(", 1},     {"l_gl(", 1},
    {"yd_m(", 1},     {"m_yd(", 1},     {"in_m(", 1},     {"m_in(", 1},     {"oc_g(", 1},
    {"g_oc(", 1},     {"br_l(", 1},     {"br_oc(", 1},    {"usgl_cm(", 1},  {"cm_usgl(", 1},
    {"bigl_cm(", 1},  {"cm_bigl(", 1},
    {"x", 0}, {"y", 0}, {"z", 0}, {"v", 0}, {"w", 0}, {"i", 0}, {"j", 0}, {"k", 0}, {"m", 0},
    {"n", 0},
    {"X", 0}, {"Y", 0}, {"Z", 0}, {"V", 0}, {"W", 0}, {"I", 0}, {"J", 0}, {"K", 0}, {"M", 0},
    {"N", 0},
    {"10^(", 1},
}};
// clang-format on

constexpr std::array<std::string_view, kHelpRowCount> kHelp = {
    "Absolute minimum search of (..)",
    "Sine of (%A)",
    "Arc sine of (-1<=Value<=1)",
    "Arc cosine (-1<=Value<=1)",
    "Arc tangent of (..)",
    "Inverse hiperbolic sine (..)",
    "Invers haperbolic cosine of (..)",
    "Invert hiperbolic tangent of (..)",
    "Hiperbolic sine of (..)",
    " Hiperbolic cosine of ()",
    "Hiperbolic tangent of (..)",
    " 0.0 <= Random number <= 1.0",
    "Cosine of (%A)",
    "Tangent of (%A)",
    "Exponent",
    "Positive square root of (..)",
    "Natural logarithm ()",
    "Logarithm of (..)",
    "Bessel function of the first kind J (..th,of ..)",
    "Bessel function of the second kind Y (..th, of ..)",
    "Modified Bessel function first kind I (..th,of ..)",
    "Modified Bessel function of the second kind K (..th, of ..)",
    "Solve equation of f(x)=0. Syntax: solve(Low, Up, equation f(x))",
    "Integral Cosine of (..)",
    "Integral Sine of (..)",
    "Error function with normal distribution",
    "Euler gamma function of (..)",
    "Numerical Integration of f(x). Syntax: Integral(Low, Up, f(x))",
    "ratio of a circle's circumference to its diameter",
    "ratio of a circle's circumference to its diameter",
    "natural logarithm \" e \"",
    "Factarial of (..)",
    "Fermi-Dirak function(..th, of..)",
    "Absolute value",
    "Round upward",
    "Fractional part of (..)",
    "Integer part of (..)",
    "Absolute maximum search of (..)",
    "Mean value from array (x1,x2,..xN)",
    "Standard deviation from array (x1,x2,..xN)",
    "Squared of (..)",
    "Sum of the elements from  array (x1,x2,..xN)",
    "Random numbers with Gaussian  distribution (Mean, StdDiv)",
    "Evaluates a uniform polynomial of one variable ( Variable, a0, a1,..,aN) ",
    "Statistical variance from array (x1,x2,..xN)",
    "Convert from feet to meters",
    "Convert from meters to feet",
    "Convert from miles to kilometers",
    "Convert from kilometers to miles",
    "Convert from pounds to grams",
    "Convert from grams to pounds",
    "Convert from pints to liters",
    "Convert from liters to pints",
    "Convert from gallons to liters",
    "Convert from liters to gallons",
    "Convert from yards to meters",
    "Convert from meters to yards",
    "Convert from inches to meters",
    "Convert from meters to inches",
    "Convert from ounces to grams",
    "Convert from grams to ounces",
    "Convert from barrels to liters",
    "Convert from liters to barrels",
    "Convert from US gallons to cubic meters",
    "Convert from cubic meters to US gallons",
    "Convert from British imperial gallons to cubic meters",
    "Convert from cubic meters to British imperial gallons",
};

// clang-format off
constexpr std::array<long double, 22> kConversionFactors = {
    0.304800000001L,   3.280839895L,     1.60934700009L,  0.6213700339L,     453.592370001L,
    0.00220462262184L, 0.4731625L,       2.11343882916L,  3.7853L,           0.264179853644L,
    0.914400000282L,   1.093613298L,     0.0254000000001L, 39.37007874L,     28.3495231251L,
    0.0352739619495L,  123.02225L,       0.00812861088137L, 0.00378541086L,  264.172116841L,
    0.0045460981852L,  219.968852247L,
};
// clang-format on

// Names packed into 16 bytes, so that comparing two names is two integer comparisons.
constexpr std::size_t kMaxNameLength = 15;

struct PackedName {
    std::uint64_t low = 0;
    std::uint64_t high = 0;
    bool operator==(const PackedName&) const = default;
};

// Packs text + terminator (the terminator is left out when it is '\0').
PackedName Pack(std::string_view text, char terminator) {
    unsigned char bytes[16] = {};
    std::memcpy(bytes, text.data(), text.size());
    if (terminator != '\0') {
        bytes[text.size()] = static_cast<unsigned char>(terminator);
    }
    PackedName packed;
    std::memcpy(&packed.low, bytes, 8);
    std::memcpy(&packed.high, bytes + 8, 8);
    return packed;
}

// Entries bucketed by the first character and the length of their name, in table order,
// so that a lookup compares one or two packed names.
struct LookupIndex {
    struct Entry {
        PackedName name;
        int id;
    };
    std::array<std::array<std::vector<Entry>, kMaxNameLength + 1>, 256> buckets;

    LookupIndex() {
        for (int id = 0; id < kFunctionCount; ++id) {
            std::string_view name = kTable[static_cast<std::size_t>(id)].name;
            buckets[static_cast<unsigned char>(name[0])][name.size()].push_back(
                {Pack(name, '\0'), id});
        }
    }
};

const LookupIndex& Index() {
    static const LookupIndex index;
    return index;
}

}  // namespace

const std::array<FunctionEntry, kFunctionCount>& RealFunctionTable() {
    return kTable;
}

const std::array<std::string_view, kHelpRowCount>& RealHelpTable() {
    return kHelp;
}

int LookupBuiltin(std::string_view body, char terminator) {
    if (body.empty() || body.size() >= kMaxNameLength) {
        return -1;
    }
    // Entries with arguments end in "(", so the whole name matches only them; the others
    // hold no "(" and match the name without its terminator. The later entry wins.
    const auto& byLength = Index().buckets[static_cast<unsigned char>(body[0])];
    int found = -1;
    if (terminator == '(') {
        const PackedName withArguments = Pack(body, '(');
        for (const LookupIndex::Entry& entry : byLength[body.size() + 1]) {
            if (entry.name == withArguments) {
                found = entry.id;
            }
        }
        // No name is both an entry with arguments and, without its "(", one without.
        if (found >= 0) {
            return found;
        }
    }
    const PackedName plain = Pack(body, '\0');
    for (const LookupIndex::Entry& entry : byLength[body.size()]) {
        if (entry.name == plain) {
            found = std::max(found, entry.id);
        }
    }
    return found;
}

long double ConversionFactor(int id) {
    return kConversionFactors[static_cast<std::size_t>(id - kFnFirstConversion)];
}

}  // namespace kalvo
