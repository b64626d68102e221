#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "matrix/cell_texts.h"

namespace kalvo {

/// What ReadMatrixText accepts before it refuses the text.
struct MatrixTextLimits {
    int rows = 100;
    int fields = 100;                   ///< per line
    std::size_t bytes = 1024u * 1024u;  ///< the whole text
};

/// The lines and fields of a text, or why it was refused.
struct MatrixTextResult {
    bool ok = false;
    std::string error;  ///< when not ok, e.g. "more than 100 rows"
    CellTexts rows;     ///< one entry per line that holds anything; rows may differ in length
};

/// Reads a matrix typed, pasted or saved as text. Lines end at CR LF, LF or CR (the
/// last line may lack one); blanks at the ends of a line are dropped, and empty lines and
/// lines of commas and blanks only are skipped. A line that holds a tab splits at every
/// tab (two tabs enclose an empty field, as spreadsheets write an empty cell); else a line
/// with a comma outside parentheses splits at those commas; else the line splits at runs
/// of blanks. Fields lose the blanks around them, repeated commas make no empty field, and
/// a separator at the end of a line opens none. So "1 2 3", "1,2,3", "1, 2, 3" and
/// "1\t2\t3" each give three fields, "max(1,2) 4" and "max(1,2)\tpi / 2" two, and
/// "1\t\t3" gives "1", "" and "3".
///
/// A pure function over bytes: it never throws and refuses a text, a line count or a
/// field count beyond the limits with a message.
MatrixTextResult ReadMatrixText(std::string_view text, const MatrixTextLimits& limits = {});

/// The texts as the clipboard carries them: the cells of a row separated by a tab, each
/// row ended by CR LF (after one more tab when the last cell is empty or a lone cell holds
/// commas or blanks). A tab or line end inside a cell becomes a blank, so ReadMatrixText
/// reads the same grid back.
std::string ClipboardText(const CellTexts& cells);

/// One matrix of a saved text file.
struct NamedCells {
    std::string name;
    const CellTexts* cells;
};

/// The text file of a computation, with CR LF line ends: the operation text, then for
/// each matrix a line "Matrix " + name and one line per column (the first column first)
/// holding that column's cell texts from the top down, separated by ",".
std::string MatrixFileText(const std::string& operationText,
                           const std::vector<NamedCells>& matrices);

}  // namespace kalvo
