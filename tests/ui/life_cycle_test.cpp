// Start-up and close of the main window: the defaults of a first start, the files written
// at close, and what a restart brings back.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QSpinBox>

#include "frontend/ini_file.h"
#include "home_window_fixture.h"
#include "ui/user_vars_tab.h"

namespace kalvo {
namespace {

class LifeCycleTest : public HomeWindowTest {
  protected:
    QRadioButton* Choice(const char* group, int index) {
        return Find<QGroupBox>(group)->findChildren<QRadioButton*>().value(index);
    }
    QStringList Entries(const char* name) {
        QStringList entries;
        auto* list = Find<QComboBox>(name);
        for (int i = 0; i < list->count(); ++i) {
            entries << list->itemText(i);
        }
        return entries;
    }
    IniFile Ini() {
        IniFile ini;
        EXPECT_TRUE(ini.Load(home.SettingsFile()).ok);
        return ini;
    }
    /// The files of a later start: settings, an empty user-variables file and constants.
    void LaterStartFiles(const QByteArray& settings) {
        WriteBytes(HomePath("Kalvo.INI"), settings);
        WriteBytes(HomePath("Kalvo.USR"), "");
        WriteBytes(HomePath("Kalvo.CON"), "one = 1\r\n");
    }
};

TEST_F(LifeCycleTest, AMissingUserVariablesFileThatTheSettingsNameIsReported) {
    const QString named = HomePath("mine.USR");
    LaterStartFiles("[Files]\r\nVariables=" + named.toUtf8() + "\r\n");
    dialogs.messagesExpected = true;
    Start();
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0], QStringLiteral("Can't read file ") + named);
}

TEST_F(LifeCycleTest, FirstStartHasEveryDefaultAndWritesTheFilesAtClose) {
    Start();  // no message box: the constants file is installed, no user data is expected
    CalculatorSession& session = window->Session();
    EXPECT_TRUE(window->FirstStart());
    EXPECT_TRUE(Choice("rgNotation", 0)->isChecked());
    EXPECT_EQ(session.Notation(), 0);
    EXPECT_EQ(session.Digits(), 12);
    EXPECT_EQ(Find<QSpinBox>("udDigits")->value(), 12);
    EXPECT_EQ(session.AngleUnit(), 1);
    EXPECT_TRUE(Choice("rgAngle", 1)->isChecked());
    EXPECT_EQ(session.ComplexForm(), 1);
    EXPECT_EQ(Find<QSpinBox>("udPrecision")->value(), 9);
    EXPECT_TRUE(Find<QCheckBox>("chAssistant")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("chHint")->isChecked());
    EXPECT_TRUE(window->ShowComp());
    EXPECT_TRUE(session.History().empty());
    EXPECT_TRUE(session.Results().empty());
    const Settings& s = window->StoredSettings();
    EXPECT_EQ(s.xMin, "-10");
    EXPECT_EQ(s.xMax, "10");
    EXPECT_EQ(s.yMin, "-10");
    EXPECT_EQ(s.yMax, "10");
    EXPECT_EQ(s.xAxis, "X");
    EXPECT_EQ(s.yAxis, "Y");
    EXPECT_GT(List("lbConstants")->count(), 20);
    EXPECT_TRUE(Exists(HomePath("Kalvo.CON")));
    EXPECT_FALSE(Exists(HomePath("Kalvo.INI")));

    window->close();
    const QByteArray ini = ReadBytes(HomePath("Kalvo.INI"));
    EXPECT_TRUE(ini.startsWith("[Calc Settings]\r\nNotation=0\r\nAngle=1\r\nDigits=12\r\n"))
        << ini.toStdString();
    EXPECT_FALSE(ini.contains("Complex Form"));
    EXPECT_TRUE(ini.contains("[Graphics]\r\nPlot Type=0\r\nXx min=-10\r\n"));
    EXPECT_TRUE(ini.contains("[Calc]\r\nLeft="));
    EXPECT_EQ(ReadBytes(HomePath("Kalvo.HST")), "0\r\n0\r\n");
    EXPECT_FALSE(Exists(HomePath("Kalvo.USR")));
    EXPECT_FALSE(Exists(HomePath("Kalvo.FNC")));
}

