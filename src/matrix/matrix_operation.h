#pragma once

#include <string>
#include <vector>

#include "engine/real.h"

namespace kalvo {

/// The operations of the matrix window, numbered as the window keeps them.
enum class MatrixOperation {
    kNone = 0,
    kSolve = 1,
    kAdd = 2,
    kMultiply = 3,
    kInverse = 4,
    kPower = 5,
    kDeterminant = 6,
    kSubtract = 7,
    kScale = 8,
    kFunction = 9,
};

/// One operation button: its caption (with the "&" of its mnemonic), its object name,
/// the command-line name, the word of the repository labels, and whether it reads B.
struct MatrixOperationInfo {
    MatrixOperation operation;
    const char* caption;
    const char* objectName;
    const char* cliName;
    const char* labelWord;
    bool usesB;
};

/// The nine operations in the order of their buttons.
const std::vector<MatrixOperationInfo>& MatrixOperations();
/// The entry of an operation other than kNone.
const MatrixOperationInfo& OperationInfo(MatrixOperation operation);

/// The names of the three grids.
struct MatrixNames {
    std::string a = "A";
    std::string b = "B";
    std::string c = "C";
};

/// What an operation text needs besides the names: the scale factor r, the power n and
/// the text of the element-wise function.
struct OperationParameters {
    Real r = 1;
    int n = 2;
    std::string f;
};

/// The formula shown above the grids, such as «A*(X)=B Solve->C» or "Power(A,3)=C".
/// `renamed` gives the forms used after a name field changed: «A(X)=B Solve->C» and
/// «Inverse(A)=C» in place of «A*(X)=B Solve->C» and «inverse(A)=C».
std::string OperationText(MatrixOperation operation, const MatrixNames& names,
                          const OperationParameters& parameters, bool renamed);

/// The repository label of a matrix: name, row count, column count and the operation's
/// word run together («A44Solve»).
std::string RepositoryLabel(const std::string& name, int rows, int cols, MatrixOperation operation);

/// The dimensions of the three grids.
struct GridSizes {
    int rowsA = 4;
    int colsA = 4;
    int rowsB = 4;
    int colsB = 4;
    int rowsC = 4;
    int colsC = 4;
    bool operator==(const GridSizes&) const = default;
};

/// Which size field received a new valid value.
enum class SizeField { kRowsA, kColsA, kRowsB, kColsB };

/// The sizes after a value was entered in `edited` (already in `sizes`): the other grids
/// follow the operation so that the operands fit.
///   solve               A stays square; B and C get A's row count and one column
///   add, subtract       B and C get A's size
///   scale, f(A)         C gets A's size
///   multiply            B's row count follows A's column count; C is A's rows × B's columns
///   inverse, power      A stays square; C gets A's size
///   determinant         A stays square; C is 1 × 1
/// A value entered for B moves A the same way where B's size is tied to A's.
GridSizes CoupleSizes(MatrixOperation operation, GridSizes sizes, SizeField edited);

}  // namespace kalvo
