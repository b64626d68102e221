// Every data-file reader refuses what is not a regular file and what is larger than the
// one size limit, without blocking, and keeps what it had.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>
#include <string>

#include "engine/user_functions.h"
#include "frontend/constants_file.h"
#include "frontend/history_file.h"
#include "frontend/ini_file.h"
#include "frontend/temp_folder.h"
#include "frontend/text_file.h"
#include "frontend/user_functions_file.h"
#include "frontend/user_vars_file.h"
#include "frontend/variables_file.h"

namespace kalvo {
namespace {

using kalvo::testing::TempFolder;
using kalvo::testing::WriteBytes;

/// One reader: a sound file for it is prefix + any number of "x" + suffix; load reads
/// `path` and says whether it succeeded.
struct Reader {
    const char* name;
    std::string prefix;
    std::string suffix;
    std::function<bool(const std::string& path)> load;
};

std::vector<Reader> Readers() {
    return {
        {"functions", "f(x)=x\r\n;", "\r\n",
         [](const std::string& path) {
             UserFunctions functions;
             return LoadUserFunctionsFile(functions, path, nullptr);
         }},
        {"user_variables", "a = 1\r\n", " = 1\r\n",
         [](const std::string& path) {
             ConstantList constants;
             std::vector<std::string> lines;
             return LoadUserVarsFile(path, constants, lines).ok;
         }},
        {"variables", "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n", "\r\n",
         [](const std::string& path) {
             VariablesData data;
             return ReadVariablesFile(path, data).ok;
         }},
        {"history", "1\r\n", "\r\n0\r\n",
         [](const std::string& path) {
             HistoryLists lists;
             return ReadHistoryFile(path, lists).ok;
         }},
        {"settings", "[S]\r\nk=", "\r\n",
         [](const std::string& path) { return IniFile().Load(path).ok; }},
        {"constants", "c = ", "\r\n",
         [](const std::string& path) {
             // The constants file is named by its stem.
             std::vector<std::string> lines;
             const std::string stem = path.substr(0, path.size() - 4);
             return path.ends_with(".CON") && LoadConstantsFile(stem, lines).ok;
         }},
    };
}

TEST(ReaderLimitsTest, EveryReaderRefusesWhatIsNotARegularFile) {
    TempFolder folder;
    const std::string fifo = folder.File("pipe.CON");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string directory = folder.File("folder.CON");
    ASSERT_EQ(::mkdir(directory.c_str(), 0700), 0);
    for (const Reader& reader : Readers()) {
        SCOPED_TRACE(reader.name);
        for (const std::string& path : {fifo, directory, std::string("/dev/zero")}) {
            SCOPED_TRACE(path);
            EXPECT_FALSE(reader.load(path));
        }
    }
}

TEST(ReaderLimitsTest, EveryReaderTakesTheLimitAndRefusesOneByteMore) {
    TempFolder folder;
    for (const Reader& reader : Readers()) {
        SCOPED_TRACE(reader.name);
        // A sound file of exactly the limit, and one a byte longer.
        const std::size_t fill = kMaxTextFileSize - reader.prefix.size() - reader.suffix.size();
        const std::string atLimit = folder.File(std::string(reader.name) + "_limit.CON");
        WriteBytes(atLimit, reader.prefix + std::string(fill, 'x') + reader.suffix);
        const std::string beyond = folder.File(std::string(reader.name) + "_beyond.CON");
        WriteBytes(beyond, reader.prefix + std::string(fill + 1, 'x') + reader.suffix);
        EXPECT_TRUE(reader.load(atLimit));
        EXPECT_FALSE(reader.load(beyond));
    }
}

TEST(ReaderLimitsTest, RefusedFunctionFileKeepsTheFunctions) {
    TempFolder folder;
    const std::string fifo = folder.File("pipe.FNC");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    UserFunctions functions;
    ASSERT_TRUE(functions.Add("f(x)=x+1", nullptr));
    std::vector<std::string> messages;
    EXPECT_FALSE(LoadUserFunctionsFile(
        functions, fifo, [&messages](const std::string& m) { messages.push_back(m); }));
    EXPECT_EQ(messages, std::vector<std::string>{"Cannot load " + fifo + "!"});
    EXPECT_EQ(functions.Count(), 1);
}

}  // namespace
}  // namespace kalvo
