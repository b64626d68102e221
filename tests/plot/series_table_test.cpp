#include <gtest/gtest.h>

#include "plot/series_table.h"

namespace kalvo {
namespace {

TEST(SeriesTable, WhatIsWrittenReadsBackInBothSeparators) {
    const std::vector<SeriesData> series = {
        {"f(sin(X))", {-1, 0, 1.5}, {-0.8414709848, 0, 0.99749498660405}},
        {"f(X^2, Y)", {0, 2}, {0, 4e20}},
        // Separators of the other format in a name must not decide how a line splits.
        {"sum(X;1)\tb", {3}, {4}},
        {"\"q\";r,s", {5}, {6}},
    };
    for (char separator : {',', '\t'}) {
        SCOPED_TRACE(separator == ',' ? "CSV" : "tab");
        const std::string text = FormatSeriesTable(series, separator);
        const SeriesTableRead read = ReadSeriesTable(text);
        ASSERT_EQ(read.error, "");
        EXPECT_EQ(read.series, series);
    }
}

TEST(SeriesTable, QuotesNamesThatHoldTheSeparator) {
    const std::string text = FormatSeriesTable({{"a,\"b\"", {1}, {2}}}, ',');
    EXPECT_EQ(text.substr(0, text.find('\r')), "\"a,\"\"b\"\" x\",\"a,\"\"b\"\" y\"");
}

TEST(SeriesTable, ReadsPastedColumns) {
    struct Row {
        const char* name;
        const char* text;
        std::vector<SeriesData> expected;
    };
    const Row rows[] = {
        {"blank separated, no header", "1 2\n3 4\n", {{"Series 1", {1, 3}, {2, 4}}}},
        {"header names the pairs",
         "t x\tv y\tw\tz\r\n1\t2\t3\t4\r\n",
         {{"t", {1}, {2}}, {"w", {3}, {4}}}},
        {"a single column is y over the row", "5\n7\n", {{"Series 1", {1, 2}, {5, 7}}}},
        {"empty cells skip a point",
         "1;2;;\n3;4;5;6\n",
         {{"Series 1", {1, 3}, {2, 4}}, {"Series 2", {5}, {6}}}},
        {"CR line ends and blank lines", "1,2\r\r3,+4e1\r", {{"Series 1", {1, 3}, {2, 40}}}},
        {"separators inside quotes are text",
         "\"a;b\tc x\", \"a;b\tc y\"\n1,2\n",
         {{"a;b\tc", {1}, {2}}}},
        {"a quote inside a cell opens nothing", "p\"q;r\", s\n1;2\n", {{"p\"q", {1}, {2}}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const SeriesTableRead read = ReadSeriesTable(row.text);
        EXPECT_EQ(read.error, "");
        EXPECT_EQ(read.series, row.expected);
    }
}

std::string TooManyColumns() {
    std::string line;
    for (int i = 0; i < 600; ++i) {
        line += "1,";
    }
    return line + "1\n";
}

TEST(SeriesTable, RefusesWhatIsNotATableOfNumbers) {
    struct Row {
        const char* name;
        std::string text;
        const char* error;
    };
    const Row rows[] = {
        {"empty", "", "There are no data to import"},
        {"only a header", "x,y\n", "There are no data to import"},
        {"a word in the data", "x,y\n1,2\n3,abc\n", "Line 3: \"abc\" is not a number"},
        {"infinity is no number", "1,2\n3,inf\n", "Line 2: \"inf\" is not a number"},
        {"too many columns", TooManyColumns(), "The data have more than 512 columns"},
        {"too large", std::string(kMaxSeriesTableBytes + 1, '1'),
         "The data is too large to import"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const SeriesTableRead read = ReadSeriesTable(row.text);
        EXPECT_EQ(read.error, row.error);
        EXPECT_TRUE(read.series.empty());
    }
}

}  // namespace
}  // namespace kalvo
