// The contour grid reader (kalvo-cli contour --grid): read the bytes, check the grid's
// shape and limits, and check that the grid written out again reads back the same.
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "chart/grid_text.h"
#include "fuzz_session.h"
#include "plot/plot_setup.h"

namespace {

const std::string kName = "fuzz.grid";

void AppendLine(std::string& text, const std::vector<double>& values, std::size_t first,
                std::size_t count) {
    for (std::size_t i = first; i < first + count; ++i) {
        // A double is exact as a long double, whose shortest form the reader takes back
        // without a second rounding.
        char field[48];
        const auto end =
            std::to_chars(field, field + sizeof field, static_cast<long double>(values[i])).ptr;
        text.append(i == first ? "" : " ").append(field, end);
    }
    text += '\n';
}

// The grid in the reader's own layout, every value written exactly.
std::string GridText(const kalvo::ContourGrid& grid) {
    std::string text;
    AppendLine(text, grid.x, 0, grid.x.size());
    AppendLine(text, grid.y, 0, grid.y.size());
    for (std::size_t i = 0; i < grid.x.size(); ++i) {
        AppendLine(text, grid.z, i * grid.y.size(), grid.y.size());
    }
    return text;
}

bool SameValues(const std::vector<double>& a, const std::vector<double>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && !(std::isnan(a[i]) && std::isnan(b[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const kalvo::GridTextResult read = kalvo::ReadGridText(kalvo::FuzzText(data, size), kName);
    if (!read.ok) {
        kalvo::FuzzCheck(read.message.rfind(kName, 0) == 0, "a refused grid names its file");
        return 0;
    }
    const kalvo::ContourGrid& grid = read.grid;
    kalvo::FuzzCheck(grid.x.size() >= 2 && grid.y.size() >= 2, "at least 2 X and 2 Y values");
    kalvo::FuzzCheck(grid.z.size() == grid.x.size() * grid.y.size(), "one Z per X and Y");
    kalvo::FuzzCheck(grid.z.size() <= static_cast<std::size_t>(kalvo::kMaxGridPoints),
                     "at most the grid limit");
    const kalvo::GridTextResult again = kalvo::ReadGridText(GridText(grid), kName);
    kalvo::FuzzCheck(again.ok && SameValues(again.grid.x, grid.x) &&
                         SameValues(again.grid.y, grid.y) && SameValues(again.grid.z, grid.z),
                     "the grid written out reads back the same");
    return 0;
}
