// The complex name table: numbering shared with the real table, the live names, the
// placeholders and the help texts the assistant shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "complex/complex_function_table.h"

namespace kalvo {
namespace {

TEST(ComplexFunctionTableTest, LiveEntriesKeepTheRealNumbering) {
    struct Row {
        int code;
        const char* name;
        int arguments;
    };
    const std::vector<Row> rows = {
        {1, "sin(", 1},      {2, "arcsin(", 1},   {3, "arccos(", 1}, {4, "arctan(", 1},
        {5, "arcsinh(", 1},  {6, "arccosh(", 1},  {7, "arctanh(", 1}, {8, "sinh(", 1},
        {9, "cosh(", 1},     {10, "tanh(", 1},    {11, "random", 0}, {12, "cos(", 1},
        {13, "tan(", 1},     {14, "exp(", 1},     {15, "sqrt(", 1},  {16, "ln(", 1},
        {17, "comp(", 2},    {26, "LnGamma(", 1}, {28, "\xB6", 0},   {29, "pi", 0},
        {30, "e", 0},        {33, "abs(", 1},     {40, "sqr(", 1},   {67, "x", 0},
        {76, "n", 0},        {77, "X", 0},        {86, "N", 0},
    };
    const auto& table = ComplexFunctionTable();
    const auto& real = RealFunctionTable();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const FunctionEntry& entry = table[static_cast<std::size_t>(row.code)];
        EXPECT_EQ(entry.name, row.name);
        EXPECT_EQ(entry.argumentCount, row.arguments);
        EXPECT_EQ(ComplexRowNames()[static_cast<std::size_t>(row.code)], row.name);
        // Outside comp( and LnGamma( the live names are those of the real table.
        if (row.code != kCxFnComp && row.code != kCxFnLnGamma) {
            EXPECT_EQ(real[static_cast<std::size_t>(row.code)].name, row.name);
        }
    }
    int placeholders = 0;
    for (const FunctionEntry& entry : table) {
        if (entry.name.front() == '_') {
            ++placeholders;
            EXPECT_TRUE(entry.name == "___(" || entry.name == "____(") << entry.name;
        }
    }
    EXPECT_EQ(placeholders, kFunctionCount - static_cast<int>(rows.size()) - 16);
}

TEST(ComplexFunctionTableTest, Lookup) {
    struct Row {
        const char* body;
        char terminator;
        int code;
    };
    const std::vector<Row> rows = {
        {"comp", '(', 17},   {"sinh", '(', 8},   {"sin", '(', 1},     {"LnGamma", '(', 26},
        {"pi", '+', 29},     {"pi", '(', 29},    {"e", '\x7F', 30},   {"\xB6", '*', 28},
        {"random", ')', 11}, {"X", '^', 77},     {"x", '+', 67},      {"log", '(', -1},
        {"gamma", '(', -1},  {"sin", '+', -1},   {"comp", ')', -1},   {"___", '(', -1},
        {"____", '(', -1},   {"lngamma", '(', -1}, {"L", '+', -1},    {"U", '+', -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.body) + row.terminator);
        EXPECT_EQ(LookupComplexName(row.body, row.terminator), row.code);
    }
}

TEST(ComplexFunctionTableTest, HelpTexts) {
    struct Row {
        int code;
        const char* text;
    };
    const std::vector<Row> rows = {
        {0, ""},
        {1, "Complex Sine of (%A)"},
        {6, "Complex Invers haperbolic cosine of (..)"},
        {9, "Complex Hiperbolic cosine of ()"},
        {11, " 0.0 <= Random number <= 1.0"},
        {15, "Complex square root of (..)"},
        {16, "Complex logarithm ()"},
        {17, "Complex number of (..)"},
        {18, ""},
        {26, "Logarithm Gamma of (..)"},
        {28, "ratio of a circle's circumference to its diameter"},
        {30, "natural logarithm \" e \""},
        {33, "Absolute value"},
        {40, "Complex Squared of (..)"},
        {41, ""},
        {66, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.code);
        EXPECT_EQ(ComplexHelpTable()[static_cast<std::size_t>(row.code)], row.text);
    }
}

}  // namespace
}  // namespace kalvo
