// The settings file: defaults of a first start, what close writes, and what it keeps.
#include <gtest/gtest.h>

#include "frontend/settings.h"
#include "frontend/temp_folder.h"

namespace {

using kalvo::IniFile;
using kalvo::Settings;
using kalvo::testing::ReadBytes;
using kalvo::testing::TempFolder;
using kalvo::testing::WriteBytes;

kalvo::HomeFolder Home(const std::string& folder) {
    return {folder, folder + "/Kalvo"};
}

TEST(SettingsTest, AnEmptyFileGivesEveryDefault) {
    Settings s = kalvo::LoadSettings(IniFile(), Home("/h"));
    EXPECT_EQ(s.notation, 0);
    EXPECT_EQ(s.digits, 12);
    EXPECT_EQ(s.complexForm, 1);
    EXPECT_EQ(s.precision, 9);
    EXPECT_TRUE(s.assistant);
    EXPECT_TRUE(s.hint);
    EXPECT_EQ(s.angle, 1);
    EXPECT_TRUE(s.showComp);
    EXPECT_EQ(s.variablesFile, "/h/Kalvo.USR");
    EXPECT_EQ(s.functionsFile, "/h/Kalvo.FNC");
    EXPECT_EQ(s.plotType, 0);
    EXPECT_EQ(s.xMin, "-10");
    EXPECT_EQ(s.xMax, "10");
    EXPECT_EQ(s.yMin, "-10");
    EXPECT_EQ(s.yMax, "10");
    EXPECT_EQ(s.stepX, (std::array<int, 5>{200, 40, 40, 40, 360}));
    EXPECT_EQ(s.stepY, (std::array<int, 5>{0, 40, 40, 40, 0}));
    EXPECT_EQ(s.legend, "");
    EXPECT_EQ(s.title, "f()");
    EXPECT_EQ(s.xAxis, "X");
    EXPECT_EQ(s.yAxis, "Y");
    EXPECT_EQ(s.left, 0);
    EXPECT_EQ(s.top, 0);
}

TEST(SettingsTest, CloseWritesTheKeysInTheirOrderAndNeverComplexFormOrFiles) {
    Settings s = kalvo::DefaultSettings(Home("/h"));
    s.complexForm = 0;
    s.variablesFile = "/elsewhere.USR";
    IniFile ini;
    kalvo::SaveSettings(ini, s);
    EXPECT_EQ(ini.Text(),
              "[Calc Settings]\r\nNotation=0\r\nAngle=1\r\nDigits=12\r\nPrecison=9\r\n"
              "Assistant=1\r\nHint=1\r\nShowComp=1\r\n\r\n"
              "[Graphics]\r\nPlot Type=0\r\nXx min=-10\r\nYx min=10\r\nXy min=-10\r\n"
              "Yy min=10\r\nLegend=\r\nTitle=f()\r\nX axis=X\r\nY axis=Y\r\n"
              "StepX0=200\r\nStepX1=40\r\nStepX2=40\r\nStepX3=40\r\nStepX4=360\r\n"
              "StepY0=0\r\nStepY1=40\r\nStepY2=40\r\nStepY3=40\r\nStepY4=0\r\n\r\n"
              "[Calc]\r\nLeft=0\r\nTop=0\r\n\r\n"
              "[fmSurface]\r\nLeft=0\r\nTop=0\r\nWidth=640\r\nHeight=480\r\n"
              "ElevationColor=16776960\r\nWallWidth=10\r\n\r\n"
              "[fmPolar]\r\nLeft=0\r\nTop=0\r\nWidth=640\r\nHeight=480\r\n");
}

TEST(SettingsTest, EveryWrittenValueComesBack) {
    Settings s = kalvo::DefaultSettings(Home("/h"));
    s.notation = 3;
    s.digits = 17;
    s.precision = 20;
    s.assistant = false;
    s.hint = false;
    s.angle = 0;
    s.showComp = false;
    s.plotType = 4;
    s.xMin = "-pi";
    s.xMax = "2*pi";
    s.yMin = "-1.5";
    s.yMax = "1.5";
    s.stepX = {2, 3, 4, 5, 16000};
    s.stepY = {6, 7, 8, 9, 10};
    s.legend = "sin(X)";
    s.title = " spaced ";
    s.xAxis = "t [s]";
    s.yAxis = "\xB5V";
    s.left = -30;
    s.top = 2000;
    IniFile ini;
    kalvo::SaveSettings(ini, s);
    Settings back = kalvo::LoadSettings(IniFile::Parse(ini.Text()), Home("/h"));
    EXPECT_EQ(back.notation, 3);
    EXPECT_EQ(back.digits, 17);
    EXPECT_EQ(back.precision, 20);
    EXPECT_FALSE(back.assistant);
    EXPECT_FALSE(back.hint);
    EXPECT_EQ(back.angle, 0);
    EXPECT_FALSE(back.showComp);
    EXPECT_EQ(back.plotType, 4);
    EXPECT_EQ(back.xMin, "-pi");
    EXPECT_EQ(back.xMax, "2*pi");
    EXPECT_EQ(back.yMin, "-1.5");
    EXPECT_EQ(back.yMax, "1.5");
    EXPECT_EQ(back.stepX, s.stepX);
    EXPECT_EQ(back.stepY, s.stepY);
    EXPECT_EQ(back.legend, "sin(X)");
    EXPECT_EQ(back.title, " spaced ");
    EXPECT_EQ(back.xAxis, "t [s]");
    EXPECT_EQ(back.yAxis, "\xB5V");
    EXPECT_EQ(back.left, -30);
    EXPECT_EQ(back.top, 2000);
}

TEST(SettingsTest, ReadingFollowsTheFileAndItsOddValues) {
    IniFile ini = IniFile::Parse(
        "[Calc Settings]\nComplex Form=0\nAngle=5\nHint=0\nDigits=abc\n"
        "[Graphics]\nTitle=caf\xC3\xA9\n[Files]\nVariables=/data/caf\xC3\xA9.USR\n");
    Settings s = kalvo::LoadSettings(ini, Home("/h"));
    EXPECT_EQ(s.complexForm, 0);
    EXPECT_EQ(s.angle, 1);  // any value other than 0 means degrees
    EXPECT_FALSE(s.hint);
    EXPECT_EQ(s.digits, 12);        // unreadable: the default
    EXPECT_EQ(s.title, "caf\xE9");  // UTF-8 from another editor becomes engine text
    EXPECT_EQ(s.variablesFile, "/data/caf\xC3\xA9.USR");  // paths stay as the file system has them
    EXPECT_EQ(s.functionsFile, "/h/Kalvo.FNC");
}

TEST(SettingsTest, IndexesFromAHandEditedFileStayInRange) {
    const struct {
        const char* name;
        const char* text;
        int notation, complexForm, precision, plotType;
    } rows[] = {
        {"too large",
         "[Calc Settings]\nNotation=9\nComplex Form=2\nPrecison=99\n"
         "[Graphics]\nPlot Type=5\n",
         3, 1, 20, 4},
        {"negative",
         "[Calc Settings]\nNotation=-1\nComplex Form=-1\nPrecison=0\n"
         "[Graphics]\nPlot Type=-7\n",
         0, 0, 1, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Settings s = kalvo::LoadSettings(IniFile::Parse(row.text), Home("/h"));
        EXPECT_EQ(s.notation, row.notation);
        EXPECT_EQ(s.complexForm, row.complexForm);
        EXPECT_EQ(s.precision, row.precision);
        EXPECT_EQ(s.plotType, row.plotType);
    }
}

TEST(SettingsTest, SavingAtCloseKeepsComplexFormFilesAndForeignKeys) {
    TempFolder folder;
    std::string path = folder.File("Kalvo.INI");
    WriteBytes(path,
               "[Calc Settings]\nComplex Form=0\nNotation=1\n[Files]\nFunctions=/f.FNC\n"
               "[fmPlot2D]\nLeft=5\n[Someone Else]\nx=y\n");
    Settings s = kalvo::LoadSettingsFile(path, Home(folder.Path()));
    s.notation = 2;
    s.complexForm = 1;  // changed during the run: never written
    ASSERT_TRUE(kalvo::SaveSettingsFile(path, s));
    IniFile ini;
    ASSERT_TRUE(ini.Load(path));
    EXPECT_EQ(ini.ReadInteger("Calc Settings", "Notation", -1), 2);
    EXPECT_EQ(ini.ReadInteger("Calc Settings", "Complex Form", -1), 0);
    EXPECT_EQ(ini.ReadString("Files", "Functions", ""), "/f.FNC");
    EXPECT_EQ(ini.ReadInteger("fmPlot2D", "Left", -1), 5);
    EXPECT_EQ(ini.ReadString("Someone Else", "x", ""), "y");
    EXPECT_EQ(kalvo::LoadSettingsFile(path, Home(folder.Path())).complexForm, 0);
}

TEST(SettingsTest, SaveAsStoresTheFilesKeysOnly) {
    TempFolder folder;
    std::string path = folder.File("Kalvo.INI");
    WriteBytes(path, "[Calc Settings]\nDigits=8\n");
    ASSERT_TRUE(kalvo::SaveFilesPath(path, kalvo::FilesKey::kVariables, "/u/mine.USR"));
    ASSERT_TRUE(kalvo::SaveFilesPath(path, kalvo::FilesKey::kFunctions, "/u/mine.FNC"));
    Settings s = kalvo::LoadSettingsFile(path, Home(folder.Path()));
    EXPECT_EQ(s.variablesFile, "/u/mine.USR");
    EXPECT_EQ(s.functionsFile, "/u/mine.FNC");
    EXPECT_EQ(s.digits, 8);
    EXPECT_EQ(ReadBytes(path),
              "[Calc Settings]\r\nDigits=8\r\n\r\n[Files]\r\nVariables=/u/mine.USR\r\n"
              "Functions=/u/mine.FNC\r\n");
}

TEST(SettingsTest, ASettingsFileThatCannotBeReadIsNotOverwritten) {
    TempFolder folder;
    std::string path = folder.File("Kalvo.INI");
    std::filesystem::create_directory(path);  // unreadable as a file
    kalvo::FileResult result = kalvo::SaveSettingsFile(path, kalvo::DefaultSettings(Home("/h")));
    EXPECT_EQ(result.message, "Can't read file " + path);
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST(SettingsTest, WindowPlacementHasItsDefaultsAndRoundTrips) {
    IniFile ini;
    kalvo::WindowPlacement p = kalvo::RestorePlacement(ini, "fmPolar");
    EXPECT_EQ(p.left, 0);
    EXPECT_EQ(p.top, 0);
    EXPECT_EQ(p.width, 640);
    EXPECT_EQ(p.height, 480);
    kalvo::SavePlacement(ini, "fmSurface", {10, 20, 800, 600});
    kalvo::WindowPlacement back = kalvo::RestorePlacement(IniFile::Parse(ini.Text()), "fmSurface");
    EXPECT_EQ(back.left, 10);
    EXPECT_EQ(back.top, 20);
    EXPECT_EQ(back.width, 800);
    EXPECT_EQ(back.height, 600);
    EXPECT_EQ(kalvo::RestorePlacement(ini, "fmPolar").width, 640);
}

// The surface and polar windows' sections: a fresh file gives the cyan fill and walls of
// 10; every value written comes back.
TEST(SettingsTest, SurfaceAndPolarSectionsRoundTrip) {
    Settings fresh = kalvo::LoadSettings(IniFile(), Home("/h"));
    EXPECT_EQ(fresh.elevationColor, 0x00FFFF00);
    EXPECT_EQ(fresh.wallWidth, 10);
    for (const kalvo::WindowPlacement& p : {fresh.surfacePlacement, fresh.polarPlacement}) {
        EXPECT_EQ(p.left, 0);
        EXPECT_EQ(p.top, 0);
        EXPECT_EQ(p.width, 640);
        EXPECT_EQ(p.height, 480);
    }

    Settings s = fresh;
    s.surfacePlacement = {11, 12, 813, 614};
    s.elevationColor = 0x123456;
    s.wallWidth = 37;
    s.polarPlacement = {-5, 7, 300, 200};
    IniFile ini;
    kalvo::SaveSettings(ini, s);
    Settings back = kalvo::LoadSettings(IniFile::Parse(ini.Text()), Home("/h"));
    EXPECT_EQ(back.surfacePlacement.left, 11);
    EXPECT_EQ(back.surfacePlacement.top, 12);
    EXPECT_EQ(back.surfacePlacement.width, 813);
    EXPECT_EQ(back.surfacePlacement.height, 614);
    EXPECT_EQ(back.elevationColor, 0x123456);
    EXPECT_EQ(back.wallWidth, 37);
    EXPECT_EQ(back.polarPlacement.left, -5);
    EXPECT_EQ(back.polarPlacement.top, 7);
    EXPECT_EQ(back.polarPlacement.width, 300);
    EXPECT_EQ(back.polarPlacement.height, 200);
    EXPECT_EQ(ini.Value("fmSurface", "ElevationColor"), std::to_string(0x123456));
}

}  // namespace
