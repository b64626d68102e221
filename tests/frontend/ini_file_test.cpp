// The settings document: tolerant reading, CR LF writing, nothing of others lost.
#include <gtest/gtest.h>

#include "frontend/ini_file.h"
#include "frontend/temp_folder.h"

namespace {

using kalvo::IniFile;
using kalvo::testing::ReadBytes;
using kalvo::testing::TempFolder;
using kalvo::testing::WriteBytes;

TEST(IniFileTest, ReadsKeysWithBlanksInAnyLineEndAndCase) {
    IniFile ini = IniFile::Parse(
        "[Calc Settings]\nPrecison = 14\r\n  Digits=9  \r[graphics]\nTitle=\"  f(x) \"\nX "
        "axis=time\n");
    EXPECT_EQ(ini.ReadInteger("Calc Settings", "Precison", 9), 14);
    EXPECT_EQ(ini.ReadInteger("calc settings", "DIGITS", 12), 9);
    EXPECT_EQ(ini.ReadString("Graphics", "Title", ""), "  f(x) ");
    EXPECT_EQ(ini.ReadString("Graphics", "X axis", ""), "time");
    EXPECT_EQ(ini.ReadString("Graphics", "Y axis", "Y"), "Y");
}

TEST(IniFileTest, IntegersAndBooleans) {
    IniFile ini = IniFile::Parse(
        "[S]\nzero=0\none=1\ntwo=2\nminus=-1\nplus=+7\nword=yes\nempty=\nbig=99999999999\n");
    const struct {
        const char* key;
        int integer;   // read with fallback 42
        bool boolean;  // read with fallback false
    } rows[] = {
        {"zero", 0, false},   {"one", 1, true},   {"two", 2, true},
        {"minus", -1, true},  {"plus", 7, true},  {"word", 42, false},
        {"empty", 42, false}, {"big", 42, false}, {"missing", 42, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.key);
        EXPECT_EQ(ini.ReadInteger("S", row.key, 42), row.integer);
        EXPECT_EQ(ini.ReadBool("S", row.key, false), row.boolean);
    }
    EXPECT_TRUE(ini.ReadBool("S", "missing", true));
}

TEST(IniFileTest, WritingKeepsUnknownSectionsKeysAndCommentsInPlace) {
    IniFile ini = IniFile::Parse(
        "; written by hand\n[Calc Settings]\nNotation=2\nMyKey=keep me\n\n[Other Tool]\nx=1\n"
        "junk line without equals\n");
    ini.WriteInteger("Calc Settings", "Notation", 3);
    ini.WriteInteger("Calc Settings", "Digits", 15);
    ini.WriteString("Calc", "Left", "20");
    EXPECT_EQ(ini.Text(),
              "; written by hand\r\n[Calc Settings]\r\nNotation=3\r\nMyKey=keep me\r\nDigits=15\r\n"
              "\r\n[Other Tool]\r\nx=1\r\njunk line without equals\r\n\r\n[Calc]\r\nLeft=20\r\n");
}

TEST(IniFileTest, ValuesThatNeedQuotesComeBackAsWritten) {
    const char* rows[] = {"", " lead", "trail ", "\"quoted\"", "a=b", "semi;colon", "\xE9t\xE9"};
    for (const char* value : rows) {
        SCOPED_TRACE(value);
        IniFile ini;
        ini.WriteString("Graphics", "Legend", value);
        EXPECT_EQ(IniFile::Parse(ini.Text()).ReadString("Graphics", "Legend", "?"), value);
    }
}

TEST(IniFileTest, DeleteKeyAndListings) {
    IniFile ini = IniFile::Parse("[A]\nk=1\nK=2\nj=3\n[b]\n[a]\nm=4\n");
    EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"A", "b"}));
    EXPECT_EQ(ini.Keys("a"), (std::vector<std::string>{"k", "j", "m"}));
    EXPECT_TRUE(ini.DeleteKey("a", "k"));
    EXPECT_FALSE(ini.Value("A", "k").has_value());
    EXPECT_EQ(ini.ReadInteger("A", "j", 0), 3);
    EXPECT_FALSE(ini.DeleteKey("A", "k"));
}

TEST(IniFileTest, SaveAndLoadRoundTripThroughTheFile) {
    TempFolder folder;
    std::string path = folder.File("Kalvo.INI");
    WriteBytes(path, "\xEF\xBB\xBF[Unknown]\nkey = value\n");
    IniFile ini;
    ASSERT_TRUE(ini.Load(path));
    ini.WriteInteger("Calc", "Top", 7);
    ASSERT_TRUE(ini.Save(path));
    EXPECT_EQ(ReadBytes(path), "[Unknown]\r\nkey = value\r\n\r\n[Calc]\r\nTop=7\r\n");
    IniFile again;
    ASSERT_TRUE(again.Load(path));
    EXPECT_EQ(again.ReadInteger("Calc", "Top", 0), 7);
    EXPECT_EQ(again.ReadString("Unknown", "key", ""), "value");
}

TEST(IniFileTest, ByteOrderMarksAtTheStartAreDroppedForGood) {
    const std::string mark = "\xEF\xBB\xBF";
    const struct {
        const char* name;
        std::string prefix;
    } rows[] = {{"none", ""}, {"one", mark}, {"two", mark + mark}, {"three", mark + mark + mark}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const IniFile ini = IniFile::Parse(row.prefix + "[Calc]\nTop=7\n");
        EXPECT_EQ(ini.ReadInteger("Calc", "Top", 0), 7);
        const std::string saved = ini.Text();
        EXPECT_EQ(saved.rfind(mark, 0), std::string::npos) << saved;
        EXPECT_EQ(IniFile::Parse(saved).ReadInteger("Calc", "Top", 0), 7);
    }
}

TEST(IniFileTest, DamagedOrMissingFilesReadAsFarAsPossible) {
    TempFolder folder;
    std::string garbage;
    for (int i = 0; i < 4096; ++i) {
        garbage.push_back(static_cast<char>((i * 7919) % 256));
    }
    WriteBytes(folder.File("garbage.INI"), garbage + "\n[Calc]\nLeft=5\n");
    WriteBytes(folder.File("long.INI"), "[Calc]\nTitle=" + std::string(1 << 20, 'a') + "\nTop=3");

    IniFile ini;
    ASSERT_TRUE(ini.Load(folder.File("garbage.INI")));
    EXPECT_EQ(ini.ReadInteger("Calc", "Left", 0), 5);
    ASSERT_TRUE(ini.Load(folder.File("long.INI")));
    EXPECT_EQ(ini.ReadString("Calc", "Title", "").size(), 1u << 20);
    EXPECT_EQ(ini.ReadInteger("Calc", "Top", 0), 3);

    kalvo::FileResult missing = ini.Load(folder.File("none.INI"));
    EXPECT_EQ(missing.message, "Can't open file " + folder.File("none.INI"));
    EXPECT_TRUE(ini.Sections().empty());
    kalvo::FileResult folderAsFile = ini.Load(folder.Path());
    EXPECT_EQ(folderAsFile.message, "Can't read file " + folder.Path());
}

}  // namespace
