// The arguments of kalvo-cli's subcommands: the first byte picks the subcommand, the rest
// are its words separated by NUL bytes. convert runs in full (it only parses and
// converts); for sample, contour and matrix only the argument parsing runs, not the
// sampling or the matrix work.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_subcommand.h"
#include "cli/plot_options.h"
#include "fuzz_session.h"
#include "matrix/matrix_operation.h"
#include "plot/plot_setup.h"

namespace {

// The option sets the subcommands pass to ParseSubcommandArgs.
struct ArgumentRules {
    const char* name;
    std::initializer_list<std::string_view> values;
    std::initializer_list<std::string_view> flags;
};

const ArgumentRules kRules[] = {
    {"sample", {"--x", "--y"}, {"--surface", "--polar"}},
    {"contour", {"--x", "--y", "--levels", "--grid", "--format"}, {"--shade"}},
    {"convert", {}, {"--list"}},
    {"matrix", {"--r", "--n", "--f"}, {}},
};

void CheckAxis(kalvo::Real from, kalvo::Real to, int steps) {
    kalvo::FuzzCheck(std::isfinite(from) && std::isfinite(to), "an accepted range is finite");
    kalvo::FuzzCheck(steps >= 2 && steps <= 16000, "an accepted point count is in its range");
}

// The range options as sample and contour read them, checked for every plot type.
void CheckRanges(const kalvo::SubcommandArgs& args) {
    kalvo::PlotSetupTexts texts;
    std::string error;
    if (!kalvo::ReadRangeOptions(args, texts, error)) {
        kalvo::FuzzCheck(!error.empty(), "a refused range says why");
        return;
    }
    for (int type = 0; type < kalvo::kPlotTypeCount; ++type) {
        const auto plotType = static_cast<kalvo::PlotType>(type);
        const kalvo::PlotSetupCheck check = kalvo::CheckPlotSetup(texts, plotType);
        if (!check.ok) {
            continue;
        }
        const kalvo::PlotSetup& s = check.setup;
        CheckAxis(s.fromX, s.toX, s.stepsX);
        if (plotType == kalvo::PlotType::kContour || plotType == kalvo::PlotType::kShade ||
            plotType == kalvo::PlotType::kSurface) {
            CheckAxis(s.fromY, s.toY, s.stepsY);
            kalvo::FuzzCheck(static_cast<long>(s.stepsX) * s.stepsY <= kalvo::kMaxGridPoints,
                             "an accepted grid is within the limit");
        }
    }
}

// The whole convert subcommand, as kalvo-cli runs it.
void RunConvert(kalvo::FuzzSession& fuzz, const std::vector<std::string>& words) {
    kalvo::CliOptions options;
    options.subcommand = "convert";
    options.subcommandArgs = words;
    std::ostringstream out;
    std::ostringstream err;
    const int status = kalvo::RunSubcommand(options, fuzz.Session(), out, err);
    kalvo::FuzzCheck(status == 0 || status == 1 || status == 2, "an exit status of 0, 1 or 2");
    kalvo::FuzzCheck(status == 0 || !err.str().empty(), "a failure says why");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const ArgumentRules& rules = kRules[data[0] % std::size(kRules)];
    const std::vector<std::string> words = kalvo::FuzzWords(kalvo::FuzzText(data, size, 1));
    const std::string_view name = rules.name;
    if (name == "convert") {
        kalvo::FuzzSession fuzz;
        RunConvert(fuzz, words);
        return 0;
    }
    std::string error;
    const auto args = kalvo::ParseSubcommandArgs(words, rules.values, rules.flags, error);
    if (!args) {
        kalvo::FuzzCheck(!error.empty(), "a usage error says why");
        return 0;
    }
    for (const auto& [option, value] : args->values) {
        kalvo::FuzzCheck(
            std::find(rules.values.begin(), rules.values.end(), option) != rules.values.end(),
            "only the subcommand's own options take values");
    }
    if (name == "matrix") {
        if (!args->words.empty()) {
            int known = 0;
            for (const kalvo::MatrixOperationInfo& operation : kalvo::MatrixOperations()) {
                known += args->words[0] == operation.cliName ? 1 : 0;
            }
            kalvo::FuzzCheck(known <= 1, "an operation name names one operation");
        }
        return 0;
    }
    CheckRanges(*args);
    return 0;
}
