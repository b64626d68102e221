// The Variables tab: rows calculated by button and Enter, mapped error positions,
// "Calculate All" with rows that use each other, and the variables file.
#include <QLabel>

#include "home_window_fixture.h"
#include "ui/variables_tab.h"

namespace kalvo {
namespace {

class VariablesTabTest : public HomeWindowTest {
  protected:
    void SetUp() override {
        HomeWindowTest::SetUp();
        Start();
        window->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(TfmCalc::kVariablesTab);
    }
    QLineEdit* Expression(int slot) {
        return Field(QStringLiteral("edVar%1").arg(slot).toLatin1());
    }
    QLineEdit* Value(int slot) { return Field(QStringLiteral("edVal%1").arg(slot).toLatin1()); }
    EngineState& State() { return window->Session().State(); }
};

TEST_F(VariablesTabTest, RowByButtonAndByEnterGoesToItsOwnRow) {
    Type(Expression(1), QStringLiteral("2 + 3"));
    Button("bbCalc1")->click();
    Type(Expression(4), QStringLiteral("7 * 2"));
    QTest::keyClick(Expression(4), Qt::Key_Return);

    EXPECT_EQ(Value(1)->text(), Shown(5));
    EXPECT_EQ(Value(4)->text(), Shown(14));
    EXPECT_EQ(State().Var(kSlotX), 5);
    EXPECT_EQ(State().VarText(kSlotX), "2+3");
    EXPECT_EQ(State().VarText(kSlotV), "7*2");
    EXPECT_EQ(Value(2)->text(), "Undefind");
    EXPECT_FALSE(Value(1)->isEnabled());
    // Enter on this page is the row's own: the input line was not evaluated.
    EXPECT_TRUE(window->Session().History().empty());
}

TEST_F(VariablesTabTest, ErrorShowsMappedPositionAndKeepsValueAndEngineText) {
    Type(Expression(1), QStringLiteral("4"));
    Button("bbCalc1")->click();
    State().text = "kept";
    struct Row {
        const char* name;
        const char* typed;
        const char* position;
        int selectStart;
    };
    for (const Row& row : {Row{"ParenAfterBlanks", "1 + 2)", ": position 6", 5},
                           Row{"UnknownName", "2 *  qq", ": position 6", 5}}) {
        SCOPED_TRACE(row.name);
        Type(Expression(1), QString::fromLatin1(row.typed));
        Button("bbCalc1")->click();
        const QString error = Find<QLabel>("lbVarError")->text();
        EXPECT_TRUE(error.endsWith(QString::fromLatin1(row.position))) << error.toStdString();
        EXPECT_EQ(Expression(1)->selectionStart(), row.selectStart);
        EXPECT_EQ(State().Var(kSlotX), 4);
        EXPECT_EQ(Value(1)->text(), Shown(4));
        EXPECT_EQ(State().text, "kept");
    }
    Type(Expression(1), QStringLiteral("5"));
    Button("bbCalc1")->click();
    EXPECT_TRUE(Find<QLabel>("lbVarError")->text().isEmpty());
}

TEST_F(VariablesTabTest, FaultIsShownInABoxAndKeepsTheRow) {
    Type(Expression(2), QStringLiteral("4"));
    Button("bbCalc2")->click();
    State().text = "kept";
    dialogs.messagesExpected = true;
    const struct {
        const char* name;
        const char* typed;
        const char* message;
    } rows[] = {
        {"literal_overflow", "1E40000", "Floating point overflow"},
        {"invalid_operation", "1E10 & 1", "Invalid floating point operation"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        dialogs.messages.clear();
        Type(Expression(2), QString::fromLatin1(row.typed));
        Button("bbCalc2")->click();
        ASSERT_EQ(dialogs.messages.size(), 1U);
        EXPECT_EQ(dialogs.messages[0], QString::fromLatin1(row.message));
        EXPECT_EQ(State().Var(kSlotY), 4);
        EXPECT_EQ(State().VarText(kSlotY), "4");
        EXPECT_EQ(Value(2)->text(), Shown(4));
        EXPECT_EQ(State().text, "kept");
        EXPECT_FALSE(State().errorFlag);
    }
    // The next calculation works as before.
    dialogs.messagesExpected = false;
    Type(Expression(2), QStringLiteral("5"));
    Button("bbCalc2")->click();
    EXPECT_EQ(State().Var(kSlotY), 5);
}

TEST_F(VariablesTabTest, LoadedFileWithAFaultingRowCalculatesTheOthers) {
    const QString path = HomePath("fault.VAR");
    WriteBytes(path, "1\n2\n3\n4\n5\n4\n7\n8\n9\n1\n1E40000\n2*3\n");
    dialogs.onOpenFile = [&path](const QString&) { return path; };
    dialogs.messagesExpected = true;
    Button("bbLoadVars")->click();
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0], QStringLiteral("Floating point overflow"));
    EXPECT_EQ(State().Var(kSlotX), kUndefinedValue);
    EXPECT_EQ(Value(2)->text(), Shown(6));
    EXPECT_EQ(Expression(1)->text(), QStringLiteral("1E40000"));
}

TEST_F(VariablesTabTest, CalculateAllLetsARowUseARowBelowIt) {
    Type(Expression(1), QStringLiteral("Y+1"));
    Type(Expression(2), QStringLiteral("3"));
    Type(Expression(3), QString());
    State().Var(kSlotZ) = 42;  // forgotten by Calculate All
    Button("bbCalcAll")->click();

    // X reads Y before Y's row ran: the engine asks this tab to calculate Y's row first.
    EXPECT_EQ(Value(1)->text(), Shown(4));
    EXPECT_EQ(Value(2)->text(), Shown(3));
    EXPECT_EQ(Value(3)->text(), "Undefind");
    EXPECT_EQ(State().Var(kSlotZ), kUndefinedValue);
    EXPECT_EQ(dialogs.dialogsShown, 0);  // no value prompt
}

TEST_F(VariablesTabTest, SaveAndLoadRoundTripKeepsUndefinedY) {
    Type(Expression(1), QStringLiteral("2"));
    Type(Expression(3), QStringLiteral("X*10"));
    const QString path = dir.path() + "/vars.VAR";
    dialogs.onSaveFile = [&](const QString&) { return path; };
    Button("bbSaveVars")->click();
    ASSERT_EQ(dialogs.fileDialogs.size(), 1U);
    EXPECT_EQ(dialogs.fileDialogs[0].first, "Save variables to File");
    EXPECT_EQ(dialogs.fileDialogs[0].second, "Variables files (*.VAR)");
    const QList<QByteArray> lines = ReadBytes(path).split('\n');
    ASSERT_EQ(lines.size(), 21);  // 20 lines, each ended by CR LF
    EXPECT_EQ(lines[1], " 1.23454321000000E-0001\r");
    EXPECT_EQ(lines[12], "X*10\r");

    for (int slot = 1; slot <= kTabVariableCount; ++slot) {
        Type(Expression(slot), QStringLiteral("7"));
    }
    Button("bbCalcAll")->click();
    dialogs.onOpenFile = [&](const QString&) { return path; };
    Button("bbLoadVars")->click();
    EXPECT_EQ(dialogs.fileDialogs[1].first, "Load variables from File");
    EXPECT_EQ(dialogs.fileDialogs[1].second, "User variables files (*.VAR)");
    EXPECT_EQ(Expression(1)->text(), "2");
    EXPECT_EQ(Expression(2)->text(), "");
    EXPECT_EQ(Value(2)->text(), "Undefind");
    EXPECT_EQ(Expression(3)->text(), "X*10");
    EXPECT_EQ(Value(3)->text(), Shown(20));
    EXPECT_EQ(State().Var(kSlotY), kUndefinedValue);
}

TEST_F(VariablesTabTest, LoadingAMissingFileSaysSoAndChangesNothing) {
    Type(Expression(1), QStringLiteral("6"));
    Button("bbCalc1")->click();
    const QString path = dir.path() + "/none.VAR";
    dialogs.onOpenFile = [&](const QString&) { return path; };
    dialogs.messagesExpected = true;
    Button("bbLoadVars")->click();
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0], "Can't open file " + path);
    EXPECT_EQ(State().Var(kSlotX), 6);
}

TEST_F(VariablesTabTest, ShowingTheTabRefreshesFromTheEngine) {
    window->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(TfmCalc::kCalculatorTab);
    Evaluate(QStringLiteral("(W=2^5)"));
    window->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(TfmCalc::kVariablesTab);
    EXPECT_EQ(Value(kSlotW)->text(), Shown(32));
    Button("bbVarsHelp")->click();
    EXPECT_EQ(dialogs.helpContexts, std::vector<int>{3});
}

}  // namespace
}  // namespace kalvo
