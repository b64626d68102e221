// The mode switches of the Calculator tab: notation, base, Digits spin and Real/Comp.
#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>

#include "engine/error_codes.h"
#include "ui/comp_message.h"
#include "ui/main_window_fixture.h"
#include "ui/theme_colors.h"

namespace kalvo {
namespace {

TEST_F(MainWindowTest, NotationClampsDigitsToTheNewMinimum) {
    auto* digits = Find<QSpinBox>("udDigits");
    Choice("rgNotation", 1)->click();  // Fix: 3..20
    EXPECT_EQ(digits->minimum(), 3);
    EXPECT_EQ(digits->maximum(), 20);
    digits->setValue(3);
    EXPECT_EQ(window->Session().Digits(), 3);
    Choice("rgNotation", 0)->click();  // Scn: 8..21
    EXPECT_EQ(window->Session().Digits(), 8);
    EXPECT_EQ(digits->value(), 8);
    Choice("rgNotation", 2)->click();  // Eng: 11..21
    EXPECT_EQ(window->Session().Digits(), 11);
    EXPECT_EQ(digits->minimum(), 11);
}

TEST_F(MainWindowTest, DigitsSpinAndDecimalBaseOpenTheWidestDisplay) {
    auto* digits = Find<QSpinBox>("udDigits");
    Choice("rgNotation", 1)->click();  // Fix: 3..20
    ASSERT_EQ(digits->maximum(), 20);
    digits->setValue(19);
    EXPECT_EQ(digits->maximum(), 22) << "after a change of the spin";
    digits->stepUp();
    digits->stepUp();
    digits->stepUp();
    EXPECT_EQ(window->Session().Digits(), 22);

    Choice("rgNotation", 0)->click();  // Scn: 8..21
    ASSERT_EQ(digits->maximum(), 21);
    Choice("rgBase", 1)->click();
    EXPECT_EQ(digits->maximum(), 22) << "hex";
    Choice("rgNotation", 0)->click();
    Choice("rgBase", 0)->click();
    EXPECT_EQ(digits->maximum(), 22) << "dec";
}

TEST_F(MainWindowTest, SexagesimalNotationKeepsTheDigitsRange) {
    auto* digits = Find<QSpinBox>("udDigits");
    Choice("rgNotation", 1)->click();  // Fix: 3..20
    Choice("rgNotation", 3)->click();
    EXPECT_EQ(digits->minimum(), 3);
    EXPECT_EQ(digits->maximum(), 20);
    EXPECT_EQ(digits->value(), window->Session().Digits());
}

TEST_F(MainWindowTest, NotationSwitchShowsTheLastAnswerAgain) {
    Evaluate("1/8");
    Choice("rgNotation", 1)->click();
    EXPECT_EQ(Edit2Text().toStdString(), Formatted(0.125L));
    EXPECT_EQ(TapeLines().size(), 1) << "no tape line for a notation switch";
}

TEST_F(MainWindowTest, BaseSwitchEvaluatesFirstThenWritesTheBaseTapeLine) {
    QTest::keyClicks(edit1, "200+55");
    Choice("rgBase", 1)->click();
    EXPECT_EQ(window->Session().NumberBase(), kHex);
    EXPECT_TRUE(Edit2Text().contains("FF")) << Edit2Text().toStdString();
    EXPECT_EQ(Edit2Colour(), ValueColor(edit2->palette()));
    const QStringList lines = TapeLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], "200+55 = " + Edit2Text() + "; Base=16");
    EXPECT_TRUE(lines[1].startsWith("200+55 = ")) << "the evaluation in the old base";
    EXPECT_EQ(history->itemText(0), "200+55");
    EXPECT_EQ(Find<QLabel>("lbDigits")->text(), "Digits");
}

TEST_F(MainWindowTest, BaseSwitchWithAnErrorSelectsTheSpanButStillSwitches) {
    Evaluate("3*5");
    edit1->setText("2+*3");
    edit1->setModified(true);
    Choice("rgBase", 1)->click();
    EXPECT_EQ(window->Session().NumberBase(), kHex);
    EXPECT_EQ(edit1->selectedText(), "*");
    EXPECT_EQ(Edit2Colour(), ValueColor(edit2->palette())) << "the last answer replaces the error";
    EXPECT_TRUE(Edit2Text().contains("F")) << Edit2Text().toStdString();
    EXPECT_TRUE(TapeLines().at(0).endsWith("; Base=16"));
}

