// The data grid behind the surface and polar charts: size changes, labels, the current
// cell and cell text.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "plot/data_grid.h"

namespace kalvo {
namespace {

/// A grid whose cell (r, c) holds 10 r + c.
DataGrid Numbered(int rows, int columns) {
    DataGrid grid;
    EXPECT_TRUE(grid.Resize(rows, columns));
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            grid.SetCell(r, c, 10.0 * r + c);
        }
    }
    return grid;
}

TEST(DataGrid, NewRowsAndColumnsAreEmptyAndLabelledByNumber) {
    DataGrid grid;
    ASSERT_TRUE(grid.Resize(2, 3));
    EXPECT_EQ(grid.RowLabel(0), "R1");
    EXPECT_EQ(grid.RowLabel(1), "R2");
    EXPECT_EQ(grid.ColumnLabel(2), "C3");
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 3; ++c) {
            EXPECT_FALSE(grid.Cell(r, c).has_value());
            EXPECT_EQ(grid.CellText(r, c), "");
        }
    }
}

TEST(DataGrid, ResizingKeepsTheCellsAndLabelsThatStillFit) {
    struct Row {
        const char* name;
        int rows;
        int columns;
    } rows[] = {
        {"more columns", 3, 5}, {"fewer columns", 3, 2}, {"more rows", 6, 4},
        {"fewer rows", 1, 4},   {"both shrink", 2, 1},   {"both grow", 7, 9},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DataGrid grid = Numbered(3, 4);
        grid.SetRowLabel(0, "first");
        grid.SetColumnLabel(0, "x");
        ASSERT_TRUE(grid.Resize(row.rows, row.columns));
        EXPECT_EQ(grid.RowCount(), row.rows);
        EXPECT_EQ(grid.ColumnCount(), row.columns);
        EXPECT_EQ(grid.RowLabel(0), "first");
        EXPECT_EQ(grid.ColumnLabel(0), "x");
        for (int r = 0; r < row.rows; ++r) {
            for (int c = 0; c < row.columns; ++c) {
                const std::optional<double> expected =
                    r < 3 && c < 4 ? std::optional<double>(10.0 * r + c) : std::nullopt;
                EXPECT_EQ(grid.Cell(r, c), expected) << r << "," << c;
            }
        }
        if (row.rows > 3) {
            EXPECT_EQ(grid.RowLabel(row.rows - 1), "R" + std::to_string(row.rows));
        }
    }
}

TEST(DataGrid, RefusesANegativeOrOversizedShapeAndStaysAsItWas) {
    struct Row {
        const char* name;
        int rows;
        int columns;
    } rows[] = {
        {"negative rows", -1, 3},
        {"negative columns", 2, -4},
        {"one cell too many", 2, static_cast<int>(kMaxGridCells / 2) + 1},
        {"huge both ways", 100000, 100000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DataGrid grid = Numbered(2, 3);
        const DataGrid before = grid;
        EXPECT_FALSE(grid.Resize(row.rows, row.columns));
        EXPECT_EQ(grid, before);
    }
    DataGrid full;
    EXPECT_TRUE(full.Resize(2, static_cast<int>(kMaxGridCells / 2)));
}

TEST(DataGrid, CellTextIsReadAsANumberOrLeavesTheCellEmpty) {
    struct Row {
        const char* text;
        bool accepted;
        std::optional<double> value;
    } rows[] = {
        {"2.5", true, 2.5},           {" -1E3 ", true, -1000},
        {"1e-5", true, 1e-5},         {"", true, std::nullopt},
        {"   ", true, std::nullopt},  {"abc", false, std::nullopt},
        {"1,5", false, std::nullopt}, {"1E400", false, std::nullopt},
        {"nan", false, std::nullopt}, {"0x10", false, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        DataGrid grid = Numbered(1, 1);
        EXPECT_EQ(grid.SetCellText(0, 0, row.text), row.accepted);
        EXPECT_EQ(grid.Cell(0, 0), row.value);
    }
}

TEST(DataGrid, CellTextComesBackInTheGeneralFifteenDigitFormat) {
    struct Row {
        double value;
        const char* text;
    } rows[] = {
        {1.0 / 3, "0.333333333333333"},
        {-2, "-2"},
        {1.5e20, "1.5E20"},
        {1e-5, "1E-5"},
    };
    for (const Row& row : rows) {
        DataGrid grid = Numbered(1, 1);
        grid.SetCell(0, 0, row.value);
        EXPECT_EQ(grid.CellText(0, 0), row.text);
    }
}

TEST(DataGrid, NonFiniteValuesLeaveTheCellEmpty) {
    DataGrid grid = Numbered(1, 3);
    grid.SetCell(0, 0, std::numeric_limits<double>::infinity());
    grid.SetCell(0, 1, std::numeric_limits<double>::quiet_NaN());
    grid.ClearCell(0, 2);
    for (int c = 0; c < 3; ++c) {
        EXPECT_FALSE(grid.Cell(0, c).has_value()) << c;
    }
    double least = 0;
    double greatest = 0;
    EXPECT_FALSE(grid.ValueRange(least, greatest));
}

TEST(DataGrid, CurrentCellTakesDataAndLabelsAndStaysInsideWhenTheGridShrinks) {
    DataGrid grid;
    ASSERT_TRUE(grid.Resize(4, 5));
    grid.SetCurrentCell(3, 4);
    EXPECT_TRUE(grid.SetData("7.25"));
    grid.SetCurrentRowLabel("x=3");
    grid.SetCurrentColumnLabel("y=4");
    EXPECT_EQ(grid.Cell(3, 4), 7.25);
    EXPECT_EQ(grid.RowLabel(3), "x=3");
    EXPECT_EQ(grid.ColumnLabel(4), "y=4");

    ASSERT_TRUE(grid.Resize(2, 2));
    EXPECT_EQ(grid.CurrentRow(), 1);
    EXPECT_EQ(grid.CurrentColumn(), 1);
    grid.SetCurrentCell(-3, 99);
    EXPECT_EQ(grid.CurrentRow(), 0);
    EXPECT_EQ(grid.CurrentColumn(), 1);
}

TEST(DataGrid, ValueRangeSpansTheFilledCellsOnly) {
    DataGrid grid;
    ASSERT_TRUE(grid.Resize(2, 3));
    grid.SetCell(0, 1, 4);
    grid.SetCell(1, 2, -6.5);
    grid.SetCell(1, 0, 0.25);
    double least = 0;
    double greatest = 0;
    ASSERT_TRUE(grid.ValueRange(least, greatest));
    EXPECT_EQ(least, -6.5);
    EXPECT_EQ(greatest, 4);
}

TEST(DataGrid, BadCellMessageNamesTheCellAndShortensLongText) {
    EXPECT_EQ(BadCellMessage(3, 2, "abc"), "Row 3, column 2: 'abc' is not a number");
    const std::string longText(500, 'z');
    const std::string message = BadCellMessage(1, 1, longText);
    EXPECT_LT(message.size(), 100u);
    EXPECT_NE(message.find("..."), std::string::npos);
}

}  // namespace
}  // namespace kalvo
