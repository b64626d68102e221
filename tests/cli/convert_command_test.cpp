// kalvo-cli convert: the converted lines, the spellings of names, the lists and the errors.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_host.h"
#include "cli/cli_options.h"
#include "cli/cli_subcommand.h"
#include "cli/run_cli.h"
#include "display/format_real.h"
#include "engine/text_encoding.h"
#include "frontend/calculator_session.h"
#include "units/unit_conversion.h"
#include "units/unit_names.h"

namespace kalvo {
namespace {

struct ConvertRun {
    int status = -1;
    std::vector<std::string> lines;
    std::string output;
    std::string errors;
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

/// Runs `kalvo-cli ARGS` in-process, with the session set up from the global options as
/// the program does.
ConvertRun RunConvert(const std::vector<std::string>& args) {
    ConvertRun run;
    std::string error;
    const auto options = ParseCliOptions(args, error);
    if (!options) {
        ADD_FAILURE() << error;
        return run;
    }
    CliHost host;
    CalculatorSession session(host);
    host.Attach(session);
    session.SetNotation(options->notation);
    session.SetDigits(options->digits);
    std::ostringstream out;
    std::ostringstream err;
    run.status = RunSubcommand(*options, session, out, err);
    run.output = out.str();
    run.lines = Lines(run.output);
    run.errors = err.str();
    return run;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::string Utf8Name(const UnitCategory& category, int unit) {
    return Latin1ToUtf8(category.Unit(unit).name);
}

TEST(ConvertCommand, PrintsEveryOtherUnitInTableOrder) {
    for (const UnitCategory& category : UnitCategories()) {
        for (int unit = 1; unit <= category.Count(); ++unit) {
            const Real value = 12.5L;
            SCOPED_TRACE(std::string(category.name) + " " + category.Unit(unit).name);
            const ConvertRun run = RunConvert({"--notation", "fix", "--digits", "14", "convert",
                                               category.name, Utf8Name(category, unit), "12.5"});
            ASSERT_EQ(run.status, 0) << run.errors;
            EXPECT_EQ(run.errors, "");
            ASSERT_EQ(static_cast<int>(run.lines.size()), category.Count() - 1);
            DisplaySettings fix;
            fix.notation = kFix;
            const std::vector<Real> values = ConvertUnits(category, unit, value);
            std::size_t line = 0;
            for (int b = 1; b <= category.Count(); ++b) {
                if (b == unit) {
                    continue;
                }
                const Real expected = values[static_cast<std::size_t>(b - 1)];
                EXPECT_EQ(run.lines[line++],
                          Utf8Name(category, b) + "\t" + FormatReal(fix, 14, expected));
            }
        }
    }
}

TEST(ConvertCommand, TakesNamesInAnyCaseAndTheirAsciiSpellings) {
    const struct {
        const char* category;
        const char* unit;
        const char* meant;  ///< Latin-1, as the table writes it
    } rows[] = {
        {"length", "KM", "KM"},
        {"LENGTH", "km", "KM"},
        {"Length", "A", "A\xB0"},
        {"length", "A\xC2\xB0", "A\xB0"},
        {"length", "uM", "\xB5M"},
        {"length", "\xC2\xB5m", "\xB5M"},
        {"volume", "CM3", "CM\xB3"},
        {"area", "Meter2", "Meter\xB2"},
        {"area", "meter\xC2\xB2", "Meter\xB2"},
        {"temperature", "Reaumur",
         "R\xE9"
         "aumur"},
        {"Temperature",
         "R\xC3\x89"
         "AUMUR",
         "R\xE9"
         "aumur"},
        {"acceleration", "G", "g"},
        {"energy", "joul(newton*m)", "Joul(newton*m)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.category) + " " + row.unit);
        const ConvertRun run = RunConvert({"convert", row.category, row.unit, "1"});
        ASSERT_EQ(run.status, 0) << run.errors;
        const UnitCategory& category = *FindUnitCategoryByName(row.category);
        const int meant = FindUnitByName(category, row.meant);
        ASSERT_NE(meant, 0);
        // The unit meant is the one left out.
        std::vector<std::string> names;
        for (const std::string& line : run.lines) {
            names.push_back(line.substr(0, line.find('\t')));
        }
        std::vector<std::string> others;
        for (int b = 1; b <= category.Count(); ++b) {
            if (b != meant) {
                others.push_back(Utf8Name(category, b));
            }
        }
        EXPECT_EQ(names, others);
    }
}

TEST(ConvertCommand, ListsTheCategoriesAndTheirUnits) {
    ConvertRun run = RunConvert({"convert", "--list"});
    EXPECT_EQ(run.status, 0);
    std::vector<std::string> categories;
    for (const UnitCategory& category : UnitCategories()) {
        categories.push_back(category.name);
    }
    EXPECT_EQ(run.lines, categories);

    for (const UnitCategory& category : UnitCategories()) {
        SCOPED_TRACE(category.name);
        run = RunConvert({"convert", "--list", category.name});
        EXPECT_EQ(run.status, 0);
        std::vector<std::string> units;
        for (int unit = 1; unit <= category.Count(); ++unit) {
            units.push_back(Utf8Name(category, unit));
        }
        EXPECT_EQ(run.lines, units);
    }
}

TEST(ConvertCommand, RefusesValuesTheUnitDoesNotTake) {
    const struct {
        std::vector<std::string> args;
        std::vector<std::string> mentioned;  ///< on standard error
    } rows[] = {
        {{"temperature", "Celsium", "-300"}, {"-300", "Celsium", "-273.15"}},
        {{"temperature", "Reaumur", "-218.53"},
         {"R\xC3\xA9"
          "aumur",
          "-218.52"}},
        {{"temperature", "Rankine", "-1e-9"}, {"Rankine", "0"}},
        {{"temperature", "Kelvin", "abc"}, {"'abc' is not a number", "Kelvin", "0"}},
        {{"time", "Second", "-1"}, {"Second", "0"}},
        {{"length", "KM", "1,5"}, {"'1,5' is not a number", "KM", "any number"}},
        {{"length", "KM", ""}, {"'' is not a number", "KM"}},
        {{"length", "KM", "1e"}, {"KM"}},
        {{"length", "KM", "1e99999"}, {"KM"}},
        {{"length", "Parsec", "1e4930"}, {"above the greatest value of Parsec"}},
        {{"length", "KM", std::string(5000, '9') + "x"}, {"...", "KM"}},
    };
    for (const auto& row : rows) {
        std::vector<std::string> args = {"convert"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        SCOPED_TRACE(row.args[1] + " " + row.args[2].substr(0, 20));
        const ConvertRun run = RunConvert(args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.output, "");
        EXPECT_LT(run.errors.size(), 300u) << "a long value is not echoed whole";
        for (const std::string& part : row.mentioned) {
            EXPECT_TRUE(Contains(run.errors, part)) << run.errors;
        }
    }
}

TEST(ConvertCommand, AcceptsTheLeastValuesAndNegativeLengths) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"convert", "temperature", "celsium", "-273.15"},
                                               {"convert", "temperature", "kelvin", "0"},
                                               {"convert", "length", "mile", "-3.5"},
                                               {"convert", "mass", "gram", "+0"}}) {
        SCOPED_TRACE(args[2]);
        const ConvertRun run = RunConvert(args);
        EXPECT_EQ(run.status, 0) << run.errors;
        EXPECT_FALSE(run.lines.empty());
    }
}

TEST(ConvertCommand, UsageErrorsNameWhatIsValid) {
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::vector<std::string> mentioned;
    } rows[] = {
        {"unknown category",
         {"convert", "speed", "KM", "1"},
         {"'speed'", "Acceleration, Area, Force, Length, Mass, Temperature, Time, Volume, Energy"}},
        {"unknown unit",
         {"convert", "length", "furlongs", "1"},
         {"'furlongs'", "A\xC2\xB0, ", ", Yard"}},
        {"unit of another category", {"convert", "area", "Meter", "1"}, {"Meter\xC2\xB2"}},
        {"unknown list category", {"convert", "--list", "speed"}, {"Acceleration"}},
        {"too few words", {"convert", "length", "KM"}, {"CATEGORY UNIT VALUE"}},
        {"too many words", {"convert", "length", "KM", "1", "2"}, {"CATEGORY UNIT VALUE"}},
        {"list with two words", {"convert", "--list", "length", "area"}, {"--list"}},
        {"unknown option", {"convert", "length", "KM", "1", "--frobnicate"}, {"--frobnicate"}},
        {"two dashes before a value", {"convert", "length", "KM", "--5"}, {"--5"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ConvertRun run = RunConvert(row.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.output, "");
        EXPECT_TRUE(Contains(run.errors, "kalvo-cli convert --help")) << run.errors;
        for (const std::string& part : row.mentioned) {
            EXPECT_TRUE(Contains(run.errors, part)) << run.errors;
        }
    }
}

// The program itself: global options on either side and the examples of the window.
TEST(ConvertProgram, GlobalOptionsStandBeforeOrAfterTheSubcommand) {
    const test::CliRun before = test::RunCli("--digits 20 convert length KM 1", "");
    const test::CliRun after = test::RunCli("convert length KM 1 --digits 20", "");
    const test::CliRun plain = test::RunCli("convert length KM 1", "");
    EXPECT_EQ(before.exitCode, 0) << before.errors;
    EXPECT_EQ(before.output, after.output);
    EXPECT_NE(before.output, plain.output) << "--digits changes the width";
    EXPECT_EQ(before.lines.size(), 19u);
}

TEST(ConvertProgram, ShowsTheWorkedExamples) {
    const test::CliRun km = test::RunCli("--notation fix convert length KM 1", "");
    EXPECT_EQ(km.exitCode, 0);
    EXPECT_NE(km.output.find("Meter\t1000.0\n"), std::string::npos) << km.output;
    EXPECT_NE(km.output.find("Mile\t0.6213711922\n"), std::string::npos) << km.output;

    const test::CliRun celsius = test::RunCli("convert Temperature Celsium 100 --notation fix", "");
    EXPECT_EQ(celsius.exitCode, 0);
    EXPECT_EQ(celsius.lines,
              (std::vector<std::string>{"Farhenheit\t212.0", "Kelvin\t373.15", "Rankine\t671.67",
                                        "R\xC3\xA9"
                                        "aumur\t80.0"}));
}

TEST(ConvertProgram, ExitCodesAndHelp) {
    const struct {
        const char* arguments;
        int exitCode;
    } rows[] = {
        {"convert length KM 1", 0},  {"convert --list", 0},
        {"convert --help", 0},       {"convert temperature kelvin -1", 1},
        {"convert length KM x", 1},  {"convert speed KM 1", 2},
        {"convert length KMH 1", 2}, {"convert", 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments);
        EXPECT_EQ(test::RunCli(row.arguments, "").exitCode, row.exitCode);
    }
    const test::CliRun help = test::RunCli("convert --help", "");
    EXPECT_NE(help.output.find("kalvo-cli convert CATEGORY UNIT VALUE"), std::string::npos);
    const test::CliRun general = test::RunCli("--help", "");
    EXPECT_NE(general.output.find("convert"), std::string::npos);
}

}  // namespace
}  // namespace kalvo
