#pragma once

#include <array>
#include <string>

#include "engine/real.h"
#include "plot/sample_axis.h"

namespace kalvo {

/// The five plot types, numbered as the Graphics tab lists them.
enum class PlotType { kCurve = 0, kContour = 1, kShade = 2, kSurface = 3, kPolar = 4 };

inline constexpr int kPlotTypeCount = 5;

/// What each plot type shows and samples by default.
struct PlotTypeInfo {
    const char* caption;         ///< real mode
    const char* complexCaption;  ///< complex mode; empty where the type is hidden
    const char* stepXKey;        ///< INI key of the X point count
    int stepXDefault;
    const char* stepYKey;
    int stepYDefault;
    int leastStepsY;   ///< 2 where Y is sampled, 0 where it is not
    const char* hint;  ///< shown in the assistant panel when the type is chosen
};

const PlotTypeInfo& PlotTypeData(PlotType type);

/// Types 1 to 3 sample a grid over X and Y.
inline bool SamplesGrid(PlotType type) {
    return type == PlotType::kContour || type == PlotType::kShade || type == PlotType::kSurface;
}

/// The point counts per type, X counts of types 0-4 then Y counts of types 0-4, as the
/// settings keep them.
using PlotStepTable = std::array<int, 2 * kPlotTypeCount>;
PlotStepTable DefaultPlotSteps();

/// The fields of the plot set-up, as typed.
struct PlotSetupTexts {
    std::string fromX = "-10";
    std::string toX = "10";
    std::string stepsX = "200";
    std::string fromY = "-10";
    std::string toY = "10";
    std::string stepsY = "21";
    std::string contours = "10";
    std::string exaggeration = "0";
};

/// The set-up's fields by role, for focusing the one that failed.
enum class PlotField {
    kNone,
    kStepsX,
    kFromX,
    kToX,
    kExaggeration,
    kStepsY,
    kFromY,
    kToY,
    kContours
};

/// The validated set-up.
struct PlotSetup {
    Real fromX = 0;
    Real toX = 0;
    int stepsX = 0;
    Real fromY = 0;
    Real toY = 0;
    int stepsY = 0;
    int contours = 0;
    Real exaggeration = 0;

    SampleAxis XAxis() const { return {fromX, toX, stepsX}; }
    SampleAxis YAxis() const { return {fromY, toY, stepsY}; }
};

/// The outcome of checking the fields before a plot. On failure `field` names the field
/// to focus and `message` the text of the error box; an empty message means the field
/// fails silently (an empty coordinate).
struct PlotSetupCheck {
    bool ok = false;
    PlotField field = PlotField::kNone;
    std::string message;
    PlotSetup setup;
};

/// Grids with more points than this are refused before sampling: a point costs the
/// sampler, the contour layer and the chart some tens of bytes each.
inline constexpr long kMaxGridPoints = 4000000;

/// Checks the fields in the order the OK button does, stopping at the first failure:
/// X steps, least X, greatest X, exaggeration, then for grid types Y steps, least Y,
/// greatest Y and the number of contours; then the order of the X bounds and of the Y
/// bounds (for every type), then the size of a grid.
///
///   auto check = CheckPlotSetup(texts, PlotType::kContour);
///   if (!check.ok) ShowError(check.message);   // "Number of Steps must be in the range
///   [2..16000]"
PlotSetupCheck CheckPlotSetup(const PlotSetupTexts& texts, PlotType type);

}  // namespace kalvo
