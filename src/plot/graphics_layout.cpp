#include "plot/graphics_layout.h"

#include "plot/point_evaluator.h"

namespace kalvo {

GraphicsLayout LayoutFor(PlotType type) {
    using Text = GraphicsLayout::Text;
    GraphicsLayout l;
    switch (type) {
        case PlotType::kCurve:
        case PlotType::kPolar:
            l.colorButton = true;
            l.legendShown = true;
            l.legend = Text::kFunction;
            l.title = Text::kEmpty;
            l.exaggerateFieldShown = type == PlotType::kCurve;
            l.exaggerateLabelShown = true;
            l.restoreAxisNames = type == PlotType::kCurve;
            l.yAxisLabel = type == PlotType::kCurve ? " Y axis" : "";
            break;
        case PlotType::kContour:
        case PlotType::kShade:
            l.yRangeEnabled = true;
            l.contoursShown = type == PlotType::kContour;
            l.title = Text::kFunction;
            l.exaggerateFieldShown = true;
            l.exaggerateLabelShown = true;
            l.exaggerateFromSetup = type == PlotType::kContour;
            l.restoreAxisNames = true;
            l.lowersPrecision = true;
            break;
        case PlotType::kSurface:
            l.yRangeEnabled = true;
            l.legendShown = true;
            l.legend = Text::kFunction;
            l.title = Text::kZ;
            l.titleLabel = " Z axis";
            l.legendLabel = "Title";
            l.lowersPrecision = true;
            break;
    }
    return l;
}

PlotType ComplexModeType(PlotType type) {
    switch (type) {
        case PlotType::kCurve:
            return PlotType::kContour;
        case PlotType::kPolar:
            return PlotType::kSurface;
        default:
            return type;
    }
}

std::string ModulusTitle(const std::string& title, bool complexMode) {
    return complexMode ? "|" + title + "|" : title;
}

std::string FunctionCaption(const std::string& input) {
    return "f(" + input + ")";
}

}  // namespace kalvo

namespace kalvo {

std::string CurveDescription(const std::string& input) {
    return FunctionCaption(WithoutBlanks(input)).substr(0, 255);
}

}  // namespace kalvo
