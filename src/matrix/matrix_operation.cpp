#include "matrix/matrix_operation.h"

#include "display/format_general.h"
#include "matrix/cell_texts.h"

namespace kalvo {

const std::vector<MatrixOperationInfo>& MatrixOperations() {
    static const std::vector<MatrixOperationInfo> table = {
        {MatrixOperation::kSolve, "Solve A(X)=B", "bbSolve", "solve", "Solve", true},
        {MatrixOperation::kAdd, "A&+B=C", "bbAdd", "add", "Add", true},
        {MatrixOperation::kMultiply, "A*B=C", "bbMult", "mul", "Mult", true},
        {MatrixOperation::kInverse, "&Inerse(A)=C", "bbInverse", "inv", "Inverse", false},
        {MatrixOperation::kPower, "Power(A,n)=C", "bbPower", "pow", "Power", false},
        {MatrixOperation::kDeterminant, "det |A|=C[1,1]", "bbDet", "det", "Power", false},
        {MatrixOperation::kSubtract, "A&-B=C", "bbSub", "sub", "Add", true},
        {MatrixOperation::kScale, "r*A=C", "bbScale", "scale", "Mult", false},
        {MatrixOperation::kFunction, "f(Aij)=Cij", "bbFunction", "f", "Mult", false},
    };
    return table;
}

const MatrixOperationInfo& OperationInfo(MatrixOperation operation) {
    for (const MatrixOperationInfo& info : MatrixOperations()) {
        if (info.operation == operation) {
            return info;
        }
    }
    return MatrixOperations().front();
}

std::string OperationText(MatrixOperation operation, const MatrixNames& names,
                          const OperationParameters& parameters, bool renamed) {
    const std::string& a = names.a;
    const std::string& b = names.b;
    const std::string& c = names.c;
    switch (operation) {
        case MatrixOperation::kNone:
            return {};
        case MatrixOperation::kSolve:
            return a + (renamed ? "(X)=" : "*(X)=") + b + " Solve->" + c;
        case MatrixOperation::kAdd:
            return a + "+" + b + "=" + c;
        case MatrixOperation::kMultiply:
            return a + "*" + b + "=" + c;
        case MatrixOperation::kInverse:
            return (renamed ? "Inverse(" : "inverse(") + a + ")=" + c;
        case MatrixOperation::kPower:
            return "Power(" + a + "," + std::to_string(parameters.n) + ")=" + c;
        case MatrixOperation::kDeterminant:
            return "det |" + a + "|=" + c + "[1,1]";
        case MatrixOperation::kSubtract:
            return a + "-" + b + "=" + c;
        case MatrixOperation::kScale:
            return FormatGeneral(parameters.r, kCellDigits) + "*" + a + "=" + c;
        case MatrixOperation::kFunction:
            return parameters.f + "=" + c;
    }
    return {};
}

std::string RepositoryLabel(const std::string& name, int rows, int cols,
                            MatrixOperation operation) {
    return name + std::to_string(rows) + std::to_string(cols) + OperationInfo(operation).labelWord;
}

GridSizes CoupleSizes(MatrixOperation operation, GridSizes s, SizeField edited) {
    const bool editedA = edited == SizeField::kRowsA || edited == SizeField::kColsA;
    switch (operation) {
        case MatrixOperation::kNone:
            break;
        case MatrixOperation::kSolve: {
            int n = s.rowsA;
            if (edited == SizeField::kColsA) {
                n = s.colsA;
            } else if (edited == SizeField::kRowsB) {
                n = s.rowsB;
            }
            s.rowsA = s.colsA = s.rowsB = s.rowsC = n;
            s.colsB = s.colsC = 1;
            break;
        }
        case MatrixOperation::kAdd:
        case MatrixOperation::kSubtract:
            if (editedA) {
                s.rowsB = s.rowsA;
                s.colsB = s.colsA;
            } else {
                s.rowsA = s.rowsB;
                s.colsA = s.colsB;
            }
            s.rowsC = s.rowsA;
            s.colsC = s.colsA;
            break;
        case MatrixOperation::kScale:
        case MatrixOperation::kFunction:
            s.rowsC = s.rowsA;
            s.colsC = s.colsA;
            break;
        case MatrixOperation::kMultiply:
            if (edited == SizeField::kRowsB) {
                s.colsA = s.rowsB;
            } else {
                s.rowsB = s.colsA;
            }
            s.rowsC = s.rowsA;
            s.colsC = s.colsB;
            break;
        case MatrixOperation::kInverse:
        case MatrixOperation::kPower:
        case MatrixOperation::kDeterminant:
            if (edited == SizeField::kColsA) {
                s.rowsA = s.colsA;
            } else {
                s.colsA = s.rowsA;
            }
            s.rowsC = operation == MatrixOperation::kDeterminant ? 1 : s.rowsA;
            s.colsC = operation == MatrixOperation::kDeterminant ? 1 : s.colsA;
            break;
    }
    return s;
}

}  // namespace kalvo
