// kalvo-cli on input that used to crash, hang or exhaust the memory: every run ends with
// exit 0 or 1 and a message or a sound value, within a 2 GiB address space.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "cli/run_cli.h"

namespace {

using kalvo::test::CliRun;
using kalvo::test::RunCli;

constexpr std::size_t kTwoGiB = 2u * 1024u * 1024u;

struct MeasuredRun {
    int exitCode = -1;
    std::size_t lines = 0;
    long peakKiB = -1;  ///< the largest resident size of the run's processes
};

// Runs kalvo-cli from a child process of its own, whose children's peak resident size is
// then that of this run alone, not of any run before it.
MeasuredRun RunMeasured(const std::string& arguments, const std::string& input) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) {
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        const CliRun run = RunCli(arguments, input);
        rusage usage{};
        ::getrusage(RUSAGE_CHILDREN, &usage);
        const MeasuredRun measured{run.exitCode, run.lines.size(), usage.ru_maxrss};
        const bool written = ::write(pipeEnds[1], &measured, sizeof measured) == sizeof measured;
        ::_exit(written ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    MeasuredRun measured;
    if (child < 0 || ::read(pipeEnds[0], &measured, sizeof measured) != sizeof measured) {
        measured = {};
    }
    ::close(pipeEnds[0]);
    if (child > 0) {
        ::waitpid(child, nullptr, 0);
    }
    return measured;
}

// Distinct lines, so that no list could fold repeated entries.
std::string Sums(int count) {
    std::string input;
    for (int k = 1; k <= count; ++k) {
        input += std::to_string(k) + "+1\n";
    }
    return input;
}

class CliBadInputTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("kalvo-cli-bad-input-" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string File(const std::string& name, const std::string& content) {
        const std::filesystem::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << content;
        return "'" + path.string() + "'";
    }
    // A variables file: ten undefined values, then the given expression texts.
    std::string VariablesFile(const std::string& name, const std::string texts[10]) {
        std::string content;
        for (int k = 0; k < 10; ++k) {
            content += " 1.23454321000000E-0001\r\n";
        }
        for (int k = 0; k < 10; ++k) {
            content += texts[k] + "\r\n";
        }
        return File(name, content);
    }
    static CliRun Run(const std::string& arguments) { return RunCli(arguments, "", kTwoGiB); }

    std::filesystem::path m_dir;
};

TEST_F(CliBadInputTest, FaultInAVariablesFileIsReportedNotFatal) {
    const std::string file = File("m.VAR", "1\n2\n3\n4\n5\n4\n7\n8\n9\n1\n1E40000");
    CliRun run = Run("--variables " + file + " 1");
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(run.lines.size(), 1u) << run.output;
    EXPECT_EQ(run.lines[0], "1.0E+0");
    EXPECT_NE(run.errors.find("X: Floating point overflow"), std::string::npos) << run.errors;
}

TEST_F(CliBadInputTest, DamagedFunctionFilesLoadOrAreRefused) {
    std::string manyParameters = "f(p1";
    std::string manyTerms = "p1";
    for (int k = 2; k <= 45; ++k) {
        manyParameters += ",p" + std::to_string(k);
        manyTerms += "+p" + std::to_string(k);
    }
    const struct {
        const char* name;
        std::string content;
        std::string expression;
        int exitCode;
        std::string output;  ///< the start of the one output line
        std::string error;   ///< a part of standard error ("" for none)
    } rows[] = {
        {"parameter_is_its_placeholder", std::string("=(\x01"), "1", 0, "1.0E+0", ""},
        {"text_that_doubles", "g(x)=g(x+x)\n", "g(1)", 1, "User Function Error \"Stack overflow",
         ""},
        {"forty_five_parameters", manyParameters + ")=" + manyTerms + "\n", "1", 1, "1.0E+0",
         "Too many parameters (at most 31)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CliRun run = Run("--functions " + File("f.FNC", row.content) + " '" + row.expression + "'");
        EXPECT_EQ(run.exitCode, row.exitCode);
        ASSERT_EQ(run.lines.size(), 1u) << run.output;
        EXPECT_EQ(run.lines[0].rfind(row.output, 0), 0u) << run.lines[0];
        if (row.error.empty()) {
            EXPECT_EQ(run.errors, "");
        } else {
            EXPECT_NE(run.errors.find(row.error), std::string::npos) << run.errors;
        }
    }
}

TEST_F(CliBadInputTest, ReadersRefuseWhatIsNotARegularFile) {
    const std::string fifo = (m_dir / "pipe.FNC").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo, std::string("/dev/zero"), m_dir.string()}) {
        SCOPED_TRACE(path);
        CliRun run = Run("--functions '" + path + "' 1");
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.errors.find("Cannot load " + path + "!"), std::string::npos) << run.errors;
        CliRun vars = Run("--user-vars '" + path + "' 1");
        EXPECT_EQ(vars.exitCode, 1);
        EXPECT_NE(vars.errors.find("Can't read file " + path), std::string::npos) << vars.errors;
    }
}

