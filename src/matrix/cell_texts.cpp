#include "matrix/cell_texts.h"

#include <algorithm>

#include "display/format_general.h"

namespace kalvo {

CellTexts EmptyCells(int rows, int cols) {
    return CellTexts(static_cast<std::size_t>(std::max(rows, 0)),
                     std::vector<std::string>(static_cast<std::size_t>(std::max(cols, 0))));
}

int RowCount(const CellTexts& cells) {
    return static_cast<int>(cells.size());
}

int ColCount(const CellTexts& cells) {
    return cells.empty() ? 0 : static_cast<int>(cells.front().size());
}

void Resize(CellTexts& cells, int rows, int cols) {
    cells.resize(static_cast<std::size_t>(std::max(rows, 0)));
    for (auto& row : cells) {
        row.resize(static_cast<std::size_t>(std::max(cols, 0)));
    }
}

CellTexts Transposed(const CellTexts& cells) {
    CellTexts result = EmptyCells(ColCount(cells), RowCount(cells));
    for (std::size_t i = 0; i < cells.size(); ++i) {
        for (std::size_t j = 0; j < cells[i].size(); ++j) {
            result[j][i] = cells[i][j];
        }
    }
    return result;
}

void CopyOverlap(const CellTexts& from, CellTexts& to) {
    const std::size_t rows = std::min(from.size(), to.size());
    for (std::size_t i = 0; i < rows; ++i) {
        const std::size_t cols = std::min(from[i].size(), to[i].size());
        std::copy_n(from[i].begin(), cols, to[i].begin());
    }
}

CellTexts FormatCells(const TMatrix& m) {
    CellTexts cells = EmptyCells(m.RowCount(), m.ColCount());
    for (int i = 0; i < m.RowCount(); ++i) {
        for (int j = 0; j < m.ColCount(); ++j) {
            cells[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] =
                FormatGeneral(m.GetItem(i, j), kCellDigits);
        }
    }
    return cells;
}

}  // namespace kalvo
