// User variables: list lines, StoreConstant, Delete, and the ".USR" file.
#include <gtest/gtest.h>

#include "engine/engine.h"
#include "engine/text_encoding.h"
#include "frontend/temp_folder.h"
#include "frontend/user_vars_file.h"

namespace {

using kalvo::ConstantList;
using kalvo::DisplaySettings;
using kalvo::testing::ReadBytes;
using kalvo::testing::TempFolder;
using kalvo::testing::WriteBytes;
using Lines = std::vector<std::string>;

// Stores as the User Vars tab does and keeps the list lines in step.
int Store(ConstantList& constants, Lines& lines, const std::string& name, kalvo::Real value,
          bool show = true) {
    kalvo::StoreConstantResult stored =
        kalvo::StoreConstant(constants, DisplaySettings{}, 12, name, value);
    kalvo::ApplyToUserVarLines(lines, name, stored, show);
    return stored.identifier;
}

TEST(UserVarsTest, ListLinesUseTheDisplayFormat) {
    DisplaySettings fix;
    fix.notation = kalvo::kFix;
    EXPECT_EQ(kalvo::UserVarLine(DisplaySettings{}, 12, "g", 9.81L), "g = 9.81E+0");
    EXPECT_EQ(kalvo::UserVarLine(fix, 8, "third", 1.0L / 3.0L), "third = 0.333333");
}

TEST(UserVarsTest, SplitLineAtTheFirstSeparator) {
    const struct {
        const char* line;
        const char* name;
        const char* value;
    } rows[] = {
        {"a = 1.0E+0", "a", "1.0E+0"},
        {"a = b = c", "a", "b = c"},
        {"a=1", "a=1", ""},
        {"", "", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        kalvo::UserVarLineParts parts = kalvo::SplitUserVarLine(row.line);
        EXPECT_EQ(parts.name, row.name);
        EXPECT_EQ(parts.valueText, row.value);
    }
}

TEST(UserVarsTest, NewVariablesGoToTheFrontWithIdentifiersFromOneThousand) {
    ConstantList constants;
    Lines lines;
    EXPECT_EQ(Store(constants, lines, "a", 1), 1000);
    EXPECT_EQ(Store(constants, lines, "b", 2), 1001);
    EXPECT_EQ(lines, (Lines{"b = 2.0E+0", "a = 1.0E+0"}));
    EXPECT_EQ(constants.Records().front().name, "b");
}

TEST(UserVarsTest, ReplacingAVariableKeepsItsLinePositionAndIdentifier) {
    ConstantList constants;
    Lines lines;
    Store(constants, lines, "ab", 1);
    Store(constants, lines, "a", 2);
    Store(constants, lines, "abc", 3);
    int identifier = Store(constants, lines, "a", 7);
    EXPECT_EQ(identifier, 1001);
    EXPECT_EQ(lines, (Lines{"abc = 3.0E+0", "a = 7.0E+0", "ab = 1.0E+0"}));
    EXPECT_EQ(constants.Count(), 3u);
    EXPECT_EQ(constants.Find("a")->value, 7);
    EXPECT_EQ(constants.Find("ab")->value, 1);
}

// A host that keeps the list as the User Vars tab does.
class ListHost : public kalvo::SilentHost {
  public:
    void ConstantStored(const kalvo::NamedConstant& constant, bool created, bool show) override {
        kalvo::UpdateUserVarLines(lines, DisplaySettings{}, 12, constant, created, show);
    }
    Lines lines;
};

TEST(UserVarsTest, ConstantsDefinedByAnExpressionAreListedAndReplacedInPlace) {
    ListHost host;
    kalvo::Engine engine(host);
    engine.Evaluate("(ab=5)+(cd=6)");
    EXPECT_EQ(host.lines, (Lines{"cd = 6.0E+0", "ab = 5.0E+0"}));
    engine.Evaluate("(ab=ab*2)");
    EXPECT_EQ(host.lines, (Lines{"cd = 6.0E+0", "ab = 1.0E+1"}));
    EXPECT_EQ(engine.State().constants.Count(), 2u);
}

TEST(UserVarsTest, HiddenStoreAddsNoLine) {
    ConstantList constants;
    Lines lines;
    Store(constants, lines, "a", 1, false);
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(constants.Count(), 1u);
}

TEST(UserVarsTest, LoadThenDeleteTheFirstLineRemovesExactlyThatVariable) {
    TempFolder folder;
    std::string path = folder.File("Kalvo.USR");
    WriteBytes(path, "rho = 1.2E+0\r\nr = 8.314E+0\r\nrh = 5\r\n");
    ConstantList constants;
    Lines lines;
    ASSERT_TRUE(kalvo::LoadUserVarsFile(path, constants, lines));
    ASSERT_EQ(constants.Count(), 3u);
    ASSERT_TRUE(kalvo::DeleteUserVarLine(constants, lines, 0));
    EXPECT_EQ(lines, (Lines{"r = 8.314E+0", "rh = 5"}));
    EXPECT_EQ(constants.Find("rho"), nullptr);
    ASSERT_NE(constants.Find("r"), nullptr);
    EXPECT_EQ(constants.Find("r")->value, 8.314L);
    EXPECT_NE(constants.Find("rh"), nullptr);
    EXPECT_FALSE(kalvo::DeleteUserVarLine(constants, lines, 5));
}

TEST(UserVarsTest, SaveAndLoadRoundTrip) {
    TempFolder folder;
    std::string path = folder.File("mine.USR");
    ConstantList constants;
    Lines lines;
    Store(constants, lines, "x", -0.125L);
    Store(constants, lines, "LongNameOfMoreThanTwentyLetters", 3);
    Store(constants, lines, "g", 6.6743E-11L);
    ASSERT_TRUE(kalvo::WriteUserVarsFile(path, lines));
    EXPECT_EQ(ReadBytes(path),
              "g = 6.6743E-11\r\nLongNameOfMoreThanTwentyLetters = 3.0E+0\r\nx = -1.25E-1\r\n");

    ConstantList loaded;
    loaded.Store("old", 1);
    Lines loadedLines{"old = 1"};
    ASSERT_TRUE(kalvo::LoadUserVarsFile(path, loaded, loadedLines));
    EXPECT_EQ(loadedLines, lines);
    EXPECT_EQ(loaded.Find("old"), nullptr);
    EXPECT_EQ(loaded.Find("x")->value, -0.125L);
    EXPECT_EQ(loaded.Find("g")->value, 6.6743E-11L);
    EXPECT_NE(loaded.Find("LongNameOfMoreThanTw"), nullptr);
}

TEST(UserVarsTest, ABadLineStopsTheLoadAndKeepsWhatCameBefore) {
    const struct {
        const char* name;
        std::string content;
        std::size_t records;
        std::string message;  // after the path
    } rows[] = {
        {"hex value", "a = 1\nb = FF\nc = 3\n", 1,
         ", line 2: 'FF' is not a valid floating point value"},
        {"sexagesimal value", "a = 1\r\nb = 2\r\nt = 1:30:00\r\n", 2,
         ", line 3: '1:30:00' is not a valid floating point value"},
        {"no separator", "a = 1\nb=2\n", 1, ", line 2: not a line of the form name = value"},
        {"no name", " = 2\n", 0, ", line 1: not a line of the form name = value"},
        {"megabyte value", "a = 1\nb = " + std::string(1 << 20, '9') + "x\n", 1,
         ", line 2: '" + std::string(60, '9') + "...' is not a valid floating point value"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        std::string path = folder.File("bad.USR");
        WriteBytes(path, row.content);
        ConstantList constants;
        Lines lines;
        kalvo::FileResult result = kalvo::LoadUserVarsFile(path, constants, lines);
        EXPECT_FALSE(result);
        EXPECT_EQ(result.message, path + row.message);
        EXPECT_EQ(constants.Count(), row.records);
        // Every line stays listed, so that saving the list does not lose the file's rest.
        EXPECT_EQ(lines, kalvo::SplitLines(row.content));
    }
}

TEST(UserVarsTest, MissingOrBinaryFilesKeepTheVariables) {
    TempFolder folder;
    ConstantList constants;
    constants.Store("kept", 1);
    Lines lines{"kept = 1"};
    kalvo::FileResult missing = kalvo::LoadUserVarsFile(folder.File("none.USR"), constants, lines);
    EXPECT_EQ(missing.message, "Can't read file " + folder.File("none.USR"));
    EXPECT_EQ(lines, Lines{"kept = 1"});
    EXPECT_NE(constants.Find("kept"), nullptr);

    std::string garbage;
    for (int i = 0; i < 2048; ++i) {
        garbage.push_back(static_cast<char>(i * 37 + 11));
    }
    WriteBytes(folder.File("bin.USR"), garbage);
    kalvo::FileResult binary = kalvo::LoadUserVarsFile(folder.File("bin.USR"), constants, lines);
    EXPECT_FALSE(binary);
    EXPECT_TRUE(binary.message.starts_with(folder.File("bin.USR") + ", line "));
}

TEST(UserVarsTest, SavingIntoAMissingFolderFailsWithThePath) {
    TempFolder folder;
    kalvo::FileResult result = kalvo::WriteUserVarsFile(folder.File("x/y.USR"), Lines{"a = 1"});
    EXPECT_EQ(result.message, "Can't create file " + folder.File("x/y.USR"));
}

}  // namespace
