#pragma once

#include <array>
#include <string_view>

namespace kalvo {

/// The help contexts: every window and tab asks for the page of its context through
/// DialogService::ShowHelp. Contexts 0 to 99 are the numbered ones the windows have always
/// used; the windows that came later use the named contexts from 100 on.
enum HelpContext : int {
    kHelpCalculator = 0,     ///< the main window, its Calculator tab and F1 there
    kHelpVariables = 3,      ///< the Variables tab and the value prompt "Set variable"
    kHelpConstants = 8,      ///< the Constants tab
    kHelpCurvePlot = 10,     ///< Graphics tab, plot type 0 "Plot f(X)"
    kHelpContourSetup = 18,  ///< Graphics tab, plot type 1 (contour plot)
    kHelpShadingSetup = 19,  ///< Graphics tab, plot type 2 (colour shading)
    kHelpSurfaceSetup = 20,  ///< Graphics tab, plot type 3 (surface)
    kHelpTape = 21,          ///< the Tape tab
    kHelpContents = 100,     ///< the contents page with the search field
    kHelpComplexMode,        ///< the "Complex Numbers" notice and complex mode
    kHelpMatrixWindow,       ///< the "Matrix" window
    kHelpMatrixPrompt,       ///< its prompt for r, n and f(A) ("Expession")
    kHelpUnitConverter,      ///< the "Units Convertor" window
    kHelpPlot2DWindow,       ///< the "2D - Plot" window
    kHelpContourPlotWindow,  ///< the "Contour Plot" window (contour map and shading)
    kHelpSurfaceWindow,      ///< the "Surface" window
    kHelpPolarWindow,        ///< the "Polar" window
    kHelpPolarSetup,         ///< Graphics tab, plot type 4 (polar)
};

/// A context and the page (with an optional "#anchor") that explains it.
struct HelpPage {
    int context;
    std::string_view page;
};

/// Every context with its page, relative to the help folder.
inline constexpr std::array<HelpPage, 18> kHelpPages{{
    {kHelpCalculator, "calculator.html"},
    {kHelpVariables, "variables.html"},
    {kHelpConstants, "constants.html"},
    {kHelpCurvePlot, "plot-curve.html"},
    {kHelpContourSetup, "plot-contour.html"},
    {kHelpShadingSetup, "plot-contour.html#shading"},
    {kHelpSurfaceSetup, "plot-surface.html"},
    {kHelpTape, "tape.html"},
    {kHelpContents, "index.html"},
    {kHelpComplexMode, "complex.html"},
    {kHelpMatrixWindow, "matrix.html"},
    {kHelpMatrixPrompt, "matrix.html#prompt"},
    {kHelpUnitConverter, "units.html"},
    {kHelpPlot2DWindow, "plot-curve.html#window"},
    {kHelpContourPlotWindow, "plot-contour.html#window"},
    {kHelpSurfaceWindow, "plot-surface.html#window"},
    {kHelpPolarWindow, "plot-polar.html#window"},
    {kHelpPolarSetup, "plot-polar.html"},
}};

/// The page of a context; a context without a page of its own shows the contents.
constexpr std::string_view HelpPageFor(int context) {
    for (const HelpPage& entry : kHelpPages) {
        if (entry.context == context) {
            return entry.page;
        }
    }
    return "index.html";
}

}  // namespace kalvo
