// kalvo-cli contour as a user runs it: functions and grid files in, lines out, and every
// kind of mistake answered with a message and an exit status.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "chart/contour_export.h"
#include "chart/contour_layer.h"
#include "chart/grid_text.h"
#include "cli/run_cli.h"

namespace {

using kalvo::test::RunCli;

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);) {
        parts.push_back(part);
    }
    return parts;
}

double Number(const std::string& text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

class TempFile {
  public:
    explicit TempFile(const std::string& content)
        : m_path(std::filesystem::temp_directory_path() /
                 ("kalvo-contour-" + std::to_string(::getpid()) + "-" + std::to_string(s_count++) +
                  ".txt")) {
        std::ofstream(m_path, std::ios::binary) << content;
    }
    ~TempFile() { std::filesystem::remove(m_path); }
    std::string Path() const { return m_path.string(); }

  private:
    static inline int s_count = 0;
    std::filesystem::path m_path;
};

TEST(CliContour, LinesOfAFunctionLieOnTheirLevels) {
    // z = X + 2Y is linear, so the traced lines are exact: every point has x + 2y = level.
    auto run = RunCli("contour 'X+2*Y' --x 0,3,7 --y 0,3,5 --levels 3", "");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.errors, "");
    ASSERT_FALSE(run.lines.empty());
    std::set<std::string> levels;
    for (const std::string& line : run.lines) {
        SCOPED_TRACE(line);
        const auto fields = Split(line, '\t');
        ASSERT_EQ(fields.size(), 3u);
        levels.insert(fields[0]);
        const auto points = Split(fields[2], ' ');
        EXPECT_EQ(std::to_string(points.size()), fields[1]);
        for (const std::string& point : points) {
            const auto xy = Split(point, ',');
            ASSERT_EQ(xy.size(), 2u);
            EXPECT_NEAR(Number(xy[0]) + 2 * Number(xy[1]), Number(fields[0]), 1e-7);
        }
    }
    // Levels 0, 3 and 6 over 0..9; level 0 only touches a corner.
    EXPECT_EQ(levels, (std::set<std::string>{"3", "6"}));
}

TEST(CliContour, ShadeTracesTheLeastValue) {
    auto run = RunCli("contour '(X-0.5)^2' --x 0,1,3 --y 0,2,3 --shade", "");
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.lines, (std::vector<std::string>{"0\t3\t0.5,0 0.5,1 0.5,2"}));
}

TEST(CliContour, GlobalOptionsKeepTheirMeaning) {
    // In complex mode the map is |comp(X,Y)|: its lines are circles round the origin.
    auto modulus = RunCli("--complex contour 'comp(X,Y)' --x -6,6,49 --y -6,6,49 --levels 6", "");
    EXPECT_EQ(modulus.exitCode, 0) << modulus.errors;
    ASSERT_FALSE(modulus.lines.empty());
    for (const std::string& line : modulus.lines) {
        const auto fields = Split(line, '\t');
        const double level = Number(fields[0]);
        for (const std::string& point : Split(fields[2], ' ')) {
            const auto xy = Split(point, ',');
            EXPECT_NEAR(std::hypot(Number(xy[0]), Number(xy[1])), level, 0.02) << line;
        }
    }
    // In degrees sin(90) is 1, in radians it is not.
    auto degrees = RunCli("contour 'sin(X)+Y' --x 0,90,3 --y 0,1,2 --levels 2 --angle deg", "");
    auto radians = RunCli("contour 'sin(X)+Y' --x 0,90,3 --y 0,1,2 --levels 2 --angle rad", "");
    EXPECT_EQ(degrees.exitCode, 0) << degrees.errors;
    EXPECT_NE(degrees.output, radians.output);
}

TEST(CliContour, AConstantGridPrintsNothing) {
    auto text = RunCli("contour 3 --x 0,1,4 --y 0,1,4", "");
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(text.output, "");
    auto json = RunCli("contour 3 --x 0,1,4 --y 0,1,4 --format geojson", "");
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_EQ(json.output, "{\"type\":\"FeatureCollection\",\"features\":[\n]}\n");
}

TEST(CliContour, GeoJsonHasOneFeaturePerLine) {
    auto text = RunCli("contour 'X^2-Y^2' --x -2,2,17 --y -2,2,17 --levels 6", "");
    auto json = RunCli("contour 'X^2-Y^2' --x -2,2,17 --y -2,2,17 --levels 6 --format geojson", "");
    ASSERT_EQ(json.exitCode, 0) << json.errors;
    ASSERT_EQ(json.lines.size(), text.lines.size() + 2);
    EXPECT_EQ(json.lines.front(), "{\"type\":\"FeatureCollection\",\"features\":[");
    EXPECT_EQ(json.lines.back(), "]}");
    for (std::size_t k = 0; k < text.lines.size(); ++k) {
        const auto level = Split(text.lines[k], '\t')[0];
        EXPECT_EQ(json.lines[k + 1].find("{\"type\":\"Feature\",\"properties\":{\"level\":" +
                                         level + "},\"geometry\":{\"type\":\"LineString\""),
                  0u)
            << json.lines[k + 1];
    }
}

