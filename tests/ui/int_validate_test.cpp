#include "ui/int_validate.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "ui/theme_colors.h"

namespace kalvo {
namespace {

struct TypingRow {
    const char* name;
    long minimum;
    long maximum;
    const char* typed;  // typed key by key into an empty field
    const char* shown;
    int caret;
    bool valid;
};

class IntTypingTest : public ::testing::TestWithParam<TypingRow> {};

TEST_P(IntTypingTest, RefusesAndCorrectsWhileTyping) {
    const TypingRow& row = GetParam();
    QLineEdit field;
    TIntValidate guard(row.minimum, "Count", nullptr, &field, row.maximum);
    QTest::keyClicks(&field, row.typed);
    EXPECT_EQ(field.text(), row.shown);
    EXPECT_EQ(field.cursorPosition(), row.caret);
    EXPECT_EQ(guard.IsValid(), row.valid);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, IntTypingTest,
    ::testing::Values(
        TypingRow{"LetterAfterDigits", 0, 100, "12a", "12", 2, true},
        TypingRow{"LetterBetweenDigits", 0, 100, "1x2", "12", 2, true},
        TypingRow{"LonePlusIsCleared", 0, 100, "+", "", 0, false},
        TypingRow{"LoneMinusStaysOutsideRange", 1, 100, "-", "-", 1, false},
        TypingRow{"LoneMinusBecomesZeroInRange", -5, 5, "-", "0", 1, true},
        TypingRow{"SignAfterDigitRefused", 0, 100, "1-", "1", 1, true},
        TypingRow{"NegativeNumber", -50, -1, "-42", "-42", 3, true},
        TypingRow{"MinusTurnsToZeroFirstWhenZeroIsInRange", -50, 50, "-4", "04", 2, true},
        TypingRow{"PointRefused", 0, 100, "3.5", "35", 2, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TIntValidate, OutOfRangeTurnsTheFieldRedAndBack) {
    QLineEdit field;
    const QColor own = field.palette().color(QPalette::Base);
    TIntValidate guard(1, "Rows", nullptr, &field, 20);
    QTest::keyClicks(&field, "25");
    EXPECT_EQ(field.palette().color(QPalette::Base), InvalidFieldColor(field.palette()));
    EXPECT_FALSE(guard.IsValid());
    EXPECT_EQ(guard.Value(), 25);
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.palette().color(QPalette::Base), own);
    EXPECT_TRUE(guard.IsValid());
    EXPECT_EQ(guard.Value(), 2);
}

TEST(TIntValidate, RangeBoundsPushEachOther) {
    QLineEdit field;
    TIntValidate guard(0, "", nullptr, &field, 10);
    guard.SetMinimum(15);
    EXPECT_EQ(guard.Maximum(), 15);
    guard.SetMaximum(-3);
    EXPECT_EQ(guard.Minimum(), -3);
    EXPECT_EQ(guard.Maximum(), -3);
}

TEST(TIntValidate, CaptionDefaultsToTheFieldName) {
    QLineEdit field;
    field.setObjectName("edRows");
    EXPECT_EQ(TIntValidate(0, "", nullptr, &field, 9).Caption(), "edRows");
    EXPECT_EQ(TIntValidate(0, "Rows", nullptr, &field, 9).Caption(), "Rows");
}

TEST(TIntValidate, StartingTextLosesItsBadCharacters) {
    QLineEdit field("12x3");
    TIntValidate guard(0, "", nullptr, &field, 1000);
    EXPECT_EQ(guard.LastGoodText(), "123");
    EXPECT_EQ(guard.Value(), 123);
}

TEST(TIntValidate, SetValueWritesOnlyInRangeIntoANonEmptyField) {
    QLineEdit field("3");
    TIntValidate guard(0, "", nullptr, &field, 10);
    guard.SetValue(7);
    EXPECT_EQ(field.text(), "7");
    guard.SetValue(70);
    EXPECT_EQ(field.text(), "7");
    field.clear();
    guard.SetValue(5);
    EXPECT_TRUE(field.text().isEmpty());
}

TEST(TIntValidate, PreviousHandlerRunsAfterTheCorrection) {
    QLineEdit field;
    TIntValidate guard(0, "", nullptr, &field, 100);
    QStringList seen;
    guard.SetChangeHandler([&] { seen << field.text(); });
    QTest::keyClicks(&field, "4b");
    EXPECT_EQ(seen, (QStringList{"4", "4"}));
}

}  // namespace
}  // namespace kalvo