TEST_F(CliBadInputTest, VariablesThatReferToThemselvesAreUndefined) {
    const std::string self[10] = {"X+1", "", "", "", "", "", "", "", "", ""};
    const std::string pair[10] = {"", "", "", "I*V%", "", "V", "", "", "", ""};
    const struct {
        const char* name;
        std::string file;
        std::string expression;
        std::string message;
    } rows[] = {
        {"self", VariablesFile("self.VAR", self), "1+X", "Undefined: position 3"},
        {"pair", VariablesFile("pair.VAR", pair), "V", "Undefined: position 1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CliRun run = Run("--variables " + row.file + " '" + row.expression + "'");
        EXPECT_EQ(run.exitCode, 1);
        ASSERT_EQ(run.lines.size(), 1u) << run.output;
        EXPECT_EQ(run.lines[0], row.message);
        EXPECT_NE(run.errors.find(": Undefined: position 1"), std::string::npos) << run.errors;
    }
}

TEST_F(CliBadInputTest, OperatorsAndSpecialFunctionsEndWithAValueOrAnError) {
    CliRun zero = Run("--angle rad 'integral(0,2*pi,sin(X))' 'integral(0,pi,cos(X))'");
    EXPECT_EQ(zero.exitCode, 0);
    ASSERT_EQ(zero.lines.size(), 2u) << zero.output;
    for (const std::string& line : zero.lines) {
        EXPECT_LT(std::fabs(std::stold(line)), 1e-12L) << line;
    }

    CliRun errors = Run("'Yn(0,0)' 'eFD(-1,1)' 'integral(0,1,1/X)'");
    EXPECT_EQ(errors.exitCode, 1);
    ASSERT_EQ(errors.lines.size(), 3u) << errors.output;
    EXPECT_EQ(errors.lines[0].rfind("Function singularity", 0), 0u) << errors.lines[0];
    EXPECT_EQ(errors.lines[1].rfind("Argument Error", 0), 0u) << errors.lines[1];
    EXPECT_EQ(errors.lines[2].rfind("Function singularity", 0), 0u) << errors.lines[2];

    // The sign after "^" applies to the operators as to any other operand.
    CliRun sign =
        Run("'2^-integral(0,1,X)' '2^(-integral(0,1,X))' '2^-min(0,2,(X-1)^2+1)' "
            "'2^(-min(0,2,(X-1)^2+1))'");
    ASSERT_EQ(sign.lines.size(), 4u) << sign.output;
    EXPECT_EQ(sign.lines[0], sign.lines[1]);
    EXPECT_EQ(sign.lines[2], sign.lines[3]);
}

TEST(CliLongSessionTest, APipedSessionKeepsNoListsThatGrowWithItsLines) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer's quarantine holds freed memory, so the peak grows";
#endif
    // A line kept in the history, results and tape would cost some 200 bytes, 40 MB over
    // the long run; what is kept for the current line only stays the same.
    constexpr int kShort = 1000;
    constexpr int kLong = 200000;
    constexpr long kAllowedGrowthKiB = 16 * 1024;
    for (const char* options : {"", "--tape"}) {
        SCOPED_TRACE(options);
        const MeasuredRun shortRun = RunMeasured(options, Sums(kShort));
        const MeasuredRun longRun = RunMeasured(options, Sums(kLong));
        EXPECT_EQ(shortRun.exitCode, 0);
        EXPECT_EQ(longRun.exitCode, 0);
        EXPECT_EQ(shortRun.lines, static_cast<std::size_t>(kShort));
        EXPECT_EQ(longRun.lines, static_cast<std::size_t>(kLong));
        ASSERT_GT(shortRun.peakKiB, 0);
        EXPECT_LT(longRun.peakKiB - shortRun.peakKiB, kAllowedGrowthKiB)
            << shortRun.peakKiB << " KiB for " << kShort << " lines, " << longRun.peakKiB
            << " KiB for " << kLong;
    }
}

}  // namespace
