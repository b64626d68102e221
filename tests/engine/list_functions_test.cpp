// mean, std, sum, poly and stat over argument lists.
#include <gtest/gtest.h>

#include <string>

#include "engine/engine_fixture.h"

namespace kalvo::test {
namespace {

class ListFunctionsTest : public EngineFixture {};

std::string Repeated(const std::string& head, int count, const std::string& element) {
    std::string text = head;
    for (int i = 0; i < count; ++i) {
        if (i > 0 || head.back() != '(') {
            text += ',';
        }
        text += element;
    }
    return text + ")";
}

TEST_F(ListFunctionsTest, Values) {
    struct Row {
        const char* name;
        std::string text;
        Real expected;
    } rows[] = {
        {"mean", "mean(1,2,3)", 2},
        {"std", "std(1,2,3)", 1},
        {"std_of_equal_elements", "std(2,2,2)", 0},
        {"sum", "sum(1,2,3.5)", 6.5L},
        {"sum_of_one", "sum(4)", 4},
        {"stat", "stat(1,2,3)", 2},
        {"poly", "poly(2,1,0,1)", 5},
        {"poly_constant", "poly(9,4)", 4},
        {"nested", "mean(sum(1,2),3)", 3},
        {"expressions_as_elements", "sum(1+1,2*3,(4))", 12},
        {"term_sign", "-mean(2,4)", -3},
        {"inside_function", "sqrt(sum(1,3))", 2},
        {"postfix_after_list", "sum(1,2)\xB2", 9},
        {"sum_of_huge_elements", "sum(1E3000,1)", 1E3000L},
        {"poly_elements_are_doubles", "poly(0.1,0,1)", static_cast<Real>(static_cast<double>(0.1L))},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Value(row.text), row.expected) << row.text;
    }
}

TEST_F(ListFunctionsTest, StandardDeviationOfOneElementIsZero) {
    EXPECT_EQ(Value("std(1,2,3)"), 1);
    EXPECT_EQ(S().stdDeviation, 1);
    EXPECT_EQ(Value("std(7)"), 0);
    EXPECT_EQ(Value("mean(1,3)"), 2);
    EXPECT_EQ(S().stdDeviation, std::sqrt(2.0L)) << "mean also leaves the deviation";
}

TEST_F(ListFunctionsTest, Errors) {
    struct Row {
        const char* name;
        std::string text;
        int code;
        int pos;
    } rows[] = {
        {"empty_list", "sum()", 0, 5},
        {"empty_element", "mean(1,,2)", 0, 8},
        {"bad_element", "std(1,sqrt(-1))", 10, 7},
        {"juxtaposed_after_list", "sum(1)2", 0, 7},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Outcome out = Run(row.text);
        ASSERT_TRUE(out.error);
        EXPECT_EQ(out.code, row.code);
        EXPECT_EQ(out.pos, row.pos);
    }
}

TEST_F(ListFunctionsTest, StoredElementsAreLimitedToOneThousand) {
    // x and 1000 coefficients: the polynomial 1 + x + ... + x^999 at x = 1.
    EXPECT_EQ(Value(Repeated("poly(1", 1000, "1")), 1000);
    std::string tooMany = Repeated("poly(1", 1001, "1");
    Outcome out = Run(tooMany);
    ASSERT_TRUE(out.error);
    EXPECT_EQ(out.code, 24);
    EXPECT_EQ(out.pos, static_cast<int>(tooMany.size()));

    std::string thousand = "stat(";
    for (int i = 1; i <= 1000; ++i) {
        if (i > 1) {
            thousand += ',';
        }
        thousand += std::to_string(i);
    }
    // Sum of squared deviations of 1..N is N(N^2-1)/12.
    EXPECT_EQ(Value(thousand + ")"), 1000.0L * 999999 / 12);
    out = Run(thousand + ",1001)");
    ASSERT_TRUE(out.error);
    EXPECT_EQ(out.code, 24);

    EXPECT_EQ(Value(Repeated("sum(", 3000, "1")), 3000) << "sum keeps no elements";
}

}  // namespace
}  // namespace kalvo::test
