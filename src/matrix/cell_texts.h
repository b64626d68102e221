#pragma once

#include <string>
#include <vector>

#include "matrix/real_matrix.h"

namespace kalvo {

/// The texts of a grid's elements row by row (engine text, Latin-1): expressions in the
/// operand grids, formatted values in the result grid.
using CellTexts = std::vector<std::vector<std::string>>;

/// Digits of the short number format of matrix cells.
inline constexpr int kCellDigits = 7;

/// A rows × cols grid of empty texts.
CellTexts EmptyCells(int rows, int cols);
/// Row and column counts (a grid without rows has no columns).
int RowCount(const CellTexts& cells);
int ColCount(const CellTexts& cells);
/// New dimensions, keeping the texts of the overlapping part; new cells are empty.
void Resize(CellTexts& cells, int rows, int cols);
/// Rows become columns.
CellTexts Transposed(const CellTexts& cells);
/// Copies the texts of `from` over the part of `to` they overlap; `to` keeps its size.
void CopyOverlap(const CellTexts& from, CellTexts& to);
/// The values in the general 7-digit format.
CellTexts FormatCells(const TMatrix& m);

}  // namespace kalvo
