// Operation texts, repository labels and the size coupling of the matrix window.
#include "matrix/matrix_operation.h"

#include <gtest/gtest.h>

namespace kalvo {
namespace {

using Op = MatrixOperation;

TEST(OperationText, DefaultNames) {
    OperationParameters parameters;
    parameters.r = 2.5L;
    parameters.n = 3;
    parameters.f = "sin(A)+cos(A)/3";
    struct Row {
        Op operation;
        const char* chosen;
        const char* renamed;
    } rows[] = {
        {Op::kSolve, "A*(X)=B Solve->C", "A(X)=B Solve->C"},
        {Op::kAdd, "A+B=C", "A+B=C"},
        {Op::kMultiply, "A*B=C", "A*B=C"},
        {Op::kInverse, "inverse(A)=C", "Inverse(A)=C"},
        {Op::kPower, "Power(A,3)=C", "Power(A,3)=C"},
        {Op::kDeterminant, "det |A|=C[1,1]", "det |A|=C[1,1]"},
        {Op::kSubtract, "A-B=C", "A-B=C"},
        {Op::kScale, "2.5*A=C", "2.5*A=C"},
        {Op::kFunction, "sin(A)+cos(A)/3=C", "sin(A)+cos(A)/3=C"},
        {Op::kNone, "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.chosen);
        EXPECT_EQ(OperationText(row.operation, {}, parameters, false), row.chosen);
        EXPECT_EQ(OperationText(row.operation, {}, parameters, true), row.renamed);
    }
}

TEST(OperationText, OtherNames) {
    const MatrixNames names{"P", "Q", "R"};
    OperationParameters parameters;
    parameters.r = 1e20L;
    EXPECT_EQ(OperationText(Op::kSolve, names, parameters, true), "P(X)=Q Solve->R");
    EXPECT_EQ(OperationText(Op::kDeterminant, names, parameters, true), "det |P|=R[1,1]");
    EXPECT_EQ(OperationText(Op::kScale, names, parameters, true), "1E20*P=R");
}

TEST(RepositoryLabel, NameSizeAndWord) {
    EXPECT_EQ(RepositoryLabel("A", 4, 4, Op::kSolve), "A44Solve");
    EXPECT_EQ(RepositoryLabel("C", 1, 1, Op::kDeterminant), "C11Power");
    EXPECT_EQ(RepositoryLabel("B", 10, 2, Op::kSubtract), "B102Add");
    EXPECT_EQ(RepositoryLabel("C", 3, 3, Op::kFunction), "C33Mult");
}

TEST(MatrixOperations, TableMatchesTheButtons) {
    ASSERT_EQ(MatrixOperations().size(), 9u);
    int usesB = 0;
    for (const MatrixOperationInfo& info : MatrixOperations()) {
        EXPECT_EQ(&OperationInfo(info.operation), &info);
        usesB += info.usesB ? 1 : 0;
    }
    EXPECT_EQ(usesB, 4);
    EXPECT_TRUE(OperationInfo(Op::kSubtract).usesB);
    EXPECT_STREQ(OperationInfo(Op::kInverse).caption, "&Inerse(A)=C");
}

TEST(CoupleSizes, OperandsFollowTheEditedField) {
    const GridSizes start{3, 5, 2, 6, 7, 7};
    struct Row {
        const char* name;
        Op operation;
        GridSizes edited;  // start with the edit applied
        SizeField field;
        GridSizes expected;
    } rows[] = {
        {"solve: rows set the columns",
         Op::kSolve,
         {4, 5, 2, 6, 7, 7},
         SizeField::kRowsA,
         {4, 4, 4, 1, 4, 1}},
        {"solve: columns set the rows",
         Op::kSolve,
         {3, 6, 2, 6, 7, 7},
         SizeField::kColsA,
         {6, 6, 6, 1, 6, 1}},
        {"solve: B's rows move A",
         Op::kSolve,
         {3, 5, 8, 6, 7, 7},
         SizeField::kRowsB,
         {8, 8, 8, 1, 8, 1}},
        {"add: B and C copy A",
         Op::kAdd,
         {4, 5, 2, 6, 7, 7},
         SizeField::kRowsA,
         {4, 5, 4, 5, 4, 5}},
        {"subtract: A and C copy B",
         Op::kSubtract,
         {3, 5, 2, 9, 7, 7},
         SizeField::kColsB,
         {2, 9, 2, 9, 2, 9}},
        {"scale: C copies A",
         Op::kScale,
         {3, 2, 2, 6, 7, 7},
         SizeField::kColsA,
         {3, 2, 2, 6, 3, 2}},
        {"f: C copies A", Op::kFunction, {9, 5, 2, 6, 7, 7}, SizeField::kRowsA, {9, 5, 2, 6, 9, 5}},
        {"multiply: B's rows follow A's columns",
         Op::kMultiply,
         {3, 4, 2, 6, 7, 7},
         SizeField::kColsA,
         {3, 4, 4, 6, 3, 6}},
        {"multiply: A's columns follow B's rows",
         Op::kMultiply,
         {3, 5, 8, 6, 7, 7},
         SizeField::kRowsB,
         {3, 8, 8, 6, 3, 6}},
        {"multiply: B's columns set C's",
         Op::kMultiply,
         {3, 5, 5, 2, 7, 7},
         SizeField::kColsB,
         {3, 5, 5, 2, 3, 2}},
        {"inverse: square",
         Op::kInverse,
         {4, 5, 2, 6, 7, 7},
         SizeField::kRowsA,
         {4, 4, 2, 6, 4, 4}},
        {"power: square from columns",
         Op::kPower,
         {3, 2, 2, 6, 7, 7},
         SizeField::kColsA,
         {2, 2, 2, 6, 2, 2}},
        {"det: C is 1 x 1",
         Op::kDeterminant,
         {5, 5, 2, 6, 7, 7},
         SizeField::kRowsA,
         {5, 5, 2, 6, 1, 1}},
        {"no operation: nothing follows",
         Op::kNone,
         {4, 5, 2, 6, 7, 7},
         SizeField::kRowsA,
         {4, 5, 2, 6, 7, 7}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CoupleSizes(row.operation, row.edited, row.field), row.expected);
    }
    EXPECT_EQ(CoupleSizes(Op::kInverse, start, SizeField::kRowsB).rowsB, 2)
        << "B is free where the operation does not read it";
}

}  // namespace
}  // namespace kalvo
