#include "plot/plot_setup.h"

#include <charconv>

#include "display/format_general.h"
#include "frontend/decimal_text.h"

namespace kalvo {

namespace {

constexpr const char* kPlotFunctionHint =
    "To plot F(X) type you function in input line and click OK";

constexpr PlotTypeInfo kPlotTypes[kPlotTypeCount] = {
    {"Plot f(X)", "", "StepX0", 200, "StepY0", 0, 0, kPlotFunctionHint},
    {"Contour Plot f(X,Y)", "Contour Plot Z=|f(X+Yi)|", "StepX1", 40, "StepY1", 40, 2,
     "To plot contours Z:=F(X,Y) type you function in input line and click OK"},
    {"Color Shading f(X,Y)", "Color Shading Z=|f(X+Yi)|", "StepX2", 40, "StepY2", 40, 2,
     "To plot color shade Z:=F(X,Y) type you function in input line and click OK"},
    {"Surface", "Surface Z=|f(X+Yi)|", "StepX3", 40, "StepY3", 40, 2,
     "To plot Z:=F(X,Y) type you function in input line and click OK"},
    {"Polar", "", "StepX4", 360, "StepY4", 0, 0, kPlotFunctionHint},
};

constexpr Real kCoordinateLimit = 115425.2L;
constexpr int kMaxSteps = 16000;
constexpr Real kMaxExaggeration = 1e30L;

bool ParseInteger(const std::string& text, long& value) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+') {
        ++begin;
    }
    auto [stop, error] = std::from_chars(begin, end, value);
    return begin != end && error == std::errc() && stop == end;
}

/// Checks one field; false with `check` filled when it fails.
bool IntegerInRange(const std::string& text, const char* name, long least, long greatest,
                    PlotField field, int& value, PlotSetupCheck& check) {
    long number = 0;
    if (ParseInteger(text, number) && number >= least && number <= greatest) {
        value = static_cast<int>(number);
        return true;
    }
    check.field = field;
    check.message = std::string(name) + " must be in the range [" + std::to_string(least) + ".." +
                    std::to_string(greatest) + "]";
    return false;
}

bool RealInRange(const std::string& text, const char* name, Real least, Real greatest,
                 PlotField field, Real& value, PlotSetupCheck& check) {
    Real number = 0;
    if (ReadDecimalReal(text, number) && number >= least && number <= greatest) {
        value = number;
        return true;
    }
    check.field = field;
    if (!text.empty()) {
        check.message = std::string(name) + " must be in the range [" + FormatGeneral(least, 15) +
                        " ... " + FormatGeneral(greatest, 15) + "]";
    }
    return false;
}

}  // namespace

const PlotTypeInfo& PlotTypeData(PlotType type) {
    return kPlotTypes[static_cast<int>(type)];
}

PlotStepTable DefaultPlotSteps() {
    PlotStepTable steps{};
    for (int t = 0; t < kPlotTypeCount; ++t) {
        steps[static_cast<std::size_t>(t)] = kPlotTypes[t].stepXDefault;
        steps[static_cast<std::size_t>(kPlotTypeCount + t)] = kPlotTypes[t].stepYDefault;
    }
    return steps;
}

PlotSetupCheck CheckPlotSetup(const PlotSetupTexts& texts, PlotType type) {
    PlotSetupCheck check;
    PlotSetup& s = check.setup;
    constexpr const char* kSteps = "Number of Steps";
    if (!IntegerInRange(texts.stepsX, kSteps, 2, kMaxSteps, PlotField::kStepsX, s.stepsX, check) ||
        !RealInRange(texts.fromX, "Minimum X-coordinate", -kCoordinateLimit, kCoordinateLimit,
                     PlotField::kFromX, s.fromX, check) ||
        !RealInRange(texts.toX, "Maximum X-coordinate", -kCoordinateLimit, kCoordinateLimit,
                     PlotField::kToX, s.toX, check) ||
        !RealInRange(texts.exaggeration, "Vertical exaggerate", 0, kMaxExaggeration,
                     PlotField::kExaggeration, s.exaggeration, check)) {
        return check;
    }
    // Y is read for every type (its bounds are compared below) but only checked where used.
    ReadDecimalReal(texts.fromY, s.fromY);
    ReadDecimalReal(texts.toY, s.toY);
    if (SamplesGrid(type)) {
        if (!IntegerInRange(texts.stepsY, kSteps, PlotTypeData(type).leastStepsY, kMaxSteps,
                            PlotField::kStepsY, s.stepsY, check) ||
            !RealInRange(texts.fromY, "Minimum Y-coordinate", -kCoordinateLimit, kCoordinateLimit,
                         PlotField::kFromY, s.fromY, check) ||
            !RealInRange(texts.toY, "Maximum Y-coordinate", -kCoordinateLimit, kCoordinateLimit,
                         PlotField::kToY, s.toY, check) ||
            !IntegerInRange(texts.contours, " Number of Cntours", 1, 1000, PlotField::kContours,
                            s.contours, check)) {
            return check;
        }
    }
    if (!(s.toX > s.fromX)) {
        check.field = PlotField::kToX;
        check.message = "Maximum X-coordinate must be more than minimum one";
        return check;
    }
    if (!(s.toY > s.fromY)) {
        check.field = PlotField::kToY;
        check.message = "Maximum Y-coordinate must be more than minimum one";
        return check;
    }
    if (SamplesGrid(type) && static_cast<long>(s.stepsX) * s.stepsY > kMaxGridPoints) {
        check.field = PlotField::kStepsY;
        check.message = "Number of grid points " + std::to_string(s.stepsX) + " x " +
                        std::to_string(s.stepsY) + " must be at most " +
                        std::to_string(kMaxGridPoints);
        return check;
    }
    check.ok = true;
    return check;
}

}  // namespace kalvo
