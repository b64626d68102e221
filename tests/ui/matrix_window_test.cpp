// The matrix window as a user meets it: opening it, the operations with their prompts,
// "=" with its messages, names and the size coupling.
#include "ui/matrix_window_fixture.h"

#include <QPushButton>

#include "ui/help_contexts.h"
#include "ui/mult_dialog.h"

namespace kalvo {
namespace {

TEST_F(MatrixWindowTest, OpensFromTheMainWindowAndIsReused) {
    EXPECT_TRUE(matrix->isVisible());
    EXPECT_EQ(matrix->windowTitle(), "Matrix");
    matrix->close();
    Button("bbMatrix")->click();
    EXPECT_EQ(&window->MatrixWindow(), matrix) << "one window for the whole run";
    EXPECT_TRUE(matrix->isVisible());
}

TEST_F(MatrixWindowTest, StartsWithFourByFourGridsAndTheirHeaders) {
    for (const char* letter : {"A", "B", "C"}) {
        SCOPED_TRACE(letter);
        auto* grid = In<QTableWidget>(("sg" + std::string(letter)).c_str());
        EXPECT_EQ(grid->rowCount(), 4);
        EXPECT_EQ(grid->columnCount(), 4);
        EXPECT_EQ(Headers(grid, Qt::Vertical).at(1), QString(letter) + "[2,J]");
        EXPECT_EQ(Headers(grid, Qt::Horizontal).at(2), QString(letter) + "[I,3]");
    }
    EXPECT_EQ(In<QLineEdit>("edFillA")->text(), "0");
    QStringList captions;
    for (const MatrixOperationInfo& info : MatrixOperations()) {
        captions << Tool(info.objectName)->text();
    }
    EXPECT_EQ(captions,
              (QStringList{"Solve A(X)=B", "A&+B=C", "A*B=C", "&Inerse(A)=C", "Power(A,n)=C",
                           "det |A|=C[1,1]", "A&-B=C", "r*A=C", "f(Aij)=Cij"}));
    EXPECT_FALSE(Tool("bbPrint")->isEnabled());
    EXPECT_FALSE(Tool("bbSave")->isEnabled());
}

TEST_F(MatrixWindowTest, SolvesASystemAndKeepsItInTheRepository) {
    Tool("bbSolve")->click();
    EXPECT_EQ(OperationText(), "A*(X)=B Solve->C");
    Fill(matrix->PanelA(), {{"2", "1"}, {"1", "3"}});
    EXPECT_EQ(matrix->PanelB().Rows(), 2) << "B follows A";
    EXPECT_EQ(matrix->PanelB().Cols(), 1);
    matrix->PanelB().WriteCells({{"3"}, {"5"}});
    Tool("bbEqual")->click();
    EXPECT_EQ(matrix->PanelC().Cells(), (CellTexts{{"0.8"}, {"1.4"}}));
    EXPECT_EQ(In<QLineEdit>("edRowsC")->text(), "2");
    EXPECT_EQ(In<QLineEdit>("edColsC")->text(), "1");
    EXPECT_EQ(RepositoryLabels(), (QStringList{"A22Solve", "B21Solve", "C21Solve"}));
    EXPECT_TRUE(Tool("bbPrint")->isEnabled());
    EXPECT_TRUE(Tool("bbSave")->isEnabled());
    Tool("bbInverse")->click();
    EXPECT_FALSE(Tool("bbPrint")->isEnabled()) << "a new operation waits for its result";
}

TEST_F(MatrixWindowTest, ChosenOperationShowsOnlyThePanelsItNeeds) {
    QWidget* bPanel = matrix->PanelB().parentWidget();
    const struct {
        const char* button;
        bool showsB;
    } rows[] = {{"bbInverse", false}, {"bbAdd", true}, {"bbDet", false},
                {"bbMult", true},     {"bbSub", true}, {"bbSolve", true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.button);
        Tool(row.button)->click();
        EXPECT_EQ(bPanel->isVisible(), row.showsB);
        EXPECT_TRUE(matrix->PanelA().Grid()->hasFocus());
    }
}

TEST_F(MatrixWindowTest, EmptyCellsBecomeZeroAndAFailingCellGetsTheFocus) {
    Tool("bbAdd")->click();
    Fill(matrix->PanelA(), {{"1", ""}, {"3", "4"}});
    Fill(matrix->PanelB(), {{"1", "2"}, {"2*", "2"}});
    dialogs.messagesExpected = true;
    Tool("bbEqual")->click();
    EXPECT_EQ(matrix->PanelA().Cells()[0][1], "0");
    QTableWidget* grid = matrix->PanelB().Grid();
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->currentColumn(), 0);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].startsWith("B[2,1]: ")) << dialogs.messages[0].toStdString();
    EXPECT_TRUE(RepositoryLabels().isEmpty());
}

