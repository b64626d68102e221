#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kalvo {

/// One series as data: its name and its points.
struct SeriesData {
    std::string name;
    std::vector<double> x;
    std::vector<double> y;

    friend bool operator==(const SeriesData&, const SeriesData&) = default;
};

/// The series as a table of text: a header row with each series' name over its two
/// columns ("name x", "name y"), then one row per point index, each series contributing
/// its x and y (empty cells where a series has no more points). Cells are separated by
/// `separator` (',' for CSV, '\t' for tab-separated text); a cell holding a tab, semicolon,
/// comma, quote or line break is quoted. Numbers in the general 15-digit format; lines end
/// with CR LF.
std::string FormatSeriesTable(const std::vector<SeriesData>& series, char separator);

/// The outcome of reading a table of series.
struct SeriesTableRead {
    std::vector<SeriesData> series;
    std::string error;  ///< empty on success
};

/// Limits that keep a huge or damaged text from taking unbounded memory.
inline constexpr std::size_t kMaxSeriesTableBytes = 64u << 20;
inline constexpr std::size_t kMaxSeriesColumns = 512;

/// Reads series from text in columns of x, y pairs (what FormatSeriesTable writes, or
/// what a spreadsheet copies): cells separated by tabs, semicolons, commas or blanks (the
/// first of these found outside quoted cells), lines by LF, CR LF or CR. A first row that
/// is not all numbers names the series (the name of a pair's first column, without a
/// trailing " x"); otherwise the series are named "Series 1", "Series 2", …. An empty cell
/// ends nothing: that pair simply has no point in that row. A single column is read as y
/// over the row number. Text that holds no number, a cell that is neither empty nor a
/// number, or a text over the limits is refused with a message.
SeriesTableRead ReadSeriesTable(std::string_view text);

}  // namespace kalvo
