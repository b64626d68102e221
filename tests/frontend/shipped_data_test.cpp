// Where the program finds the files that ship with it: beside itself, in its installed
// data folder, or in the source tree when it runs from the build tree.
#include <gtest/gtest.h>

#include <filesystem>

#include "frontend/shipped_data.h"
#include "frontend/temp_folder.h"

namespace {

using kalvo::FindShippedData;
using kalvo::ShippedDataFolders;
using kalvo::ShippedDataLayout;
using kalvo::testing::TempFolder;
using kalvo::testing::WriteBytes;

TEST(ShippedDataTest, FoldersAreTriedBesideTheProgramThenInstalledThenInTheSources) {
    const ShippedDataLayout layout{"../share/kalvo", "/work/build", "/work/src/resources/data"};
    const struct {
        const char* name;
        const char* program;
        std::vector<std::string> folders;
    } rows[] = {
        {"installed", "/usr/bin/kalvo", {"/usr/bin", "/usr/bin/../share/kalvo"}},
        {"build tree",
         "/work/build/src/app/kalvo",
         {"/work/build/src/app", "/work/build/src/app/../share/kalvo", "/work/src/resources/data"}},
        {"a folder that only starts like the build tree",
         "/work/build2/kalvo",
         {"/work/build2", "/work/build2/../share/kalvo"}},
        {"program in the root", "/kalvo", {"/", "/../share/kalvo"}},
        {"no program path", "", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ShippedDataFolders(row.program, layout), row.folders);
    }
    EXPECT_EQ(ShippedDataFolders("/opt/kalvo", ShippedDataLayout{}),
              std::vector<std::string>{"/opt"});
}

TEST(ShippedDataTest, TheFirstFolderThatHoldsTheFileWins) {
    TempFolder root;
    namespace fs = std::filesystem;
    fs::create_directories(root.File("prefix/bin"));
    fs::create_directories(root.File("prefix/share/kalvo/help"));
    fs::create_directories(root.File("sources/data/help"));
    fs::create_directories(root.File("build/bin"));
    WriteBytes(root.File("prefix/share/kalvo/Kalvo.CON"), "c = 1\n");
    WriteBytes(root.File("prefix/share/kalvo/help/index.html"), "<p>help</p>");
    WriteBytes(root.File("sources/data/Kalvo.CON"), "c = 2\n");
    WriteBytes(root.File("sources/data/help/index.html"), "<p>help</p>");
    const ShippedDataLayout layout{"../share/kalvo", root.File("build"), root.File("sources/data")};

    const std::string installed = root.File("prefix/bin/kalvo");
    EXPECT_EQ(FindShippedData(installed, layout, "Kalvo.CON"),
              root.File("prefix/bin/../share/kalvo"));
    EXPECT_EQ(FindShippedData(installed, layout, "help/index.html"),
              root.File("prefix/bin/../share/kalvo"));
    EXPECT_EQ(FindShippedData(installed, layout, "missing.txt"), "");

    // A portable folder: the constants beside the program win over the installed ones.
    WriteBytes(root.File("prefix/bin/Kalvo.CON"), "c = 3\n");
    EXPECT_EQ(FindShippedData(installed, layout, "Kalvo.CON"), root.File("prefix/bin"));

    // From the build tree the sources serve what no other folder holds.
    EXPECT_EQ(FindShippedData(root.File("build/bin/kalvo"), layout, "help/index.html"),
              root.File("sources/data"));
    // An installed program never reads the sources.
    EXPECT_EQ(FindShippedData(root.File("elsewhere/kalvo"), layout, "help/index.html"), "");
}

TEST(ShippedDataTest, TheRunningProgramIsKnown) {
    const std::string program = kalvo::RunningExecutable();
    ASSERT_FALSE(program.empty());
    EXPECT_EQ(program.front(), '/');
    EXPECT_TRUE(std::filesystem::exists(program));
}

}  // namespace