TEST_F(MainWindowTest, BinaryDigitsSnapToTheUsableWidths) {
    auto* digits = Find<QSpinBox>("udDigits");
    Choice("rgBase", 2)->click();
    EXPECT_EQ(Find<QLabel>("lbDigits")->text(), "Bits");
    EXPECT_EQ(digits->value(), 32);
    struct Step {
        int from;
        int direction;
        int expected;
    };
    const Step steps[] = {{8, +1, 16}, {16, +1, 32}, {32, -1, 16},
                          {16, -1, 8}, {8, -1, 7},   {7, -1, 7}};
    for (const Step& step : steps) {
        SCOPED_TRACE(testing::Message() << step.from << (step.direction > 0 ? " up" : " down"));
        digits->setValue(step.from);
        if (step.direction > 0) {
            digits->stepUp();
        } else {
            digits->stepDown();
        }
        EXPECT_EQ(digits->value(), step.expected);
        EXPECT_EQ(window->Session().Bits(), step.expected);
    }
}

TEST_F(MainWindowTest, ComplexModeDisablesTheRealOnlyButtonsAndRestoresThem) {
    const char* realOnly[] = {
        "sbRound", "sbFrac",       "sbTenPower", "sbSi",        "sbCi",    "sbMin",  "sbMax",
        "sbMean",  "sbStd",        "sbStat",     "sbGauss",     "sbIn",    "sbYn",   "sbJn",
        "sbKn",    "sbFermiDirac", "sbErf",      "sbFactorial", "sbSolve", "sbPoly", "sbIntegral",
        "sbSum",   "sbPerCent",    "sbXor",      "sbOr",        "sbAnd",   "sbLoop"};
    dialogs.onDialog = [](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "TfmCompMess");
        EXPECT_TRUE(static_cast<TfmCompMess&>(dialog).ShowAgain());
        return int(QDialog::Accepted);
    };
    Choice("rgAngle", 1)->click();
    Choice("rgNotation", 3)->click();
    Choice("rgReal", 1)->click();

    EXPECT_TRUE(window->Session().ComplexMode());
    EXPECT_EQ(dialogs.dialogsShown, 1);
    for (const char* name : realOnly) {
        EXPECT_FALSE(Button(name)->isEnabled()) << name;
    }
    EXPECT_TRUE(Button("sbSin")->isEnabled());
    EXPECT_EQ(Button("sbLog")->text(), "comp");
    EXPECT_EQ(Button("sbLog")->toolTip(), "Complex number of (..,..)");
    EXPECT_EQ(Button("sbGamma")->text(), "Ln(G)");
    EXPECT_FALSE(Find<QGroupBox>("rgBase")->isVisible());
    EXPECT_TRUE(Find<QGroupBox>("rgComplexForm")->isVisible());
    EXPECT_FALSE(Choice("rgAngle", 1)->isVisible());
    EXPECT_FALSE(Choice("rgNotation", 3)->isVisible());
    EXPECT_EQ(window->Session().AngleUnit(), 0) << "Deg is gone: back to radians";
    EXPECT_EQ(window->Session().Notation(), kScn) << "Sxg is gone";

    edit1->clear();
    Button("sbLog")->click();
    EXPECT_EQ(edit1->text(), "comp(,)");
    EXPECT_EQ(edit1->cursorPosition(), 5);

    Choice("rgReal", 0)->click();
    EXPECT_FALSE(window->Session().ComplexMode());
    for (const char* name : realOnly) {
        EXPECT_TRUE(Button(name)->isEnabled()) << name;
    }
    EXPECT_EQ(Button("sbLog")->text(), "log");
    EXPECT_EQ(Button("sbLog")->toolTip(), "Logarithm (..)");
    EXPECT_TRUE(Find<QGroupBox>("rgBase")->isVisible());
    EXPECT_FALSE(Find<QGroupBox>("rgComplexForm")->isVisible());
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(Choice("rgBase", i)->isVisible()) << i;
    }
    EXPECT_TRUE(Choice("rgAngle", 1)->isVisible());
    EXPECT_TRUE(Choice("rgNotation", 3)->isVisible());

    Choice("rgReal", 1)->click();
    EXPECT_EQ(dialogs.dialogsShown, 1) << "the notice appears once per run";
}

