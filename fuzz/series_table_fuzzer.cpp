// The series table reader (Import data of the 2D plot window): read the bytes, check the
// series it gives, and check that the table written out again reads back with the same
// series and point counts.
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "fuzz_session.h"
#include "plot/series_table.h"

namespace {

bool SameShape(const std::vector<kalvo::SeriesData>& a, const std::vector<kalvo::SeriesData>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t k = 0; k < a.size(); ++k) {
        if (a[k].x.size() != b[k].x.size()) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const kalvo::SeriesTableRead read = kalvo::ReadSeriesTable(kalvo::FuzzText(data, size));
    if (!read.error.empty()) {
        kalvo::FuzzCheck(read.series.empty(), "a refused table gives no series");
        return 0;
    }
    kalvo::FuzzCheck(!read.series.empty(), "an accepted table gives a series");
    kalvo::FuzzCheck(read.series.size() <= kalvo::kMaxSeriesColumns, "at most the column limit");
    for (const kalvo::SeriesData& series : read.series) {
        kalvo::FuzzCheck(series.x.size() == series.y.size(), "one y per x");
        for (std::size_t i = 0; i < series.x.size(); ++i) {
            kalvo::FuzzCheck(std::isfinite(series.x[i]) && std::isfinite(series.y[i]),
                             "finite points only");
        }
    }
    for (const char separator : {',', '\t'}) {
        const kalvo::SeriesTableRead again =
            kalvo::ReadSeriesTable(kalvo::FormatSeriesTable(read.series, separator));
        kalvo::FuzzCheck(again.error.empty() && SameShape(again.series, read.series),
                         "the table written out reads back with the same series");
    }
    return 0;
}