TEST(CliContour, GridFilesGiveTheLayersLines) {
    struct Row {
        const char* name;
        std::string content;
        std::string options;
        bool lines;  // whether the map has lines at all
    };
    std::string wavy = "-3 -2 -1 0 1 2 3\r\n-2,-1,0,1,2\r\n";
    for (int i = -3; i <= 3; ++i) {
        for (int j = -2; j <= 2; ++j) {
            wavy += std::to_string(std::sin(i) * std::cos(j) + i * j / 5.0) + (j < 2 ? "," : "");
        }
        wavy += "\r\n";
    }
    const Row rows[] = {
        {"commas and CR LF", wavy, "", true},
        {"a level count", wavy, "--levels 4", true},
        {"shading, whose level only touches the least value", wavy, "--shade", false},
        {"GeoJSON", wavy, "--format geojson", true},
        {"missing values", "0 1 2 3\n0 1 2\n1 2 3\n1234321 3 4\n3 4 -1234321\n4 5 6\n",
         "--levels 3", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempFile file(row.content);
        auto run = RunCli("contour --grid '" + file.Path() + "' " + row.options, "");
        ASSERT_EQ(run.exitCode, 0) << run.errors;
        const auto grid = kalvo::ReadGridText(row.content, file.Path()).grid;
        const bool shade = row.options == "--shade";  // as the options above say
        const int levels = row.options == "--levels 4" ? 4 : row.options == "--levels 3" ? 3 : 10;
        const auto layer =
            kalvo::TContour::Create(shade, shade ? 1 : levels, grid.z, grid.y, grid.x);
        std::ostringstream expected;
        if (row.options == "--format geojson") {
            kalvo::WriteContourGeoJson(expected, layer->Lines());
        } else {
            kalvo::WriteContourText(expected, layer->Lines());
        }
        EXPECT_EQ(run.output, expected.str());
        EXPECT_EQ(!layer->Lines().empty(), row.lines);
    }
}

TEST(CliContour, FailuresOfTheWorkExitWithOne) {
    TempFile bad("0 1\n0 1\n1 2\n3 x\n");
    const std::string missing = bad.Path() + ".none";
    const std::string fifo = bad.Path() + ".fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    struct Row {
        const char* name;
        std::string arguments;
        std::string message;
    };
    const Row rows[] = {
        {"a failing point", "contour 'ln(X)' --x -1,1,3 --y 0,1,3",
         "Argument Negative: position 1\nCann't calculate this function\n"},
        {"a value beyond the double range", "contour 'exp(X)' --x 700,800,3 --y 0,1,2",
         "kalvo-cli contour: the value at X = 750, Y = 0 is beyond the range of the contour map "
         "(about 1.8E308)\n"},
        {"a malformed file", "contour --grid '" + bad.Path() + "'",
         bad.Path() + ", line 4: 'x' is not a valid floating point value\n"},
        {"a missing file", "contour --grid '" + missing + "'", "Can't open file " + missing + "\n"},
        {"a fifo", "contour --grid '" + fifo + "'",
         "Can't read file " + fifo + " (it must be a regular file of at most 64 MiB)\n"},
        {"a folder", "contour --grid /tmp",
         "Can't read file /tmp (it must be a regular file of at most 64 MiB)\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        kalvo::test::ExpectCliFailure(row.arguments, 1, row.message);
    }
    std::filesystem::remove(fifo);
}

TEST(CliContour, UsageErrorsExitWithTwo) {
    struct Row {
        const char* name;
        const char* arguments;
        const char* message;
    };
    const Row rows[] = {
        {"nothing to contour", "contour", "give one expression with --x FROM,TO,N and --y"},
        {"no Y range", "contour X --x 0,1,3", "give one expression with --x"},
        {"an expression and a file", "contour X --grid g.txt", "give one expression with --x"},
        {"a file and a range", "contour --grid g.txt --x 0,1,3", "give one expression with --x"},
        {"two expressions", "contour X Y --x 0,1,3 --y 0,1,3", "give one expression with --x"},
        {"no levels", "contour X --x 0,1,3 --y 0,1,3 --levels 0", "--levels takes a whole number"},
        {"too many levels", "contour X --x 0,1,3 --y 0,1,3 --levels 1001",
         "--levels takes a whole number from 1 to 1000"},
        {"levels not a number", "contour X --x 0,1,3 --y 0,1,3 --levels 2.5",
         "--levels takes a whole number"},
        {"shade with levels", "contour X --x 0,1,3 --y 0,1,3 --shade --levels 3",
         "--shade traces one level and takes no --levels"},
        {"unknown format", "contour X --x 0,1,3 --y 0,1,3 --format svg",
         "--format takes text or geojson"},
        {"one point", "contour X --x 0,1,1 --y 0,1,3",
         "Number of Steps must be in the range [2..16000]"},
        {"reversed Y range", "contour X --x 0,1,3 --y 1,0,3",
         "Maximum Y-coordinate must be more than minimum one"},
        {"range without its count", "contour X --x 0,1 --y 0,1,3", "--x takes FROM,TO,N"},
        {"unknown option", "contour X --x 0,1,3 --y 0,1,3 --z 1", "unknown option --z"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        kalvo::test::ExpectCliFailure(row.arguments, 2, row.message);
    }
}

TEST(CliContour, HelpNamesTheSubcommand) {
    kalvo::test::ExpectSubcommandHelp("contour");
}

}  // namespace
