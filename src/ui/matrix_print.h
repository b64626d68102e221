#pragma once

#include <vector>

#include <QString>

#include "frontend/print_margins.h"
#include "matrix/cell_texts.h"

class QPrinter;

namespace kalvo {

/// One table of a matrix printout: a heading line, the grid's name for the row and column
/// headers, and the cell texts.
struct PrintedTable {
    QString heading;
    QString name;
    CellTexts cells;
};

/// Prints a title line and then each table as ruled cells with their headers, in a
/// 10-point font, from the left and top margins (the same margins are kept on the right
/// and at the bottom). A table wider than the page continues in bands of columns, a long
/// one on further pages. Returns false when the printer cannot be opened.
bool PrintMatrixTables(QPrinter& printer, const QString& title,
                       const std::vector<PrintedTable>& tables, const PrintMargins& margins);

}  // namespace kalvo
