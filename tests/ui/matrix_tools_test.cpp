// The grid tools of the matrix window: copies, transposing, rows and columns, the
// clipboard, the repository, the fill field, the text file and printing.
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

#include "ui/matrix_window_fixture.h"

namespace kalvo {
namespace {

TEST_F(MatrixWindowTest, CopyingALargerGridFillsOnlyTheOverlap) {
    matrix->PanelC().SetCells(EmptyCells(6, 6));
    CellTexts six = EmptyCells(6, 6);
    for (int i = 0; i < 6; ++i) {
        for (int j = 0; j < 6; ++j) {
            six[i][j] = std::to_string(10 * i + j);
        }
    }
    matrix->PanelC().SetCells(six);
    Tool("bbCtoA")->click();
    const CellTexts a = matrix->PanelA().Cells();
    ASSERT_EQ(RowCount(a), 4);
    ASSERT_EQ(ColCount(a), 4);
    EXPECT_EQ(a[3][3], "33");
    EXPECT_EQ(a[0][2], "2");
    Fill(matrix->PanelB(), {{"x"}});
    Tool("bbAtoB")->click();
    EXPECT_EQ(matrix->PanelB().Cells(), (CellTexts{{"0"}})) << "B keeps its size";
}

TEST_F(MatrixWindowTest, TransposeAndRowsAndColumnsActOnTheActiveGrid) {
    Fill(matrix->PanelB(), {{"1", "2", "3"}, {"4", "5", "6"}});
    matrix->PanelB().Grid()->setFocus();
    EXPECT_EQ(In<QLabel>("lbEdit")->text(), "Edit B");
    Tool("bbTranspose")->click();
    EXPECT_EQ(matrix->PanelB().Cells(), (CellTexts{{"1", "4"}, {"2", "5"}, {"3", "6"}}));
    EXPECT_EQ(In<QLineEdit>("edRowsB")->text(), "3");
    EXPECT_EQ(Headers(matrix->PanelB().Grid(), Qt::Vertical).at(2), "B[3,J]");

    matrix->PanelB().Grid()->setCurrentCell(0, 0);
    QTest::keyClick(matrix->PanelB().Grid(), Qt::Key_Insert, Qt::AltModifier);
    EXPECT_EQ(matrix->PanelB().Rows(), 4);
    EXPECT_EQ(matrix->PanelB().Cells()[1], (std::vector<std::string>{"", ""}))
        << "the new row follows the current one";
    QTest::keyClick(matrix->PanelB().Grid(), Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(matrix->PanelB().Cols(), 3);
    EXPECT_EQ(In<QLineEdit>("edColsB")->text(), "3");
    matrix->PanelB().Grid()->setCurrentCell(1, 1);  // the new row and column
    Tool("bbDeleteRow")->click();
    Tool("bbDeleteColumn")->click();
    EXPECT_EQ(matrix->PanelB().Cells(), (CellTexts{{"1", "4"}, {"2", "5"}, {"3", "6"}}));
    EXPECT_EQ(In<QLineEdit>("edRowsB")->text(), "3");

    matrix->PanelC().Grid()->setFocus();
    EXPECT_EQ(In<QLabel>("lbEdit")->text(), "");
    for (const char* name :
         {"bbAddRow", "bbDeleteRow", "bbAddColumn", "bbDeleteColumn", "bbTranspose"}) {
        EXPECT_FALSE(Tool(name)->isEnabled()) << name;
    }
    matrix->PanelA().Grid()->setFocus();
    EXPECT_EQ(In<QLabel>("lbEdit")->text(), "Edit A");
    EXPECT_TRUE(Tool("bbTranspose")->isEnabled());
}

TEST_F(MatrixWindowTest, ClipboardRoundTripAndPasteAtTheCurrentCell) {
    Fill(matrix->PanelA(), {{"1", "max(1,2)"}, {"pi / 2", "-3"}});
    Tool("bbCopyA")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), "1\tmax(1,2)\r\npi / 2\t-3\r\n");
    Fill(matrix->PanelB(), {{"a", "b", "c"}, {"d", "e", "f"}, {"g", "h", "i"}});
    matrix->PanelB().Grid()->setCurrentCell(1, 1);
    Tool("bbPasteB")->click();
    EXPECT_EQ(matrix->PanelB().Cells(),
              (CellTexts{{"a", "b", "c"}, {"d", "1", "max(1,2)"}, {"g", "pi / 2", "-3"}}));
}

TEST_F(MatrixWindowTest, PasteSplitsLinesAtLineFeedsToo) {
    // Text copied from an editor or spreadsheet on Linux ends its lines with LF alone.
    QApplication::clipboard()->setText("1 2\n3 4\n5 6 7 8 9\n");
    matrix->PanelA().Grid()->setCurrentCell(0, 0);
    auto actions = matrix->PanelA().Grid()->actions();
    ASSERT_EQ(actions.size(), 1);
    EXPECT_EQ(actions[0]->text(), "&Paste");
    actions[0]->trigger();
    const CellTexts a = matrix->PanelA().Cells();
    ASSERT_EQ(RowCount(a), 4) << "the grid is not resized";
    EXPECT_EQ(a[0], (std::vector<std::string>{"1", "2", "", ""}));
    EXPECT_EQ(a[1], (std::vector<std::string>{"3", "4", "", ""}));
    EXPECT_EQ(a[2], (std::vector<std::string>{"5", "6", "7", "8"}));
}

TEST_F(MatrixWindowTest, RepositoryEntriesCopyIntoTheOperands) {
    Tool("bbInverse")->click();
    Fill(matrix->PanelA(), {{"4", "0"}, {"0", "8"}});
    Tool("bbEqual")->click();
    auto* list = In<QListWidget>("lbRepository");
    EXPECT_FALSE(Tool("bbRtoB")->isEnabled()) << "nothing selected yet";
    list->setCurrentRow(1);  // C22Inverse
    Fill(matrix->PanelB(), {{"x", "y", "z"}});
    Tool("bbRtoB")->click();
    EXPECT_EQ(matrix->PanelB().Cells(), (CellTexts{{"0.25", "0", "z"}}));
}

TEST_F(MatrixWindowTest, FillValueIsWrittenOnlyWhenChanged) {
    Fill(matrix->PanelA(), {{"1", "2"}});
    QLineEdit* fill = In<QLineEdit>("edFillA");
    fill->setFocus();
    matrix->PanelA().Grid()->setFocus();  // passing through changes nothing
    EXPECT_EQ(matrix->PanelA().Cells(), (CellTexts{{"1", "2"}}));
    Enter(fill, "pi");
    EXPECT_EQ(matrix->PanelA().Cells(), (CellTexts{{"pi", "pi"}}));
}

TEST_F(MatrixWindowTest, SavesTheTextFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("m.TXT");
    dialogs.onSaveFile = [&](const QString&) { return path; };
    Tool("bbAdd")->click();
    Fill(matrix->PanelA(), {{"1", "2", "3"}, {"4", "5", "6"}});
    matrix->PanelB().WriteCells({{"1", "1", "1"}, {"0", "0", "0"}});
    Tool("bbEqual")->click();
    ASSERT_TRUE(Tool("bbSave")->isEnabled());
    Tool("bbSave")->click();
    ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
    EXPECT_EQ(dialogs.fileDialogs[0].first, "Save to Text File");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(),
              "A+B=C\r\nMatrix A\r\n1,4\r\n2,5\r\n3,6\r\nMatrix B\r\n1,0\r\n1,0\r\n1,0\r\n"
              "Matrix C\r\n2,4\r\n3,5\r\n4,6\r\n");

    dialogs.messagesExpected = true;
    EXPECT_FALSE(matrix->SaveToFile(dir.filePath("missing/m.TXT")));
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back(), "Can not create file " + dir.filePath("missing/m.TXT"));
}

TEST_F(MatrixWindowTest, PrintsTheOperandsAndTheResult) {
    QTemporaryDir dir;
    const QString path = dir.filePath("m.pdf");
    dialogs.onPrint = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    };
    Tool("bbInverse")->click();
    Enter(matrix->PanelA().RowsField(), "30");  // wider and longer than a page
    for (int i = 0; i < 30; ++i) {
        CellTexts cells = matrix->PanelA().Cells();
        cells[i][i] = "2";
        matrix->PanelA().WriteCells(cells);
    }
    Tool("bbEqual")->click();
    Tool("bbPrint")->click();
    EXPECT_GT(QFileInfo(path).size(), 1000);

    QFile::remove(path);
    In<QListWidget>("lbRepository")->setCurrentRow(0);
    Tool("bbPrintR")->click();
    EXPECT_GT(QFileInfo(path).size(), 1000);
}

}  // namespace
}  // namespace kalvo
