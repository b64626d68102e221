#include <gtest/gtest.h>

#include "frontend/assistant.h"
#include "frontend/text_insertion.h"
#include "engine/function_table.h"

namespace {

using kalvo::EditLine;

TEST(SetFunc, ReplacesTheSelectionAndPlacesTheCaretInsideTheParentheses) {
    struct Row {
        const char* name;
        EditLine before;
        const char* insert;
        const char* text;
        int caret;
    } rows[] = {
        {"sin over a selection", {"1+ab*2", 4, 2, 2}, "sin()", "1+sin()*2", 6},
        {"plain text after the caret", {"12", 2, 2, 0}, "+3", "12+3", 4},
        {"two arguments", {"", 0, 0, 0}, "comp(,)", "comp(,)", 5},
        {"three arguments", {"x", 1, 1, 0}, "solve(,,)", "xsolve(,,)", 7},
        {"loop template has no empty pair", {"", 0, 0, 0}, "for J to K step M do(?)",
         "for J to K step M do(?)", 23},
        {"caret clamped into the text", {"ab", 99, 0, 0}, "c", "abc", 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        int start = -1;
        EditLine after = kalvo::SetFunc(row.before, row.insert, &start);
        EXPECT_EQ(after.text, row.text);
        EXPECT_EQ(after.caret, row.caret);
        EXPECT_EQ(after.selectionLength, 0);
    }
}

TEST(ButtonText, AddsTheTemplateOfTheArgumentKindAndCutsTo25) {
    EXPECT_EQ(kalvo::ButtonText("sin(", 1), "sin()");
    EXPECT_EQ(kalvo::ButtonText("gauss(", 2), "gauss(,)");
    EXPECT_EQ(kalvo::ButtonText("solve(", 3), "solve(,,)");
    EXPECT_EQ(kalvo::ButtonText("random", 0), "random");
    EXPECT_EQ(kalvo::ButtonText("abcdefghijklmnopqrstuvw(", 3).size(), 25u);
}

std::array<std::string_view, 88> RealRowNames() {
    std::array<std::string_view, 88> names{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = kalvo::RealFunctionTable()[i].name;
    }
    return names;
}

TEST(Assistant, FindsTheWordAtTheCaretAndItsRow) {
    struct Row {
        const char* text;
        int caret;
        const char* word;
        int row;
    } rows[] = {
        {"sin(", 4, "sin(", 1},
        {"2*sqrt(9)", 4, "sqrt(", 15},
        {"2*sqrt(9)", 2, "sqrt(", 15},  // caret before the name: one to the right
        {"ln(2)+", 6, "", -1},          // two to the left lands on a digit
        {"sin(2)", 5, "sin(", 1},        // two to the left lands on "("
        {"1+2", 2, "", -1},
        {"erf(1)", 1, "erf(", 25},
        {"e", 1, "e", -1},                // row 30 is never chosen
        {"ft_m(", 3, "ft_m(", 45},
    };
    const auto names = RealRowNames();
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.text) + " @" + std::to_string(row.caret));
        std::string word = kalvo::WordAtCaret(row.text, row.caret);
        EXPECT_EQ(word, row.word);
        EXPECT_EQ(kalvo::AssistantRow(word, names), row.row);
    }
}

TEST(Assistant, NamesTheAngleUnit) {
    EXPECT_EQ(kalvo::AssistantText("Sine of (%A)", 0), "Sine of (radian)");
    EXPECT_EQ(kalvo::AssistantText("Sine of (%A)", 1), "Sine of (degree)");
    EXPECT_EQ(kalvo::AssistantText("Exponent", 1), "Exponent");
}

}  // namespace