TEST_F(MatrixWindowTest, MessagesOfFailedOperations) {
    dialogs.messagesExpected = true;
    Tool("bbSolve")->click();
    Fill(matrix->PanelA(), {{"1", "2"}, {"2", "4"}});
    matrix->PanelB().WriteCells({{"1"}, {"1"}});
    matrix->PanelC().SetCells({{"7"}, {"8"}});
    Tool("bbEqual")->click();
    Tool("bbInverse")->click();
    Tool("bbEqual")->click();
    Tool("bbMult")->click();
    Enter(matrix->PanelB().RowsField(), "3");  // B's rows pull A's columns along
    EXPECT_EQ(matrix->PanelA().Cols(), 3);
    Enter(matrix->PanelA().ColsField(), "2");
    matrix->PanelB().SetSize(3, 2);  // the grid tools can still break the fit
    Tool("bbEqual")->click();
    EXPECT_EQ(dialogs.messages,
              (std::vector<QString>{"No solution for this equations",
                                    "Could not inverse this matrix", "Can not Multiply"}));
}

TEST_F(MatrixWindowTest, SingularSystemClearsTheSolutionColumn) {
    dialogs.messagesExpected = true;
    Tool("bbSolve")->click();
    Fill(matrix->PanelA(), {{"0", "0"}, {"0", "0"}});
    matrix->PanelC().SetCells({{"7"}, {"8"}});
    Tool("bbEqual")->click();
    EXPECT_EQ(matrix->PanelC().Cells(), (CellTexts{{""}, {""}}));
}

TEST_F(MatrixWindowTest, NameFieldsRelabelEveryGridAndTheText) {
    Tool("bbSolve")->click();
    QTest::keyClicks(In<QLineEdit>("edNameA"), "1");
    EXPECT_EQ(Headers(matrix->PanelA().Grid(), Qt::Vertical).at(0), "A1[1,J]");
    EXPECT_EQ(OperationText(), "A1(X)=B Solve->C");
    Tool("bbInverse")->click();
    EXPECT_EQ(OperationText(), "inverse(A1)=C");
    In<QLineEdit>("edNameC")->setFocus();
    QTest::keyClick(In<QLineEdit>("edNameC"), Qt::Key_Backspace);
    QTest::keyClicks(In<QLineEdit>("edNameC"), "R");
    EXPECT_EQ(OperationText(), "Inverse(A1)=R");
    EXPECT_EQ(Headers(matrix->PanelC().Grid(), Qt::Horizontal).at(0), "R[I,1]");
    Fill(matrix->PanelA(), {{"2"}});
    Tool("bbEqual")->click();
    EXPECT_EQ(RepositoryLabels(), (QStringList{"A111Inverse", "R11Inverse"}));
}

TEST_F(MatrixWindowTest, SizeCoupling) {
    Tool("bbSolve")->click();
    Enter(matrix->PanelA().RowsField(), "3");
    const GridSizes solve{3, 3, 3, 1, 3, 1};
    auto sizes = [this] {
        return GridSizes{matrix->PanelA().Rows(), matrix->PanelA().Cols(), matrix->PanelB().Rows(),
                         matrix->PanelB().Cols(), matrix->PanelC().Rows(), matrix->PanelC().Cols()};
    };
    EXPECT_EQ(sizes(), solve);
    Tool("bbMult")->click();
    Enter(matrix->PanelA().ColsField(), "5");
    EXPECT_EQ(sizes(), (GridSizes{3, 5, 5, 1, 3, 1}));
    Tool("bbDet")->click();
    Enter(matrix->PanelA().RowsField(), "2");
    EXPECT_EQ(sizes(), (GridSizes{2, 2, 5, 1, 1, 1}));
    EXPECT_EQ(In<QLineEdit>("edColsA")->text(), "2") << "the count fields follow";
}

