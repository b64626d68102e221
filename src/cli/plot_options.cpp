#include "cli/plot_options.h"

#include <optional>
#include <ostream>

#include "engine/text_encoding.h"
#include "frontend/calculator_session.h"
#include "plot/point_evaluator.h"

namespace kalvo {

namespace {

struct RangeTexts {
    std::string from;
    std::string to;
    std::string count;
};

/// "FROM,TO,N" split at its two commas; the parts are checked as the window's fields are.
std::optional<RangeTexts> SplitRange(const std::string& text) {
    const auto first = text.find(',');
    const auto second = first == std::string::npos ? first : text.find(',', first + 1);
    if (second == std::string::npos || text.find(',', second + 1) != std::string::npos) {
        return std::nullopt;
    }
    return RangeTexts{text.substr(0, first), text.substr(first + 1, second - first - 1),
                      text.substr(second + 1)};
}

}  // namespace

bool ReadRangeOptions(const SubcommandArgs& args, PlotSetupTexts& texts, std::string& error) {
    for (const char* option : {"--x", "--y"}) {
        if (!args.Has(option)) {
            continue;
        }
        auto range = SplitRange(*args.Value(option));
        if (!range) {
            error = std::string(option) + " takes FROM,TO,N";
            return false;
        }
        const bool isX = option[2] == 'x';
        (isX ? texts.fromX : texts.fromY) = range->from;
        (isX ? texts.toX : texts.toY) = range->to;
        (isX ? texts.stepsX : texts.stepsY) = range->count;
    }
    return true;
}

int ReportSampleFailure(const SubcommandContext& context, const std::string& text,
                        const SampleFailure& failure) {
    context.err << Latin1ToUtf8(DescribeFailure(context.session.GetEngine(), text, failure))
                << '\n';
    if (!failure.UserBreak()) {
        context.err << "Cann't calculate this function\n";
    }
    return 1;
}

}  // namespace kalvo
