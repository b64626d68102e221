// Extremes, level placement, rounding, user-level texts, label texts and the join tolerance.
#include "chart/contour_levels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "chart/contour_grid.h"
#include "display/format_general.h"

namespace kalvo {
namespace {

constexpr double M = kMissingValue;

TEST(ContourLevels, ExtremesSkipOnlyTheMarkers) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        const char* name;
        std::vector<double> z;
        double minimum, maximum;
    };
    const Row rows[] = {
        {"plain", {3, -1, 2}, -1, 3},
        {"markers skipped", {M, -M, 5, 6}, 5, 6},
        {"large values count", {2000000, 1, -3000000}, -3000000, 2000000},
        {"a NaN is never below or above", {nan, 4, 2}, 2, 4},
        {"nothing but markers", {M, -M}, 1e38, -1e38},
        {"empty", {}, 1e38, -1e38},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ZMinimum(row.z), row.minimum);
        EXPECT_EQ(ZMaximum(row.z), row.maximum);
    }
}

TEST(ContourLevels, PlacesTheFirstLevelAtTheMinimumAndNoneAtTheMaximum) {
    struct Row {
        const char* name;
        double computedMin, computedMax, a, b;
        int n;
        std::vector<double> levels;
    };
    const Row rows[] = {
        {"four levels over 0..8", 0, 8, 0, 8, 4, {0, 2, 4, 6}},
        {"one level lies at the minimum", -3, 5, -3, 5, 1, {-3}},
        {"fixed extremes place the levels", 0, 8, 10, 20, 2, {10, 15}},
        {"a constant surface has none", 2, 2, 2, 2, 5, {}},
        {"constancy is judged on the computed extremes", 1, 1 + 1e-51, 0, 10, 2, {}},
        {"but not on the fixed ones", 0, 1, 5, 5, 2, {5, 5}},
        {"no level count, no levels", 0, 1, 0, 1, 0, {}},
        {"a negative count places none", 0, 1, 0, 1, -3, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(AutomaticLevels(row.computedMin, row.computedMax, row.a, row.b, row.n),
                  row.levels);
    }
    // An absurd count costs no more than the largest one placed.
    EXPECT_EQ(AutomaticLevels(0, 1, 0, 1, 2000000000).size(),
              static_cast<std::size_t>(kMaxAutomaticLevels));
}

TEST(ContourLevels, RoundsToTwelveDigitsAsWrittenAndReadBack) {
    for (double level : {1.0 / 3, -2.0 / 3 * 1e-7, 123456789.123456789, 0.1 + 0.2, 5e300, 0.0}) {
        SCOPED_TRACE(level);
        const double rounded = RoundLevel(level);
        EXPECT_EQ(LevelText(rounded), LevelText(level));
        EXPECT_EQ(RoundLevel(rounded), rounded);
        EXPECT_NEAR(rounded, level, std::fabs(level) * 5e-12);  // half a unit of the 12th digit
        EXPECT_EQ(LevelText(level), FormatGeneral(level, 12));
    }
    EXPECT_EQ(RoundLevel(0.1 + 0.2), 0.3);
    EXPECT_EQ(LevelText(1.0 / 3), "0.333333333333");
    EXPECT_TRUE(std::isnan(RoundLevel(std::numeric_limits<double>::quiet_NaN())));
}

TEST(ContourLevels, ReadsUserLevelTexts) {
    struct Row {
        const char* text;
        std::optional<double> level;
    };
    const Row rows[] = {
        {"2.5", 2.5},
        {" -1e-3 ", -1e-3},
        {"7", 7},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"1,5", std::nullopt},
        {"1e400", std::nullopt},
        {"nan", std::nullopt},
        {"0x10", std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(ReadLevelText(row.text), row.level);
    }
}

TEST(ContourLevels, LabelsAreShortButTellLevelsApart) {
    struct Row {
        const char* name;
        std::vector<double> levels;
        std::vector<std::string> texts;
    };
    const Row rows[] = {
        {"no needless digits", {0.5, 1, -2.25}, {"0.5", "1", "-2.25"}},
        {"six digits at most", {1.0 / 3, 2.0 / 3}, {"0.333333", "0.666667"}},
        {"more where six would merge two levels",
         {1000000.1, 1000000.2},
         {"1000000.1", "1000000.2"}},
        {"small numbers in scientific form", {1.5e-7, 2.5e-7}, {"1.5E-7", "2.5E-7"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const int digits = LabelDigits(row.levels);
        for (std::size_t k = 0; k < row.levels.size(); ++k) {
            EXPECT_EQ(LabelText(row.levels[k], digits), row.texts[k]);
        }
    }
}

TEST(ContourGrid, JoinToleranceShrinksOnlyForFineGrids) {
    struct Row {
        const char* name;
        std::vector<double> x, y;
        double tolerance;
    };
    const Row rows[] = {
        {"cells of 0.1 and more", {0, 0.1, 0.3}, {-5, 5}, 1e-5},
        {"fine X", {0, 1e-7, 2e-7}, {0, 1}, 1e-11},
        {"fine Y, falling", {0, 1}, {1, 1 - 2e-6}, 2e-10},
        {"repeated values do not count", {0, 0, 1e-3}, {0, 1}, 1e-7},
        {"no step at all", {4, 4}, {2, 2}, 1e-5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(JoinTolerance(row.x, row.y), row.tolerance, row.tolerance * 1e-9);
    }
    EXPECT_GT(JoinTolerance({0, 1e-310}, {0, 1}), 0);
}

}  // namespace
}  // namespace kalvo
