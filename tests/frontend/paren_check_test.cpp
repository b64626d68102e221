#include <gtest/gtest.h>

#include "frontend/paren_check.h"

namespace {

using kalvo::CheckParens;
using kalvo::MapPosition;

TEST(ParenCheck, ReportsCodePositionAndTheBlankFreeText) {
    struct Row {
        const char* typed;
        bool error;
        int code;
        int pos;
        const char* blankFree;
    } rows[] = {
        {"(1+2", true, 18, 4, "(1+2"},
        {"1+2)", true, 16, 4, "1+2)"},
        {")1+2(", true, 0, 1, ")1+2("},
        {"(1))+((2)", true, 0, 4, "(1))+((2)"},
        {"((1)))", true, 16, 6, "((1)))"},
        {"1 + ( 2 )", false, 0, 0, "1+(2)"},
        {"\t1", false, 0, 0, "\t1"},  // only the blank " " is removed
        {"", false, 0, 0, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        auto check = CheckParens(row.typed);
        EXPECT_EQ(check.blankFree, row.blankFree);
        EXPECT_EQ(check.errorFlag, row.error);
        if (row.error) {
            EXPECT_EQ(check.errorCode, row.code);
            EXPECT_EQ(check.errorPos, row.pos);
            EXPECT_EQ(check.errorLength, 1);
        }
    }
}

TEST(PositionMapping, AddsTheBlanksBeforeAndInsideTheSpan) {
    struct Row {
        const char* typed;
        int pos;
        int length;
        int mappedPos;
        int mappedLength;
    } rows[] = {
        {"1 +  2)", 4, 1, 7, 1},         // three blanks before the ")"
        {"1/(2 - 2)", 3, 5, 3, 7},       // two blanks inside the divisor
        {"sin x", 1, 4, 1, 5},           // the whole name, blank included
        {"noblanks", 2, 1, 2, 1},
        {"ab cd", 2, 1, 2, 2},          // a blank right after the span joins it
        {"  2*", 2, 1, 4, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        auto check = CheckParens(row.typed);
        auto span = MapPosition(row.typed, check.blankFree, row.pos, row.length);
        EXPECT_EQ(span.pos, row.mappedPos);
        EXPECT_EQ(span.length, row.mappedLength);
    }
}

}  // namespace
