// The User Funcs tab: adding in front, replacing by name, the warning for invalid text,
// deleting the selected line's function, the name filter and the functions files.
#include "ui/user_funcs_tab.h"
#include "engine/user_function.h"
#include "engine/user_functions.h"
#include "frontend/ini_file.h"
#include "home_window_fixture.h"

namespace kalvo {
namespace {

class UserFuncsTabTest : public HomeWindowTest {
  protected:
    void SetUp() override {
        HomeWindowTest::SetUp();
        Start();
        window->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(TfmCalc::kUserFuncsTab);
    }
    void Add(const QString& head, const QString& body) {
        Type(Field("edUserFuncName"), head);
        Type(Field("edUserFuncBody"), body);
        Button("bbUserFuncAdd")->click();
    }
    static QString Definition(const char* line) {
        return QString::fromLatin1(TUserFunc(line).DefinitionText());
    }
    QStringList FunctionLines() { return Lines("lbUserFuncs"); }
    int FunctionCount() { return window->Session().GetEngine().Functions().Count(); }
    void ClickLine(int row) {
        QListWidget* list = List("lbUserFuncs");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
};

TEST_F(UserFuncsTabTest, NewFunctionsGoInFrontAndReplaceTheirNamesake) {
    Add(QStringLiteral("f(x)"), QStringLiteral("x^2+1"));
    Add(QStringLiteral("g(a,b)"), QStringLiteral("a-b;difference"));
    EXPECT_EQ(FunctionLines(),
              (QStringList{Definition("g(a,b) = a-b;difference"), Definition("f(x) = x^2+1")}));
    Evaluate(QStringLiteral("f(3)"));
    EXPECT_EQ(edit2->text(), Shown(10));

    Add(QStringLiteral("f(x)"), QStringLiteral("x+1"));
    EXPECT_EQ(FunctionLines(),
              (QStringList{Definition("f(x) = x+1"), Definition("g(a,b) = a-b;difference")}));
    EXPECT_EQ(FunctionCount(), 2);
    Evaluate(QStringLiteral("f(3)+g(5,1)"));
    EXPECT_EQ(edit2->text(), Shown(8));
}

TEST_F(UserFuncsTabTest, InvalidTextGivesTheWarningAndChangesNothing) {
    Add(QStringLiteral("f(x)"), QStringLiteral("x"));
    dialogs.messagesExpected = true;
    const char* text = "h(x,x) = x";
    ASSERT_FALSE(TUserFunc(text).Valid());
    Add(QStringLiteral("h(x,x)"), QStringLiteral("x"));
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0], QStringLiteral("Invalid user function ") + text);
    EXPECT_EQ(FunctionCount(), 1);
}

TEST_F(UserFuncsTabTest, TooManyParametersNameTheLimit) {
    // 32 parameters a..z, aa..ff; the name field takes letters only.
    QString parameters;
    QString body;
    for (int k = 0; k <= TUserFunc::kMaxParameters; ++k) {
        const QString name =
            k < 26 ? QString(QChar('a' + k)) : QString(QChar('a' + k - 26)).repeated(2);
        parameters += (k > 0 ? "," : "") + name;
        body += (k > 0 ? "+" : "") + name;
    }
    dialogs.messagesExpected = true;
    Add("many(" + parameters + ")", body);
    ASSERT_EQ(dialogs.messages.size(), 1U);
    const std::string text = "many(" + parameters.toStdString() + ") = " + body.toStdString();
    EXPECT_EQ(dialogs.messages[0], QString::fromLatin1(TooManyParametersMessage(text)));
    EXPECT_EQ(FunctionCount(), 0);
}

TEST_F(UserFuncsTabTest, DeleteRemovesTheSelectedLinesFunction) {
    Add(QStringLiteral("a(x)"), QStringLiteral("x+1"));
    Add(QStringLiteral("b(x)"), QStringLiteral("x+2"));
    Add(QStringLiteral("c(x)"), QStringLiteral("x+3"));
    ClickLine(1);
    Button("bbUserFuncDelete")->click();
    EXPECT_EQ(FunctionLines(), (QStringList{Definition("c(x) = x+3"), Definition("a(x) = x+1")}));
    Evaluate(QStringLiteral("a(0)+c(0)"));
    EXPECT_EQ(edit2->text(), Shown(4));
    Evaluate(QStringLiteral("b(0)"));
    EXPECT_NE(edit2->text(), Shown(2));
}

TEST_F(UserFuncsTabTest, ClickFillsTheFieldsAndTheNameFilterKeepsHeads) {
    Add(QStringLiteral("hyp(a,b)"), QStringLiteral("sqrt(a^2+b^2);hypotenuse"));
    ClickLine(0);
    const QString line = FunctionLines().value(0);
    EXPECT_EQ(Field("edUserFuncName")->text(), line.left(line.indexOf(u'=')).trimmed());
    EXPECT_EQ(Field("edUserFuncBody")->text(), line.mid(line.indexOf(u'=') + 1).trimmed());
    EXPECT_EQ(Field("edUserFuncName")->text(), "hyp(a,b)");

    Type(Field("edUserFuncName"), QStringLiteral("f(x, y1)"));
    EXPECT_EQ(Field("edUserFuncName")->text(), "f(x,y)");
}

TEST_F(UserFuncsTabTest, SaveAsAndLoadRoundTrip) {
    Add(QStringLiteral("f(x)"), QStringLiteral("2*x"));
    Add(QStringLiteral("g(x)"), QStringLiteral("f(x)+1;next"));
    const QStringList saved = FunctionLines();
    const QString path = dir.path() + "/mine.FNC";
    dialogs.onSaveFile = [&](const QString&) { return path; };
    Button("bbUserFuncSaveAs")->click();
    EXPECT_EQ(dialogs.fileDialogs.at(0).first, "Save functions to File");
    EXPECT_EQ(dialogs.fileDialogs.at(0).second, "User functions files (*.FNC)");
    EXPECT_EQ(ReadBytes(path), (saved.join("\r\n") + "\r\n").toLatin1());
    IniFile ini;
    ASSERT_TRUE(ini.Load(home.SettingsFile()).ok);
    EXPECT_EQ(ini.ReadString("Files", "Functions", ""), QFile::encodeName(path).toStdString());

    ClickLine(0);
    Button("bbUserFuncDelete")->click();
    Add(QStringLiteral("z(x)"), QStringLiteral("x*0"));
    dialogs.onOpenFile = [&](const QString&) { return path; };
    Button("bbUserFuncLoad")->click();
    EXPECT_EQ(dialogs.fileDialogs.at(1).first, "Load functions from File");
    EXPECT_EQ(FunctionLines(), saved);
    Evaluate(QStringLiteral("g(4)"));
    EXPECT_EQ(edit2->text(), Shown(9));

    // "Save" writes to the current file of the run, the default one.
    Button("bbUserFuncSave")->click();
    EXPECT_EQ(ReadBytes(HomePath("Kalvo.FNC")), ReadBytes(path));
}

TEST_F(UserFuncsTabTest, LoadingABadLineReportsItAndKeepsTheFunctionsBeforeIt) {
    const QString path = dir.path() + "/bad.FNC";
    WriteBytes(path, "f(x) = x+1\r\nq(x,x) = x\r\ng(x) = 2\r\n");
    dialogs.onOpenFile = [&](const QString&) { return path; };
    dialogs.messagesExpected = true;
    Button("bbUserFuncLoad")->click();
    EXPECT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(FunctionLines(), QStringList{Definition("f(x) = x+1")});
}

}  // namespace
}  // namespace kalvo
