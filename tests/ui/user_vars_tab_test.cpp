// The User Vars tab: adding and replacing in place, deleting exactly the selected line's
// variable, the name filter, the files, and constants defined in the input line.
#include "ui/user_vars_tab.h"
#include "frontend/ini_file.h"
#include "home_window_fixture.h"

namespace kalvo {
namespace {

class UserVarsTabTest : public HomeWindowTest {
  protected:
    void SetUp() override {
        HomeWindowTest::SetUp();
        Start();
        window->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(TfmCalc::kUserVarsTab);
    }
    void Add(const QString& name, const QString& value) {
        Type(Field("edUserVarName"), name);
        Type(Field("edUserVarValue"), value);
        Button("bbUserVarAdd")->click();
    }
    QStringList UserVarLines() { return Lines("lbUserVars"); }
    QString Line(const char* name, Real value) {
        return QString::fromLatin1(name) + " = " + Shown(value);
    }
    ConstantList& Constants() { return window->Session().State().constants; }
    EngineState& State() { return window->Session().State(); }
};

TEST_F(UserVarsTabTest, AddedVariableIsListedAndUsableInExpressions) {
    Add(QStringLiteral("ab"), QStringLiteral("2*3"));
    EXPECT_EQ(UserVarLines(), QStringList{Line("ab", 6)});
    Evaluate(QStringLiteral("ab+1"));
    EXPECT_EQ(edit2->text(), Shown(7));
}

TEST_F(UserVarsTabTest, ReplacingAValueKeepsTheLineInPlace) {
    Add(QStringLiteral("aa"), QStringLiteral("1"));
    Add(QStringLiteral("bb"), QStringLiteral("2"));
    Add(QStringLiteral("cc"), QStringLiteral("3"));
    Add(QStringLiteral("bb"), QStringLiteral("20"));
    EXPECT_EQ(UserVarLines(), (QStringList{Line("cc", 3), Line("bb", 20), Line("aa", 1)}));
    EXPECT_EQ(Constants().Count(), 3U);
}

TEST_F(UserVarsTabTest, EnterInEitherFieldAdds) {
    Type(Field("edUserVarName"), QStringLiteral("q"));
    Type(Field("edUserVarValue"), QStringLiteral("5"));
    QTest::keyClick(Field("edUserVarValue"), Qt::Key_Return);
    Type(Field("edUserVarName"), QStringLiteral("r"));
    QTest::keyClick(Field("edUserVarName"), Qt::Key_Return);
    EXPECT_EQ(UserVarLines(), (QStringList{Line("r", 5), Line("q", 5)}));
    EXPECT_TRUE(window->Session().History().empty());
}

TEST_F(UserVarsTabTest, WrongEntriesAreReportedInABox) {
    dialogs.messagesExpected = true;
    Add(QString(), QStringLiteral("1"));
    Add(QStringLiteral("x"), QString());
    Add(QStringLiteral("bad"), QStringLiteral("2*qq"));
    ASSERT_EQ(dialogs.messages.size(), 3U);
    EXPECT_EQ(dialogs.messages[0], "Varible name or value invalid!");
    EXPECT_EQ(dialogs.messages[1], "Varible name or value invalid!");
    EXPECT_TRUE(dialogs.messages[2].contains(QStringLiteral(": position ")))
        << dialogs.messages[2].toStdString();
    EXPECT_TRUE(UserVarLines().isEmpty());
    EXPECT_FALSE(window->Session().State().errorFlag);
}

TEST_F(UserVarsTabTest, FaultsInAddAndModifyAreReportedAndKeepTheVariables) {
    Add(QStringLiteral("kept"), QStringLiteral("7"));
    dialogs.messagesExpected = true;
    State().text = "engine text";
    const struct {
        const char* name;
        const char* variable;
        const char* expression;
        const char* message;
    } rows[] = {
        {"add_overflow", "fresh", "1E4000*1E4000", "Floating point overflow"},
        {"modify_overflow", "kept", "exp(1E6)", "Floating point overflow"},
        {"modify_division", "kept", "0^-1", "Floating point division by zero"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        dialogs.messages.clear();
        Add(QString::fromLatin1(row.variable), QString::fromLatin1(row.expression));
        ASSERT_EQ(dialogs.messages.size(), 1U);
        EXPECT_EQ(dialogs.messages[0], QString::fromLatin1(row.message));
        EXPECT_EQ(UserVarLines(), QStringList{Line("kept", 7)});
        EXPECT_EQ(Constants().Count(), 1U);
        EXPECT_EQ(Constants().Find("kept")->value, 7);
        EXPECT_EQ(State().text, "engine text");
        EXPECT_FALSE(State().errorFlag);
    }
}

TEST_F(UserVarsTabTest, DeletingTheFirstLoadedLineRemovesExactlyItsVariable) {
    const QString path = dir.path() + "/mine.USR";
    WriteBytes(path, "first = 1\r\nsecond = 2\r\nthird = 3\r\n");
    dialogs.onOpenFile = [&](const QString&) { return path; };
    Button("bbUserVarLoad")->click();
    EXPECT_EQ(dialogs.fileDialogs.at(0).first, "Load variables from File");
    EXPECT_EQ(dialogs.fileDialogs.at(0).second, "User variables files (*.USR)");
    ASSERT_EQ(UserVarLines(), (QStringList{"first = 1", "second = 2", "third = 3"}));

    QListWidget* list = List("lbUserVars");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    Button("bbUserVarDelete")->click();
    EXPECT_EQ(UserVarLines(), (QStringList{"second = 2", "third = 3"}));
    EXPECT_EQ(Constants().Find("first"), nullptr);
    ASSERT_NE(Constants().Find("second"), nullptr);
    EXPECT_EQ(Constants().Find("second")->value, 2);
    EXPECT_NE(Constants().Find("third"), nullptr);
}

TEST_F(UserVarsTabTest, DoubleClickFillsTheFields) {
    Add(QStringLiteral("mass"), QStringLiteral("2.5"));
    Add(QStringLiteral("g"), QStringLiteral("9.81"));
    QListWidget* list = List("lbUserVars");
    const QPoint point = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, point);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, point);
    EXPECT_EQ(Field("edUserVarName")->text(), "mass");
    EXPECT_EQ(Field("edUserVarValue")->text(), Shown(2.5L));
    EXPECT_EQ(list->toolTip(), "Double click for modify");
}

TEST_F(UserVarsTabTest, NameFieldKeepsLettersOnly) {
    struct Row {
        const char* name;
        const char* typed;
        const char* kept;
        int caret;
    };
    for (const Row& row : {Row{"DigitInside", "ab1c", "abc", 3}, Row{"Blank", "a b", "ab", 2},
                           Row{"LeadingDigit", "9", "", 0}, Row{"Underscore", "x_y", "xy", 2}}) {
        SCOPED_TRACE(row.name);
        Type(Field("edUserVarName"), QString::fromLatin1(row.typed));
        EXPECT_EQ(Field("edUserVarName")->text(), row.kept);
        EXPECT_EQ(Field("edUserVarName")->cursorPosition(), row.caret);
    }
    // A pasted text loses every character that is not a letter; the caret stays at the
    // first deletion (after the first character when that one went).
    Field("edUserVarName")->setText(QStringLiteral("1a2b"));
    EXPECT_EQ(Field("edUserVarName")->text(), "ab");
    EXPECT_FALSE(Field("edUserVarName")->hasSelectedText());
}

TEST_F(UserVarsTabTest, ConstantDefinedInTheInputLineIsListedAndReplacedInPlace) {
    Add(QStringLiteral("other"), QStringLiteral("1"));
    Evaluate(QStringLiteral("(ab=5)*2"));
    EXPECT_EQ(edit2->text(), Shown(10));
    EXPECT_EQ(UserVarLines(), (QStringList{Line("ab", 5), Line("other", 1)}));
    Evaluate(QStringLiteral("(other=7)"));
    EXPECT_EQ(UserVarLines(), (QStringList{Line("ab", 5), Line("other", 7)}));
}

TEST_F(UserVarsTabTest, SaveAsStoresThePathButSaveKeepsTheCurrentFile) {
    Add(QStringLiteral("k"), QStringLiteral("4"));
    const QString chosen = dir.path() + "/chosen.USR";
    dialogs.onSaveFile = [&](const QString&) { return chosen; };
    Button("bbUserVarSaveAs")->click();
    EXPECT_EQ(dialogs.fileDialogs.at(0).first, "Save variables to File");
    EXPECT_EQ(dialogs.fileDialogs.at(0).second, "User variables files (*.USR)");
    EXPECT_EQ(ReadBytes(chosen), (Line("k", 4) + "\r\n").toLatin1());
    IniFile ini;
    ASSERT_TRUE(ini.Load(home.SettingsFile()).ok);
    EXPECT_EQ(ini.ReadString("Files", "Variables", ""), QFile::encodeName(chosen).toStdString());

    Add(QStringLiteral("m"), QStringLiteral("1"));
    Button("bbUserVarSave")->click();
    EXPECT_EQ(ReadBytes(HomePath("Kalvo.USR")),
              (Line("m", 1) + "\r\n" + Line("k", 4) + "\r\n").toLatin1());
    EXPECT_EQ(ReadBytes(chosen), (Line("k", 4) + "\r\n").toLatin1());
}

TEST_F(UserVarsTabTest, UnreadableFileLeavesTheListAlone) {
    Add(QStringLiteral("keep"), QStringLiteral("3"));
    const QString path = dir.path() + "/missing.USR";
    dialogs.onOpenFile = [&](const QString&) { return path; };
    dialogs.messagesExpected = true;
    Button("bbUserVarLoad")->click();
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0], "Can't read file " + path);
    EXPECT_EQ(UserVarLines(), QStringList{Line("keep", 3)});
    EXPECT_NE(Constants().Find("keep"), nullptr);
}

}  // namespace
}  // namespace kalvo
