#include "plot/data_grid_text.h"

#include <algorithm>
#include <optional>

#include "engine/text_encoding.h"

namespace kalvo {

namespace {

constexpr char kNoData[] = "The text holds no data";
constexpr char kTooLong[] = "The text is too long for a data grid (at most 64 MB)";

/// Calls visit(index, cell) for every tab-separated cell of a line.
template <typename Visit>
void ForEachCell(std::string_view line, Visit visit) {
    std::size_t start = 0;
    for (int index = 0;; ++index) {
        const std::size_t end = line.find('\t', start);
        visit(index, line.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            return;
        }
        start = end + 1;
    }
}

std::size_t CountCells(std::string_view line) {
    return static_cast<std::size_t>(std::count(line.begin(), line.end(), '\t')) + 1;
}

std::string_view FirstCell(std::string_view line) {
    return line.substr(0, line.find('\t'));
}

std::string TooManyCells() {
    return "The text holds too many values for a data grid (at most " +
           std::to_string(kMaxGridCells) + ")";
}

std::string Flattened(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    return text;
}

}  // namespace

DataGridTextResult ReadDataGridText(std::string_view text) {
    DataGridTextResult result;
    if (text.size() > kMaxDataGridTextBytes) {
        result.error = kTooLong;
        return result;
    }
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    if (text.empty()) {
        result.error = kNoData;
        return result;
    }

    // First pass: the shape. The text is at most 64 MiB, so the counts fit.
    std::size_t lines = 0;
    std::size_t widest = 0;
    ForEachLine(text, [&](std::string_view line) {
        ++lines;
        widest = std::max(widest, CountCells(line));
    });
    std::optional<double> probe;
    const std::string_view corner = FirstCell(text.substr(0, text.find_first_of("\r\n")));
    const bool labelled =
        corner.find_first_not_of(" \t") == std::string_view::npos || !ReadCellValue(corner, probe);
    const std::size_t skip = labelled ? 1 : 0;
    const std::size_t rows = lines - skip;
    const std::size_t columns = widest - skip;
    if (rows == 0 || columns == 0) {
        result.error = kNoData;
        return result;
    }
    if (rows > kMaxGridCells || columns > kMaxGridCells || rows * columns > kMaxGridCells) {
        result.error = TooManyCells();
        return result;
    }
    DataGrid& grid = result.grid;
    grid.Resize(static_cast<int>(rows), static_cast<int>(columns));

    // Second pass: labels and values; the first bad cell ends the reading.
    int lineNumber = 0;
    ForEachLine(text, [&](std::string_view line) {
        ++lineNumber;
        if (!result.error.empty()) {
            return;
        }
        const int row = lineNumber - 1 - static_cast<int>(skip);
        ForEachCell(line, [&](int index, std::string_view cell) {
            if (!result.error.empty()) {
                return;
            }
            const int column = index - static_cast<int>(skip);
            if (row < 0) {
                if (column >= 0) {
                    grid.SetColumnLabel(column, std::string(cell));
                }
            } else if (column < 0) {
                grid.SetRowLabel(row, std::string(cell));
            } else if (!grid.SetCellText(row, column, cell)) {
                result.error = BadCellMessage(lineNumber, index + 1, cell);
            }
        });
    });
    if (!result.error.empty()) {
        result.grid = DataGrid();
    }
    return result;
}

std::string WriteDataGridText(const DataGrid& grid) {
    std::string text;
    for (int column = 0; column < grid.ColumnCount(); ++column) {
        text += '\t';
        text += Flattened(grid.ColumnLabel(column));
    }
    text += '\n';
    for (int row = 0; row < grid.RowCount(); ++row) {
        text += Flattened(grid.RowLabel(row));
        for (int column = 0; column < grid.ColumnCount(); ++column) {
            text += '\t';
            text += grid.CellText(row, column);
        }
        text += '\n';
    }
    return text;
}

}  // namespace kalvo
