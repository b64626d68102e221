// The matrix text reader (paste and files), the clipboard text and the saved file.
#include "matrix/matrix_text.h"

#include <gtest/gtest.h>

#include <string>

namespace kalvo {
namespace {

TEST(ReadMatrixText, SeparatorsAndLineEnds) {
    const CellTexts twoByTwo = {{"1", "2"}, {"3", "4"}};
    struct Row {
        const char* name;
        std::string text;
        CellTexts expected;
    } rows[] = {
        {"blanks, LF", "1 2\n3 4\n", twoByTwo},
        {"commas, CR LF", "1,2\r\n3,4\r\n", twoByTwo},
        {"tabs, CR", "1\t2\r3\t4\r", twoByTwo},
        {"no line end after the last line", "1 2\n3 4", twoByTwo},
        {"runs of blanks and indentation", "   1    2  \n  3 4", twoByTwo},
        {"empty and blank lines are skipped", "\n\n1 2\r\n   \r\n\r3 4\n\n", twoByTwo},
        {"comma and blank", "1, 2\n3 ,4", twoByTwo},
        {"repeated commas", "1,,2\n3,4", twoByTwo},
        {"a separator at the end opens no field", "1,2,\n3\t4\t", twoByTwo},
        {"tabs keep expressions whole", "max(1,2)\tpi / 2\n", {{"max(1,2)", "pi / 2"}}},
        {"commas inside parentheses do not split",
         "max(1,2) 3\nmin(4,5), 6",
         {{"max(1,2)", "3"}, {"min(4,5)", "6"}}},
        {"a line with a tab splits only at tabs", "1, 2\t3 4", {{"1, 2", "3 4"}}},
        {"two tabs enclose an empty field", "1\t\t3\n\t5", {{"1", "", "3"}, {"", "5"}}},
        {"blanks around tab fields go", " 1 \t 2 ", {{"1", "2"}}},
        {"one field", "sqrt(2)", {{"sqrt(2)"}}},
        {"rows may differ in length", "1 2 3\n4", {{"1", "2", "3"}, {"4"}}},
        {"nothing", "", {}},
        {"only line ends", "\r\n\n\r", {}},
        {"lines of commas only are skipped", "1,2\n,\n , ,\n3,4", twoByTwo},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const MatrixTextResult result = ReadMatrixText(row.text);
        ASSERT_TRUE(result.ok) << result.error;
        EXPECT_EQ(result.rows, row.expected);
    }
}

TEST(ReadMatrixText, RefusesTextBeyondTheLimits) {
    std::string hundredRows;
    std::string hundredFields;
    for (int i = 0; i < 100; ++i) {
        hundredRows += "1\n";
        hundredFields += "1 ";
    }
    EXPECT_TRUE(ReadMatrixText(hundredRows).ok);
    EXPECT_TRUE(ReadMatrixText(hundredFields).ok);
    struct Row {
        const char* name;
        std::string text;
        MatrixTextLimits limits;
        const char* error;
    } rows[] = {
        {"101 rows", hundredRows + "1", {}, "more than 100 rows"},
        {"101 fields", "0\n" + hundredFields + "1", {}, "row 2 has more than 100 fields"},
        {"bytes", "12345678901", {100, 100, 10}, "more than 10 bytes"},
        {"own row limit", "1\n2\n3", {2, 100, 100}, "more than 2 rows"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const MatrixTextResult result = ReadMatrixText(row.text, row.limits);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.error, row.error);
        EXPECT_TRUE(result.rows.empty());
    }
}

TEST(ReadMatrixText, LongLinesStayLinear) {
    // 200,000 blank-separated fields: a quadratic split would take minutes.
    std::string line;
    for (int i = 0; i < 200000; ++i) {
        line += "7 ";
    }
    const MatrixTextResult result = ReadMatrixText(line, {1, 300000, 1u << 20});
    ASSERT_TRUE(result.ok);
    ASSERT_EQ(result.rows.size(), 1u);
    EXPECT_EQ(result.rows[0].size(), 200000u);
}

TEST(ClipboardText, TabsAndCrLfReadBackAsTheSameGrid) {
    const CellTexts cells = {{"1", "max(1,2)", ""}, {"pi / 2", "-3", "1e-5"}};
    const std::string text = ClipboardText(cells);
    EXPECT_EQ(text.substr(0, text.find('\r')), "1\tmax(1,2)\t\t");
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(text.find("\n"), text.find("\r\n") + 1) << "every line ends in CR LF";
    const MatrixTextResult back = ReadMatrixText(text);
    ASSERT_TRUE(back.ok);
    EXPECT_EQ(back.rows, cells);
}

TEST(ClipboardText, RowsThatATabMustCloseReadBackTheSame) {
    const struct {
        const char* name;
        CellTexts cells;
        const char* firstLine;
    } rows[] = {
        {"empty last cell", {{"1$", ""}, {"3"}}, "1$\t\t"},
        {"empty cells only", {{"", ""}}, "\t\t"},
        {"lone empty cell", {{""}, {"2"}}, "\t"},
        {"lone cell with a comma", {{"1,2"}}, "1,2\t"},
        {"lone cell with a blank", {{"pi / 2"}}, "pi / 2\t"},
        {"lone plain cell", {{"5"}}, "5"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string text = ClipboardText(row.cells);
        EXPECT_EQ(text.substr(0, text.find('\r')), row.firstLine);
        const MatrixTextResult back = ReadMatrixText(text);
        ASSERT_TRUE(back.ok);
        EXPECT_EQ(back.rows, row.cells);
    }
}

TEST(ClipboardText, LineBreaksInsideACellBecomeBlanks) {
    EXPECT_EQ(ClipboardText({{"1\t2", "3\r\n4"}}), "1 2\t3  4\r\n");
}

TEST(MatrixFileText, ColumnsAsLines) {
    // A 2 × 3 matrix: three value lines of two values each.
    const CellTexts a = {{"1", "2", "3"}, {"4", "5", "sin(6)"}};
    const CellTexts c = {{"0.5"}};
    const std::string text = MatrixFileText("inverse(A)=C", {{"A", &a}, {"C", &c}});
    EXPECT_EQ(text,
              "inverse(A)=C\r\n"
              "Matrix A\r\n"
              "1,4\r\n"
              "2,5\r\n"
              "3,sin(6)\r\n"
              "Matrix C\r\n"
              "0.5\r\n");
}

}  // namespace
}  // namespace kalvo
