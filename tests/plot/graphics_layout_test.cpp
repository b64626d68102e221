#include <gtest/gtest.h>

#include "plot/graphics_layout.h"
#include "plot/plot_request.h"

namespace kalvo {
namespace {

TEST(GraphicsLayout, FollowsThePlotType) {
    using Text = GraphicsLayout::Text;
    struct Row {
        PlotType type;
        bool color, yRange, contours, legend, exField, exLabel;
        Text title;
        const char* titleLabel;
        const char* legendLabel;
        const char* yLabel;
        bool lowers;
    };
    const Row rows[] = {
        {PlotType::kCurve, true, false, false, true, true, true, Text::kEmpty, "Title", "Legend",
         " Y axis", false},
        {PlotType::kContour, false, true, true, false, true, true, Text::kFunction, "Title",
         "Legend", " Y axis", true},
        {PlotType::kShade, false, true, false, false, true, true, Text::kFunction, "Title",
         "Legend", " Y axis", true},
        {PlotType::kSurface, false, true, false, true, false, false, Text::kZ, " Z axis", "Title",
         " Y axis", true},
        {PlotType::kPolar, true, false, false, true, false, true, Text::kEmpty, "Title", "Legend",
         "", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.type));
        const GraphicsLayout l = LayoutFor(row.type);
        EXPECT_EQ(l.colorButton, row.color);
        EXPECT_EQ(l.yRangeEnabled, row.yRange);
        EXPECT_EQ(l.contoursShown, row.contours);
        EXPECT_EQ(l.legendShown, row.legend);
        EXPECT_EQ(l.legend, row.legend ? Text::kFunction : Text::kKeep);
        EXPECT_EQ(l.exaggerateFieldShown, row.exField);
        EXPECT_EQ(l.exaggerateLabelShown, row.exLabel);
        EXPECT_EQ(l.exaggerateFromSetup, row.type == PlotType::kContour);
        EXPECT_EQ(l.title, row.title);
        EXPECT_STREQ(l.titleLabel, row.titleLabel);
        EXPECT_STREQ(l.legendLabel, row.legendLabel);
        EXPECT_STREQ(l.yAxisLabel, row.yLabel);
        EXPECT_EQ(l.lowersPrecision, row.lowers);
        EXPECT_EQ(l.restoreAxisNames, static_cast<int>(row.type) <= 2);
    }
}

TEST(GraphicsLayout, ComplexModeMovesTheCurveTypesToGridTypes) {
    EXPECT_EQ(ComplexModeType(PlotType::kCurve), PlotType::kContour);
    EXPECT_EQ(ComplexModeType(PlotType::kPolar), PlotType::kSurface);
    for (PlotType t : {PlotType::kContour, PlotType::kShade, PlotType::kSurface}) {
        EXPECT_EQ(ComplexModeType(t), t);
    }
}

TEST(GraphicsLayout, ComplexModeWritesGridTitlesBetweenBars) {
    EXPECT_EQ(ModulusTitle("f(sin(X))", true), "|f(sin(X))|");
    EXPECT_EQ(ModulusTitle("f(sin(X))", false), "f(sin(X))");
    EXPECT_EQ(ModulusTitle("", true), "||");
    EXPECT_EQ(GridSamplingMode(true), PointEvaluator::Mode::kComplexModulus);
    EXPECT_EQ(GridSamplingMode(false), PointEvaluator::Mode::kReal);
}

TEST(PlotRequest, ChecksTheOptionsLikeTheGraphicsTab) {
    struct Row {
        const char* name;
        PlotRequestOptions options;
        const char* error;
    };
    const Row rows[] = {
        {"curve", {"sin(X)", "curve", "-1,1,50", "", "", "a.svg"}, ""},
        {"contour with levels", {"X*Y", "contour", "0,1,20", "0,1,30", "7", "a.PDF"}, ""},
        {"unknown type",
         {"X", "bar", "0,1,2", "", "", "a.png"},
         "--type takes curve, contour, shade, surface or polar"},
        {"no expression",
         {"", "curve", "0,1,2", "", "", "a.png"},
         "--plot takes the expression to plot"},
        {"no out", {"X", "curve", "0,1,2", "", "", ""}, "--plot needs --out FILE"},
        {"unknown extension",
         {"X", "curve", "0,1,2", "", "", "a.gif"},
         "--out must end in .png, .bmp, .svg or .pdf"},
        {"surface as vector",
         {"X", "surface", "0,1,2", "0,1,2", "", "a.svg"},
         "a surface is written as .png or .bmp"},
        {"polar as vector",
         {"X", "polar", "0,360,3", "", "", "a.pdf"},
         "a polar plot is written as .png or .bmp"},
        {"polar as bitmap", {"X", "polar", "0,360,3", "", "", "a.BMP"}, ""},
        {"bad x", {"X", "curve", "0,1", "", "", "a.png"}, "--x takes FROM,TO,N"},
        {"grid without y", {"X", "shade", "0,1,3", "", "", "a.png"}, "--y takes FROM,TO,M"},
        {"y on a curve",
         {"X", "polar", "0,360,3", "0,1,3", "", "a.png"},
         "--y is for contour, shade and surface plots"},
        {"levels on a shade",
         {"X", "shade", "0,1,3", "0,1,3", "4", "a.png"},
         "--levels is for contour plots"},
        {"set-up message",
         {"X", "curve", "0,1,16001", "", "", "a.png"},
         "Number of Steps must be in the range [2..16000]"},
        {"levels checked",
         {"X", "contour", "0,1,3", "0,1,3", "0", "a.png"},
         " Number of Cntours must be in the range [1..1000]"},
        {"empty coordinate", {"X", "curve", ",1,3", "", "", "a.png"}, "an empty coordinate"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string error;
        const auto request = MakePlotRequest(row.options, error);
        EXPECT_EQ(error, row.error);
        EXPECT_EQ(request.has_value(), std::string(row.error).empty());
    }
    std::string error;
    const auto contour =
        MakePlotRequest({"X*Y", "contour", "0,1,20", "0,1,30", "7", "a.PDF"}, error);
    ASSERT_TRUE(contour);
    EXPECT_EQ(contour->type, PlotType::kContour);
    EXPECT_EQ(contour->format, PictureFormat::kPdf);
    EXPECT_EQ(contour->fields.stepsY, "30");
    EXPECT_EQ(contour->fields.contours, "7");
}

TEST(PlotRequest, PictureFormatComesFromTheLastExtension) {
    EXPECT_EQ(PictureFormatOf("plot.Png"), PictureFormat::kPng);
    EXPECT_EQ(PictureFormatOf("a.b/plot.bmp"), PictureFormat::kBmp);
    EXPECT_EQ(PictureFormatOf("dir.svg/plot"), std::nullopt);
    EXPECT_EQ(PictureFormatOf("plot.svg.txt"), std::nullopt);
}

}  // namespace
}  // namespace kalvo