TEST_F(LifeCycleTest, RestartRestoresSettingsPositionHistoryAndResults) {
    Start();
    Choice("rgNotation", 1)->click();  // Fix
    Find<QSpinBox>("udDigits")->setValue(6);
    Choice("rgAngle", 0)->click();  // radians
    Find<QSpinBox>("udPrecision")->setValue(14);
    Find<QCheckBox>("chAssistant")->setChecked(false);
    Find<QCheckBox>("chHint")->setChecked(false);
    window->SetShowComp(false);
    window->move(123, 77);
    Evaluate(QStringLiteral("1+1"));
    Evaluate(QStringLiteral("sin(pi/2)*3"));
    const QStringList results = Entries("cbResults");
    ASSERT_EQ(results.size(), 2);

    // The default user-variables file was never saved: its absence is not reported.
    Restart();
    CalculatorSession& session = window->Session();
    EXPECT_FALSE(window->FirstStart());
    EXPECT_EQ(session.Notation(), 1);
    EXPECT_TRUE(Choice("rgNotation", 1)->isChecked());
    EXPECT_EQ(session.Digits(), 6);
    EXPECT_EQ(Find<QSpinBox>("udDigits")->value(), 6);
    EXPECT_EQ(session.AngleUnit(), 0);
    EXPECT_TRUE(Choice("rgAngle", 0)->isChecked());
    EXPECT_EQ(Find<QSpinBox>("udPrecision")->value(), 14);
    EXPECT_FALSE(Find<QCheckBox>("chAssistant")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("chHint")->isChecked());
    EXPECT_FALSE(window->ShowComp());
    EXPECT_EQ(window->pos(), QPoint(123, 77));
    EXPECT_EQ(Entries("cbHistory"), (QStringList{"sin(pi/2)*3", "1+1"}));
    EXPECT_EQ(Entries("cbResults"), results);
    // The first show offers the last input and result again.
    EXPECT_EQ(edit1->text(), "sin(pi/2)*3");
    EXPECT_EQ(edit2->text(), results[0]);
    // In radians and Fix 6 the restored settings compute as before.
    Evaluate(QStringLiteral("sin(pi/2)*3"));
    EXPECT_EQ(edit2->text(), results[0]);
}

TEST_F(LifeCycleTest, ClosingInComplexModeKeepsTheAngleAndNotationOfRealMode) {
    Start();
    window->SetShowComp(false);
    Choice("rgAngle", 1)->click();
    Choice("rgNotation", kSxg)->click();
    Choice("rgReal", 1)->click();
    ASSERT_EQ(window->Session().AngleUnit(), 0);
    Restart();
    EXPECT_FALSE(window->Session().ComplexMode());
    EXPECT_EQ(window->Session().AngleUnit(), 1);
    EXPECT_EQ(window->Session().Notation(), kSxg);
    EXPECT_TRUE(Choice("rgNotation", kSxg)->isChecked());
}

TEST_F(LifeCycleTest, ComplexFormIsReadButNeverWritten) {
    LaterStartFiles("[Calc Settings]\r\nComplex Form=0\r\n");
    Start();
    EXPECT_EQ(window->Session().ComplexForm(), 0);
    EXPECT_TRUE(Choice("rgComplexForm", 0)->isChecked());
    window->Session().State().display.complexForm = 1;
    window->close();
    IniFile ini = Ini();
    EXPECT_EQ(ini.ReadInteger("Calc Settings", "Complex Form", -1), 0);
}

TEST_F(LifeCycleTest, UnknownSectionsAndKeysSurviveAClose) {
    LaterStartFiles(
        "; written by hand\r\n[Mine]\r\nfoo=bar\r\n[Calc Settings]\r\nExtra Key=7\r\n"
        "Digits=9\r\n[fmPlot2D]\r\nLeft=5\r\n");
    Start();
    EXPECT_EQ(window->Session().Digits(), 9);
    window->close();
    const QByteArray text = ReadBytes(HomePath("Kalvo.INI"));
    EXPECT_TRUE(text.startsWith("; written by hand\r\n[Mine]\r\nfoo=bar\r\n"))
        << text.toStdString();
    IniFile ini = Ini();
    EXPECT_EQ(ini.ReadInteger("Calc Settings", "Extra Key", 0), 7);
    EXPECT_EQ(ini.ReadInteger("fmPlot2D", "Left", 0), 5);
    EXPECT_EQ(ini.ReadInteger("Calc Settings", "Digits", 0), 9);
}

