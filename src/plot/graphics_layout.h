#pragma once

#include <string>

#include "plot/plot_setup.h"
#include "plot/point_evaluator.h"

namespace kalvo {

/// What the Graphics tab shows for a plot type: which fields are there, which are
/// enabled, the captions of the title and legend fields and the texts put into them.
struct GraphicsLayout {
    enum class Text { kKeep, kEmpty, kFunction, kZ };

    bool colorButton = false;    ///< sbColor
    bool yRangeEnabled = false;  ///< the Y range box with its fields and labels
    bool contoursShown = false;  ///< edNumCont and its label
    bool legendShown = false;    ///< edLegend and its label
    bool exaggerateFieldShown = false;
    bool exaggerateLabelShown = false;
    bool exaggerateFromSetup = false;  ///< edExaggerate shows the kept exaggeration
    Text title = Text::kKeep;          ///< what edTitle holds after the switch
    Text legend = Text::kKeep;         ///< what edLegend holds after the switch
    const char* titleLabel = "Title";
    const char* legendLabel = "Legend";
    const char* yAxisLabel = " Y axis";
    bool restoreAxisNames = false;  ///< a "Z" or empty edY back to "Y", an empty edX to "X"
    bool lowersPrecision = false;   ///< the integral precision goes from 9 to 7
};

GraphicsLayout LayoutFor(PlotType type);

/// The integral precision while grids are plotted, and the usual one.
inline constexpr int kGridIntegralPrecision = 7;
inline constexpr int kNormalIntegralPrecision = 9;

/// The type chosen when complex mode hides the curve types: the curve moves to the
/// contour map, the polar curve to the surface; the grid types stay.
PlotType ComplexModeType(PlotType type);

/// How the grid and surface samplers evaluate: |f(X+Yi)| in complex mode.
inline PointEvaluator::Mode GridSamplingMode(bool complexMode) {
    return complexMode ? PointEvaluator::Mode::kComplexModulus : PointEvaluator::Mode::kReal;
}
/// A grid plot's title as complex mode writes it, between two "|".
std::string ModulusTitle(const std::string& title, bool complexMode);

/// The plot's name on the tab: "f(" + input + ")".
std::string FunctionCaption(const std::string& input);
/// A curve's description: "f(" + the input without blanks + ")", at most 255 characters.
std::string CurveDescription(const std::string& input);

}  // namespace kalvo
