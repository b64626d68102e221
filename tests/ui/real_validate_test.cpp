#include "ui/real_validate.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "ui/theme_colors.h"

namespace kalvo {
namespace {

struct TypingRow {
    const char* name;
    const char* typed;
    const char* shown;
    int caret;
};

class RealTypingTest : public ::testing::TestWithParam<TypingRow> {};

TEST_P(RealTypingTest, KeepsTheNumberPattern) {
    const TypingRow& row = GetParam();
    QLineEdit field;
    TRealValidate guard(&field, "X", nullptr, -1e9L, 1e9L);
    QTest::keyClicks(&field, row.typed);
    EXPECT_EQ(field.text(), row.shown);
    EXPECT_EQ(field.cursorPosition(), row.caret);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RealTypingTest,
    ::testing::Values(TypingRow{"Exponent", "1.5e-3", "1.5e-3", 6},
                      TypingRow{"SecondPointRefused", "1.5.", "1.5", 3},
                      TypingRow{"SignInFractionRefused", "1.-", "1.", 2},
                      TypingRow{"LetterRefused", "2x", "2", 1},
                      TypingRow{"LeadingLetterRefused", "a", "", 0},
                      TypingRow{"PlusSign", "+7", "+7", 2},
                      TypingRow{"LonePoint", ".", ".", 1},
                      TypingRow{"UpperCaseExponent", "2E+10", "2E+10", 5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TRealValidate, AcceptedTextBecomesTheValue) {
    QLineEdit field;
    TRealValidate guard(&field, "", nullptr, 0, 1);
    QTest::keyClicks(&field, "1.5e-3");
    EXPECT_TRUE(guard.IsValid());
    EXPECT_EQ(guard.Value(), 1.5e-3L);
}

TEST(TRealValidate, DeletingTheDigitOfANegativeNumberClearsTheField) {
    QLineEdit field;
    TRealValidate guard(&field, "", nullptr, -10, 10);
    QTest::keyClicks(&field, "-5");
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_TRUE(field.text().isEmpty());
    EXPECT_EQ(guard.LastGoodText(), "");
}

TEST(TRealValidate, OutOfRangeTurnsTheFieldRed) {
    QLineEdit field;
    const QColor own = field.palette().color(QPalette::Base);
    TRealValidate guard(&field, "", nullptr, 0, 100);
    QTest::keyClicks(&field, "1e5");
    EXPECT_EQ(field.palette().color(QPalette::Base), InvalidFieldColor(field.palette()));
    EXPECT_FALSE(guard.IsValid());
    QTest::keyClick(&field, Qt::Key_Backspace);  // "1e" is no number: the value stays
    QTest::keyClick(&field, Qt::Key_Backspace);  // "1"
    EXPECT_EQ(field.palette().color(QPalette::Base), own);
    EXPECT_EQ(guard.Value(), 1.0L);
}

TEST(TRealValidate, RangeBoundsPushEachOther) {
    QLineEdit field;
    TRealValidate guard(&field, "", nullptr, 0, 1);
    guard.SetMinimum(2.5L);
    EXPECT_EQ(guard.Maximum(), 2.5L);
    guard.SetMaximum(-1);
    EXPECT_EQ(guard.Minimum(), -1);
}

TEST(TRealValidate, OffendingPositionIsTheFirstCharacterOutsideThePattern) {
    struct Row {
        const char* text;
        int position;
    };
    const Row rows[] = {{"", 0},     {"-", 0},      {"1.5e-3", 0}, {"1.5.", 4},
                        {"--1", 2},  {"1e5e", 4},   {"1e--", 4},   {"1,5", 2}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(TRealValidate::OffendingPosition(row.text), row.position);
    }
}

}  // namespace
}  // namespace kalvo
