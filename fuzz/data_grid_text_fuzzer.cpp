// The data grid's tab-separated text (pasted into the surface and polar data editor):
// read the bytes, check the limits, and check that the text written for the grid is
// stable: read back and written again, it comes out the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_session.h"
#include "plot/data_grid_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const kalvo::DataGridTextResult read = kalvo::ReadDataGridText(kalvo::FuzzText(data, size));
    if (!read.Ok()) {
        kalvo::FuzzCheck(read.grid.CellCount() == 0, "a refused text leaves the grid empty");
        return 0;
    }
    const kalvo::DataGrid& grid = read.grid;
    kalvo::FuzzCheck(grid.CellCount() <= kalvo::kMaxGridCells, "at most the cell limit");
    kalvo::FuzzCheck(grid.CellCount() == static_cast<std::size_t>(grid.RowCount()) *
                                             static_cast<std::size_t>(grid.ColumnCount()),
                     "one cell per row and column");
    // The written values have 15 digits, so the first write may round; from then on the
    // text must not change.
    const std::string written = kalvo::WriteDataGridText(grid);
    const kalvo::DataGridTextResult again = kalvo::ReadDataGridText(written);
    kalvo::FuzzCheck(again.Ok(), "the written grid reads back");
    kalvo::FuzzCheck(
        again.grid.RowCount() == grid.RowCount() && again.grid.ColumnCount() == grid.ColumnCount(),
        "the written grid keeps its size");
    kalvo::FuzzCheck(kalvo::WriteDataGridText(again.grid) == written, "the written text is stable");
    return 0;
}
