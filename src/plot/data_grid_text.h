#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "plot/data_grid.h"

namespace kalvo {

/// The longest text ReadDataGridText accepts (64 MiB), enough for a full grid of 15-digit values.
inline constexpr std::size_t kMaxDataGridTextBytes = std::size_t{64} << 20;

struct DataGridTextResult {
    DataGrid grid;
    std::string error;  ///< empty on success

    bool Ok() const { return error.empty(); }
};

/// Reads a data grid from tab-separated text, as spreadsheets and the data editor copy it:
/// one line per row (LF, CR LF or CR ends), cells separated by tabs. When the first cell
/// of the first line is empty or not a number, that line holds the column labels (from its
/// second cell on) and the first cell of every other line is its row label; otherwise every
/// cell is a value and the labels are "R1"…, "C1"…. Empty cells stay empty; short lines
/// are padded with empty cells; empty lines at the end are ignored.
///
/// Errors (the grid is then empty): no data, a text longer than kMaxDataGridTextBytes, more than
/// kMaxGridCells cells, or a cell that is not a number ("Row 3, column 2: 'x' is not a
/// number", counted in the text as pasted).
///
///   ReadDataGridText("\tC1\tC2\n1\t0.5\t2\n");   // 1 row labelled "1", columns "C1", "C2"
DataGridTextResult ReadDataGridText(std::string_view text);

/// The grid as ReadDataGridText reads it back: a first line with an empty corner cell and the
/// column labels, then one line per row with its label and the values in the general
/// 15-digit format, LF line ends. Tabs and line breaks inside labels become blanks.
std::string WriteDataGridText(const DataGrid& grid);

}  // namespace kalvo