TEST_F(MatrixWindowTest, CountFieldsTakeOneToHundred) {
    Enter(matrix->PanelA().RowsField(), "101");
    EXPECT_EQ(matrix->PanelA().Rows(), 4);
    Enter(matrix->PanelA().RowsField(), "0");
    EXPECT_EQ(matrix->PanelA().Rows(), 4);
    Enter(matrix->PanelA().RowsField(), "100");
    EXPECT_EQ(matrix->PanelA().Rows(), 100);
    matrix->PanelA().RowsField()->clear();
    Tool("bbInverse")->click();
    EXPECT_EQ(matrix->PanelA().RowsField()->text(), "4") << "an empty count becomes 4";
}

TEST_F(MatrixWindowTest, ScalePromptAsksAgainUntilTheTextEvaluates) {
    AnswerPrompt({"2*", "3/2"});
    Tool("bbScale")->click();
    ASSERT_EQ(prompts.size(), 2u);
    EXPECT_EQ(prompts[0].caption, "Expession");
    EXPECT_EQ(prompts[0].text, "1");
    EXPECT_TRUE(prompts[1].error.contains("position")) << prompts[1].error.toStdString();
    EXPECT_EQ(OperationText(), "1.5*A=C");
    Fill(matrix->PanelA(), {{"2", "-4"}});
    Tool("bbEqual")->click();
    EXPECT_EQ(matrix->PanelC().Cells(), (CellTexts{{"3", "-6"}}));

    AnswerPrompt({});  // Cancel keeps the chosen operation
    prompts.clear();
    Tool("bbPower")->click();
    EXPECT_EQ(prompts.size(), 1u);
    EXPECT_EQ(OperationText(), "1.5*A=C");
}

TEST_F(MatrixWindowTest, PowerPromptWantsAWholeNumber) {
    AnswerPrompt({"2.5", "1+2"});
    Tool("bbPower")->click();
    ASSERT_EQ(prompts.size(), 2u);
    EXPECT_EQ(prompts[0].text, "2");
    EXPECT_FALSE(prompts[1].error.isEmpty());
    EXPECT_EQ(OperationText(), "Power(A,3)=C");
    Fill(matrix->PanelA(), {{"1", "1"}, {"0", "2"}});
    Tool("bbEqual")->click();
    EXPECT_EQ(matrix->PanelC().Cells(), (CellTexts{{"1", "7"}, {"0", "8"}}));
}

TEST_F(MatrixWindowTest, FunctionOfTheElements) {
    AnswerPrompt({"sin(A", "1/(A)"});
    Tool("bbFunction")->click();
    ASSERT_EQ(prompts.size(), 2u);
    EXPECT_EQ(prompts[0].caption, "Function f(A)");
    EXPECT_EQ(prompts[0].text, "sin(A)+cos(A)/3");
    EXPECT_EQ(OperationText(), "1/(A)=C");
    Fill(matrix->PanelA(), {{"0", "4"}});
    Tool("bbEqual")->click();
    const CellTexts c = matrix->PanelC().Cells();
    EXPECT_EQ(c[0][0], "Error");
    EXPECT_EQ(QString::fromLatin1(c[0][1]), QString::fromStdString(Formatted(0.25L)).trimmed());

    prompts.clear();
    AnswerPrompt({});
    Tool("bbFunction")->click();
    EXPECT_EQ(prompts.at(0).text, "1/(A)") << "the prompt offers the last function";
}

TEST_F(MatrixWindowTest, DeterminantOfOneByOne) {
    Tool("bbDet")->click();
    Fill(matrix->PanelA(), {{"-2.5"}});
    Tool("bbEqual")->click();
    EXPECT_EQ(matrix->PanelC().Cells(), (CellTexts{{"-2.5"}}));
    EXPECT_EQ(OperationText(), "det |A|=C[1,1]");
}

}  // namespace
}  // namespace kalvo

namespace kalvo {
namespace {

TEST_F(MatrixWindowTest, F1AndThePromptsHelpOpenTheirPages) {
    QTest::keyClick(matrix, Qt::Key_F1);
    matrix->Prompt().findChild<QPushButton*>("bbHelp")->click();
    EXPECT_EQ(dialogs.helpContexts, (std::vector<int>{kHelpMatrixWindow, kHelpMatrixPrompt}));
}

}  // namespace
}  // namespace kalvo
