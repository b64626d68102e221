// Where Kalvo keeps its files, and that the folder is made when missing.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <filesystem>

#include "frontend/home_folder.h"
#include "frontend/temp_folder.h"

namespace {

using kalvo::HomeFolder;
using kalvo::HomeFolderChoice;
using kalvo::HomeFolderInputs;
using Source = kalvo::HomeFolderChoice::Source;
using kalvo::testing::TempFolder;
using kalvo::testing::WriteBytes;

TEST(HomeFolderTest, ChoosesTheFirstSourceThatApplies) {
    TempFolder portable;  // holds the program and a writable Kalvo.INI
    WriteBytes(portable.File("Kalvo.INI"), "");
    TempFolder plain;  // holds the program only
    const struct {
        const char* name;
        HomeFolderInputs inputs;
        Source source;
        std::string folder;
    } rows[] = {
        {"option wins",
         {"/opt/h/", "/env", portable.File("kalvo"), "/xdg", "/home/ann"},
         Source::kOption,
         "/opt/h"},
        {"environment next",
         {"", "/env//", portable.File("kalvo"), "/xdg", "/home/ann"},
         Source::kEnvironment,
         "/env"},
        {"portable install",
         {"", "", portable.File("kalvo"), "/xdg", "/home/ann"},
         Source::kPortable,
         portable.Path()},
        {"XDG config home",
         {"", "", plain.File("kalvo"), "/xdg/", "/home/ann"},
         Source::kConfig,
         "/xdg/kalvo"},
        {"relative XDG is ignored",
         {"", "", plain.File("kalvo"), "xdg", "/home/ann"},
         Source::kConfig,
         "/home/ann/.config/kalvo"},
        {"HOME last", {"", "", "", "", "/home/ann"}, Source::kConfig, "/home/ann/.config/kalvo"},
        {"nothing", {"", "", "", "", ""}, Source::kNone, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        HomeFolderChoice choice = kalvo::ChooseHomeFolder(row.inputs);
        EXPECT_EQ(choice.source, row.source);
        EXPECT_EQ(choice.folder, row.folder);
    }
}

TEST(HomeFolderTest, AFolderBesideTheProgramNamedKalvoIniIsNoPortableInstall) {
    TempFolder program;
    std::filesystem::create_directory(program.File("Kalvo.INI"));
    HomeFolderChoice choice = kalvo::ChooseHomeFolder({"", "", program.File("kalvo"), "", "/h"});
    EXPECT_EQ(choice.source, Source::kConfig);
}

TEST(HomeFolderTest, AReadOnlyKalvoIniIsNoPortableInstall) {
    if (kalvo::testing::RunningAsRoot()) {
        GTEST_SKIP() << "root may write any file, so every Kalvo.INI is writable";
    }
    TempFolder program;
    WriteBytes(program.File("Kalvo.INI"), "");
    ::chmod(program.File("Kalvo.INI").c_str(), 0400);
    HomeFolderChoice choice = kalvo::ChooseHomeFolder({"", "", program.File("kalvo"), "", "/h"});
    EXPECT_EQ(choice.source, Source::kConfig);
}

TEST(HomeFolderTest, OpeningCreatesTheMissingFoldersAndGivesTheStem) {
    TempFolder root;
    HomeFolder home;
    std::string config = root.File("config");
    kalvo::FileResult result = kalvo::OpenHomeFolder({"", "", "", config, "/unused"}, home);
    ASSERT_TRUE(result) << result.message;
    EXPECT_EQ(home.folder, config + "/kalvo");
    EXPECT_EQ(home.stem, config + "/kalvo/Kalvo");
    EXPECT_EQ(home.SettingsFile(), config + "/kalvo/Kalvo.INI");
    EXPECT_EQ(home.DefaultVariablesFile(), config + "/kalvo/Kalvo.USR");
    EXPECT_TRUE(std::filesystem::is_directory(home.folder));
}

TEST(HomeFolderTest, AFolderThatCannotBeMadeIsReported) {
    TempFolder root;
    WriteBytes(root.File("file"), "");
    HomeFolder home;
    kalvo::FileResult result = kalvo::OpenHomeFolder({root.File("file/sub"), "", "", "", ""}, home);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.message, "Can't create file " + root.File("file/sub"));
}

}  // namespace
