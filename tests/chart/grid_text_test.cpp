// Reading a grid from text: layout, separators, line ends, and every malformed case.
#include "chart/grid_text.h"

#include <gtest/gtest.h>

#include <string>

#include "plot/plot_setup.h"

namespace kalvo {
namespace {

TEST(GridText, ReadsTheLayout) {
    struct Row {
        const char* name;
        std::string text;
        std::vector<double> x, y, z;
    };
    const Row rows[] = {
        {"blanks and LF", "0 1 2\n10 20\n1 2\n3 4\n5 6\n", {0, 1, 2}, {10, 20}, {1, 2, 3, 4, 5, 6}},
        {"commas and CR LF",
         "0,1\r\n-1,0,1\r\n1,2,3\r\n4,5,6",
         {0, 1},
         {-1, 0, 1},
         {1, 2, 3, 4, 5, 6}},
        {"tabs and CR", "0\t1\r5\t6\r7\t8\r9\t10\r", {0, 1}, {5, 6}, {7, 8, 9, 10}},
        {"runs of separators, leading and trailing",
         " 0 ,\t1 \n 2,  3,\n-1e1, 2.5E-1\n.5 ,+7\n",
         {0, 1},
         {2, 3},
         {-10, 0.25, 0.5, 7}},
        {"blank lines after the last row",
         "0 1\n0 1\n1 2\n3 4\n\n \r\n\t\n",
         {0, 1},
         {0, 1},
         {1, 2, 3, 4}},
        {"missing-value markers are values",
         "0 1\n0 1\n1234321 2\n3 -1234321\n",
         {0, 1},
         {0, 1},
         {1234321, 2, 3, -1234321}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const GridTextResult result = ReadGridText(row.text, "g.txt");
        ASSERT_TRUE(result.ok) << result.message;
        EXPECT_EQ(result.grid.x, row.x);
        EXPECT_EQ(result.grid.y, row.y);
        EXPECT_EQ(result.grid.z, row.z);
        EXPECT_TRUE(result.grid.Consistent());
    }
}

TEST(GridText, NamesTheLineOfEachFault) {
    struct Row {
        const char* name;
        std::string text;
        std::string message;
    };
    const Row rows[] = {
        {"empty", "", "g.txt, line 1: at least 2 X values are needed"},
        {"one X value", "5\n0 1\n1 2\n", "g.txt, line 1: at least 2 X values are needed"},
        {"no Y line", "0 1\n", "g.txt, line 2: at least 2 Y values are needed"},
        {"one Y value", "0 1\n7\n1\n2\n", "g.txt, line 2: at least 2 Y values are needed"},
        {"not a number in X", "0 x1\n0 1\n",
         "g.txt, line 1: 'x1' is not a valid floating point value"},
        {"not a number in Z", "0 1\n0 1\n1 2\n3 5;\n",
         "g.txt, line 4: '5;' is not a valid floating point value"},
        {"a decimal comma splits fields", "0 1\n0 1\n1 2\n3,5 4\n",
         "g.txt, line 4: 3 Z values, 2 expected (one per Y value)"},
        {"a short row", "0 1 2\n0 1\n1 2\n3\n5 6\n",
         "g.txt, line 4: 1 Z values, 2 expected (one per Y value)"},
        {"a blank line in between", "0 1\n0 1\n1 2\n\n3 4\n",
         "g.txt, line 4: 0 Z values, 2 expected (one per Y value)"},
        {"a row missing", "0 1 2\n0 1\n1 2\n3 4\n",
         "g.txt, line 5: row 3 of the 3 rows of Z values is missing"},
        {"text after the rows", "0 1\n0 1\n1 2\n3 4\n5 6\n",
         "g.txt, line 5: text after the 2 rows of Z values"},
        {"beyond the double range", "0 1\n0 1e309\n",
         "g.txt, line 2: '1e309' is beyond the range of the contour map (about 1.8E308)"},
        {"no infinities", "0 1\n0 1\n1 inf\n3 4\n",
         "g.txt, line 3: 'inf' is not a valid floating point value"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const GridTextResult result = ReadGridText(row.text, "g.txt");
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, row.message);
    }
}

TEST(GridText, RefusesGridsBeyondTheLimitBeforeReadingZ) {
    std::string x, y;
    for (int i = 0; i < 2001; ++i) {
        x += "1 ";
        y += "2 ";
    }
    const GridTextResult result = ReadGridText(x + "\n" + y + "\n", "big.txt");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message,
              "big.txt, line 3: a grid of 2001 x 2001 values is larger than the "
              "limit of " +
                  std::to_string(kMaxGridPoints));
}

TEST(GridText, SurvivesBinaryGarbage) {
    std::string text;
    for (int i = 0; i < 4096; ++i) {
        text += static_cast<char>((i * 7919) % 256);
    }
    const GridTextResult result = ReadGridText(text, "noise");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message.rfind("noise, line ", 0), 0u) << result.message;
}

}  // namespace
}  // namespace kalvo
