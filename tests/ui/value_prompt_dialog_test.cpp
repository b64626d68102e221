// The value prompt "Set variable" as the engine opens it from the main window.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "engine/error_codes.h"
#include "ui/main_window_fixture.h"
#include "ui/set_var_dialog.h"
#include "ui/theme_colors.h"

namespace kalvo {
namespace {

/// Types `text` into the prompt's expression field and clicks OK.
void TypeAndOk(QDialog& dialog, const QString& text) {
    auto* expression = dialog.findChild<QLineEdit*>("edExpression");
    expression->selectAll();
    QTest::keyClick(expression, Qt::Key_Delete);
    QTest::keyClicks(expression, text);
    dialog.findChild<QPushButton*>("bbOK")->click();
}

TEST_F(MainWindowTest, PromptForAnUndefinedVariableStaysOpenUntilTheTextEvaluates) {
    QString errorShown;
    bool stayedOpenOnError = false;
    bool stayedOpenWhenEmpty = false;
    dialogs.onDialog = [&](QDialog& dialog) {
        auto& prompt = static_cast<TSetVar&>(dialog);
        EXPECT_EQ(prompt.Slot(), kSlotY);
        EXPECT_EQ(dialog.findChild<QLabel*>("lbLetter1")->text(), "Y");
        auto* value = dialog.findChild<QLineEdit*>("edValue");
        EXPECT_EQ(value->text(), "undefined");
        EXPECT_FALSE(value->isEnabled());

        TypeAndOk(dialog, "  ");
        stayedOpenWhenEmpty = dialog.result() != QDialog::Accepted;
        TypeAndOk(dialog, "2 * (3");
        stayedOpenOnError = dialog.result() != QDialog::Accepted;
        errorShown = value->text();
        EXPECT_TRUE(value->isEnabled());
        EXPECT_EQ(value->palette().color(QPalette::Text), ErrorColor(value->palette()));
        TypeAndOk(dialog, "2 * (3)");
        return dialog.result();
    };
    Evaluate("Y+1");
    EXPECT_TRUE(stayedOpenWhenEmpty);
    EXPECT_TRUE(stayedOpenOnError);
    EXPECT_EQ(errorShown.toStdString(), ErrorMessage(kErrMissingClosing) + ": position 6");
    EXPECT_EQ(Edit2Text().toStdString(), Formatted(7.0L));
    EXPECT_EQ(window->Session().State().Var(kSlotY), 6.0L);
    EXPECT_EQ(window->Session().State().VarText(kSlotY), "2*(3)");
}

TEST_F(MainWindowTest, CancelledPromptEndsTheEvaluationWithUserBreakAtTheVariable) {
    dialogs.onDialog = [](QDialog& dialog) {
        dialog.findChild<QPushButton*>("bbCancel")->click();
        return dialog.result();
    };
    Evaluate("1 + Z");
    EXPECT_EQ(Edit2Text().toStdString(), ErrorMessage(kErrUserBreak) + ": position 5");
    EXPECT_EQ(edit1->selectedText(), "Z");
    EXPECT_EQ(window->Session().State().Var(kSlotZ), kUndefinedValue);
    EXPECT_TRUE(window->Session().State().VarText(kSlotZ).empty());
    EXPECT_EQ(history->count(), 0);
}

TEST_F(MainWindowTest, VariableButtonPromptsAndEvaluatesAfterwards) {
    window->Session().State().Var(kSlotV) = 1.5L;
    window->Session().State().VarText(kSlotV) = "3/2";
    dialogs.onDialog = [](QDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QLineEdit*>("edExpression")->text(), "3/2");
        EXPECT_NE(dialog.findChild<QLineEdit*>("edValue")->text(), "undefined");
        TypeAndOk(dialog, "4");
        return dialog.result();
    };
    QTest::keyClicks(edit1, "V*10");
    Button("sbVarV")->click();
    EXPECT_EQ(window->Session().State().Var(kSlotV), 4.0L);
    EXPECT_EQ(Edit2Text().toStdString(), Formatted(40.0L)) << "Evaluate after settings";
}

TEST_F(MainWindowTest, VariableButtonWithoutEvaluateAfterSettingsOnlyStores) {
    edit1->setText("W");
    dialogs.onDialog = [](QDialog& dialog) {
        dialog.findChild<QCheckBox*>("chEvaluateAfter")->setChecked(false);
        TypeAndOk(dialog, "5");
        return dialog.result();
    };
    Button("sbVarW")->click();
    EXPECT_EQ(window->Session().State().Var(kSlotW), 5.0L);
    EXPECT_TRUE(Edit2Text().isEmpty());
    window->ValuePrompt().findChild<QCheckBox*>("chEvaluateAfter")->setChecked(true);
}

TEST_F(MainWindowTest, EnterInThePromptIsItsOk) {
    dialogs.onDialog = [](QDialog& dialog) {
        dialog.show();  // the default button acts only while it is visible
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        auto* expression = dialog.findChild<QLineEdit*>("edExpression");
        EXPECT_TRUE(expression->hasFocus()) << "the expression field takes the focus";
        QTest::keyClicks(expression, "8");
        QTest::keyClick(expression, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
        return dialog.result();
    };
    Evaluate("K");
    EXPECT_EQ(window->Session().State().Var(kSlotK), 8.0L);
    EXPECT_EQ(Edit2Text().toStdString(), Formatted(8.0L));
}

TEST_F(MainWindowTest, PromptHelpOpensItsPage) {
    dialogs.onDialog = [](QDialog& dialog) {
        dialog.findChild<QPushButton*>("bbHelp")->click();
        QTest::keyClick(&dialog, Qt::Key_F1);
        dialog.findChild<QPushButton*>("bbCancel")->click();
        return dialog.result();
    };
    Button("sbVarX")->click();
    EXPECT_EQ(dialogs.helpContexts, (std::vector<int>{3, 3}));
}

}  // namespace
}  // namespace kalvo
