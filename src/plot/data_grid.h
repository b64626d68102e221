#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvo {

/// The most cells a data grid holds (2000 × 2000): a cell costs 8 bytes here and about
/// 50 more in the drawn surface, so a full grid stays well under half a gigabyte.
inline constexpr std::size_t kMaxGridCells = 4'000'000;

/// The numbers behind the surface and polar charts: rows and columns of values with a
/// label per row and per column, as a chart's data sheet holds them. A cell is empty or
/// holds a finite double. Labels are UTF-8 text; new rows and columns are labelled "R1",
/// "R2", … and "C1", "C2", … after their 1-based number. Indexes are 0-based.
///
///   DataGrid grid;
///   grid.Resize(2, 3);
///   grid.SetCurrentCell(1, 2);
///   grid.SetData("2.5");        // the current cell, as the samplers write it
///   grid.Cell(1, 2);            // 2.5
class DataGrid {
  public:
    int RowCount() const { return m_rows; }
    int ColumnCount() const { return m_columns; }
    std::size_t CellCount() const { return m_values.size(); }

    /// Changes the size, keeping the cells and labels that still fit; new cells are empty.
    /// False, leaving the grid as it was, for a negative count or more than kMaxGridCells.
    bool Resize(int rows, int columns);
    bool SetRowCount(int rows) { return Resize(rows, m_columns); }
    bool SetColumnCount(int columns) { return Resize(m_rows, columns); }

    const std::string& RowLabel(int row) const { return m_rowLabels[Index(row)]; }
    const std::string& ColumnLabel(int column) const { return m_columnLabels[Index(column)]; }
    void SetRowLabel(int row, std::string label) { m_rowLabels[Index(row)] = std::move(label); }
    void SetColumnLabel(int column, std::string label) {
        m_columnLabels[Index(column)] = std::move(label);
    }

    std::optional<double> Cell(int row, int column) const;
    /// A value that is not finite leaves the cell empty.
    void SetCell(int row, int column, double value);
    void ClearCell(int row, int column);
    /// The cell from text: a decimal number, or blanks only for an empty cell. False for
    /// anything else (and for a value beyond the range of a double): the cell is then empty.
    bool SetCellText(int row, int column, std::string_view text);
    /// The value in the general 15-digit format, or "" for an empty cell.
    std::string CellText(int row, int column) const;

    /// The current cell (0, 0 in a new grid), kept inside the grid when it shrinks.
    void SetCurrentCell(int row, int column);
    int CurrentRow() const { return m_row; }
    int CurrentColumn() const { return m_column; }
    /// The current cell's value from text, as SetCellText.
    bool SetData(std::string_view text) { return SetCellText(m_row, m_column, text); }
    void SetCurrentRowLabel(std::string label) { SetRowLabel(m_row, std::move(label)); }
    void SetCurrentColumnLabel(std::string label) { SetColumnLabel(m_column, std::move(label)); }

    /// The smallest and largest value of the non-empty cells; false when every cell is empty.
    bool ValueRange(double& least, double& greatest) const;

    bool operator==(const DataGrid& other) const;

  private:
    static std::size_t Index(int i) { return static_cast<std::size_t>(i); }
    std::size_t CellIndex(int row, int column) const {
        return Index(row) * Index(m_columns) + Index(column);
    }

    int m_rows = 0;
    int m_columns = 0;
    int m_row = 0;
    int m_column = 0;
    std::vector<double> m_values;  ///< row-major; NaN marks an empty cell
    std::vector<std::string> m_rowLabels;
    std::vector<std::string> m_columnLabels;
};

/// A cell's text as a value: a decimal number within the range of a double, or blanks
/// only (no value). False for anything else.
bool ReadCellValue(std::string_view text, std::optional<double>& value);

/// "Row 3, column 2: 'abc' is not a number" (1-based), the message for a cell that
/// ReadCellValue refuses.
std::string BadCellMessage(int row, int column, std::string_view text);

}  // namespace kalvo
