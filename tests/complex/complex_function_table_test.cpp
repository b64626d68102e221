// The complex name table: numbering shared with the real table, placeholders that no
// input matches, and the lookup of scanned names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "complex/complex_function_table.h"

namespace kalvo {
namespace {

TEST(ComplexFunctionTableTest, SharesTheRealNumbering) {
    const auto& table = ComplexFunctionTable();
    const auto& real = RealFunctionTable();
    int live = 0;
    for (int code = 0; code < kFunctionCount; ++code) {
        SCOPED_TRACE(code);
        const FunctionEntry& entry = table[static_cast<std::size_t>(code)];
        if (entry.name.front() == '_') {
            EXPECT_TRUE(entry.name == "___(" || entry.name == "____(") << entry.name;
            continue;
        }
        ++live;
        if (code == kCxFnComp) {
            EXPECT_EQ(entry.name, "comp(");
            EXPECT_EQ(entry.argumentCount, 2);
        } else if (code == kCxFnLnGamma) {
            EXPECT_EQ(entry.name, "LnGamma(");
        } else {
            EXPECT_EQ(entry.name, real[static_cast<std::size_t>(code)].name);
            EXPECT_EQ(entry.argumentCount, real[static_cast<std::size_t>(code)].argumentCount);
        }
        // The assistant's help row of a live function is never empty.
        if (code < kHelpRowCount) {
            EXPECT_FALSE(ComplexHelpTable()[static_cast<std::size_t>(code)].empty());
        }
    }
    // Codes 1-17, 26, 28, 29, 30, 33, 40 and the 20 variable letters.
    EXPECT_EQ(live, 43);
}

TEST(ComplexFunctionTableTest, Lookup) {
    struct Row {
        const char* body;
        char terminator;
        int code;
    };
    const std::vector<Row> rows = {
        {"comp", '(', 17},   {"sinh", '(', 8},     {"sin", '(', 1},   {"LnGamma", '(', 26},
        {"pi", '+', 29},     {"pi", '(', 29},      {"e", '\x7F', 30}, {"\xB6", '*', 28},
        {"random", ')', 11}, {"X", '^', 77},       {"x", '+', 67},    {"log", '(', -1},
        {"gamma", '(', -1},  {"sin", '+', -1},     {"comp", ')', -1}, {"___", '(', -1},
        {"____", '(', -1},   {"lngamma", '(', -1}, {"L", '+', -1},    {"U", '+', -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.body) + row.terminator);
        EXPECT_EQ(LookupComplexName(row.body, row.terminator), row.code);
    }
}

}  // namespace
}  // namespace kalvo