TEST_F(MainWindowTest, RealModeGetsBackTheAngleAndNotationComplexModeTookAway) {
    window->SetShowComp(false);
    const struct {
        const char* name;
        int angle;
        int notation;
        int chosenInComplexMode;  ///< -1: none
        int notationAfter;
    } rows[] = {
        {"Deg and Sxg", 1, kSxg, -1, kSxg},
        {"Deg and Fix", 1, kFix, -1, kFix},
        {"Rad and Sxg", 0, kSxg, -1, kSxg},
        {"Eng chosen in complex mode stays", 1, kSxg, kEng, kEng},
        {"Scn chosen in complex mode stays", 1, kSxg, kScn, kScn},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Choice("rgAngle", row.angle)->click();
        Choice("rgNotation", row.notation)->click();
        Evaluate("1/8");
        Choice("rgReal", 1)->click();
        EXPECT_EQ(window->Session().AngleUnit(), 0) << "complex mode computes in radians";
        EXPECT_NE(window->Session().Notation(), kSxg);
        if (row.chosenInComplexMode >= 0) {
            Choice("rgNotation", row.chosenInComplexMode)->click();
        }
        Choice("rgReal", 0)->click();
        EXPECT_EQ(window->Session().AngleUnit(), row.angle);
        EXPECT_TRUE(Choice("rgAngle", row.angle)->isChecked());
        EXPECT_EQ(window->Session().Notation(), row.notationAfter);
        EXPECT_TRUE(Choice("rgNotation", row.notationAfter)->isChecked());
        EXPECT_EQ(Edit2Text().toStdString(), Formatted(0.125L))
            << "the answer is shown in the notation that came back";
    }
}

TEST_F(MainWindowTest, UncheckedNoticeBoxTurnsTheNoticeOff) {
    dialogs.onDialog = [](QDialog& dialog) {
        dialog.findChild<QCheckBox*>("chShowAgain")->setChecked(false);
        return int(QDialog::Accepted);
    };
    Choice("rgReal", 1)->click();
    EXPECT_FALSE(window->ShowComp());
}

TEST_F(MainWindowTest, NoNoticeWhenShowCompIsOff) {
    window->SetShowComp(false);
    Choice("rgReal", 1)->click();  // an unexpected dialog would fail the test
    EXPECT_TRUE(window->Session().ComplexMode());
}

TEST_F(MainWindowTest, HintsFollowTheShowHelpBox) {
    Find<QCheckBox>("chHint")->setChecked(false);
    EXPECT_TRUE(Button("sbMultiply")->toolTip().isEmpty());
    Find<QCheckBox>("chHint")->setChecked(true);
    EXPECT_EQ(Button("sbMultiply")->toolTip(), "Multiply");
}

}  // namespace
}  // namespace kalvo

namespace kalvo {

TEST_F(MainWindowTest, ComplexModeEvaluatesAndTheFormSwitchShowsTheAnswerAgain) {
    window->SetShowComp(false);
    Choice("rgReal", 1)->click();
    Choice("rgNotation", 1)->click();  // Fix
    Evaluate("comp(1,2)*comp(0,1)");
    EXPECT_EQ(Edit2Text(), "-2.0+1.0i");
    EXPECT_EQ(TapeLines().value(0), "comp(1,2)*comp(0,1) = -2.0+1.0i; ");

    Evaluate("comp(0,2)");
    ASSERT_EQ(window->Session().Digits(), 12);
    Choice("rgComplexForm", 0)->click();  // Polar
    EXPECT_EQ(Edit2Text(), "2.0*exp(1.570796327i)");
    EXPECT_EQ(TapeLines().value(0), "comp(0,2) = 2.0*exp(1.570796327i)");

    Evaluate("2*comp(1,1)");
    EXPECT_EQ(Edit2Text(), "Syntax error: position 1");
}

}  // namespace kalvo
