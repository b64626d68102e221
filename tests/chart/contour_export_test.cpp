// The text and GeoJSON forms of the lines, read back.
#include "chart/contour_export.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <sstream>

#include "chart/contour_layer.h"
#include "chart/contour_levels.h"
#include "chart/contour_test_util.h"

namespace kalvo {
namespace {

std::vector<ContourLine> SomeLines() {
    const auto grid = test::SampleGrid(
        [](double x, double y) { return std::sin(x) * std::cos(y) * 1e-3; }, -3, 3, 25, -3, 3, 21);
    return TContour::Create(false, 7, grid.z, grid.y, grid.x)->Lines();
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string::npos;
         start = end + 1) {
        parts.push_back(text.substr(start, end - start));
    }
    parts.push_back(text.substr(start));
    return parts;
}

double Parse(const std::string& text) {
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(result.ptr, text.data() + text.size()) << text;
    return value;
}

// Nine significant digits keep a coordinate to within half a unit of the ninth.
void ExpectCoordinate(const std::string& text, double value) {
    EXPECT_NEAR(Parse(text), value, std::fabs(value) * 5e-9 + 1e-300) << text;
}

TEST(ContourExport, TextHasOneLinePerContourLine) {
    const auto lines = SomeLines();
    ASSERT_GT(lines.size(), 3u);
    std::ostringstream out;
    WriteContourText(out, lines);
    auto rows = Split(out.str(), '\n');
    ASSERT_EQ(rows.back(), "");
    rows.pop_back();
    ASSERT_EQ(rows.size(), lines.size());
    for (std::size_t k = 0; k < lines.size(); ++k) {
        SCOPED_TRACE(rows[k]);
        const auto fields = Split(rows[k], '\t');
        ASSERT_EQ(fields.size(), 3u);
        EXPECT_EQ(fields[0], LevelText(lines[k].level));
        EXPECT_EQ(fields[1], std::to_string(lines[k].points.size()));
        const auto points = Split(fields[2], ' ');
        ASSERT_EQ(points.size(), lines[k].points.size());
        for (std::size_t n = 0; n < points.size(); ++n) {
            const auto xy = Split(points[n], ',');
            ASSERT_EQ(xy.size(), 2u);
            ExpectCoordinate(xy[0], lines[k].points[n].x);
            ExpectCoordinate(xy[1], lines[k].points[n].y);
        }
    }
}

TEST(ContourExport, GeoJsonIsAFeatureCollectionOfLineStrings) {
    const auto lines = SomeLines();
    std::ostringstream out;
    WriteContourGeoJson(out, lines);
    auto rows = Split(out.str(), '\n');
    ASSERT_EQ(rows.size(), lines.size() + 3);
    EXPECT_EQ(rows.front(), "{\"type\":\"FeatureCollection\",\"features\":[");
    EXPECT_EQ(rows[rows.size() - 2], "]}");
    for (std::size_t k = 0; k < lines.size(); ++k) {
        std::string row = rows[k + 1];
        SCOPED_TRACE(row);
        const std::string head =
            "{\"type\":\"Feature\",\"properties\":{\"level\":" + LevelText(lines[k].level) +
            "},\"geometry\":{\"type\":\"LineString\",\"coordinates\":[[";
        ASSERT_EQ(row.rfind(head, 0), 0u);
        const std::string tail = k + 1 < lines.size() ? "]]}}," : "]]}}";
        ASSERT_EQ(row.substr(row.size() - tail.size()), tail);
        const auto points =
            Split(row.substr(head.size(), row.size() - head.size() - tail.size()), ']');
        ASSERT_EQ(points.size(), lines[k].points.size());
        for (std::size_t n = 0; n < points.size(); ++n) {
            auto xy = Split(n == 0 ? points[n] : points[n].substr(2), ',');  // ",[" between
            ASSERT_EQ(xy.size(), 2u);
            ExpectCoordinate(xy[0], lines[k].points[n].x);
            ExpectCoordinate(xy[1], lines[k].points[n].y);
        }
    }
}

TEST(ContourExport, NoLinesGiveNoTextAndAnEmptyCollection) {
    std::ostringstream text, json;
    WriteContourText(text, {});
    WriteContourGeoJson(json, {});
    EXPECT_EQ(text.str(), "");
    EXPECT_EQ(json.str(), "{\"type\":\"FeatureCollection\",\"features\":[\n]}\n");
}

}  // namespace
}  // namespace kalvo