TEST_F(LifeCycleTest, GraphicsValuesAreKeptForThePlotSetUp) {
    LaterStartFiles(
        "[Graphics]\r\nPlot Type=2\r\nXx min=-3\r\nStepX2=77\r\nStepY4=9\r\nX axis=time\r\n");
    Start();
    const Settings& s = window->StoredSettings();
    EXPECT_EQ(s.plotType, 2);
    EXPECT_EQ(s.xMin, "-3");
    EXPECT_EQ(s.stepX[2], 77);
    EXPECT_EQ(s.stepY[4], 9);
    EXPECT_EQ(s.xAxis, "time");
    // Plot kind 2 names its title after the expression; the legend is cleared.
    EXPECT_EQ(s.title, "f()");
    EXPECT_EQ(s.legend, "");
    window->close();
    IniFile ini = Ini();
    EXPECT_EQ(ini.ReadInteger("Graphics", "Plot Type", -1), 2);
    EXPECT_EQ(ini.ReadString("Graphics", "Xx min", ""), "-3");
    EXPECT_EQ(ini.ReadInteger("Graphics", "StepX2", 0), 77);
    EXPECT_EQ(ini.ReadInteger("Graphics", "StepY4", 0), 9);
    EXPECT_EQ(ini.ReadString("Graphics", "X axis", ""), "time");
}

TEST_F(LifeCycleTest, HistoryWithNoInputsAndThreeResults) {
    LaterStartFiles("");
    WriteBytes(HomePath("Kalvo.HST"), "0\r\n3\r\n7\r\n8\r\n9\r\n");
    Start();
    EXPECT_TRUE(Entries("cbHistory").isEmpty());
    EXPECT_EQ(Entries("cbResults"), (QStringList{"7", "8", "9"}));
    EXPECT_TRUE(edit1->text().isEmpty());
    EXPECT_EQ(edit2->text(), "7");
}

TEST_F(LifeCycleTest, UserVariablesAndFunctionsComeBackFromTheirFiles) {
    const QString variables = dir.path() + "/other.USR";
    LaterStartFiles("[Files]\r\nVariables=" + QFile::encodeName(variables) + "\r\n");
    WriteBytes(variables, "rho = 1.5\r\nmu = 2\r\n");
    WriteBytes(HomePath("Kalvo.FNC"), "sq(x) = x*x\r\n");
    Start();
    EXPECT_EQ(Lines("lbUserVars"), (QStringList{"rho = 1.5", "mu = 2"}));
    EXPECT_EQ(Lines("lbUserFuncs").size(), 1);
    Evaluate(QStringLiteral("sq(rho)+mu"));
    EXPECT_EQ(edit2->text(), Shown(4.25L));
}

TEST_F(LifeCycleTest, LaterStartWithoutConstantsFileWarns) {
    WriteBytes(HomePath("Kalvo.INI"), "");
    WriteBytes(HomePath("Kalvo.USR"), "");
    dialogs.messagesExpected = true;
    Start();
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0],
              QStringLiteral("File <") + QString::fromStdString(home.stem) + ".CON> not found.");
    EXPECT_EQ(List("lbConstants")->count(), 0);
    EXPECT_FALSE(Exists(HomePath("Kalvo.CON")));  // a deleted file stays deleted
}

TEST_F(LifeCycleTest, FilesChosenBySaveAsAreReadAtTheNextStart) {
    Start();
    window->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(TfmCalc::kUserVarsTab);
    Type(Field("edUserVarName"), QStringLiteral("speed"));
    Type(Field("edUserVarValue"), QStringLiteral("340"));
    Button("bbUserVarAdd")->click();
    window->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(TfmCalc::kUserFuncsTab);
    Type(Field("edUserFuncName"), QStringLiteral("twice(x)"));
    Type(Field("edUserFuncBody"), QStringLiteral("2*x"));
    Button("bbUserFuncAdd")->click();
    const QString variables = dir.path() + "/saved.USR";
    const QString functions = dir.path() + "/saved.FNC";
    dialogs.onSaveFile = [&](const QString& title) {
        return title.contains(QStringLiteral("functions")) ? functions : variables;
    };
    Button("bbUserVarSaveAs")->click();
    Button("bbUserFuncSaveAs")->click();

    // Closing writes the settings without losing the paths stored by "Save As".
    Restart();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(window->UserVars().CurrentFile(), QFile::encodeName(variables).toStdString());
    Evaluate(QStringLiteral("twice(speed)"));
    EXPECT_EQ(edit2->text(), Shown(680));
}

}  // namespace
}  // namespace kalvo
