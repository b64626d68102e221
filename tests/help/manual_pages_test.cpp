// The manual pages and the manual's kalvo-cli pages against the program: every option and
// every subcommand that kalvo-cli offers is described in both.
#include <gtest/gtest.h>

#include <set>

#include "cli/cli_options.h"
#include "cli/cli_subcommand.h"
#include "help/manual_files.h"

namespace kalvo {
namespace {

using testing::AllMatches;
using testing::ManualPages;
using testing::ReadSourceFile;

/// The long options ("--name") that a help text mentions.
std::set<std::string> OptionsOf(const std::string& help) {
    const std::vector<std::string> found = AllMatches(help, R"re((^|[^\w-])(--[a-z][a-z-]*))re", 2);
    return {found.begin(), found.end()};
}

/// How a manual page writes an option: every "-" escaped.
std::string RoffOption(const std::string& option) {
    std::string roff;
    for (char c : option) {
        roff += c == '-' ? std::string("\\-") : std::string(1, c);
    }
    return roff;
}

class ManualPagesTest : public ::testing::Test {
  protected:
    const std::string manPage = ReadSourceFile("resources/man/kalvo-cli.1");
    const std::map<std::string, std::string> pages = ManualPages();
};

TEST_F(ManualPagesTest, EveryGlobalOptionIsDescribed) {
    const std::set<std::string> options = OptionsOf(CliUsage());
    ASSERT_GE(options.size(), 15U);
    for (const std::string& option : options) {
        SCOPED_TRACE(option);
        const std::string roff = RoffOption(option);
        const bool entry = manPage.find(".BR " + roff) != std::string::npos ||
                           manPage.find(".BI " + roff) != std::string::npos ||
                           manPage.find(".B " + roff + "\n") != std::string::npos;
        EXPECT_TRUE(entry) << "kalvo-cli.1 has no entry for it";
        EXPECT_NE(pages.at("cli.html").find("<code>" + option), std::string::npos)
            << "cli.html does not describe it";
    }
}

TEST_F(ManualPagesTest, EverySubcommandAndItsOptionsAreDescribed) {
    ASSERT_FALSE(Subcommands().empty());
    const std::string& html = pages.at("cli-subcommands.html");
    for (const Subcommand& command : Subcommands()) {
        const std::string name = command.name;
        SCOPED_TRACE(name);
        EXPECT_NE(manPage.find(".SS " + name + " "), std::string::npos);
        EXPECT_NE(html.find("<a name=\"" + name + "\"></a>"), std::string::npos);
        EXPECT_NE(pages.at("cli.html").find("<code>" + name + "</code>"), std::string::npos);
        for (const std::string& option : OptionsOf(command.usage)) {
            SCOPED_TRACE(option);
            EXPECT_NE(manPage.find(RoffOption(option)), std::string::npos);
            EXPECT_NE(html.find(option), std::string::npos);
        }
    }
}

TEST_F(ManualPagesTest, OptionsAreFoundInHelpTexts) {
    EXPECT_EQ(OptionsOf("  --x FROM,TO,N  (--surface) a-b --no\n--y"),
              (std::set<std::string>{"--x", "--surface", "--no", "--y"}));
    EXPECT_EQ(RoffOption("--user-vars"), "\\-\\-user\\-vars");
}

}  // namespace
}  // namespace kalvo
