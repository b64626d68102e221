// kalvo-cli sample: the plot samplers' points as text, for scripts and other plotting tools.
#include <ostream>
#include <string>

#include "cli/plot_options.h"
#include "cli/sample_command.h"
#include "display/format_general.h"
#include "engine/text_encoding.h"
#include "frontend/calculator_session.h"
#include "plot/curve_sampler.h"
#include "plot/graphics_layout.h"
#include "plot/grid_sampler.h"
#include "plot/plot_setup.h"

namespace kalvo {

namespace {

constexpr int kSampleDigits = 15;

std::string Number(Real value) {
    return FormatGeneral(value, kSampleDigits);
}

int RunSample(const SubcommandContext& context) {
    std::string error;
    auto args = ParseSubcommandArgs(context.args, {"--x", "--y"}, {"--surface", "--polar"}, error);
    if (!args) {
        context.err << "kalvo-cli sample: " << error << '\n';
        return 2;
    }
    if (args->words.size() != 1 || !args->Has("--x")) {
        context.err << "kalvo-cli sample: give one expression and --x FROM,TO,N\n";
        return 2;
    }
    const bool polar = args->Has("--polar");
    const bool surface = args->Has("--surface");
    if (polar && (surface || args->Has("--y"))) {
        context.err << "kalvo-cli sample: --polar takes no --y and no --surface\n";
        return 2;
    }
    if (surface && !args->Has("--y")) {
        context.err << "kalvo-cli sample: --surface needs --y FROM,TO,M\n";
        return 2;
    }
    const PlotType type = polar              ? PlotType::kPolar
                          : surface          ? PlotType::kSurface
                          : args->Has("--y") ? PlotType::kContour
                                             : PlotType::kCurve;

    PlotSetupTexts texts;
    if (!ReadRangeOptions(*args, texts, error)) {
        context.err << "kalvo-cli sample: " << error << '\n';
        return 2;
    }
    const PlotSetupCheck check = CheckPlotSetup(texts, type);
    if (!check.ok) {
        context.err << (check.message.empty() ? "an empty coordinate" : check.message) << '\n';
        return 2;
    }

    const std::string text = ToLatin1(args->words.front());
    const PlotSetup& s = check.setup;
    const SampleAxis x = s.XAxis();
    const SampleAxis y = s.YAxis();
    const auto mode = GridSamplingMode(context.session.ComplexMode());
    std::ostream& out = context.out;
    switch (type) {
        case PlotType::kCurve: {
            const CurveSamples curve = SampleCurve(context.session, text, x);
            if (curve.failed) {
                return WriteSampleFailure(context.err, context.session.GetEngine(), text,
                                          curve.failure);
            }
            for (const CurvePoint& p : curve.points) {
                out << Number(p.x) << '\t' << Number(p.y) << '\n';
            }
            break;
        }
        case PlotType::kPolar: {
            const PolarSamples curve = SamplePolar(context.session, text, x);
            if (curve.stopped) {
                return WriteSampleFailure(context.err, context.session.GetEngine(), text,
                                          curve.failure);
            }
            for (std::size_t i = 0; i < curve.angles.size(); ++i) {
                out << Number(curve.angles[i]) << '\t' << Number(curve.radii[i]) << '\n';
            }
            break;
        }
        case PlotType::kSurface: {
            const SurfaceSamples grid = SampleSurface(context.session, text, x, y, mode);
            if (grid.stopped) {
                return WriteSampleFailure(context.err, context.session.GetEngine(), text,
                                          grid.failure);
            }
            for (int i = 0; i < grid.rows; ++i) {
                for (int j = 0; j < grid.columns; ++j) {
                    out << Number(grid.x[static_cast<std::size_t>(i)]) << '\t'
                        << Number(grid.y[static_cast<std::size_t>(j)]) << '\t'
                        << Number(grid.Value(i, j)) << '\n';
                }
            }
            break;
        }
        default: {
            const GridSamples grid = SampleGrid(context.session, text, x, y, mode);
            if (grid.failed) {
                return WriteSampleFailure(context.err, context.session.GetEngine(), text,
                                          grid.failure);
            }
            for (int i = 0; i < grid.nx; ++i) {
                for (int j = 0; j < grid.ny; ++j) {
                    out << Number(grid.x[static_cast<std::size_t>(i)]) << '\t'
                        << Number(grid.y[static_cast<std::size_t>(j)]) << '\t'
                        << Number(grid.Z(i, j)) << '\n';
                }
            }
            break;
        }
    }
    return 0;
}

}  // namespace

Subcommand SampleCommand() {
    return {
        "sample", "print the points of a curve, grid, surface or polar plot",
        "Usage: kalvo-cli sample EXPRESSION --x FROM,TO,N [--y FROM,TO,M] [--surface] [--polar]\n"
        "Samples EXPRESSION as the plot windows do and prints the points, one per line:\n"
        "  --x FROM,TO,N          N points from FROM to TO, both ends included (2-16000)\n"
        "  a curve f(X):          x TAB f(x)\n"
        "  --y FROM,TO,M          a grid f(X,Y): x TAB y TAB z, X outer and Y inner; the first\n"
        "                         point that cannot be calculated stops it\n"
        "  --surface (with --y)   a surface: like a grid, but a failing point keeps the value\n"
        "                         the engine returned\n"
        "  --polar                a polar curve: FROM and TO are angles in degrees, X is the\n"
        "                         angle in radians; prints angle TAB r\n"
        "Numbers are written with 15 significant digits. With --complex a grid or surface is\n"
        "|EXPRESSION| of X+Yi, computed as abs(EXPRESSION) in complex mode.\n"
        "Exit status: 0 done, 1 a point could not be calculated, 2 a usage or range error.\n",
        RunSample};
}

}  // namespace kalvo
