#include "chart/contour_export.h"

#include <charconv>
#include <ostream>
#include <string>

#include "chart/contour_levels.h"

namespace kalvo {

namespace {

constexpr int kCoordinateDigits = 9;

// Like printf("%.9g") in the C locale, whatever the process locale.
void AppendCoordinate(std::string& text, double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::general, kCoordinateDigits);
    text.append(buffer, result.ptr);
}

}  // namespace

void WriteContourText(std::ostream& out, const std::vector<ContourLine>& lines) {
    std::string text;
    for (const ContourLine& line : lines) {
        text = LevelText(line.level);
        text += '\t';
        text += std::to_string(line.points.size());
        text += '\t';
        for (std::size_t k = 0; k < line.points.size(); ++k) {
            if (k > 0) {
                text += ' ';
            }
            AppendCoordinate(text, line.points[k].x);
            text += ',';
            AppendCoordinate(text, line.points[k].y);
        }
        text += '\n';
        out << text;
    }
}

void WriteContourGeoJson(std::ostream& out, const std::vector<ContourLine>& lines) {
    out << "{\"type\":\"FeatureCollection\",\"features\":[";
    std::string text;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const ContourLine& line = lines[n];
        text = n == 0 ? "\n" : ",\n";
        text += "{\"type\":\"Feature\",\"properties\":{\"level\":";
        text += LevelText(line.level);
        text += "},\"geometry\":{\"type\":\"LineString\",\"coordinates\":[";
        for (std::size_t k = 0; k < line.points.size(); ++k) {
            text += k == 0 ? "[" : ",[";
            AppendCoordinate(text, line.points[k].x);
            text += ',';
            AppendCoordinate(text, line.points[k].y);
            text += ']';
        }
        text += "]}}";
        out << text;
    }
    out << "\n]}\n";
}

}  // namespace kalvo
