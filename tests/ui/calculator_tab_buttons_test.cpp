// The buttons and fields around the keypad: copy and paste, the assistant box, the
// result line, the tab pages and the complex-form switch.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

#include "display/format_complex.h"
#include "ui/main_window_fixture.h"

namespace kalvo {
namespace {

TEST_F(MainWindowTest, TabsAreInTheirOrder) {
    auto* tabs = Find<QTabWidget>("PageControl1");
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i) {
        titles << tabs->tabText(i);
    }
    EXPECT_EQ(titles, (QStringList{"Calculator", "Tape", "Constants", "Graphics", "Variables",
                                   "User Vars", "User Funcs", "About"}));
}

TEST_F(MainWindowTest, WindowsOfLaterComponentsAreNotOfferedYet) {
    for (const char* name : {"bbShowPlots"}) {
        EXPECT_FALSE(Button(name)->isEnabled()) << name;
    }
}

TEST_F(MainWindowTest, CopyAndPasteExchangeTheInputLineWithTheClipboard) {
    edit1->setText("2*pi");
    Button("sbCopy")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), "2*pi");
    QApplication::clipboard()->setText("sin()");
    edit1->setText("1+");
    edit1->setCursorPosition(2);
    Button("sbPaste")->click();
    EXPECT_EQ(edit1->text(), "1+sin()");
    EXPECT_EQ(edit1->cursorPosition(), 6) << "pasted text follows the caret rule";
    EXPECT_TRUE(edit1->isModified());
}

TEST_F(MainWindowTest, AssistantBoxHidesAndClearsThePanel) {
    auto* panel = Find<QLabel>("pnAssistant");
    QTest::keyClicks(edit1, "ln(");
    Button("sbLn")->click();
    EXPECT_FALSE(panel->text().isEmpty());
    Find<QCheckBox>("chAssistant")->setChecked(false);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(panel->text().isEmpty());
    Find<QCheckBox>("chAssistant")->setChecked(true);
    EXPECT_TRUE(panel->isVisible());
}

TEST_F(MainWindowTest, AssistantHidesItsTextWhenTheInputIsEmpty) {
    Button("sbSin")->click();
    ASSERT_FALSE(window->AssistantCaption().isEmpty());
    edit1->selectAll();
    QTest::keyClick(edit1, Qt::Key_Delete);
    ASSERT_TRUE(WaitUntil([this] { return window->AssistantCaption().isEmpty(); }));
}

TEST_F(MainWindowTest, KeysAndClicksOnTheResultLineGoToTheInputLine) {
    Evaluate("1+1");
    QTest::mouseClick(edit2, Qt::LeftButton);
    EXPECT_TRUE(edit1->hasFocus());
    struct Row {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    // Ctrl+X and Alt+B have no shortcut of their own.
    for (const Row& row :
         {Row{"A", Qt::Key_A, Qt::NoModifier}, Row{"Ctrl+X", Qt::Key_X, Qt::ControlModifier},
          Row{"Alt+B", Qt::Key_B, Qt::AltModifier}}) {
        SCOPED_TRACE(row.name);
        edit2->setFocus();
        QTest::keyClick(edit2, row.key, row.modifiers);
        EXPECT_TRUE(edit1->hasFocus());
        EXPECT_EQ(edit1->text(), "1+1");
    }
}

TEST_F(MainWindowTest, EnterOnAnotherTabEvaluatesOnlyFromTheInputLine) {
    auto* tabs = Find<QTabWidget>("PageControl1");
    QTest::keyClicks(edit1, "3+4");
    tabs->setCurrentIndex(TfmCalc::kAboutTab);
    auto* mail = Find<QPushButton>("bbMail");
    mail->setFocus();
    QTest::keyClick(mail, Qt::Key_Return);  // would open the mail client through the fake
    EXPECT_TRUE(Edit2Text().isEmpty());
    edit1->setFocus();
    QTest::keyClick(edit1, Qt::Key_Return);
    EXPECT_EQ(Edit2Text().toStdString(), Formatted(7.0L));
}

TEST_F(MainWindowTest, TapeTabFocusesPrintWhenThereIsATape) {
    Evaluate("1+1");
    Find<QTabWidget>("PageControl1")->setCurrentIndex(TfmCalc::kTapeTab);
    EXPECT_TRUE(Find<QPushButton>("bbPrint")->hasFocus());
    Find<QTabWidget>("PageControl1")->setCurrentIndex(TfmCalc::kCalculatorTab);
    EXPECT_TRUE(edit1->hasFocus());
}

TEST_F(MainWindowTest, ConstantsAndVariablesTabsFocusTheirFirstField) {
    struct Row {
        TfmCalc::Tab tab;
        const char* field;
    };
    for (const Row& row :
         {Row{TfmCalc::kConstantsTab, "edFind"}, Row{TfmCalc::kVariablesTab, "edVar1"}}) {
        SCOPED_TRACE(row.field);
        edit1->setFocus();
        Find<QTabWidget>("PageControl1")->setCurrentIndex(row.tab);
        EXPECT_TRUE(Find<QLineEdit>(row.field)->hasFocus());
        Find<QTabWidget>("PageControl1")->setCurrentIndex(TfmCalc::kCalculatorTab);
    }
}

TEST_F(MainWindowTest, ShortcutsKeepTheirUsualMeaningOnOtherTabs) {
    Evaluate("1+1");
    Find<QTabWidget>("PageControl1")->setCurrentIndex(TfmCalc::kTapeTab);
    auto* memo = window->Tape().Memo();
    memo->setFocus();
    memo->selectAll();
    QTest::keyClick(memo, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), window->Tape().Lines().join(u'\n'));
    EXPECT_EQ(edit1->text(), "1+1") << "Ctrl+C on the tape inserts no cos()";
}

TEST_F(MainWindowTest, ComplexFormSwitchWritesATapeLine) {
    window->SetShowComp(false);
    Choice("rgReal", 1)->click();
    edit1->setText("comp(1,1)");
    Choice("rgComplexForm", 0)->click();
    EXPECT_EQ(window->Session().State().display.complexForm, kPolar);
    const std::string shown =
        FormatComplex(window->Session().State().display, window->Session().Digits(), ComplexNum{});
    EXPECT_EQ(Edit2Text().toStdString(), shown);
    ASSERT_FALSE(TapeLines().isEmpty());
    EXPECT_EQ(TapeLines().at(0), "comp(1,1) = " + Edit2Text());
}

TEST_F(MainWindowTest, FontSizeSpinResizesTheFields) {
    auto* size = Find<QSpinBox>("udFontSize");
    size->setValue(size->value() + 3);
    EXPECT_EQ(edit1->font().pointSize(), size->value());
    EXPECT_EQ(history->font().pointSize(), size->value());
    EXPECT_GT(edit2->font().pointSize(), edit1->font().pointSize());
}

}  // namespace
}  // namespace kalvo
