// Runs the golden files through kalvo-cli as a user would: each "@ OPTIONS" block is one
// session fed on standard input, and every output line must equal the expected one.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli/run_cli.h"

namespace {

struct GoldenCase {
    int line = 0;
    std::string expression;
    std::string expected;
};

struct GoldenSession {
    std::string file;
    std::string options;
    std::vector<GoldenCase> cases;
};

std::vector<GoldenSession> ReadGoldenFile(const std::filesystem::path& path) {
    std::vector<GoldenSession> sessions;
    std::ifstream in(path);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (line.empty() || line[0] == '#') {
            continue;
        }
        if (line.rfind("@ ", 0) == 0 || line == "@") {
            sessions.push_back(
                {path.filename().string(), line.size() > 2 ? line.substr(2) : "", {}});
            continue;
        }
        const std::size_t arrow = line.find(" => ");
        if (arrow == std::string::npos || sessions.empty()) {
            ADD_FAILURE() << path << ":" << number << ": not a golden case: " << line;
            continue;
        }
        sessions.back().cases.push_back({number, line.substr(0, arrow), line.substr(arrow + 4)});
    }
    return sessions;
}

TEST(GoldenFiles, EveryLineMatches) {
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(KALVO_GOLDEN_DIR)) {
        if (entry.path().extension() != ".txt") {
            continue;
        }
        for (const GoldenSession& session : ReadGoldenFile(entry.path())) {
            std::string input;
            for (const GoldenCase& c : session.cases) {
                input += c.expression + "\n";
            }
            kalvo::test::CliRun run = kalvo::test::RunCli(session.options, input);
            ASSERT_EQ(run.lines.size(), session.cases.size())
                << session.file << " [" << session.options << "]: " << run.output;
            for (std::size_t i = 0; i < session.cases.size(); ++i) {
                const GoldenCase& c = session.cases[i];
                EXPECT_EQ(run.lines[i], c.expected) << session.file << ":" << c.line << " ["
                                                    << session.options << "] " << c.expression;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 50);
}

}  // namespace
