// kalvo-cli contour: the contour lines of a function or of a data grid, as text or GeoJSON.
#include <cmath>
#include <ostream>
#include <string>

#include "chart/contour_export.h"
#include "chart/contour_layer.h"
#include "chart/grid_text.h"
#include "cli/contour_command.h"
#include "cli/plot_options.h"
#include "display/format_general.h"
#include "engine/text_encoding.h"
#include "frontend/calculator_session.h"
#include "frontend/file_result.h"
#include "frontend/text_file.h"
#include "plot/grid_sampler.h"

namespace kalvo {

namespace {

constexpr int kDefaultLevels = 10;
constexpr int kMaxLevels = 1000;

int UsageError(const SubcommandContext& context, const std::string& message) {
    context.err << "kalvo-cli contour: " << message << '\n';
    return 2;
}

// The levels option: a whole number from 1 to kMaxLevels.
bool ReadLevelCount(const std::string& text, int& count) {
    if (text.empty() || text.size() > 4 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    count = std::stoi(text);
    return count >= 1 && count <= kMaxLevels;
}

// Samples the expression as the contour window does; 0, or the exit status of a failure.
int SampleExpression(const SubcommandContext& context, const SubcommandArgs& args, bool shade,
                     int levels, ContourGrid& grid) {
    PlotSetupTexts texts;
    std::string error;
    if (!ReadRangeOptions(args, texts, error)) {
        return UsageError(context, error);
    }
    texts.contours = std::to_string(levels);
    const PlotSetupCheck check =
        CheckPlotSetup(texts, shade ? PlotType::kShade : PlotType::kContour);
    if (!check.ok) {
        context.err << (check.message.empty() ? "an empty coordinate" : check.message) << '\n';
        return 2;
    }
    const std::string text = ToLatin1(args.words.front());
    const PlotSetup& s = check.setup;
    const auto mode = context.session.ComplexMode() ? PointEvaluator::Mode::kComplexModulus
                                                    : PointEvaluator::Mode::kReal;
    GridSamples samples = SampleGrid(context.session, text, s.XAxis(), s.YAxis(), mode);
    if (samples.failed) {
        return WriteSampleFailure(context.err, context.session.GetEngine(), text, samples.failure);
    }
    for (int i = 0; i < samples.nx; ++i) {
        for (int j = 0; j < samples.ny; ++j) {
            if (!std::isfinite(samples.Z(i, j))) {
                context.err << "kalvo-cli contour: the value at X = "
                            << FormatGeneral(samples.x[static_cast<std::size_t>(i)], 15)
                            << ", Y = " << FormatGeneral(samples.y[static_cast<std::size_t>(j)], 15)
                            << " is beyond the range of the contour map (about 1.8E308)\n";
                return 1;
            }
        }
    }
    grid = {std::move(samples.x), std::move(samples.y), std::move(samples.z)};
    return 0;
}

int ReadGridFile(const SubcommandContext& context, const std::string& path, ContourGrid& grid) {
    std::string content;
    switch (ReadFileBytes(path, content)) {
        case ReadStatus::kCannotOpen:
            context.err << kCantOpenFile << path << '\n';
            return 1;
        case ReadStatus::kCannotRead:
            context.err << kCantReadFile << path
                        << " (it must be a regular file of at most 64 MiB)\n";
            return 1;
        case ReadStatus::kOk:
            break;
    }
    GridTextResult result = ReadGridText(content, path);
    if (!result.ok) {
        context.err << result.message << '\n';
        return 1;
    }
    grid = std::move(result.grid);
    return 0;
}

int RunContour(const SubcommandContext& context) {
    std::string error;
    auto args = ParseSubcommandArgs(context.args, {"--x", "--y", "--levels", "--grid", "--format"},
                                    {"--shade"}, error);
    if (!args) {
        return UsageError(context, error);
    }
    const bool fromFile = args->Has("--grid");
    const bool wellFormed = fromFile
                                ? args->words.empty() && !args->Has("--x") && !args->Has("--y")
                                : args->words.size() == 1 && args->Has("--x") && args->Has("--y");
    if (!wellFormed) {
        return UsageError(context,
                          "give one expression with --x FROM,TO,N and --y FROM,TO,M, or --grid "
                          "FILE");
    }
    const std::string format = args->Value("--format").value_or("text");
    if (format != "text" && format != "geojson") {
        return UsageError(context, "--format takes text or geojson");
    }
    const bool shade = args->Has("--shade");
    int levels = kDefaultLevels;
    if (shade && args->Has("--levels")) {
        return UsageError(context, "--shade traces one level and takes no --levels");
    }
    if (args->Has("--levels") && !ReadLevelCount(*args->Value("--levels"), levels)) {
        return UsageError(context, "--levels takes a whole number from 1 to 1000");
    }

    ContourGrid grid;
    const int status = fromFile ? ReadGridFile(context, *args->Value("--grid"), grid)
                                : SampleExpression(context, *args, shade, levels, grid);
    if (status != 0) {
        return status;
    }
    const auto layer = TContour::Create(shade, shade ? 1 : levels, std::move(grid.z),
                                        std::move(grid.y), std::move(grid.x));
    if (format == "geojson") {
        WriteContourGeoJson(context.out, layer->Lines());
    } else {
        WriteContourText(context.out, layer->Lines());
    }
    return 0;
}

}  // namespace

Subcommand ContourCommand() {
    return {
        "contour", "print the contour lines of a function of X and Y or of a grid file",
        "Usage: kalvo-cli contour EXPRESSION --x FROM,TO,N --y FROM,TO,M [OPTIONS]\n"
        "       kalvo-cli contour --grid FILE [OPTIONS]\n"
        "Computes the contour lines as the contour plot does and prints them.\n"
        "  --x FROM,TO,N, --y FROM,TO,M\n"
        "                 sample EXPRESSION at N x M points, both ends included (2-16000 each);\n"
        "                 the first point that cannot be calculated stops it\n"
        "  --grid FILE    read the grid from a text file instead: line 1 the X values, line 2\n"
        "                 the Y values, then one line of Z values per X value (one per Y value);\n"
        "                 fields separated by blanks, commas or tabs; 1234321 marks a missing\n"
        "                 value\n"
        "  --levels K     K levels evenly spaced from the least value up (default 10, 1-1000)\n"
        "  --shade        one level, at the least value, as the colour shading\n"
        "  --format text  one line per contour line: LEVEL TAB COUNT TAB x1,y1 x2,y2 ...\n"
        "                 (default; LEVEL with 12 significant digits, coordinates with 9)\n"
        "  --format geojson\n"
        "                 a GeoJSON FeatureCollection of LineStrings with the property \"level\"\n"
        "With --complex the grid is |EXPRESSION| of X+Yi. A constant grid has no lines.\n"
        "Exit status: 0 done, 1 a point could not be calculated or the file not read, 2 a usage\n"
        "or range error.\n",
        RunContour};
}

}  // namespace kalvo
