// The print margins of the settings file.
#include "frontend/print_margins.h"

#include <gtest/gtest.h>

namespace kalvo {
namespace {

TEST(PrintMargins, FromThePrintSection) {
    struct Row {
        const char* name;
        const char* ini;
        int left;
        int top;
    } rows[] = {
        {"missing section", "[Calc]\nLeft=5\n", 20, 20},
        {"both given", "[Print]\nLeft Margin=15\nTop Margin=8\n", 15, 8},
        {"one given", "[print]\ntop margin=0\n", 20, 0},
        {"not a number", "[Print]\nLeft Margin=wide\n", 20, 20},
        {"kept within 0..100", "[Print]\nLeft Margin=-3\nTop Margin=250\n", 0, 100},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const PrintMargins margins = LoadPrintMargins(IniFile::Parse(row.ini));
        EXPECT_EQ(margins.leftMm, row.left);
        EXPECT_EQ(margins.topMm, row.top);
    }
}

}  // namespace
}  // namespace kalvo
