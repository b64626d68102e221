// The evaluation cycle, the lists, the keypad and the keyboard of the main window,
// driven through the real widgets.
#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "engine/error_codes.h"
#include "ui/main_window_fixture.h"
#include "ui/theme_colors.h"

namespace kalvo {
namespace {

TEST_F(MainWindowTest, EnterShowsTheValueInBlueAndRecordsIt) {
    Evaluate("1+2");
    EXPECT_EQ(Edit2Text().toStdString(), Formatted(3.0L));
    EXPECT_EQ(Edit2Colour(), ValueColor(edit2->palette()));
    EXPECT_EQ(edit1->selectedText(), "1+2") << "the input is selected for the next one";
    ASSERT_EQ(history->count(), 1);
    EXPECT_EQ(history->itemText(0), "1+2");
    ASSERT_EQ(results->count(), 1);
    EXPECT_EQ(results->itemText(0), Edit2Text());
    EXPECT_EQ(TapeLines(), QStringList{"1+2 = " + Edit2Text() + "; "});
    EXPECT_EQ(window->Session().State().lastAnswer, 3.0L);
}

TEST_F(MainWindowTest, ErrorShowsRedMessageAndSelectsTheSpanAsTyped) {
    window->Session().State().lastAnswer = 7.0L;
    Evaluate("1 +  2)");  // two blanks after the plus: the ")" is the 7th character
    EXPECT_EQ(Edit2Text().toStdString(), ErrorMessage(kErrTooManyClosing) + ": position 7");
    EXPECT_EQ(Edit2Colour(), ErrorColor(edit2->palette()));
    EXPECT_EQ(edit1->selectionStart(), 6);
    EXPECT_EQ(edit1->selectedText(), ")");
    EXPECT_EQ(history->count(), 0);
    EXPECT_EQ(results->count(), 0);
    EXPECT_TRUE(TapeLines().isEmpty());
    EXPECT_EQ(window->Session().State().lastAnswer, 7.0L);
}

TEST_F(MainWindowTest, EngineErrorAfterBlanksSelectsTheFaultyCharacter) {
    Evaluate("2 * (3 +*4)");
    EXPECT_EQ(Edit2Text().toStdString(), ErrorMessage(kErrSyntax) + ": position 9");
    EXPECT_EQ(edit1->selectedText(), "*");
}

TEST_F(MainWindowTest, EmptyInputDoesNothing) {
    QTest::keyClick(edit1, Qt::Key_Return);
    EXPECT_TRUE(Edit2Text().isEmpty());
    EXPECT_EQ(history->count(), 0);
}

TEST_F(MainWindowTest, SameTextTwiceKeepsOneHistoryEntryButTwoResultsAndTapeLines) {
    Evaluate("2*3");
    QTest::keyClick(edit1, Qt::Key_Return);
    EXPECT_EQ(history->count(), 1);
    EXPECT_EQ(results->count(), 2);
    EXPECT_EQ(TapeLines().size(), 2);
}

TEST_F(MainWindowTest, ReevaluatedInputMovesToTheTopOfTheHistory) {
    Evaluate("1+1");
    Evaluate("2+2");
    Evaluate("1+1");
    ASSERT_EQ(history->count(), 2);
    EXPECT_EQ(history->itemText(0), "1+1");
    EXPECT_EQ(history->itemText(1), "2+2");
    EXPECT_EQ(results->count(), 3);
}

TEST_F(MainWindowTest, EscapeRecallEvaluatesButRecordsNothing) {
    Evaluate("5*5");
    edit1->selectAll();
    QTest::keyClick(edit1, Qt::Key_Delete);
    window->Session().State().lastAnswer = 0;
    QTest::keyClick(edit1, Qt::Key_Escape);
    EXPECT_EQ(edit1->text(), "5*5");
    EXPECT_EQ(edit1->selectedText(), "5*5");
    EXPECT_FALSE(edit1->isModified());

    QTest::keyClick(edit1, Qt::Key_Return);
    EXPECT_EQ(window->Session().State().lastAnswer, 25.0L);
    EXPECT_EQ(Edit2Text().toStdString(), Formatted(25.0L));
    EXPECT_EQ(results->count(), 1);
    EXPECT_EQ(TapeLines().size(), 1);
}

TEST_F(MainWindowTest, EscapeWithTextInTheLineRecallsNothing) {
    Evaluate("5*5");
    QTest::keyClicks(edit1, "7");
    QTest::keyClick(edit1, Qt::Key_Escape);
    EXPECT_EQ(edit1->text(), "7");
}

TEST_F(MainWindowTest, TapeNoteListsTheVariablesRead) {
    Evaluate("(X=2)+X");
    const QStringList lines = TapeLines();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith("(X=2)+X = " + Edit2Text() + "; X="));
    EXPECT_EQ(lines[0].count("X="), 2) << "X is listed once: " << lines[0].toStdString();
}

TEST_F(MainWindowTest, DeleteRemovesTheSelectedHistoryEntry) {
    Evaluate("1+1");
    Evaluate("2+2");
    history->setFocus();
    history->setCurrentIndex(1);
    QTest::keyClick(history, Qt::Key_Delete);
    ASSERT_EQ(history->count(), 1);
    EXPECT_EQ(history->itemText(0), "2+2");
    ASSERT_EQ(window->Session().History().size(), 1u);
}

TEST_F(MainWindowTest, ChoosingAListEntryInsertsItAtTheCaret) {
    Evaluate("4*4");
    edit1->setText("1+");
    edit1->setCursorPosition(2);
    emit history->activated(0);
    EXPECT_EQ(edit1->text(), "1+4*4");
    emit results->activated(0);
    EXPECT_EQ(edit1->text(), "1+4*4" + results->itemText(0));
}

TEST_F(MainWindowTest, KeypadFunctionReplacesTheSelectionAndPutsTheCaretInside) {
    edit1->setText("1+ab");
    edit1->setSelection(2, 2);
    Button("sbSin")->click();
    EXPECT_EQ(edit1->text(), "1+sin()");
    EXPECT_EQ(edit1->cursorPosition(), 6);
    EXPECT_TRUE(edit1->isModified());
}

TEST_F(MainWindowTest, KeypadArgumentTemplates) {
    struct Row {
        const char* button;
        const char* text;
        int caret;
    };
    const Row rows[] = {
        {"sbSolve", "solve(,,)", 6}, {"sbJn", "Jn(,)", 3},   {"sbRandom", "random", 6},
        {"sbTenPower", "10^()", 4},  {"sbSquared", "\xB2", 1}, {"sbXor", "\\", 1},
        {"sbLoop", "for J to K step M do(?)", 23},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.button);
        edit1->clear();
        Button(row.button)->click();
        EXPECT_EQ(edit1->text(), QString::fromLatin1(row.text));
        EXPECT_EQ(edit1->cursorPosition(), row.caret);
    }
}

