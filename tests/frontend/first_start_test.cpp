// A first start in an empty home folder, a close, and the next start.
#include <gtest/gtest.h>

#include "engine/engine.h"
#include "frontend/constants_file.h"
#include "frontend/history_file.h"
#include "frontend/home_folder.h"
#include "frontend/settings.h"
#include "frontend/temp_folder.h"
#include "frontend/user_vars_file.h"

namespace {

using kalvo::testing::TempFolder;

TEST(FirstStartTest, NoFilesGiveTheDefaultsAndCloseWritesSettingsAndHistory) {
    TempFolder root;
    kalvo::HomeFolder home;
    ASSERT_TRUE(kalvo::OpenHomeFolder({root.File("home"), "", "", "", ""}, home));

    kalvo::Settings settings = kalvo::LoadSettingsFile(home.SettingsFile(), home);
    EXPECT_EQ(settings.notation, 0);
    EXPECT_EQ(settings.digits, 12);
    EXPECT_EQ(settings.angle, 1);
    EXPECT_EQ(settings.complexForm, 1);
    EXPECT_EQ(settings.precision, 9);
    EXPECT_TRUE(settings.assistant && settings.hint);
    EXPECT_EQ(settings.title, "f()");

    kalvo::HistoryLists lists;
    EXPECT_FALSE(kalvo::ReadHistoryFile(home.HistoryFile(), lists));  // ignored at start
    EXPECT_TRUE(lists.history.empty() && lists.results.empty());

    std::vector<std::string> constants;
    EXPECT_EQ(kalvo::LoadConstantsFile(home.stem, constants).message,
              "File <" + root.File("home") + "/Kalvo.CON> not found.");

    kalvo::ConstantList userVars;
    std::vector<std::string> userLines;
    EXPECT_EQ(kalvo::LoadUserVarsFile(settings.variablesFile, userVars, userLines).message,
              "Can't read file " + root.File("home") + "/Kalvo.USR");

    // Close.
    settings.digits = 15;
    lists.history = {"1+1"};
    lists.results = {"2.0E+0"};
    ASSERT_TRUE(kalvo::SaveSettingsFile(home.SettingsFile(), settings));
    ASSERT_TRUE(kalvo::WriteHistoryFile(home.HistoryFile(), lists));

    // The next start finds them.
    EXPECT_EQ(kalvo::LoadSettingsFile(home.SettingsFile(), home).digits, 15);
    kalvo::HistoryLists back;
    ASSERT_TRUE(kalvo::ReadHistoryFile(home.HistoryFile(), back));
    EXPECT_EQ(back.history, lists.history);
    EXPECT_EQ(back.results, lists.results);
    EXPECT_EQ(root.Entries(), std::vector<std::string>{"home"});
}

}  // namespace
