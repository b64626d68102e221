#include "ui/greeting.h"

#include <gtest/gtest.h>

namespace kalvo {
namespace {

TEST(GreetingText, FollowsTheTimeOfDay) {
    struct Row {
        const char* name;
        double t;
        const char* text;
    };
    const Row rows[] = {
        {"Midnight", 0.0, "What is the time?"},
        {"EarlyNight", 0.1, "Oh... Good ... night ... Sir/Madam!"},
        {"SevenOClock", 7.0 / 24.0, "Good morning Sir/Madam!"},
        {"MorningStarts", 0.2, "Good morning Sir/Madam!"},
        {"Noon", 0.5, "Good afternoon Sir/Madam!"},
        {"SixPm", 0.75, "Good evening Sir/Madam!"},
        {"LateEvening", 0.99, "Good evening Sir/Madam!"},
        {"OutOfDay", 1.0, "What is the time?"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(GreetingText(row.t), row.text);
    }
}

}  // namespace
}  // namespace kalvo

namespace kalvo {
namespace {

TEST(GreetAgain, OnlyAfterMoreThanOneDay) {
    EXPECT_FALSE(GreetAgain(100, 100));
    EXPECT_FALSE(GreetAgain(100, 101));
    EXPECT_TRUE(GreetAgain(100, 102));
}

}  // namespace
}  // namespace kalvo
