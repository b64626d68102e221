#include "cli/plot_options.h"

#include <optional>

#include "plot/plot_request.h"

namespace kalvo {

bool ReadRangeOptions(const SubcommandArgs& args, PlotSetupTexts& texts, std::string& error) {
    for (const char* option : {"--x", "--y"}) {
        if (!args.Has(option)) {
            continue;
        }
        auto range = SplitRangeText(*args.Value(option));
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

}  // namespace kalvo