TEST_F(MainWindowTest, EqualsButtonEvaluates) {
    QTest::keyClicks(edit1, "6/4");
    Button("sbEQ")->click();
    EXPECT_EQ(Edit2Text().toStdString(), Formatted(1.5L));
    EXPECT_TRUE(edit1->hasFocus());
}

struct ShortcutRow {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifier modifier;
    const char* inserted;  // engine text
};

class ShortcutTest : public MainWindowTest, public ::testing::WithParamInterface<ShortcutRow> {};

TEST_P(ShortcutTest, InsertsItsText) {
    const ShortcutRow& row = GetParam();
    Find<QCheckBox>("cbEval")->setChecked(false);  // variable keys insert their letter
    edit1->setFocus();
    QTest::keyClick(edit1, row.key, row.modifier);
    EXPECT_EQ(edit1->text(), QString::fromLatin1(row.inserted));
}

INSTANTIATE_TEST_SUITE_P(
    CtrlAndAlt, ShortcutTest,
    ::testing::Values(
        ShortcutRow{"Ctrl1", Qt::Key_1, Qt::ControlModifier, "10^()"},
        ShortcutRow{"Ctrl4", Qt::Key_4, Qt::ControlModifier, "integral(,,)"},
        ShortcutRow{"CtrlA", Qt::Key_A, Qt::ControlModifier, "arcsin()"},
        ShortcutRow{"CtrlC", Qt::Key_C, Qt::ControlModifier, "cos()"},
        ShortcutRow{"CtrlD", Qt::Key_D, Qt::ControlModifier, "std()"},
        ShortcutRow{"CtrlE", Qt::Key_E, Qt::ControlModifier, "e"},
        ShortcutRow{"CtrlF", Qt::Key_F, Qt::ControlModifier, "erf()"},
        ShortcutRow{"CtrlG", Qt::Key_G, Qt::ControlModifier, "log()"},
        ShortcutRow{"CtrlI", Qt::Key_I, Qt::ControlModifier, "In(,)"},
        ShortcutRow{"CtrlJ", Qt::Key_J, Qt::ControlModifier, "Jn(,)"},
        ShortcutRow{"CtrlK", Qt::Key_K, Qt::ControlModifier, "Kn(,)"},
        ShortcutRow{"CtrlL", Qt::Key_L, Qt::ControlModifier, "ln()"},
        ShortcutRow{"CtrlM", Qt::Key_M, Qt::ControlModifier, "mean()"},
        ShortcutRow{"CtrlN", Qt::Key_N, Qt::ControlModifier, "arctan()"},
        ShortcutRow{"CtrlO", Qt::Key_O, Qt::ControlModifier, "arccos()"},
        ShortcutRow{"CtrlP", Qt::Key_P, Qt::ControlModifier, "\xB6"},
        ShortcutRow{"CtrlQ", Qt::Key_Q, Qt::ControlModifier, "sqrt()"},
        ShortcutRow{"CtrlR", Qt::Key_R, Qt::ControlModifier, "erf()"},
        ShortcutRow{"CtrlS", Qt::Key_S, Qt::ControlModifier, "sin()"},
        ShortcutRow{"CtrlT", Qt::Key_T, Qt::ControlModifier, "tan()"},
        ShortcutRow{"CtrlY", Qt::Key_Y, Qt::ControlModifier, "Yn(,)"},
        ShortcutRow{"CtrlBNotInTheTable", Qt::Key_B, Qt::ControlModifier, ""},
        ShortcutRow{"AltA", Qt::Key_A, Qt::AltModifier, "arcsinh()"},
        ShortcutRow{"AltC", Qt::Key_C, Qt::AltModifier, "cosh()"},
        ShortcutRow{"AltE", Qt::Key_E, Qt::AltModifier, "exp()"},
        ShortcutRow{"AltG", Qt::Key_G, Qt::AltModifier, "gamma()"},
        ShortcutRow{"AltH", Qt::Key_H, Qt::AltModifier, "arccosh()"},
        ShortcutRow{"AltO", Qt::Key_O, Qt::AltModifier, "solve(,,)"},
        ShortcutRow{"AltQ", Qt::Key_Q, Qt::AltModifier, "sqr()"},
        ShortcutRow{"AltR", Qt::Key_R, Qt::AltModifier, "random"},
        ShortcutRow{"AltS", Qt::Key_S, Qt::AltModifier, "sinh()"},
        ShortcutRow{"AltT", Qt::Key_T, Qt::AltModifier, "tanh()"},
        ShortcutRow{"AltI", Qt::Key_I, Qt::AltModifier, "I"},
        ShortcutRow{"AltJ", Qt::Key_J, Qt::AltModifier, "J"},
        ShortcutRow{"AltK", Qt::Key_K, Qt::AltModifier, "K"},
        ShortcutRow{"AltM", Qt::Key_M, Qt::AltModifier, "M"},
        ShortcutRow{"AltN", Qt::Key_N, Qt::AltModifier, "N"},
        ShortcutRow{"AltV", Qt::Key_V, Qt::AltModifier, "V"},
        ShortcutRow{"AltW", Qt::Key_W, Qt::AltModifier, "W"},
        ShortcutRow{"AltX", Qt::Key_X, Qt::AltModifier, "X"},
        ShortcutRow{"AltY", Qt::Key_Y, Qt::AltModifier, "Y"},
        ShortcutRow{"AltZ", Qt::Key_Z, Qt::AltModifier, "Z"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, F1OpensTheMainHelpPage) {
    QTest::keyClick(edit1, Qt::Key_F1);
    EXPECT_EQ(dialogs.helpContexts, std::vector<int>{0});
}

TEST_F(MainWindowTest, AssistantShowsTheHelpOfTheFunctionAtTheCaret) {
    Choice("rgAngle", 0)->click();  // a first start counts in degrees
    QTest::keyClicks(edit1, "1+cos(");
    ASSERT_TRUE(WaitUntil([this] { return window->AssistantCaption() == " Cosine of (radian) "; }))
        << window->AssistantCaption().toStdString();
    Choice("rgAngle", 1)->click();
    Button("sbSin")->click();
    EXPECT_EQ(window->AssistantCaption(), " Sine of (degree) ");
}

TEST_F(MainWindowTest, MinimumSearchTellsWhereTheMinimumLies) {
    Evaluate("min(0,3,(X-2)^2+1)");
    const EngineState& state = window->Session().State();
    EXPECT_EQ(edit2->toolTip().toStdString(),
              "Xmin=" + FormatReal(state.display, window->Session().Digits(),
                                   state.extremumArgument));
    EXPECT_NEAR(static_cast<double>(state.extremumArgument), 2.0, 1e-6);
    Evaluate("1+1");
    EXPECT_TRUE(edit2->toolTip().isEmpty());
}

TEST_F(MainWindowTest, ClearAllEmptiesListsVariablesAndInput) {
    Evaluate("(X=4)*2");
    Button("bbClearAll")->click();
    EXPECT_EQ(history->count(), 0);
    EXPECT_EQ(results->count(), 0);
    EXPECT_TRUE(edit1->text().isEmpty());
    EXPECT_EQ(window->Session().State().Var(kSlotX), kUndefinedValue);
    EXPECT_EQ(window->Session().State().lastAnswer, kUndefinedValue);
}

TEST_F(MainWindowTest, FloatingPointFaultIsReportedInAMessageBox) {
    dialogs.messagesExpected = true;
    Evaluate("exp(100000)");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "Floating point overflow");
    EXPECT_TRUE(Find<QTabWidget>("PageControl1")->isEnabled());
    EXPECT_EQ(history->count(), 0);
}

TEST_F(MainWindowTest, BreakButtonStopsAnEndlessLoopAfterConfirmation) {
    EngineState& state = window->Session().State();
    state.Var(kSlotJ) = 1;
    state.Var(kSlotK) = 10;
    state.Var(kSlotM) = 0;  // step 0: the loop never ends by itself
    auto* tabs = Find<QTabWidget>("PageControl1");
    auto* breakButton = Find<QPushButton>("bbBreak");
    EXPECT_FALSE(breakButton->isEnabled()) << "nothing to break while idle";
    bool tabsDisabledWhileRunning = false;
    dialogs.onQuestion = [&](const QString&) { return true; };
    QTimer::singleShot(50, window.get(), [&] {
        tabsDisabledWhileRunning = !tabs->isEnabled();
        breakButton->click();
    });
    Evaluate("for J to K step M do(J)");
    EXPECT_TRUE(tabsDisabledWhileRunning);
    EXPECT_TRUE(Edit2Text().startsWith(QString::fromStdString(ErrorMessage(kErrUserBreak))))
        << Edit2Text().toStdString();
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0], "Do you realy wont break calculation?");
    EXPECT_TRUE(tabs->isEnabled());
    EXPECT_FALSE(breakButton->isEnabled());
}

TEST_F(MainWindowTest, AnsweringNoToTheBreakLetsTheComputationContinue) {
    EngineState& state = window->Session().State();
    state.Var(kSlotJ) = 1;
    state.Var(kSlotK) = 20000;
    state.Var(kSlotM) = 1;
    dialogs.onQuestion = [](const QString&) { return false; };
    QTimer::singleShot(0, window.get(), [&] { Find<QPushButton>("bbBreak")->click(); });
    Evaluate("for J to K step M do(J)");
    EXPECT_EQ(dialogs.questions.size(), 1u) << "one click asks once";
    EXPECT_EQ(Edit2Text().toStdString(), Formatted(20000.0L));
}

}  // namespace
}  // namespace kalvo
