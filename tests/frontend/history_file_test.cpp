// The history file: counted blocks, whole entries, damaged files read as far as sound.
#include <gtest/gtest.h>

#include "frontend/history_file.h"
#include "frontend/temp_folder.h"

namespace {

using kalvo::HistoryLists;
using kalvo::testing::ReadBytes;
using kalvo::testing::TempFolder;
using kalvo::testing::WriteBytes;

TEST(HistoryFileTest, RoundTripKeepsOrderAndLongEntriesWhole) {
    TempFolder folder;
    std::string path = folder.File("Kalvo.HST");
    HistoryLists lists;
    lists.history = {"2+3", std::string(300, '1') + "+1", "", "sin(30)"};
    lists.results = {"5.0E+0", "-1.0E+0"};
    ASSERT_TRUE(kalvo::WriteHistoryFile(path, lists));
    EXPECT_TRUE(ReadBytes(path).starts_with("4\r\n2+3\r\n1111"));
    HistoryLists back;
    ASSERT_TRUE(kalvo::ReadHistoryFile(path, back));
    EXPECT_EQ(back.history, lists.history);
    EXPECT_EQ(back.results, lists.results);
}

TEST(HistoryFileTest, NoHistoryAndThreeResults) {
    TempFolder folder;
    std::string path = folder.File("Kalvo.HST");
    HistoryLists lists;
    lists.results = {"1", "2", "3"};
    ASSERT_TRUE(kalvo::WriteHistoryFile(path, lists));
    EXPECT_EQ(ReadBytes(path), "0\r\n3\r\n1\r\n2\r\n3\r\n");
    HistoryLists back;
    ASSERT_TRUE(kalvo::ReadHistoryFile(path, back));
    EXPECT_TRUE(back.history.empty());
    EXPECT_EQ(back.results, (std::deque<std::string>{"1", "2", "3"}));
}

TEST(HistoryFileTest, DamagedLinesReadAsFarAsTheyAreSound) {
    using Lines = std::vector<std::string>;
    using List = std::deque<std::string>;
    const struct {
        const char* name;
        Lines lines;
        bool sound;
        List history;
        List results;
    } rows[] = {
        {"empty file", {}, false, {}, {}},
        {"LF file", {"1", "a", "1", "b"}, true, {"a"}, {"b"}},
        {"count with blanks", {" 1 ", "a", "0"}, true, {"a"}, {}},
        {"history cut short", {"3", "a", "b"}, false, {"a", "b"}, {}},
        {"results count missing", {"1", "a"}, false, {"a"}, {}},
        {"results cut short", {"1", "a", "5", "r"}, false, {"a"}, {"r"}},
        {"negative count", {"-1", "a"}, false, {}, {}},
        {"count not a number", {"x", "a"}, false, {}, {}},
        {"huge count", {"99999999999999999999", "a"}, false, {}, {}},
        {"results count garbage", {"1", "a", "\x01\xFF"}, false, {"a"}, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        HistoryLists lists;
        EXPECT_EQ(kalvo::ParseHistoryLines(row.lines, lists), row.sound);
        EXPECT_EQ(lists.history, row.history);
        EXPECT_EQ(lists.results, row.results);
    }
}

TEST(HistoryFileTest, MissingDamagedAndBinaryFilesGiveAMessageAndNoCrash) {
    TempFolder folder;
    HistoryLists lists;
    kalvo::FileResult missing = kalvo::ReadHistoryFile(folder.File("Kalvo.HST"), lists);
    EXPECT_EQ(missing.message, "Can't open file " + folder.File("Kalvo.HST"));
    EXPECT_TRUE(lists.history.empty() && lists.results.empty());

    std::string garbage;
    for (int i = 0; i < 65536; ++i) {
        garbage.push_back(static_cast<char>((i * 2654435761u) >> 24));
    }
    WriteBytes(folder.File("garbage.HST"), "2\r\nkept\r\n" + garbage);
    kalvo::FileResult damaged = kalvo::ReadHistoryFile(folder.File("garbage.HST"), lists);
    EXPECT_EQ(damaged.message, "Can't read file " + folder.File("garbage.HST"));
    ASSERT_FALSE(lists.history.empty());
    EXPECT_EQ(lists.history.front(), "kept");

    WriteBytes(folder.File("long.HST"), "1\n" + std::string(1 << 20, 'x') + "\n1\nr\n");
    ASSERT_TRUE(kalvo::ReadHistoryFile(folder.File("long.HST"), lists));
    EXPECT_EQ(lists.history.front().size(), 1u << 20);
    EXPECT_EQ(lists.results.front(), "r");
}

TEST(HistoryFileTest, AFailedWriteKeepsTheOldHistory) {
    TempFolder folder;
    HistoryLists lists;
    lists.history = {"1+1"};
    kalvo::FileResult result = kalvo::WriteHistoryFile(folder.File("gone/Kalvo.HST"), lists);
    EXPECT_EQ(result.message, "Can't create file " + folder.File("gone/Kalvo.HST"));
}

}  // namespace
