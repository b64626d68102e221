// Whole-file replacement: the old file survives every failed write.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <csignal>

#include "frontend/atomic_file.h"
#include "frontend/temp_folder.h"

namespace {

using kalvo::WriteFileAtomic;
using kalvo::testing::ReadBytes;
using kalvo::testing::TempFolder;
using kalvo::testing::WriteBytes;

TEST(AtomicFileTest, ReplacesTheWholeFileAndLeavesNoTemporaryFile) {
    TempFolder folder;
    std::string path = folder.File("Kalvo.INI");
    WriteBytes(path, std::string(5000, 'x'));
    ASSERT_TRUE(WriteFileAtomic(path, "short\r\n"));
    EXPECT_EQ(ReadBytes(path), "short\r\n");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Kalvo.INI"});
}

TEST(AtomicFileTest, KeepsThePermissionBitsOfTheOldFile) {
    TempFolder folder;
    std::string path = folder.File("a.USR");
    WriteBytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomic(path, "new"));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(AtomicFileTest, ALinkStaysALinkAndItsTargetIsReplaced) {
    TempFolder folder;
    std::string target = folder.File("dotfiles.INI");
    std::string link = folder.File("Kalvo.INI");
    WriteBytes(target, "old");
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
    ASSERT_TRUE(WriteFileAtomic(link, "new"));
    struct stat info {};
    ASSERT_EQ(::lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(ReadBytes(target), "new");
}

// A file size limit makes the write fail part-way, as a full disk does, even for root.
TEST(AtomicFileTest, AWriteThatFailsPartWayLeavesTheOldFileIntact) {
    TempFolder folder;
    std::string path = folder.File("Kalvo.HST");
    WriteBytes(path, "1\r\nold entry\r\n0\r\n");

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    kalvo::FileResult result = WriteFileAtomic(path, std::string(1 << 20, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(result);
    EXPECT_EQ(result.message, "Can't create file " + path);
    EXPECT_EQ(ReadBytes(path), "1\r\nold entry\r\n0\r\n");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Kalvo.HST"});
}

TEST(AtomicFileTest, FailuresReportTheTargetPath) {
    TempFolder folder;
    const struct {
        const char* name;
        std::string path;
    } rows[] = {
        {"missing folder", folder.File("no/such/folder/Kalvo.INI")},
        {"target is a folder", folder.Path()},
        {"empty path", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        kalvo::FileResult result = WriteFileAtomic(row.path, "data");
        EXPECT_FALSE(result);
        EXPECT_EQ(result.message, "Can't create file " + row.path);
    }
    EXPECT_TRUE(folder.Entries().empty());
}

TEST(AtomicFileTest, AReadOnlyFolderFailsAndKeepsTheOldFile) {
    if (kalvo::testing::RunningAsRoot()) {
        GTEST_SKIP() << "root writes into read-only folders anyway";
    }
    TempFolder folder;
    std::string path = folder.File("Kalvo.USR");
    WriteBytes(path, "x = 1\r\n");
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0500), 0);
    kalvo::FileResult result = WriteFileAtomic(path, "y = 2\r\n");
    ::chmod(folder.Path().c_str(), 0700);
    EXPECT_EQ(result.message, "Can't create file " + path);
    EXPECT_EQ(ReadBytes(path), "x = 1\r\n");
}

}  // namespace
