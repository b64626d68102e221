// The tab-separated text of a data grid: the clipboard reader and the writer.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "plot/data_grid_text.h"

namespace kalvo {
namespace {

using Values = std::vector<std::vector<std::optional<double>>>;

void ExpectGrid(const DataGrid& grid, const std::vector<std::string>& rowLabels,
                const std::vector<std::string>& columnLabels, const Values& values) {
    ASSERT_EQ(grid.RowCount(), static_cast<int>(rowLabels.size()));
    ASSERT_EQ(grid.ColumnCount(), static_cast<int>(columnLabels.size()));
    for (int r = 0; r < grid.RowCount(); ++r) {
        EXPECT_EQ(grid.RowLabel(r), rowLabels[static_cast<std::size_t>(r)]);
    }
    for (int c = 0; c < grid.ColumnCount(); ++c) {
        EXPECT_EQ(grid.ColumnLabel(c), columnLabels[static_cast<std::size_t>(c)]);
    }
    for (int r = 0; r < grid.RowCount(); ++r) {
        for (int c = 0; c < grid.ColumnCount(); ++c) {
            EXPECT_EQ(grid.Cell(r, c),
                      values[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)])
                << r << "," << c;
        }
    }
}

TEST(GridText, ReadsLabelledAndBareGridsWithEveryLineEnd) {
    const std::optional<double> none;
    struct Row {
        const char* name;
        std::string text;
        std::vector<std::string> rowLabels;
        std::vector<std::string> columnLabels;
        Values values;
    } rows[] = {
        {"labelled, LF",
         "\ty=-1\ty=1\n-2\t0.5\t4\n2\t-3\t1E-2\n",
         {"-2", "2"},
         {"y=-1", "y=1"},
         {{0.5, 4}, {-3, 0.01}}},
        {"labelled, CR LF, named corner",
         "x\\y\ta\tb\r\nfirst\t1\t2\r\nsecond\t3\t4\r\n",
         {"first", "second"},
         {"a", "b"},
         {{1, 2}, {3, 4}}},
        {"bare numbers, CR only", "1\t2\r3\t4", {"R1", "R2"}, {"C1", "C2"}, {{1, 2}, {3, 4}}},
        {"short lines and empty cells are empty",
         "\tA\tB\tC\nr1\t1\nr2\t\t5\t6\n",
         {"r1", "r2"},
         {"A", "B", "C"},
         {{1, none, none}, {none, 5, 6}}},
        {"an empty line inside is an empty row",
         "1\t2\n\n3\t4\n\n\n",
         {"R1", "R2", "R3"},
         {"C1", "C2"},
         {{1, 2}, {none, none}, {3, 4}}},
        {"a wider later line widens the grid",
         "5\n6\t7\t8\n",
         {"R1", "R2"},
         {"C1", "C2", "C3"},
         {{5, none, none}, {6, 7, 8}}},
        {"blanks around numbers", " 1 \t -2\n", {"R1"}, {"C1", "C2"}, {{1, -2}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DataGridTextResult result = ReadDataGridText(row.text);
        ASSERT_TRUE(result.Ok()) << result.error;
        ExpectGrid(result.grid, row.rowLabels, row.columnLabels, row.values);
    }
}

TEST(GridText, RefusesWhatIsNoGridWithAClearMessage) {
    struct Row {
        const char* name;
        std::string text;
        std::string message;
    } rows[] = {
        {"nothing", "", "The text holds no data"},
        {"line ends only", "\r\n\n", "The text holds no data"},
        {"labels only", "\tA\tB\n", "The text holds no data"},
        {"row labels only", "\n", "The text holds no data"},
        {"a word among numbers", "1\t2\n3\tfour\n", "Row 2, column 2: 'four' is not a number"},
        {"a labelled grid counts lines and cells as pasted", "\tA\nr1\t1\nr2\t1,5\n",
         "Row 3, column 2: '1,5' is not a number"},
        {"a value beyond a double", "1\t1E999\n", "Row 1, column 2: '1E999' is not a number"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DataGridTextResult result = ReadDataGridText(row.text);
        EXPECT_EQ(result.error, row.message);
        EXPECT_EQ(result.grid.CellCount(), 0u);
    }
}

TEST(GridText, RefusesTooManyCellsAndTooLongTextBeforeBuildingAnything) {
    // One line of tabs: kMaxGridCells + 1 empty cells in very little text.
    const std::string wide(kMaxGridCells, '\t');
    DataGridTextResult result = ReadDataGridText("1" + wide);
    EXPECT_NE(result.error.find("too many values"), std::string::npos) << result.error;
    EXPECT_EQ(result.grid.CellCount(), 0u);

    // A tall, wide grid whose product passes the limit.
    std::string tall = "1" + std::string(2000, '\t') + "\n";
    for (int i = 0; i < 2000; ++i) {
        tall += "1\n";
    }
    result = ReadDataGridText(tall);
    EXPECT_NE(result.error.find("too many values"), std::string::npos) << result.error;

    std::string huge(kMaxDataGridTextBytes + 1, '1');
    result = ReadDataGridText(huge);
    EXPECT_NE(result.error.find("too long"), std::string::npos) << result.error;
}

TEST(GridText, WrittenTextReadsBackToTheSameGrid) {
    DataGrid grid;
    ASSERT_TRUE(grid.Resize(3, 2));
    grid.SetRowLabel(0, "-10");
    grid.SetRowLabel(1, "with\ttab");
    grid.SetRowLabel(2, "");
    grid.SetColumnLabel(0, "f(sin(X))");
    grid.SetCell(0, 0, 1.0 / 3);
    grid.SetCell(0, 1, -2.5e-7);
    grid.SetCell(2, 0, 1e300);
    grid.SetCell(2, 1, 123456789012345.0);

    DataGridTextResult back = ReadDataGridText(WriteDataGridText(grid));
    ASSERT_TRUE(back.Ok()) << back.error;
    EXPECT_EQ(back.grid.RowLabel(1), "with tab");
    back.grid.SetRowLabel(1, "with\ttab");
    // Values pass through 15 significant digits, as the cells show them.
    DataGrid rounded = grid;
    for (int r = 0; r < grid.RowCount(); ++r) {
        for (int c = 0; c < grid.ColumnCount(); ++c) {
            rounded.SetCellText(r, c, grid.CellText(r, c));
        }
    }
    EXPECT_EQ(back.grid, rounded);
}

}  // namespace
}  // namespace kalvo
